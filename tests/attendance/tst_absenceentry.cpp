// The absence entry page: the day's lines, the stored absences and the held changes written together.
#include "AttendanceFixture.h"

#include "attendance/AbsenceEntry.h"

#include <QTest>

using namespace attfix;

namespace {
const QDate kDay(2024, 5, 14);
const QString kIll = QStringLiteral("01)  질병");
const QString kTruant = QStringLiteral("06)  무단결석");

AbsenceEntry::Filter all()
{
    return {DivisionFilter::conditionFor(1, QStringLiteral("전체"), QStringLiteral("T_회원.부별코드")), QString()};
}

QStringList names(const AbsenceEntry& e)
{
    QStringList out;
    for (const auto& l : e.lines())
        out << l.name + (l.reason.isEmpty() ? QString() : u':' + l.reason.left(2));
    return out;
}

int indexOf(const AbsenceEntry& e, const QString& name)
{
    for (int i = 0; i < e.count(); ++i)
        if (e.lines()[i].name == name)
            return i;
    return -1;
}

int absences(const QString& where = QStringLiteral("1 = 1"))
{
    return count(QStringLiteral("SELECT Count(*) FROM T_결석 WHERE ") + where);
}
} // namespace

class TstAbsenceEntry : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        addMember({"202401001", "가수련", "03"});
        addMember({"202401002", "나수련", "05"});
        addMember({"202401003", "다수련", "12"});
        addMember({"202405001", "늦게온", "03", "10", "2024-05-20"});          // enrolled after the day
        addMember({"202401004", "쉬는중", "03", "10", "2023-01-10", "2024-04-01"}); // on leave
        addMember({"202401005", "그만둔", "03", "10", "2023-01-10", "", "2024-04-01"});
    }
    void cleanup() { m_db.reset(); }

    void firstEntryListsTheDaysMembers_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("entryText");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        // By division name (중등부 before 초등1학년부), then name.
        QTest::newRow("all") << 1 << "전체" << "" << QStringList{"다수련", "가수련", "나수련"};
        QTest::newRow("elementary") << 3 << "초등부" << "" << QStringList{"가수련", "나수련"};
        QTest::newRow("name prefix") << 1 << "전체" << "나" << QStringList{"나수련"};
        QTest::newRow("typed wildcard is text") << 1 << "전체" << "%" << QStringList{};
    }
    void firstEntryListsTheDaysMembers()
    {
        QFETCH(int, entry);
        QFETCH(QString, entryText);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        AbsenceEntry e;
        e.generate({DivisionFilter::conditionFor(entry, entryText, QStringLiteral("T_회원.부별코드")), name}, kDay);
        QCOMPARE(names(e), expected);
        QCOMPARE(e.state(), AbsenceEntry::State::Entering);
    }

    void secondEntryShowsStoredAndAddsOnlyNew()
    {
        addAbsence("202401002", "2024-05-14", "02", "부모");
        addAbsence("202401002", "2024-05-13"); // another day: not on this day's list
        addAbsence("202401003", "2024-05-10");
        AbsenceEntry e;
        e.generate(all(), kDay);
        QCOMPARE(names(e), (QStringList{"다수련", "가수련", "나수련:02"}));
        QCOMPARE(e.lines()[indexOf(e, "나수련")].note, QStringLiteral("부모"));
        e.setReason(indexOf(e, "가수련"), kIll);
        e.setReason(indexOf(e, "다수련"), QStringLiteral(")  ")); // chosen and cleared: no absence
        QVERIFY(e.confirm());
        QCOMPARE(absences("결석일자 = '2024-05-14'"), 2);
        QCOMPARE(absences("회원번호 = '202401001' AND 결석사유코드 = '01' AND 비고2 = '01)  질병'"), 1);
        QCOMPARE(absences(), 4);
        // Lines without an absence leave the list; the new one is now stored.
        QCOMPARE(names(e), (QStringList{"가수련:01", "나수련:02"}));
        QCOMPARE(e.lines()[0].stored, kDay);
        QCOMPARE(e.state(), AbsenceEntry::State::Shown);
    }

    void theDayIsFixedAtGeneration()
    {
        AbsenceEntry e;
        e.generate(all(), kDay);
        e.setReason(0, kIll);
        QCOMPARE(e.lines()[0].date, kDay);
        e.setReason(0, QString());
        QVERIFY(!e.lines()[0].date.isValid());
        e.setReason(0, kIll);
        QVERIFY(e.confirm());
        QCOMPARE(absences("결석일자 = '2024-05-14'"), 1);
    }

    void unexcusedPenaltyOnceAcrossDeleteAndReentry()
    {
        AbsenceEntry e;
        e.generate(all(), kDay);
        e.setReason(indexOf(e, "가수련"), kTruant);
        QVERIFY(e.confirm());
        QCOMPARE(count("SELECT Count(*) FROM T_벌점 WHERE 회원번호 = '202401001' AND 벌점일자 = '2024-05-14'"), 1);

        AbsenceEntry list;
        list.listPeriod(all(), kDay, kDay);
        QCOMPARE(names(list), QStringList{"가수련:06"});
        list.removeLine(0);
        QVERIFY(list.confirm());
        QCOMPARE(absences(), 0);
        QCOMPARE(count("SELECT Count(*) FROM T_벌점"), 1); // the penalty stays

        e.generate(all(), kDay);
        e.setReason(indexOf(e, "가수련"), kTruant);
        QVERIFY(e.confirm());
        QCOMPARE(absences(), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_벌점"), 1);
    }

    // A corrected reason is written together with new absences, and keeps its list text in 비고2.
    void correctionsApplyWithNewAbsences()
    {
        addAbsence("202401002", "2024-05-14", "02", "부모");
        AbsenceEntry e;
        e.generate(all(), kDay);
        e.setReason(indexOf(e, "나수련"), QStringLiteral("04)  여행"));
        e.setNote(indexOf(e, "나수련"), QStringLiteral("본인"));
        e.setReason(indexOf(e, "가수련"), kIll);
        QVERIFY(e.confirm());
        QCOMPARE(absences("회원번호 = '202401002' AND 결석사유코드 = '04' AND 비고 = '본인' AND 비고2 = '04)  여행'"), 1);
        QCOMPARE(absences(), 2);

        // Listing a period: correct one, delete another, both on one confirm.
        AbsenceEntry list;
        list.listPeriod(all(), kDay.addDays(-7), kDay);
        QCOMPARE(list.count(), 2);
        list.beginCorrection();
        list.setReason(indexOf(list, "가수련"), QStringLiteral("99)  기타"));
        list.removeLine(indexOf(list, "나수련"));
        QCOMPARE(absences(), 2); // held until confirm
        QVERIFY(list.confirm());
        QCOMPARE(absences(), 1);
        QCOMPARE(absences("비고2 = '99)  기타' AND 결석사유코드 = '99'"), 1);
    }

    void failedConfirmWritesNothingAndKeepsTheLines()
    {
        AbsenceEntry e;
        e.generate(all(), kDay);
        e.setReason(indexOf(e, "가수련"), kTruant);
        e.setReason(indexOf(e, "나수련"), kIll);
        addAbsence("202401002", "2024-05-14"); // entered elsewhere meanwhile
        QString error;
        QVERIFY(!e.confirm(&error));
        QVERIFY2(error.contains(QStringLiteral("UNIQUE")), qPrintable(error));
        QCOMPARE(absences(), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_벌점"), 0);
        QCOMPARE(e.state(), AbsenceEntry::State::Entering);
        QCOMPARE(names(e), (QStringList{"다수련", "가수련:06", "나수련:01"}));
        // The user clears the clash and confirms again.
        e.setReason(indexOf(e, "나수련"), QString());
        QVERIFY(e.confirm());
        QCOMPARE(absences(), 2);
        QCOMPARE(count("SELECT Count(*) FROM T_벌점"), 1);
    }

    void cancelDropsHeldChangesThenCloses()
    {
        addAbsence("202401002", "2024-05-14", "02");
        AbsenceEntry e;
        e.listPeriod(all(), kDay, kDay);
        e.removeLine(0);
        QCOMPARE(e.count(), 0);
        e.cancel();
        QCOMPARE(e.state(), AbsenceEntry::State::Shown);
        QCOMPARE(names(e), QStringList{"나수련:02"});
        e.cancel();
        QCOMPARE(e.state(), AbsenceEntry::State::Idle);
        QCOMPARE(e.count(), 0);
        QCOMPARE(absences(), 1);
    }
};

QTEST_MAIN(TstAbsenceEntry)
#include "tst_absenceentry.moc"
