#include "support/TestDb.h"

#include "db/Query.h"
#include "fees/FeePayments.h"
#include "members/PersonalRecord.h"

#include <QTest>

// The history lists of the personal record: examinations, fitness, absences, fees and their one save.
namespace {

const QString kNo = QStringLiteral("202401001");

void addMember(const QString& no = kNo)
{
    sqlExec(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명, 주민등록번호, 생년월일, 입관일, 최초입관일, 부별코드, 성별, 수련비) "
                           "VALUES ('%1', '김태권', '150301-3123456', '2015-03-01', '2024-01-05', '2023-01-05', '03', '남', 130000)")
                .arg(no));
}

QString text(const QString& sql) { return db::scalarText(sql); }

void addExam(const QString& kind, int number, const QString& promoted, const QString& rank, int e1)
{
    sqlExec(QStringLiteral("INSERT INTO T_심사 (회원번호, 승급일자, 심사명, 심사구분, 급품코드, E1) VALUES ('%1', '%2', %3, '%4', '%5', %6)")
                .arg(kNo, promoted)
                .arg(number)
                .arg(kind, rank)
                .arg(e1));
}

// A stored payment with its cash-book line, through the one writer of fee rows.
void pay(const QString& month, const QDate& day) { FeePayments::add(kNo, month, day, 130000, QString()); }

void closeMonth(const QString& month)
{
    sqlExec(QStringLiteral("INSERT INTO T_금전출납마감 (마감연월, 마감여부) VALUES ('%1', '1')").arg(month));
}

int feeRowOf(const PersonalRecord& r, const QString& month)
{
    for (int i = 0; i < r.count(PersonalRecord::Fees); ++i)
        if (r.cell(PersonalRecord::Fees, i, "년월분").toString() == month)
            return i;
    return -1;
}

int addFee(PersonalRecord& r, const QString& month, const QString& day)
{
    const int row = r.addRow(PersonalRecord::Fees);
    r.setCell(PersonalRecord::Fees, row, "년월분", month);
    r.setCell(PersonalRecord::Fees, row, "납부일자", day);
    return row;
}

} // namespace

class TstPersonalHistory : public QObject {
    Q_OBJECT

private slots:
    void correctingASchoolExamLeavesTheNationalOne()
    {
        TestDb t;
        addMember();
        // School exam 5 and national exam 5 of one member: the same 심사명, different kinds.
        addExam("체육관", 5, "2024-03-02", "05", 70);
        addExam("국기원", 5, "2024-04-20", "11", 60);
        PersonalRecord r;
        QVERIFY(r.load(kNo));
        r.openList(PersonalRecord::Exams);
        QCOMPARE(r.count(PersonalRecord::Exams), 2);
        QCOMPARE(r.cell(PersonalRecord::Exams, 0, "급품코드").toString(), QString("11")); // highest rank first
        QVERIFY(!r.editable(PersonalRecord::Exams, 1, "승급일자"));
        r.setCell(PersonalRecord::Exams, 1, "E1", "88");
        r.save();
        QCOMPARE(text("SELECT E1 FROM T_심사 WHERE 심사구분 = '체육관'"), QString("88"));
        QCOMPARE(text("SELECT E1 FROM T_심사 WHERE 심사구분 = '국기원'"), QString("60"));

        // A deleted row goes alone as well.
        r.openList(PersonalRecord::Exams, true);
        QVERIFY(r.deleteRow(PersonalRecord::Exams, 1));
        r.save();
        QCOMPARE(text("SELECT 심사구분 FROM T_심사"), QString("국기원"));

        // A score that is no number is named before anything is written.
        r.openList(PersonalRecord::Exams, true);
        r.setCell(PersonalRecord::Exams, 0, "E2", "8o");
        const auto p = r.check();
        QVERIFY(p);
        QCOMPARE(p->column, QString("E2"));
    }

    void feeClosedMonth_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<bool>("refused");
        QTest::newRow("last day of the closed month") << "2024-03-31" << true;
        QTest::newRow("first day after it") << "2024-04-01" << false;
    }
    void feeClosedMonth()
    {
        QFETCH(QString, day);
        QFETCH(bool, refused);
        TestDb t;
        addMember();
        closeMonth("202403");
        PersonalRecord r;
        r.load(kNo);
        r.openList(PersonalRecord::Fees);
        const int row = addFee(r, "202404", day);
        QCOMPARE(r.cell(PersonalRecord::Fees, row, "납부액").toLongLong(), 130000); // the member's monthly fee
        const auto p = r.check();
        QCOMPARE(bool(p), refused);
        if (refused) {
            QCOMPARE(p->message, QString("납부일자는 마감월 이후 이어야 합니다.\n2024-03 월 이후로 입력하세요."));
            QCOMPARE(p->column, QString("납부일자"));
            return;
        }
        r.save();
        QCOMPARE(text("SELECT 납부일자 FROM T_수련비납부 WHERE 년월분 = '202404'"), day);
        QCOMPARE(text("SELECT 입금액 FROM T_금전출납 WHERE 일자 = '" + day + "' AND 수련비순번 = '" + FeePayments::feeLink(kNo, 1) + "'"),
                 QString("130000"));
        QCOMPARE(r.feeMarks(2024)[3], QString("V"));
    }

    void feeRowsOfAClosedMonthStay()
    {
        TestDb t;
        addMember();
        pay("202403", QDate(2024, 3, 10));
        closeMonth("202403");
        PersonalRecord r;
        r.load(kNo);
        r.openList(PersonalRecord::Fees);
        const auto p = r.feeDeleteProblem(feeRowOf(r, "202403"));
        QVERIFY(p);
        QCOMPARE(p->message, QString("마감된 자료는 삭제 할 수 없습니다.\n\n마감취소후 작업하세요."));
        QVERIFY_THROWS_EXCEPTION(FeeError, r.deleteFeeNow(feeRowOf(r, "202403")));
        QCOMPARE(text("SELECT Count(*) FROM T_금전출납"), QString("1"));
        QVERIFY(!r.editable(PersonalRecord::Fees, feeRowOf(r, "202403"), "납부액"));
        QVERIFY(!r.editable(PersonalRecord::Fees, feeRowOf(r, "202403"), "비고"));
    }

    void deletingOneOfTwoMonthsPaidOnADayRemovesOneLine()
    {
        TestDb t;
        addMember();
        pay("202404", QDate(2024, 5, 2));
        pay("202405", QDate(2024, 5, 2));
        PersonalRecord r;
        r.load(kNo);
        r.openList(PersonalRecord::Fees);
        // A pending note on the other row survives the immediate deletion.
        r.setCell(PersonalRecord::Fees, feeRowOf(r, "202405"), "비고", "현금");
        QVERIFY(!r.feeDeleteProblem(feeRowOf(r, "202404")));
        r.deleteFeeNow(feeRowOf(r, "202404"));
        QCOMPARE(text("SELECT Count(*) FROM T_수련비납부"), QString("1"));
        QCOMPARE(text("SELECT Count(*) FROM T_금전출납"), QString("1"));
        QCOMPARE(r.count(PersonalRecord::Fees), 1);
        r.save();
        QCOMPARE(text("SELECT 적요 FROM T_금전출납"), QString("현금"));
        QCOMPARE(text("SELECT 비고 FROM T_수련비납부 WHERE 년월분 = '202405'"), QString("현금"));

        // An unsaved row only leaves the list.
        const int row = addFee(r, "202406", "2024-05-15");
        r.deleteFeeNow(row);
        QCOMPARE(r.count(PersonalRecord::Fees), 1);
        QCOMPARE(text("SELECT Count(*) FROM T_금전출납"), QString("1"));
    }

    void aFeeDatedLastWeekBooksItsLineThatDay()
    {
        TestDb t;
        addMember();
        PersonalRecord r;
        r.load(kNo);
        r.openList(PersonalRecord::Fees);
        addFee(r, "202405", "2024-05-08");
        r.save();
        QCOMPARE(text("SELECT 일자 FROM T_금전출납"), QString("2024-05-08"));
        r.deleteFeeNow(feeRowOf(r, "202405"));
        QCOMPARE(text("SELECT Count(*) FROM T_금전출납"), QString("0"));
    }

    void aFailingFeeRowRollsBackTheWholeSave()
    {
        TestDb t;
        addMember();
        pay("202404", QDate(2024, 4, 3));
        PersonalRecord r;
        r.load(kNo);
        r.setField("주소", "서울시 중구");
        r.openList(PersonalRecord::Conduct);
        r.addRow(PersonalRecord::Conduct);
        r.openList(PersonalRecord::Fees);
        addFee(r, "202404", "2024-05-15"); // paid already
        QVERIFY(!r.check());
        try {
            r.save();
            QFAIL("the month paid twice was saved");
        } catch (const db::Error& e) {
            QVERIFY(e.message().contains("2024년 04월분"));
        }
        QCOMPARE(text("SELECT Count(*) FROM T_생활기록"), QString("0"));
        QCOMPARE(text("SELECT IIf(IsNull(주소), '', 주소) FROM T_회원"), QString(""));
        QCOMPARE(text("SELECT Count(*) FROM T_수련비납부"), QString("1"));
        QVERIFY(r.changed(PersonalRecord::Fees)); // kept for another try

        // A month that is no month is refused by the same rule.
        r.cancel();
        r.openList(PersonalRecord::Fees, true);
        addFee(r, "202413", "2024-05-15");
        QVERIFY_THROWS_EXCEPTION(db::Error, r.save());
        QCOMPARE(text("SELECT Count(*) FROM T_금전출납"), QString("1"));
    }

    void absencesByMonthWithTheirTable()
    {
        TestDb t;
        addMember();
        sqlExec("INSERT INTO T_결석 (회원번호, 결석일자) VALUES ('202401001', '2024-11-04'), ('202401001', '2025-01-06'), "
                "('202401001', '2025-01-07')");
        PersonalRecord r;
        r.load(kNo);
        const auto counts = r.absenceCounts(2025);
        QCOMPARE(counts[0][10], 1); // 2024-11
        QCOMPARE(counts[1][0], 2);  // 2025-01
        r.openList(PersonalRecord::Absences);
        QCOMPARE(r.absenceRows(2025, 1).size(), 2);

        // A new absence with a chosen reason; no penalty is booked from here.
        const int row = r.addRow(PersonalRecord::Absences);
        QCOMPARE(r.cell(PersonalRecord::Absences, row, "결석일자").toString(), QString("2024-05-15"));
        r.chooseItem(PersonalRecord::Absences, row, "06)  무단결석");
        r.setCell(PersonalRecord::Absences, row, "비고", "부모");
        // A stored one moved to another day.
        r.setCell(PersonalRecord::Absences, 0, "결석일자", "2024-11-05");
        QVERIFY(!r.check());
        r.save();
        QCOMPARE(text("SELECT 결석사유코드 & '/' & 비고 & '/' & 비고2 FROM T_결석 WHERE 결석일자 = '2024-05-15'"), QString("06/부모/06)  무단결석"));
        QCOMPARE(text("SELECT Count(*) FROM T_결석 WHERE Mid(결석일자, 1, 7) = '2024-11'"), QString("1"));
        QCOMPARE(text("SELECT 결석일자 FROM T_결석 WHERE Mid(결석일자, 1, 7) = '2024-11'"), QString("2024-11-05"));
        QCOMPARE(text("SELECT Count(*) FROM T_벌점"), QString("0"));
    }

    void badAbsenceDatesAreNamed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such day") << "2024-02-30" << "결석일자 '2024-02-30' : yyyy-mm-dd 형식의 날짜로 입력하세요.";
        QTest::newRow("digits only") << "20240301" << "결석일자 '20240301' : yyyy-mm-dd 형식의 날짜로 입력하세요.";
        QTest::newRow("a day he already has") << "2024-03-04" << "결석일자 2024-03-04 은(는) 이미 입력되어 있습니다.";
    }
    void badAbsenceDatesAreNamed()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TestDb t;
        addMember();
        sqlExec("INSERT INTO T_결석 (회원번호, 결석일자) VALUES ('202401001', '2024-03-04')");
        PersonalRecord r;
        r.load(kNo);
        r.openList(PersonalRecord::Absences);
        const int row = r.addRow(PersonalRecord::Absences);
        r.setCell(PersonalRecord::Absences, row, "결석일자", typed);
        const auto p = r.check();
        QVERIFY(p);
        QCOMPARE(p->message, message);
        QCOMPARE(p->list, PersonalRecord::Absences);
    }

    void fitnessRowsAndComparisons()
    {
        TestDb t;
        addMember();
        PersonalRecord r;
        r.load(kNo);
        // Nothing measured: no change row at all.
        auto c = r.fitnessComparison();
        QCOMPARE(c.change, QStringList(13, QString()));

        r.openList(PersonalRecord::Fitness);
        const int row = r.addRow(PersonalRecord::Fitness);
        QVERIFY(!r.editable(PersonalRecord::Fitness, row, "비만도"));
        r.setCell(PersonalRecord::Fitness, row, "A01", "150");
        r.setCell(PersonalRecord::Fitness, row, "A02", "54");
        // (150 - 100) x 0.9 = 45; 54 / 45 = 120.0
        QCOMPARE(r.cell(PersonalRecord::Fitness, row, "비만도").toString(), QString("120.0"));
        r.save();
        QCOMPARE(text("SELECT A01 & '/' & 비만도 FROM T_체력측정"), QString("150.0/120.0"));

        // One measurement: every change is 0.0.
        c = r.fitnessComparison();
        QCOMPARE(c.change, QStringList(13, QString("0.0")));
        QCOMPARE(c.firstDate, QString("2024-05-15"));
        QCOMPARE(c.school[0], QString("150.0"));

        // A second measurement on the same day is named, not written.
        r.openList(PersonalRecord::Fitness, true);
        r.addRow(PersonalRecord::Fitness);
        const auto p = r.check();
        QVERIFY(p);
        QCOMPARE(p->message, QString("측정일자 2024-05-15 은(는) 이미 입력되어 있습니다."));
    }
};

QTEST_MAIN(TstPersonalHistory)
#include "tst_personalhistory.moc"
