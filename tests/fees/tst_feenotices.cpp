// The monthly status, the unpaid list and the payment notices: how the months of a member are counted
// around a reference date, what a notice row carries, the notice numbers, and the notice data file.
#include "fees/FeeFixture.h"
#include "fees/FeeStatus.h"
#include "fees/IssueNumbers.h"
#include "fees/MonthPayers.h"
#include "fees/PaymentNotices.h"
#include "fees/Receipts.h"
#include "db/Clock.h"
#include "fees/UnpaidList.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "text/Cp949.h"
#include "report/NoticeFile.h"

#include <QFile>
#include <QTest>

using namespace feefix;

namespace {

// One column of the last print run, line by line.
QStringList column(const QString& name)
{
    QStringList out;
    for (const auto& r : printRows())
        out.append(r.value(name.toLower()));
    return out;
}

} // namespace

class TestFeeNotices : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

    void startAt(const QDate& today)
    {
        m_db.reset();
        m_db = std::make_unique<TestDb>(QDateTime(today, QTime(10, 0)));
        installLayouts();
        sqlExec("DELETE FROM T_도장정보");
        sqlExec("INSERT INTO T_도장정보 (도장명, 관장명, 전화번호, 납부은행) VALUES ('한빛 태권도', '김 관장', '02-123-4567', '국민 123-45')");
    }

private slots:
    void init()
    {
        report::ReportOutput::install(&m_out);
        m_out.runs.clear();
        m_out.printsFromPreview = 0;
        startAt(QDate(2024, 2, 15));
    }
    void cleanup()
    {
        m_db.reset();
        report::ReportOutput::install(nullptr);
    }

    // The months of one member as the notice and the unpaid list count them (fee F = 100,000).
    void monthsAroundTheReference_data()
    {
        QTest::addColumn<QString>("enrolled");
        QTest::addColumn<QDate>("reference");
        QTest::addColumn<QStringList>("paid");       // "yyyymm:yyyy-mm-dd:amount"
        QTest::addColumn<int>("prevF");
        QTest::addColumn<QString>("prevLabel");
        QTest::addColumn<int>("curF");
        QTest::addColumn<QString>("labels");          // m01..m12 joined by "|"
        QTest::addColumn<bool>("due");
        QTest::addColumn<int>("totalF");
        QTest::addColumn<QString>("unpaid");          // the unpaid list's month text
        QTest::addColumn<int>("owedF");

        QTest::newRow("2019, nothing paid, Feb 2024")
            << "2019-05-02" << QDate(2024, 2, 15) << QStringList() << 3 << "10월,11월,12월" << 1 << "미납|||||||||||" << true << 5
            << " 1 2 3 4 5 6 7 8 9 10 11 12 1 2" << 14;
        QTest::newRow("the same in June: no year before")
            << "2019-05-02" << QDate(2024, 6, 15) << QStringList() << 0 << "" << 5 << "미납|미납|미납|미납|미납|||||||" << true << 6
            << " 1 2 3 4 5 6 7 8 9 10 11 12 1 2 3 4 5 6" << 18;
        QTest::newRow("enrolled March last year, August")
            << "2023-03-10" << QDate(2024, 8, 1) << QStringList() << 10 << "3월,4월,5월,6월,7월,8월,9월,10월,11월,12월" << 7
            << "미납|미납|미납|미납|미납|미납|미납|||||" << true << 18 << " 3 4 5 6 7 8 9 10 11 12 1 2 3 4 5 6 7 8" << 18;
        QTest::newRow("paid, exempt and unpaid months")
            << "2019-05-02" << QDate(2024, 4, 10) << QStringList{"202401:2024-01-05:100000", "202402:2024-02-20:0"} << 1 << "12월" << 1
            << "1/5|면제|미납|||||||||" << true << 3 << " 1 2 3 4 5 6 7 8 9 10 11 12 3 4" << 14;
        QTest::newRow("enrolled this year, month of enrolment paid")
            << "2024-03-10" << QDate(2024, 5, 20) << QStringList{"202403:2024-03-10:100000"} << 0 << "" << 1 << "||3/10|미납||||||||"
            << true << 2 << " 4 5" << 2;
        QTest::newRow("the reference month paid")
            << "2019-05-02" << QDate(2024, 3, 20) << QStringList{"202403:2024-03-02:100000"} << 2 << "11월,12월" << 2
            << "미납|미납||||||||||" << false << 4 << " 1 2 3 4 5 6 7 8 9 10 11 12 1 2" << 14;
        QTest::newRow("the reference month exempt")
            << "2019-05-02" << QDate(2024, 6, 20) << QStringList{"202406:2024-06-02:0", "202401:2024-01-03:100000", "202402:2024-02-03:100000", "202403:2024-03-03:100000", "202404:2024-04-03:100000", "202405:2024-05-03:100000"}
            << 0 << "" << 0 << "1/3|2/3|3/3|4/3|5/3|||||||" << false << 0 << " 1 2 3 4 5 6 7 8 9 10 11 12" << 12;
        QTest::newRow("first and last month of the year before, one before them")
            << "2019-05-02" << QDate(2024, 2, 10)
            << QStringList{"202301:2023-01-05:100000", "202312:2023-12-05:100000", "202212:2022-12-05:100000"} << 2 << "10월,11월"
            << 1 << "미납|||||||||||" << true << 4 << " 2 3 4 5 6 7 8 9 10 11 1 2" << 12;
    }
    void monthsAroundTheReference()
    {
        QFETCH(QString, enrolled);
        QFETCH(QDate, reference);
        QFETCH(QStringList, paid);
        const qint64 F = 100000;
        FeeStatus::Months months;
        for (const QString& p : paid) {
            const QStringList f = p.split(':');
            months.insert(f[0], {QDate::fromString(f[1], Qt::ISODate), f[2].toLongLong()});
        }
        const FeeStatus::Notice n = FeeStatus::notice({enrolled, F}, reference, months);
        QTEST(int(n.prevSum / F), "prevF");
        QTEST(n.prevLabel, "prevLabel");
        QTEST(int(n.curSum / F), "curF");
        QStringList labels;
        for (const QString& l : n.labels)
            labels.append(l);
        QTEST(labels.join('|'), "labels");
        QTEST(n.currentDue, "due");
        QTEST(int(n.total / F), "totalF");
        const FeeStatus::Unpaid u = FeeStatus::unpaid({enrolled, F}, reference, months);
        QTEST(u.months, "unpaid");
        QTEST(int(u.owed / F), "owedF");
        // The compact months a long list keeps count the same.
        FeeStatus::MonthBits bits = 0;
        for (auto it = months.cbegin(); it != months.cend(); ++it)
            bits |= FeeStatus::monthBit(reference, it.key());
        const FeeStatus::Unpaid b = FeeStatus::unpaid({enrolled, F}, reference, bits);
        QCOMPARE(b.months, u.months);
        QCOMPARE(b.owed, u.owed);
    }

    void paymentDayOfAMonth_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("payDay");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("31 in April") << 2024 << 4 << "31" << QDate(2024, 4, 30);
        QTest::newRow("30 in February of a leap year") << 2024 << 2 << "30" << QDate(2024, 2, 29);
        QTest::newRow("29 in February 2023") << 2023 << 2 << "29" << QDate(2023, 2, 28);
        QTest::newRow("an ordinary day") << 2024 << 3 << "10" << QDate(2024, 3, 10);
        QTest::newRow("no day: the month's end") << 2024 << 6 << "" << QDate(2024, 6, 30);
    }
    void paymentDayOfAMonth()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(QString, payDay);
        QTEST(FeeStatus::dueDay(year, month, payDay), "expected");
    }

    // Who is on the unpaid list, in which mode, and what they owe together.
    void unpaidList()
    {
        addMember({"201905001", "가나래", "03", "2019-05-02"});                          // owes 14 months
        addMember({"202301002", "나바다", "03", "2023-01-05"});                          // paid February, owes January
        addMember({"202403001", "다온", "03", "2024-03-02"});                            // enrolled after the month
        addMember({"202301003", "라온", "03", "2023-01-05", 100000, "2024-01-20"});      // on leave
        addMember({"202301004", "마루", "12", "2023-01-05", 80000});                     // other division, owes all
        addMember({"202312001", "바다", "03", "2023-12-27", 100000, "", "", "25"});       // paid all, payment day 25
        pay("202301002", "202402", "2024-02-03");
        for (const char* m : {"202312", "202401", "202402"})
            pay("202312001", m, "2024-01-03");

        UnpaidList::Filter f;
        f.reference = QDate(2024, 2, 15);
        f.division = everyDivision();
        f.mode = UnpaidList::Mode::ThisMonth;
        UnpaidList::Result r = UnpaidList::list(f);
        QStringList names;
        for (const auto& l : r.lines)
            names << l.name;
        QCOMPARE(names, QStringList({"가나래", "마루"}));
        QCOMPARE(r.lines[1].months, QString(" 1 2 3 4 5 6 7 8 9 10 11 12 1 2"));
        QCOMPARE(r.total, qint64(14 * 100000 + 14 * 80000));

        f.mode = UnpaidList::Mode::AnyMonth;
        r = UnpaidList::list(f);
        names.clear();
        for (const auto& l : r.lines)
            names << l.name + l.months;
        QCOMPARE(names, QStringList({"가나래 1 2 3 4 5 6 7 8 9 10 11 12 1 2", "나바다 1 2 3 4 5 6 7 8 9 10 11 12 1",
                                     "마루 1 2 3 4 5 6 7 8 9 10 11 12 1 2"}));

        f.division = DivisionFilter::conditionFor(4, QStringLiteral("중고/일반"), QStringLiteral("부별코드"));
        QCOMPARE(UnpaidList::list(f).lines.size(), 1);
        f.division = everyDivision();
        f.name = QStringLiteral("바");
        QCOMPARE(UnpaidList::list(f).lines.size(), 1); // 나바다; 바다 owes nothing
        f.name.clear();
        f.byPayDay = true;
        f.fromDay = 20;
        f.toDay = 31;
        QCOMPARE(UnpaidList::list(f).lines.size(), 0);
        f.fromDay = 1;
        f.toDay = 10;
        QCOMPARE(UnpaidList::list(f).lines.size(), 3);
    }

    // A member enrolled in the reference month (even after the reference day) owes that month.
    void enrolledInTheReferenceMonthIsListed()
    {
        addMember({"202402001", "새싹", "03", "2024-02-20"});
        UnpaidList::Filter f;
        f.reference = QDate(2024, 2, 15);
        f.division = everyDivision();
        for (UnpaidList::Mode mode : {UnpaidList::Mode::ThisMonth, UnpaidList::Mode::AnyMonth}) {
            f.mode = mode;
            const UnpaidList::Result r = UnpaidList::list(f);
            QCOMPARE(r.lines.size(), 1);
            QCOMPARE(r.lines[0].name + r.lines[0].months, QString("새싹 2"));
        }
    }

    // The month's payers and the earlier months of the year they owe (not before enrolment).
    void monthPayers()
    {
        startAt(QDate(2024, 5, 20));
        addMember({"202301001", "가람", "05", "2023-01-10"});
        addMember({"202402001", "나래", "03", "2024-02-15"});
        addMember({"202301002", "다솜", "03", "2023-01-10"});
        pay("202301001", "202401", "2024-01-05");
        pay("202301001", "202405", "2024-05-12");
        pay("202402001", "202402", "2024-02-15");
        pay("202402001", "202405", "2024-05-03");
        pay("202301002", "202404", "2024-04-09"); // not a payer of May
        QList<MonthPayers::Line> lines = MonthPayers::list(QDate(2024, 5, 1), QString(), everyDivision("T_회원.부별코드"), QString(),
                                                           MonthPayers::Order::PayDate);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].name, QString("나래"));
        QCOMPARE(lines[0].paidOn, QString("2024-05-03"));
        QCOMPARE(lines[0].unpaidMonths, QString(" 03 04"));
        QCOMPARE(lines[1].unpaidMonths, QString(" 02 03 04"));
        lines = MonthPayers::list(QDate(2024, 5, 1), QStringLiteral("람"), everyDivision("T_회원.부별코드"), QString(),
                                  MonthPayers::Order::Division);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].name, QString("가람"));
        QCOMPARE(MonthPayers::list(QDate(2024, 5, 1), QString(), everyDivision("T_회원.부별코드"), QStringLiteral("신한"),
                                   MonthPayers::Order::Bank).size(),
                 0);
    }

    // Notices share a sheet three at a time for "통지서" and "영수증", one each otherwise.
    void sheetNumbers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("seqnos");
        QTest::addColumn<QString>("title");
        QTest::newRow("통지서") << int(PaymentNotices::Bill) << "1,1,1,2" << "납부통지서(통지서)";
        QTest::newRow("영수증") << int(PaymentNotices::Receipt) << "1,1,1,2" << "납부통지서(영수증)";
        QTest::newRow("측정표") << int(PaymentNotices::Measure) << "1,2,3,4" << "납부통지서(측정표)";
        QTest::newRow("미납통지") << int(PaymentNotices::Overdue) << "1,2,3,4" << "납부통지서(미납통지)";
    }
    void sheetNumbers()
    {
        QFETCH(int, kind);
        QStringList members;
        for (int i = 1; i <= 4; ++i) {
            const QString no = QStringLiteral("20230100%1").arg(i);
            addMember({no, QStringLiteral("회원%1").arg(i), "03", "2023-01-10"});
            members << no;
        }
        PaymentNotices::Options o;
        o.reference = o.issued = QDate(2024, 2, 15);
        o.kind = PaymentNotices::Kind(kind);
        QVERIFY(PaymentNotices::print(members, o, report::Preview));
        QTEST(column("seqno").join(','), "seqnos");
        QTEST(m_out.last().title, "title");
        QVERIFY2(m_db->dialogs().log.isEmpty(), qPrintable(m_db->dialogs().lastText()));
        QCOMPARE(m_out.last().doc.pages.size(), kind == PaymentNotices::Bill || kind == PaymentNotices::Receipt ? 2 : 4);
    }

    // The row of one member: fee figures, dates, school, journals of last month and the letter.
    void noticeRow()
    {
        addMember({"201905001", "가나래", "03", "2019-05-02", 100000, "", "", "31"});
        sqlExec("UPDATE T_회원 SET 급품코드 = '03' WHERE 회원번호 = '201905001'");
        sqlExec("INSERT INTO T_결석 (회원번호, 결석일자, 결석사유코드) VALUES ('201905001', '2024-01-09', '01'), ('201905001', '2024-01-22', '02'), ('201905001', '2023-12-28', '01')");
        sqlExec("INSERT INTO T_생활기록 (회원번호, 순번, 기록일자, 생활기록) VALUES ('201905001', 1, '2024-01-11', '인사를 잘함')");
        sqlExec("INSERT INTO T_집중도 (회원번호, 측정일자, 시각본인평균, 종합전체평균) VALUES ('201905001', '2024-01-10', 71, 65)");
        sqlExec("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES ('201905001', 1, '2024-01-05', (SELECT min(벌점코드) FROM T_벌점항목))");
        // One line of 60 syllables (120 bytes): cut at 55 syllables, never in the middle of one.
        const QString longLine = QString(60, QChar(0xAC00));
        const QString halfway = QStringLiteral("a") + QString(60, QChar(0xAC00)); // 121 bytes: 54 syllables fit after "a"
        PaymentNotices::Options o;
        o.reference = QDate(2024, 2, 15);
        o.issued = QDate(2024, 2, 16);
        o.daysToPay = 3;
        o.kind = PaymentNotices::Receipt;
        o.letter = PaymentNotices::LetterChoice::Personal;
        o.letterText = longLine + "\r\n" + halfway + "\n셋째 줄";
        QVERIFY(PaymentNotices::print({"201905001"}, o, report::Preview));
        const auto r = printRows().value(0);
        QCOMPARE(r.value("f01"), QString("가나래"));
        QCOMPARE(r.value("m01"), QString("미납"));
        QCOMPARE(r.value("m02"), QString());
        QCOMPARE(r.value("전년도분"), QString("300,000 원"));
        QCOMPARE(r.value("미납년도"), QString("2023년 미납월 : 10월,11월,12월"));
        QCOMPARE(r.value("미납월분라벨"), QString("미납월분"));
        QCOMPARE(r.value("f35"), QString("100,000 원"));
        QCOMPARE(r.value("f34"), QString("100,000 원"));
        QCOMPARE(r.value("당월"), QString("2 월분"));
        QCOMPARE(r.value("f33"), QString("500,000 원"));
        QCOMPARE(r.value("mm") + "/" + r.value("dd"), QString("2/19"));
        QCOMPARE(r.value("f36"), QString(" 2024년 2월 19일 "));
        QCOMPARE(r.value("발부일자"), QString(" 2024년 2월 16일 "));
        QCOMPARE(r.value("입관일자"), QString("2019년 5월 2일 "));
        QCOMPARE(r.value("f32"), QString("31일"));
        QCOMPARE(r.value("f37") + "|" + r.value("f38") + "|" + r.value("f39") + "|" + r.value("관장명"),
                 QString("국민 123-45|한빛 태권도|02-123-4567|김 관장"));
        QCOMPARE(r.value("결석일"), QString("1월: 09, 22"));
        QCOMPARE(r.value("f12"), QString("2024-01-22")); // newest first
        QCOMPARE(r.value("f14"), QString("2024-01-09"));
        QCOMPARE(r.value("f16"), QString());
        QCOMPARE(r.value("f22") + " " + r.value("f23"), QString("2024-01-11 인사를 잘함"));
        QCOMPARE(r.value("j01") + "/" + r.value("j12") + "/" + r.value("i01"), QString("71/65/"));
        QVERIFY2(r.value("k01").startsWith("상벌점수:   당해년도: "), qPrintable(r.value("k01")));
        QCOMPARE(r.value("가정통신1"), QString(55, QChar(0xAC00)));
        QCOMPARE(r.value("가정통신2"), QStringLiteral("a") + QString(54, QChar(0xAC00)));
        QCOMPARE(r.value("가정통신3"), QString("셋째 줄"));
        QCOMPARE(r.value("가정통신4"), QString());
        // Kind "영수증": today is 2024-02-15, payment day 31.
        QCOMPARE(r.value("l01"), QString("2월29일 ~ 3월31일"));
        QCOMPARE(r.value("l02"), QString("10 11 12 1"));
        QCOMPARE(r.value("l03"), QString("02-0001"));
        QCOMPARE(r.value("l04"), QString("한빛태권도  02-123-4567"));
    }

    // Notice and receipt numbers run per month of issue; only pages that go out use them.
    void numbersAcrossRuns_data()
    {
        QTest::addColumn<bool>("receipts");
        QTest::newRow("notices of kind 영수증") << false;
        QTest::newRow("receipts") << true;
    }
    void numbersAcrossRuns()
    {
        QFETCH(bool, receipts);
        startAt(QDate(2024, 3, 4));
        QStringList members;
        for (int i = 1; i <= 4; ++i) {
            const QString no = QStringLiteral("20230100%1").arg(i);
            addMember({no, QStringLiteral("회원%1").arg(i), "03", "2023-01-10"});
            members << no;
            pay(no, "202401", "2024-01-05");
        }
        const IssueNumbers::Kind kind = receipts ? IssueNumbers::Receipt : IssueNumbers::Notice;
        auto printAll = [&](int destination) {
            m_db->dialogs().clear();
            if (receipts)
                return Receipts::print(Receipts::list(QDate(2024, 1, 1), QDate(2024, 1, 31), QString(), everyDivision("b.부별코드")),
                                       QString(), false, destination);
            PaymentNotices::Options o;
            o.reference = o.issued = Clock::today();
            o.kind = PaymentNotices::Receipt;
            return PaymentNotices::print(members, o, destination);
        };
        auto numbers = [&] { return column(receipts ? "f01" : "l03").join(','); };


        // A preview closed unprinted shows the numbers to come and uses none.
        QVERIFY(printAll(report::Preview));
        QCOMPARE(numbers(), QString("03-0001,03-0002,03-0003,03-0004"));
        QCOMPARE(IssueNumbers::last(kind, Clock::today()), 0);
        // Printed from the preview: the same numbers are used, once.
        m_out.printsFromPreview = 2;
        QVERIFY(printAll(report::Preview));
        QCOMPARE(numbers(), QString("03-0001,03-0002,03-0003,03-0004"));
        QCOMPARE(IssueNumbers::last(kind, Clock::today()), 4);
        m_out.printsFromPreview = 0;
        // The next run in March goes on.
        QVERIFY(printAll(report::Printer));
        QCOMPARE(numbers(), QString("03-0005,03-0006,03-0007,03-0008"));
        QCOMPARE(IssueNumbers::last(kind, Clock::today()), 8);
        // A run whose numbers cannot be written puts nothing out and uses nothing.
        sqlExec(QStringLiteral("CREATE TRIGGER no_numbers BEFORE UPDATE ON %1 BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END")
                    .arg(receipts ? "T_영수증발급번호" : "T_통지서발급번호"));
        const int runs = int(m_out.runs.size());
        QVERIFY(!printAll(report::Printer));
        QCOMPARE(m_out.runs.size(), runs);
        QVERIFY2(m_db->dialogs().lastText().startsWith("저장 에러 입니다.\ndisk I/O error"), qPrintable(m_db->dialogs().lastText()));
        QCOMPARE(IssueNumbers::last(kind, Clock::today()), 8);
        sqlExec("DROP TRIGGER no_numbers");

        // The first print of April starts again at 0001; March keeps its count.
        Clock::setFixed(QDateTime(QDate(2024, 4, 1), QTime(9, 0)));
        QVERIFY(printAll(report::Printer));
        QCOMPARE(numbers(), QString("04-0001,04-0002,04-0003,04-0004"));
        QCOMPARE(IssueNumbers::last(kind, QDate(2024, 3, 31)), 8);
        QCOMPARE(db::scalarText(QStringLiteral("SELECT 일련번호 FROM %1 WHERE 발부년도 = '2024' AND 발부월 = '04'")
                                    .arg(receipts ? "T_영수증발급번호" : "T_통지서발급번호")),
                 QString("0004"));
    }

    // The letter texts are kept per choice; "개인개별공지" puts each member's own notices of the month.
    void letterTexts()
    {
        QVERIFY(PaymentNotices::saveLetter(PaymentNotices::LetterChoice::Personal, "개인 글"));
        QVERIFY(PaymentNotices::saveLetter(PaymentNotices::LetterChoice::Group, "단체 글"));
        QVERIFY(!PaymentNotices::saveLetter(PaymentNotices::LetterChoice::Individual, "무시"));
        QCOMPARE(PaymentNotices::loadLetter(PaymentNotices::LetterChoice::Personal), QString("개인 글"));
        QCOMPARE(PaymentNotices::loadLetter(PaymentNotices::LetterChoice::Group), QString("단체 글"));
        QCOMPARE(count("SELECT count(*) FROM T_가정통신문"), 1);

        addMember({"202301001", "가람", "03", "2023-01-10"});
        sqlExec("INSERT INTO T_심사평가공지사항 (회원번호, 순번, 공지일자, 공지사항) VALUES "
                "('202301001', 1, '2024-02-01', '첫 공지'), ('202301001', 2, '2024-02-10', '둘째 공지'), ('202301001', 3, '2024-01-30', '지난달')");
        PaymentNotices::Options o;
        o.reference = o.issued = QDate(2024, 2, 15);
        o.kind = PaymentNotices::Letter;
        o.letter = PaymentNotices::LetterChoice::Individual;
        o.letterText = "쓰이지 않는 글";
        QVERIFY(PaymentNotices::print({"202301001"}, o, report::Preview));
        const auto r = printRows().value(0);
        QCOMPARE(r.value("가정통신1") + "|" + r.value("가정통신2") + "|" + r.value("가정통신3"), QString("둘째 공지|첫 공지|"));
    }

    // The notice data file, byte for byte: only ticked lines with an e-mail address.
    void noticeDataFile()
    {
        addMember({"201905001", "가나래", "03", "2019-05-02", 100000, "", "", "25", "garae@example.com", "010-1111-2222"});
        addMember({"202301002", "나바다", "03", "2023-01-05", 100000, "", "", "10", "", "010-3333-4444"});
        addMember({"202312001", "다온", "03", "2023-12-27", 120000, "", "", "5", "daon@example.com", ""});
        pay("201905001", "202401", "2024-01-12");
        pay("202312001", "202401", "2024-01-04", 0);
        UnpaidList::Filter f;
        f.reference = QDate(2024, 2, 15);
        f.division = everyDivision();
        const UnpaidList::Result r = UnpaidList::list(f);
        QCOMPARE(r.lines.size(), 3);
        PaymentNotices::Options o;
        o.reference = QDate(2024, 2, 15);
        o.issued = QDate(2024, 2, 15);
        o.daysToPay = 3;
        const NoticeFile file = PaymentNotices::dataFile(r.lines, o);
        QCOMPARE(file.lineCount(), 2);
        const QByteArray expected = golden(QStringLiteral("납부통지서.txt"));
        QVERIFY(!expected.isEmpty());
        if (file.bytes() != expected)
            qWarning().noquote() << cp949::decode(file.bytes());
        QCOMPARE(file.bytes(), expected);
        QVERIFY(file.save());
        QVERIFY(file.path().endsWith("/인터넷통보자료/납부통지서/납부통지서.txt"));
    }
};

QTEST_MAIN(TestFeeNotices)
#include "tst_feenotices.moc"
