// Settling unpaid months: what generation proposes, what recording refuses (all or nothing), and how
// settled months then read on the notice, the unpaid list and the cash book.
#include "fees/FeeFixture.h"
#include "fees/FeeSettlement.h"
#include "fees/FeeStatus.h"
#include "fees/UnpaidList.h"

#include <QTest>

using namespace feefix;

namespace {
QStringList months(const FeeSettlement& s)
{
    QStringList out;
    for (const auto& l : s.lines())
        out << l.memberNo.right(3) + ":" + l.month;
    return out;
}
} // namespace

class TestFeeSettlement : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2024, 7, 2), QTime(10, 0)));
        addMember({"202403001", "가람", "03", "2024-03-10"});
        addMember({"202301002", "나래", "03", "2023-01-10"});
        addMember({"202301003", "다솜", "03", "2023-01-10", 100000, "2024-05-01"}); // on leave
    }
    void cleanup() { m_db.reset(); }

    // Months after the enrolment month without any row, the exempt ones included as rows.
    void generateProposesUnpaidMonths()
    {
        pay("202403001", "202403", "2024-03-10");     // the enrolment month
        pay("202301002", "202402", "2024-02-01", 0);  // already exempt
        pay("202301002", "202405", "2024-05-03");
        FeeSettlement s;
        QVERIFY(s.generate(QDate(2024, 1, 1), QDate(2024, 6, 1), QString(), everyDivision("T_회원.부별코드")).ok());
        QCOMPARE(s.state(), FeeSettlement::State::Generated);
        QCOMPARE(months(s), QStringList({"001:202404", "001:202405", "001:202406", "002:202401", "002:202403", "002:202404",
                                         "002:202406"}));
        for (const auto& l : s.lines()) {
            QVERIFY(l.checked);
            QCOMPARE(l.amount, QString("0"));
            QCOMPARE(l.note, QString("정산처리"));
            QCOMPARE(l.payDate, QDate(2024, 7, 2));
        }
        FeeSettlement byName;
        byName.generate(QDate(2024, 4, 1), QDate(2024, 4, 1), QStringLiteral("나"), everyDivision("T_회원.부별코드"));
        QCOMPARE(months(byName), QStringList({"002:202404"}));
    }

    // The enrolment month is settled at enrolment: it is not proposed even with no row for it.
    void enrolmentMonthNotProposedEvenUnpaid()
    {
        FeeSettlement s;
        QVERIFY(s.generate(QDate(2024, 2, 1), QDate(2024, 4, 1), QStringLiteral("가람"), everyDivision("T_회원.부별코드")).ok());
        QCOMPARE(months(s), QStringList({"001:202404"}));
    }

    void periodAcrossYearsRefused()
    {
        FeeSettlement s;
        const Answer a = s.generate(QDate(2024, 11, 1), QDate(2025, 2, 1), QString(), everyDivision("T_회원.부별코드"));
        QVERIFY(!a.ok());
        QCOMPARE(a.messages(), QList<Message>({{Message::Level::Error, "확인요망", "정산기간의 연도를 통일하세요."}}));
        QVERIFY(s.focusOnFrom());
        QCOMPARE(s.count(), 0);
        QCOMPARE(s.state(), FeeSettlement::State::Idle);
    }

    // Recording writes zero rows without cash-book lines, and a raised amount with its line, together.
    void recordZeroAndRaisedLines()
    {
        FeeSettlement s;
        s.generate(QDate(2024, 4, 1), QDate(2024, 6, 1), QStringLiteral("가람"), everyDivision("T_회원.부별코드"));
        QCOMPARE(s.count(), 3);
        QVERIFY(s.setAmount(1, "50000"));
        QVERIFY(s.setNote(1, "일부 납부"));
        QVERIFY(s.setChecked(2, false));
        QVERIFY(s.record().ok());
        QCOMPARE(s.state(), FeeSettlement::State::Idle);
        QVERIFY(!s.setAmount(0, "1")); // recorded lines are no longer edited
        QCOMPARE(feeRows(), 2);
        QCOMPARE(count("SELECT 납부액 FROM T_수련비납부 WHERE 년월분 = '202404'"), 0);
        QCOMPARE(db::scalarText("SELECT 비고 FROM T_수련비납부 WHERE 년월분 = '202404'"), QString("정산처리"));
        QCOMPARE(db::scalarText("SELECT 납부일자 FROM T_수련비납부 WHERE 년월분 = '202404'"), QString("2024-07-02"));
        QCOMPARE(cashLines(), 1);
        QCOMPARE(count("SELECT 입금액 FROM T_금전출납 WHERE 일자 = '2024-07-02' AND 대항목 = '수련비' AND 소항목 = '가람'"), 50000);
        QCOMPARE(db::scalarText("SELECT 적요 FROM T_금전출납"), QString("일부 납부"));
        QVERIFY(!FeePayments::isPaid("202403001", "202406"));

        // The settled month reads as exempt on the notice and is no longer owed.
        const FeeStatus::Notice n = FeeStatus::notice({"2024-03-10", 100000}, QDate(2024, 7, 2),
                                                      FeeStatus::paymentsOf("202403001", "202301", "202407"));
        QCOMPARE(n.labels[3], QString("면제"));
        QCOMPARE(n.labels[4], QString("7/2"));
        QCOMPARE(n.labels[5], QString("미납"));
        UnpaidList::Filter f;
        f.reference = QDate(2024, 7, 2);
        f.division = DivisionFilter::conditionFor(1, QStringLiteral("전체"), QStringLiteral("부별코드"));
        f.name = QStringLiteral("가람");
        QCOMPARE(UnpaidList::list(f).lines.value(0).months, QString(" 3 6 7"));

        // The listing shows what the period holds, settled or not.
        s.list(QDate(2024, 1, 1), QDate(2024, 12, 1), QString(), everyDivision("T_회원.부별코드"));
        QCOMPARE(months(s), QStringList({"001:202404", "001:202405"}));
        QVERIFY(!s.editable(0));
    }

    // A wrong ticked line refuses the whole batch: nothing is written, every problem is named.
    void wrongLinesRefuseTheBatch_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("named");
        QTest::newRow("a month already paid") << 1 << "month" << "202402" << "가람(202403001) 202402 : 이미 납부된 월입니다.";
        QTest::newRow("the same month twice") << 1 << "month" << "202404" << "가람(202403001) 202404 : 같은 월이 두 줄에 있습니다.";
        QTest::newRow("not a month") << 1 << "month" << "202413" << "가람(202403001) 202413 : 년월분은 yyyymm 형식의 올바른 연월로 입력하세요.";
        QTest::newRow("a negative amount") << 1 << "amount" << "-5000" << "가람(202403001) 202405 : 수련비는 0 이상의 숫자로 입력하세요.";
        QTest::newRow("a word for an amount") << 1 << "amount" << "만원" << "가람(202403001) 202405 : 수련비는 0 이상의 숫자로 입력하세요.";
        QTest::newRow("a closed month") << -1 << "" << "" << "가람(202403001) 202404 : 납부일자는 마감월 이후 이어야 합니다. 2024-07 월 이후로 입력하세요.";
    }
    void wrongLinesRefuseTheBatch()
    {
        QFETCH(int, line);
        QFETCH(QString, field);
        QFETCH(QString, value);
        pay("202403001", "202402", "2024-02-05");
        FeeSettlement s;
        s.generate(QDate(2024, 4, 1), QDate(2024, 6, 1), QStringLiteral("가람"), everyDivision("T_회원.부별코드"));
        QCOMPARE(s.count(), 3);
        if (field == "month")
            QVERIFY(s.setMonth(line, value));
        else if (field == "amount")
            QVERIFY(s.setAmount(line, value));
        else
        {
            db::run("INSERT INTO T_금전출납마감 VALUES ('202407', 0, 0, 0, 0, '1')");
        }
        const int rows = feeRows(), lines = cashLines();
        const Answer a = s.record();
        QVERIFY(!a.ok());
        QCOMPARE(feeRows(), rows);
        QCOMPARE(cashLines(), lines);
        QCOMPARE(s.state(), FeeSettlement::State::Generated); // kept for correction
        QCOMPARE(a.messages().size(), 1);
        QCOMPARE(a.messages()[0].caption, QString("확인요망"));
        const QString text = a.text();
        QVERIFY2(text.startsWith("다음 줄을 고친 후 다시 확인하세요. 아무것도 저장하지 않았습니다."), qPrintable(text));
        QFETCH(QString, named);
        QVERIFY2(text.contains(named), qPrintable(text));
        QCOMPARE(s.focusLine(), line < 0 ? 0 : line);
    }

    // A failure while writing rolls every line back.
    void failureWritesNothing()
    {
        FeeSettlement s;
        s.generate(QDate(2024, 4, 1), QDate(2024, 6, 1), QStringLiteral("가람"), everyDivision("T_회원.부별코드"));
        QVERIFY(s.setAmount(0, "30000"));
        sqlExec("CREATE TRIGGER no_june BEFORE INSERT ON T_수련비납부 WHEN NEW.년월분 = '202406' BEGIN SELECT RAISE(ABORT, 'disk I/O error'); END");
        const Answer a = s.record();
        QVERIFY(!a.ok());
        QVERIFY2(a.text().startsWith("저장 에러 입니다.\ndisk I/O error"), qPrintable(a.text()));
        QCOMPARE(feeRows(), 0);
        QCOMPARE(cashLines(), 0);
        QCOMPARE(s.state(), FeeSettlement::State::Generated);
    }

    void cancelDropsTheLines()
    {
        FeeSettlement s;
        s.generate(QDate(2024, 4, 1), QDate(2024, 6, 1), QString(), everyDivision("T_회원.부별코드"));
        QVERIFY(s.count() > 0);
        s.cancel();
        QCOMPARE(s.count(), 0);
        QCOMPARE(s.state(), FeeSettlement::State::Idle);
        QVERIFY(!s.record().ok());
        QCOMPARE(feeRows(), 0);
    }
};

QTEST_MAIN(TestFeeSettlement)
#include "tst_feesettlement.moc"
