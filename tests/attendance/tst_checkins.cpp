// Check-ins at the door: who is recorded, who is told why not, repeats and namesakes; the desk flags;
// the batch path of the generators; the day's set and the month's attendance.
#include "attendance/CheckIns.h"
#include "db/MemberRecords.h"
#include "AttendanceFixture.h"

#include <QTest>

using namespace attfix;
using CheckIns::Outcome;

namespace {

const QDateTime kAt(QDate(2024, 5, 15), QTime(16, 0));

int stored(const QString& no = QString())
{
    return no.isEmpty() ? count(QStringLiteral("SELECT Count(*) FROM T_출석체크"))
                        : count(QStringLiteral("SELECT Count(*) FROM T_출석체크 WHERE 회원번호 = :no"), {{"no", no}});
}

} // namespace

class TestCheckIns : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(kAt);
        addMember({QStringLiteral("202301001"), QStringLiteral("김하늘")});
        addMember({QStringLiteral("202301002"), QStringLiteral("이쉼표"), QStringLiteral("03"), QStringLiteral("10"),
                   QStringLiteral("2023-01-10"), QStringLiteral("2024-04-01")});
        addMember({QStringLiteral("202301003"), QStringLiteral("박떠남"), QStringLiteral("03"), QStringLiteral("10"),
                   QStringLiteral("2023-01-10"), QString(), QStringLiteral("2024-03-01")});
        addMember({QStringLiteral("202301004"), QStringLiteral("최같은")});
        addMember({QStringLiteral("202301005"), QStringLiteral("최같은"), QStringLiteral("05")});
        // A withdrawn namesake of a single current member does not make the name ambiguous.
        addMember({QStringLiteral("202301006"), QStringLiteral("김하늘"), QStringLiteral("03"), QStringLiteral("10"),
                   QStringLiteral("2023-01-10"), QString(), QStringLiteral("2024-02-01")});
    }
    void cleanup() { m_db.reset(); }

    void rules_data()
    {
        QTest::addColumn<QString>("earlier");    // a check-in already stored: "번호 yyyy-MM-dd hh:mm:ss", or empty
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("member");     // the member the result names
        QTest::addColumn<int>("rows");           // check-in rows afterwards
        QTest::addColumn<QString>("how");        // 구분 of the newest row

        QTest::newRow("current by number") << "" << "202301001" << int(Outcome::Recorded) << "202301001" << 1 << "번호";
        QTest::newRow("scanner blanks around") << "" << " 202301001\t" << int(Outcome::Recorded) << "202301001" << 1 << "번호";
        QTest::newRow("current by name") << "" << "김하늘" << int(Outcome::Recorded) << "202301001" << 1 << "이름";
        QTest::newRow("on leave") << "" << "202301002" << int(Outcome::OnLeave) << "202301002" << 0 << "";
        QTest::newRow("on leave by name") << "" << "이쉼표" << int(Outcome::OnLeave) << "202301002" << 0 << "";
        QTest::newRow("withdrawn") << "" << "202301003" << int(Outcome::Withdrawn) << "202301003" << 0 << "";
        QTest::newRow("unknown number") << "" << "209901001" << int(Outcome::Unknown) << "" << 0 << "";
        QTest::newRow("unknown name") << "" << "홍길동" << int(Outcome::Unknown) << "" << 0 << "";
        QTest::newRow("nothing typed") << "" << "   " << int(Outcome::Nothing) << "" << 0 << "";
        QTest::newRow("namesakes") << "" << "최같은" << int(Outcome::Choose) << "" << 0 << "";
        QTest::newRow("repeat 9:59 later") << "202301001 2024-05-15 15:50:01" << "202301001" << int(Outcome::Repeat) << "202301001" << 1 << "번호";
        QTest::newRow("repeat by name") << "202301001 2024-05-15 15:55:00" << "김하늘" << int(Outcome::Repeat) << "202301001" << 1 << "번호";
        QTest::newRow("after 10 minutes") << "202301001 2024-05-15 15:50:00" << "202301001" << int(Outcome::Recorded) << "202301001" << 2 << "번호";
        QTest::newRow("another member") << "202301004 2024-05-15 15:59:00" << "202301001" << int(Outcome::Recorded) << "202301001" << 2 << "번호";
        QTest::newRow("yesterday same hour") << "202301001 2024-05-14 16:00:00" << "202301001" << int(Outcome::Recorded) << "202301001" << 2 << "번호";
        QTest::newRow("stored later, within") << "202301001 2024-05-15 16:09:00" << "202301001" << int(Outcome::Repeat) << "202301001" << 1 << "번호";
    }
    void rules()
    {
        QFETCH(QString, earlier);
        QFETCH(QString, typed);
        QFETCH(int, outcome);
        QFETCH(QString, member);
        QFETCH(int, rows);
        QFETCH(QString, how);
        if (!earlier.isEmpty()) {
            const QString no = earlier.section(u' ', 0, 0);
            const QDateTime at = QDateTime::fromString(earlier.section(u' ', 1), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            QCOMPARE(CheckIns::checkInNumber(no, at).outcome, Outcome::Recorded);
        }
        const CheckIns::Result r = CheckIns::checkIn(typed, kAt);
        QCOMPARE(int(r.outcome), outcome);
        QCOMPARE(r.member.no, member);
        QCOMPARE(stored(), rows);
        if (!how.isEmpty())
            QCOMPARE(db::scalarText("SELECT TOP 1 구분 FROM T_출석체크 ORDER BY 체크일시 DESC"), how);
        if (r.outcome == Outcome::Recorded) {
            QCOMPARE(r.at, kAt);
            QCOMPARE(db::scalarText("SELECT Max(체크일시) FROM T_출석체크"), QStringLiteral("2024-05-15 16:00:00"));
        }
        if (r.outcome == Outcome::Repeat)
            QVERIFY(r.message().contains(QStringLiteral("이미 출석")));
        QVERIFY(r.outcome == Outcome::Nothing || !r.message().isEmpty());
    }

    void namesakesAreListedAndChosenByNumber()
    {
        const CheckIns::Result r = CheckIns::checkIn(QStringLiteral("최같은"), kAt);
        QCOMPARE(r.outcome, Outcome::Choose);
        QCOMPARE(r.namesakes.size(), 2);
        QCOMPARE(r.namesakes[0].no, QStringLiteral("202301004"));
        QCOMPARE(r.namesakes[1].no, QStringLiteral("202301005"));
        QCOMPARE(CheckIns::checkInNumber(r.namesakes[1].no, kAt, CheckIns::kByName).outcome, Outcome::Recorded);
        QCOMPARE(stored(QStringLiteral("202301005")), 1);
        QCOMPARE(stored(QStringLiteral("202301004")), 0);
    }

    void writeChecksWhatItStores()
    {
        QVERIFY_THROWS_EXCEPTION(db::Error, CheckIns::checkInNumber("202301001", QDateTime(), CheckIns::kByNumber));
        QVERIFY_THROWS_EXCEPTION(db::Error, CheckIns::checkInNumber("202301001", kAt, QStringLiteral("카드키")));
        QCOMPARE(stored(), 0);
    }

    void deskFlags()
    {
        db::run("UPDATE T_회원 SET 생년월일 = '2015-05-15', 입관일 = '2024-03-02', 수련비 = 100000 WHERE 회원번호 = '202301001'");
        db::run("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES ('202301001', '202403', 1, '2024-03-02', 100000)");
        db::run("INSERT INTO T_심사 (회원번호, 승급일자, 심사구분, 심사일자) VALUES ('202301001', '2024-05-30', '체육관', '2024-05-28')");
        CheckIns::Flags f = CheckIns::flagsOf("202301001", kAt.date());
        QCOMPARE(f.unpaidMonths, QStringLiteral("4 5"));
        QVERIFY(f.birthday);
        QVERIFY(f.exam);
        // A lunar birthday is not flagged on the solar day; the next month has no examination.
        db::run("UPDATE T_회원 SET 양력음력 = '음' WHERE 회원번호 = '202301001'");
        f = CheckIns::flagsOf("202301001", QDate(2024, 6, 15));
        QVERIFY(!f.birthday);
        QVERIFY(!f.exam);
        f = CheckIns::flagsOf("202301004", kAt.date());
        QVERIFY(!f.birthday);
    }

    void batchKeepsTheRules()
    {
        const QDate d(2024, 5, 2);
        const QList<CheckIns::Entry> entries = {
            {"202301001", QDateTime(d, QTime(16, 0))},
            {"202301001", QDateTime(d, QTime(16, 5))},       // repeat within ten minutes
            {"202301001", QDateTime(d, QTime(18, 0))},       // later that day
            {"202301002", QDateTime(QDate(2024, 3, 5), QTime(16, 0))}, // before his leave
            {"202301002", QDateTime(d, QTime(16, 0))},       // on leave
            {"202301003", QDateTime(d, QTime(16, 0))},       // withdrawn
            {"202301004", QDateTime(QDate(2022, 12, 1), QTime(16, 0))}, // before enrolment
            {"209901001", QDateTime(d, QTime(16, 0))},       // unknown
        };
        QCOMPARE(CheckIns::recordMany(entries), 3);
        QCOMPARE(stored("202301001"), 2);
        QCOMPARE(stored("202301002"), 1);
        // A second batch meets the rows stored by the first.
        QCOMPARE(CheckIns::recordMany({{"202301001", QDateTime(d, QTime(18, 9))}, {"202301001", QDateTime(d, QTime(18, 10))}}), 1);
        QCOMPARE(stored("202301001"), 3);
    }

    void daySetAndMonthAttendance()
    {
        CheckIns::recordMany({{"202301001", QDateTime(QDate(2024, 5, 2), QTime(16, 0))},
                              {"202301001", QDateTime(QDate(2024, 5, 2), QTime(19, 0))},
                              {"202301004", QDateTime(QDate(2024, 5, 3), QTime(23, 59, 59))},
                              {"202301001", QDateTime(QDate(2024, 5, 6), QTime(0, 0))},
                              {"202301004", QDateTime(QDate(2024, 4, 30), QTime(16, 0))},
                              {"202301004", QDateTime(QDate(2024, 6, 1), QTime(16, 0))}});
        QCOMPARE(CheckIns::membersOn(QDate(2024, 5, 2)), (QSet<QString>{"202301001"}));
        QCOMPARE(CheckIns::membersOn(QDate(2024, 5, 3)), (QSet<QString>{"202301004"}));
        QVERIFY(CheckIns::membersOn(QDate(2024, 5, 4)).isEmpty());
        const CheckIns::MonthAttendance a = CheckIns::monthOf("202301001", 2024, 5);
        QCOMPARE(a.daysCheckedIn, 2);
        QCOMPARE(a.daysOpen, 3);
    }

    void checkInsGoWithTheMember()
    {
        QVERIFY(MemberRecords::tablesDeletedWithMember().contains(QStringLiteral("T_출석체크")));
        CheckIns::checkInNumber("202301001", kAt);
        CheckIns::checkInNumber("202301004", kAt);
        MemberRecords::deleteMember("202301001");
        QCOMPARE(stored("202301001"), 0);
        QCOMPARE(stored("202301004"), 1);
    }
};

QTEST_MAIN(TestCheckIns)
#include "tst_checkins.moc"
