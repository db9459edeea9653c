// The month-end closing chain, the cash-book opening guard and the opening balance.
#include "db/MonthKey.h"
#include "cashbook/CashBook.h"
#include "cashbook/MonthClosing.h"
#include "cashbook/Partners.h"
#include "fees/FeePayments.h"
#include "db/Query.h"
#include "db/ClosedMonth.h"
#include "support/TestDb.h"

#include <QTest>

namespace {

// The closing table as "month:flag:month-in/month-out:acc-in/acc-out" joined by " | ".
QString closingTable()
{
    QStringList rows;
    db::Query q("SELECT * FROM T_금전출납마감 ORDER BY 마감연월");
    q.open();
    while (q.next())
        rows << QString("%1:%2:%3/%4:%5/%6")
                    .arg(q.str("마감연월"), q.str("마감여부"))
                    .arg(q.integer("당월차변금액")).arg(q.integer("당월대변금액"))
                    .arg(q.integer("차변누계금액")).arg(q.integer("대변누계금액"));
    return rows.join(" | ");
}

void line(const QString& date, int seq, qint64 in, qint64 out)
{
    db::run("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요) VALUES (:d, :s, '운영비', '기타', :i, :o, '')",
            {{"d", date}, {"s", seq}, {"i", in}, {"o", out}});
}

QString guardText(const MonthClosing::GuardResult& g)
{
    switch (g.state) {
    case MonthClosing::Guard::Open: return "open";
    case MonthClosing::Guard::NeedOpening: return "opening";
    case MonthClosing::Guard::NeedClosing: return "close " + g.month;
    }
    return {};
}

} // namespace

class TestClosing : public QObject {
    Q_OBJECT

private slots:
    void months_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("prev");
        QTest::addColumn<int>("days");
        QTest::newRow("December rolls over") << "202412" << "202501" << "202411" << 31;
        QTest::newRow("January rolls back") << "202401" << "202402" << "202312" << 31;
        QTest::newRow("leap February") << "202402" << "202403" << "202401" << 29;
        QTest::newRow("plain February") << "202302" << "202303" << "202301" << 28;
        QTest::newRow("century not leap") << "190002" << "190003" << "190001" << 28;
        QTest::newRow("fourth century leap") << "200002" << "200003" << "200001" << 29;
        QTest::newRow("April") << "202404" << "202405" << "202403" << 30;
        QTest::newRow("month 13 refused") << "202413" << "" << "" << 0;
        QTest::newRow("month 00 refused") << "202400" << "" << "" << 0;
        QTest::newRow("short key refused") << "20241" << "" << "" << 0;
        QTest::newRow("letters refused") << "2024ab" << "" << "" << 0;
    }
    void months()
    {
        QFETCH(QString, key);
        QFETCH(QString, next);
        QFETCH(QString, prev);
        QFETCH(int, days);
        QCOMPARE(monthkey::nextMonth(key), next);
        QCOMPARE(monthkey::prevMonth(key), prev);
        QCOMPARE(monthkey::lastDay(key).day(), days);
        QCOMPARE(monthkey::firstDay(key).isValid(), days > 0);
        QCOMPARE(monthkey::dashed(key).isEmpty(), days == 0);
    }

    void calendarArrows_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("delta");
        QTest::addColumn<QDate>("to");
        QTest::newRow("December forward") << QDate(2024, 12, 31) << 1 << QDate(2025, 1, 31);
        QTest::newRow("January back") << QDate(2024, 1, 15) << -1 << QDate(2023, 12, 15);
        QTest::newRow("cut to leap February") << QDate(2024, 1, 31) << 1 << QDate(2024, 2, 29);
        QTest::newRow("cut to February") << QDate(2023, 3, 30) << -1 << QDate(2023, 2, 28);
        QTest::newRow("day kept") << QDate(2024, 4, 30) << 1 << QDate(2024, 5, 30);
    }
    void calendarArrows()
    {
        QFETCH(QDate, from);
        QFETCH(int, delta);
        QFETCH(QDate, to);
        QCOMPARE(monthkey::shiftMonth(from, delta), to);
    }

    // Each case starts (unless "none") with the opening month 202401 at 1,000,000 / 400,000 and lines of
    // 300,000 in and 100,000 out in February and 70,000 in in March, then runs the steps in order.
    // The last step's message, the table, the guard and the main window's value are checked.
    void chain_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("guard");
        QTest::addColumn<QString>("lastClosed");

        const QDate march(2024, 3, 10), may(2024, 5, 15);
        QTest::newRow("empty table asks for the opening balance")
            << march << false << QStringList{} << "" << "" << "opening" << "000000";
        QTest::newRow("open months before the current one")
            << may << true << QStringList{} << "" << "202401:1:0/0:1000000/400000 | 202402:0:0/0:1000000/400000"
            << "close 202402" << "202401";
        QTest::newRow("close February")
            << march << true << QStringList{"close 202402"} << ""
            << "202401:1:0/0:1000000/400000 | 202402:1:300000/100000:1300000/500000 | 202403:0:0/0:1300000/500000"
            << "open" << "202402";
        QTest::newRow("guard after closing up to April")
            << may << true << QStringList{"close 202402", "close 202403", "close 202404"} << ""
            << "202401:1:0/0:1000000/400000 | 202402:1:300000/100000:1300000/500000 | "
               "202403:1:70000/0:1370000/500000 | 202404:1:0/0:1370000/500000 | 202405:0:0/0:1370000/500000"
            << "open" << "202404";
        QTest::newRow("closing the current month is refused")
            << march << true << QStringList{"close 202402", "close 202403"} << "2024-02 까지만 마감 작업 가능합니다."
            << "202401:1:0/0:1000000/400000 | 202402:1:300000/100000:1300000/500000 | 202403:0:0/0:1300000/500000"
            << "open" << "202402";
        QTest::newRow("closing twice is refused")
            << may << true << QStringList{"close 202402", "close 202402"} << "2024-02 이미 마감되었습니다."
            << "202401:1:0/0:1000000/400000 | 202402:1:300000/100000:1300000/500000 | 202403:0:0/0:1300000/500000"
            << "close 202403" << "202402";
        QTest::newRow("closing out of order is refused")
            << may << true << QStringList{"close 202403"} << "이전월을 먼저 마감하세요."
            << "202401:1:0/0:1000000/400000 | 202402:0:0/0:1000000/400000" << "close 202402" << "202401";
        QTest::newRow("cancel reopens and drops the next month")
            << may << true << QStringList{"close 202402", "cancel 202402"} << ""
            << "202401:1:0/0:1000000/400000 | 202402:0:0/0:1000000/400000" << "close 202402" << "202401";
        QTest::newRow("cancel in order")
            << may << true << QStringList{"close 202402", "close 202403", "cancel 202403", "cancel 202402"} << ""
            << "202401:1:0/0:1000000/400000 | 202402:0:0/0:1000000/400000" << "close 202402" << "202401";
        QTest::newRow("out-of-order cancel is refused")
            << may << true << QStringList{"close 202402", "close 202403", "cancel 202402"}
            << "2024-02 이후월부터 순차적으로 마감취소 하세요."
            << "202401:1:0/0:1000000/400000 | 202402:1:300000/100000:1300000/500000 | "
               "202403:1:70000/0:1370000/500000 | 202404:0:0/0:1370000/500000"
            << "close 202404" << "202403";
        QTest::newRow("cancelling an open month is refused")
            << may << true << QStringList{"cancel 202402"} << "2024-02은 마감처리된 월이 아니므로 취소할수 없습니다."
            << "202401:1:0/0:1000000/400000 | 202402:0:0/0:1000000/400000" << "close 202402" << "202401";
        QTest::newRow("the opening month cannot be cancelled")
            << may << true << QStringList{"cancel 202401"} << "2024-01은 금전출납 초기값 월이므로 마감취소 할수 없습니다."
            << "202401:1:0/0:1000000/400000 | 202402:0:0/0:1000000/400000" << "close 202402" << "202401";
    }
    void chain()
    {
        QFETCH(QDate, today);
        QFETCH(bool, opened);
        QFETCH(QStringList, steps);
        QFETCH(QString, message);
        QFETCH(QString, table);
        QFETCH(QString, guard);
        QFETCH(QString, lastClosed);

        TestDb t(QDateTime(today, QTime(9, 0)));
        if (opened) {
            line("2024-02-03", 1, 300000, 0);
            line("2024-02-20", 1, 0, 100000);
            line("2024-03-05", 1, 70000, 0);
            MonthClosing::saveOpening("202401", 1000000, 400000);
        }
        QString last;
        for (const QString& step : steps) {
            const QString m = step.section(' ', 1);
            if (step.startsWith("close")) {
                last = MonthClosing::checkClose(m);
                if (last.isEmpty())
                    MonthClosing::close(m);
            } else {
                last = MonthClosing::checkCancel(m);
                if (last.isEmpty())
                    MonthClosing::cancel(m);
            }
        }
        QCOMPARE(last, message);
        QCOMPARE(closingTable(), table);
        QCOMPARE(guardText(MonthClosing::guard()), guard);
        QCOMPARE(db::lastClosedMonth(), lastClosed);
    }

    void yearRollOverAndEmptyMonth()
    {
        TestDb t(QDateTime(QDate(2025, 1, 10), QTime(9, 0)));
        MonthClosing::saveOpening("202411", 500, 200);
        MonthClosing::close("202412"); // no lines: totals 0 / 0
        QCOMPARE(closingTable(), QString("202411:1:0/0:500/200 | 202412:1:0/0:500/200 | 202501:0:0/0:500/200"));
        QCOMPARE(guardText(MonthClosing::guard()), QString("open"));
        QCOMPARE(db::lastClosedMonth(), QString("202412"));
        // Lines added to a closed month later leave the rows alone.
        line("2024-12-24", 1, 999, 0);
        QCOMPARE(closingTable(), QString("202411:1:0/0:500/200 | 202412:1:0/0:500/200 | 202501:0:0/0:500/200"));
    }

    void guardWithoutClosedMonth()
    {
        // A table that lost its opening month (an older file) cannot carry a balance: start again.
        TestDb t;
        db::run("INSERT INTO T_금전출납마감 VALUES ('202403', 0, 0, 10, 5, '0')");
        QCOMPARE(guardText(MonthClosing::guard()), QString("opening"));
        QVERIFY(MonthClosing::openingEditable());
        MonthClosing::saveOpening("202402", 10, 5);
        QCOMPARE(closingTable(), QString("202402:1:0/0:10/5 | 202403:0:0/0:10/5"));
        QVERIFY(MonthClosing::openingEditable()); // until March is closed
    }

    void openingChecks_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("expense");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        const int m = int(MonthClosing::Field::Month), i = int(MonthClosing::Field::Income),
                  e = int(MonthClosing::Field::Expense), none = int(MonthClosing::Field::None);
        QTest::newRow("blank month") << " " << "1" << "1" << "시작년월일을 입력하세요." << m;
        QTest::newRow("short month") << "20231" << "1" << "1" << "시작년월일을 6자리로 입력하세요." << m;
        QTest::newRow("month 13") << "202313" << "1" << "1" << "시작년월을 바른 년월(YYYYMM)로 입력하세요." << m;
        QTest::newRow("month 00") << "202300" << "1" << "1" << "시작년월을 바른 년월(YYYYMM)로 입력하세요." << m;
        QTest::newRow("blank income") << "202311" << "" << "1" << "입금 누계를 입력하세요." << i;
        QTest::newRow("income not a number") << "202311" << "12a" << "1" << "입금 누계를 숫자로 입력하세요." << i;
        QTest::newRow("blank expense") << "202311" << "1" << " " << "출금 누계를 입력하세요." << e;
        QTest::newRow("a month after this one") << "202406" << "1" << "1" << "시작년월은 현재월(2024-05)보다 뒤일 수 없습니다." << m;
        QTest::newRow("month of the first line") << "202312" << "1" << "1" << "2023-12 이전으로 입력하세요." << m;
        QTest::newRow("after the first line") << "202401" << "1" << "1" << "2023-12 이전으로 입력하세요." << m;
        QTest::newRow("month before the first line") << "202311" << "1,000" << "0" << "" << none;
    }
    void openingChecks()
    {
        QFETCH(QString, month);
        QFETCH(QString, income);
        QFETCH(QString, expense);
        QFETCH(QString, message);
        QFETCH(int, field);
        TestDb t;
        line("2023-12-05", 1, 1000, 0);
        MonthClosing::Field f = MonthClosing::Field::None;
        QCOMPARE(MonthClosing::checkOpening(month, income, expense, &f), message);
        QCOMPARE(int(f), field);
    }

    // A mistyped opening month is corrected before the month after it is closed, not after; in the
    // meantime the months it wrongly closed take no lines.
    void openingCorrectable()
    {
        TestDb t(QDateTime(QDate(2026, 3, 10), QTime(9, 0)));
        MonthClosing::saveOpening("202602", 1000, 0); // meant 202502
        QVERIFY(!CashBook::addLine(QDate(2025, 3, 5), "운영비", "기타", true, 500, "").isEmpty());
        QVERIFY(MonthClosing::openingEditable());
        MonthClosing::saveOpening("202502", 1000, 0);
        QCOMPARE(closingTable(), QString("202502:1:0/0:1000/0 | 202503:0:0/0:1000/0"));
        QCOMPARE(db::lastClosedMonth(), QString("202502"));
        QCOMPARE(CashBook::addLine(QDate(2025, 3, 5), "운영비", "기타", true, 500, ""), QString());

        MonthClosing::close("202503");
        QVERIFY(!MonthClosing::openingEditable());
        const QString closed = closingTable();
        QVERIFY_THROWS_EXCEPTION(ClosingRefused, MonthClosing::saveOpening("202501", 1000, 0));
        QVERIFY_THROWS_EXCEPTION(ClosingRefused, MonthClosing::removeOpening());
        QCOMPARE(closingTable(), closed);

        // Reopened, the opening can go altogether: the books ask to be started again.
        MonthClosing::cancel("202503");
        MonthClosing::removeOpening();
        QCOMPARE(closingTable(), QString());
        QCOMPARE(db::lastClosedMonth(), QString("000000"));
        QCOMPARE(guardText(MonthClosing::guard()), QString("opening"));
        // A month after this one is no opening.
        QVERIFY_THROWS_EXCEPTION(ClosingRefused, MonthClosing::saveOpening("202604", 0, 0));
        QCOMPARE(closingTable(), QString());
    }

    // The services keep closed months themselves, whatever screen calls them and whether or not
    // anything loaded the closed month before: March is closed by rows written elsewhere.
    void servicesKeepClosedMonths_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("message");
        QTest::newRow("fee dated in March") << 0 << "납부일자는 마감월 이후 이어야 합니다.";
        QTest::newRow("note of a March payment") << 1 << "마감된 자료는 수정 할 수 없습니다.";
        QTest::newRow("deleting a March payment") << 2 << "마감된 자료는 삭제 할 수 없습니다.";
        QTest::newRow("amount of an April fee line") << 3 << "수련비 화면에서 수정하세요.";
        QTest::newRow("line that is gone") << 4 << "수정할 금전출납 자료가 없습니다.";
        QTest::newRow("cash line in March") << 5 << "마감된 월에는 입력 할 수 없습니다.";
        QTest::newRow("closing May before April") << 6 << "이전월을 먼저 마감하세요.";
        QTest::newRow("closing March again") << 7 << "2024-03 이미 마감되었습니다.";
        QTest::newRow("cancelling the opening month") << 8 << "2024-01은 금전출납 초기값 월이므로 마감취소 할수 없습니다.";
    }
    void servicesKeepClosedMonths()
    {
        QFETCH(int, step);
        QFETCH(QString, message);
        TestDb t(QDateTime(QDate(2024, 6, 15), QTime(9, 0)));
        const QString no = "202401001";
        sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 입관일) VALUES ('202401001', '김가람', '2024-01-05')");
        sqlExec("INSERT INTO T_금전출납마감 (마감연월, 당월차변금액, 당월대변금액, 차변누계금액, 대변누계금액, 마감여부) VALUES "
                "('202401', 0, 0, 0, 0, '1'), ('202402', 0, 0, 0, 0, '1'), ('202403', 80000, 0, 80000, 0, '1'), "
                "('202404', 0, 0, 80000, 0, '0')");
        sqlExec("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액, 비고) VALUES "
                "('202401001', '202403', 1, '2024-03-10', 80000, ''), ('202401001', '202404', 1, '2024-04-10', 80000, '')");
        sqlExec("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요, 수련비순번) VALUES "
                "('2024-03-10', 1, '수련비', '김가람', 80000, 0, '', '202401001-0001'), "
                "('2024-04-10', 1, '수련비', '김가람', 80000, 0, '', '202401001-0001')");
        auto books = [] {
            return joinedRows("SELECT 회원번호 || 년월분 || 납부일자 || 납부액 || coalesce(비고, '') AS x FROM T_수련비납부 UNION ALL "
                              "SELECT 일자 || 순번 || 입금액 || 출금액 || coalesce(적요, '') FROM T_금전출납 UNION ALL "
                              "SELECT 마감연월 || 마감여부 || 당월차변금액 || 차변누계금액 FROM T_금전출납마감",
                              " | ");
        };
        const QString before = books();
        QString refusal;
        try {
            switch (step) {
            case 0: FeePayments::add(no, "202405", QDate(2024, 3, 31), 80000, ""); break;
            case 1: FeePayments::update(no, "202403", 80000, "메모"); break;
            case 2: FeePayments::remove(no, "202403"); break;
            case 3: refusal = CashBook::updateLine(QDate(2024, 4, 10), 1, "수련비", "김가람", true, 90000, ""); break;
            case 4: refusal = CashBook::updateLine(QDate(2024, 4, 10), 2, "운영비", "기타", true, 100, ""); break;
            case 5: refusal = CashBook::addLine(QDate(2024, 3, 5), "운영비", "기타", false, 100, ""); break;
            case 6: MonthClosing::close("202405"); break;
            case 7: MonthClosing::close("202403"); break;
            case 8:
                MonthClosing::cancel("202403");
                MonthClosing::cancel("202402");
                MonthClosing::cancel("202401");
                break;
            }
        } catch (const FeeError& e) {
            refusal = e.message();
        } catch (const ClosingRefused& e) {
            refusal = e.message();
        }
        QVERIFY2(refusal.contains(message), qPrintable(refusal));
        if (step == 8) // the two cancels in order ran; the refused one left their result
            QCOMPARE(closingTable(), QString("202401:1:0/0:0/0 | 202402:0:0/0:0/0"));
        else
            QCOMPARE(books(), before);
    }

    // Another program on the same file closes March after this one has read the books: every write
    // dated in March reads the closing state again and is refused, so March still matches its lines.
    void closingByAnotherProgramIsSeen_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("message");
        QTest::newRow("fee payment") << 0 << "납부일자는 마감월 이후 이어야 합니다.\n2024-03 월 이후로";
        QTest::newRow("fee change") << 1 << "마감된 자료는 수정 할 수 없습니다.";
        QTest::newRow("fee deletion") << 2 << "마감된 자료는 삭제 할 수 없습니다.";
        QTest::newRow("cash line") << 3 << "마감된 월에는 입력 할 수 없습니다.";
        QTest::newRow("cash line change") << 4 << "마감된 자료는 수정 할 수 없습니다.";
        QTest::newRow("cash line deletion") << 5 << "마감된 자료는 삭제 할 수 없습니다.";
        QTest::newRow("partner dealing") << 6 << "마감된 월에는 입력 할 수 없습니다.";
        QTest::newRow("closing March again") << 7 << "2024-03 이미 마감되었습니다.";
        QTest::newRow("cancelling February") << 8 << "2024-02 이후월부터 순차적으로 마감취소 하세요.";
    }
    void closingByAnotherProgramIsSeen()
    {
        QFETCH(int, step);
        QFETCH(QString, message);
        TestDb t(QDateTime(QDate(2024, 5, 15), QTime(9, 0)));
        sqlExec("INSERT INTO T_회원 (회원번호, 회원명, 입관일) VALUES ('202401001', '김가람', '2024-01-05')");
        sqlExec("INSERT INTO T_거래처 (거래처코드, 거래처명) VALUES ('A001', '한빛상사')");
        MonthClosing::saveOpening("202401", 0, 0);
        MonthClosing::close("202402");
        FeePayments::add("202401001", "202403", QDate(2024, 3, 10), 80000, "");
        line("2024-03-11", 2, 0, 5000);
        QCOMPARE(MonthClosing::lastClosed(), QString("202402")); // this program has read the books
        QVERIFY(!FeePayments::isClosed(QDate(2024, 3, 20)));

        closeMonthElsewhere("202403");
        const QString before = closingTable() + " / " + QString::number(db::scalar("SELECT count(*) FROM T_금전출납").toInt())
            + " / " + QString::number(db::scalar("SELECT count(*) FROM T_수련비납부").toInt());
        QString refusal;
        try {
            switch (step) {
            case 0: FeePayments::add("202401001", "202404", QDate(2024, 3, 20), 80000, ""); break;
            case 1: FeePayments::update("202401001", "202403", 90000, ""); break;
            case 2: FeePayments::remove("202401001", "202403"); break;
            case 3: refusal = CashBook::addLine(QDate(2024, 3, 21), "운영비", "기타", false, 100, ""); break;
            case 4: refusal = CashBook::updateLine(QDate(2024, 3, 11), 2, "운영비", "기타", false, 9000, ""); break;
            case 5: refusal = CashBook::deleteLine(QDate(2024, 3, 11), 2); break;
            case 6: refusal = PartnerDeals::add(QDate(2024, 3, 22), "A001", false, {"도복", "110", "1", "500", "500", "", ""}).message; break;
            case 7: MonthClosing::close("202403"); break;
            case 8: MonthClosing::cancel("202402"); break;
            }
        } catch (const FeeError& e) {
            refusal = e.message();
        } catch (const ClosingRefused& e) {
            refusal = e.message();
        }
        QVERIFY2(refusal.contains(message), qPrintable(refusal));
        QCOMPARE(closingTable() + " / " + QString::number(db::scalar("SELECT count(*) FROM T_금전출납").toInt()) + " / "
                     + QString::number(db::scalar("SELECT count(*) FROM T_수련비납부").toInt()),
                 before);
        QCOMPARE(MonthClosing::chainFaults(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestClosing)
#include "tst_closing.moc"
