// The movement counters and logs kept by every enrolment, withdrawal, leave, return and deletion.
#include "db/Query.h"
#include "stats/MovementCounter.h"
#include "support/TestDb.h"

#include <QTest>

namespace {

enum Event { Enrol, Withdraw, Leave, ReturnFromLeave, ReturnAfterWithdrawal, Delete };
enum State { Current, OnLeave, Withdrawn };

const QString kMember = QStringLiteral("202401001");

void addMember(const QString& no, State state)
{
    db::run("insert into T_회원 (회원번호, 회원명, 입관일, 휴관일, 퇴관일) values (:no, '홍길동', '2024-01-05', :leave, :out)",
            {{"no", no},
             {"leave", state == OnLeave ? QVariant(QStringLiteral("2024-02-01")) : QVariant()},
             {"out", state == Withdrawn ? QVariant(QStringLiteral("2024-02-01")) : QVariant()}});
}

void apply(Event e, const QDate& d)
{
    switch (e) {
    case Enrol: MovementCounter::countEnrolment(kMember, d, "03"); break;
    case Withdraw: MovementCounter::countWithdrawal(kMember, d, "02"); break;
    case Leave: MovementCounter::countLeave(kMember, d, "04"); break;
    case ReturnFromLeave: MovementCounter::countReturnFromLeave(kMember, d); break;
    case ReturnAfterWithdrawal: MovementCounter::countReturnAfterWithdrawal(kMember, d); break;
    case Delete: MovementCounter::countDeletion(kMember, d); break;
    }
}

// All 48 counters of a year as "column=value" for the non-zero ones; "-" when the year has no row.
QString counters(int year)
{
    db::Query q("select * from T_인원현황 where 년도 = :y");
    q.bind("y", year).open();
    if (!q.next())
        return "-";
    QStringList out;
    for (auto kind : {MovementCounter::Enrolment, MovementCounter::Return, MovementCounter::Leave, MovementCounter::Withdrawal})
        for (int m = 1; m <= 12; ++m) {
            const QString col = MovementCounter::column(kind, m);
            if (q.isNull(col))
                out << col + "=null";
            else if (q.integer(col) != 0)
                out << col + "=" + QString::number(q.integer(col));
        }
    return out.join(',');
}

int rows(const QString& table) { return db::scalar("select count(*) from " + table).toInt(); }

} // namespace

class TestMovementCounter : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void counterRules_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("event");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("yearRow");     // the 2024 row exists, made by other events: 휴관01=2, 퇴관03=7
        QTest::addColumn<int>("earlierLogs");  // rows already in the event's log for the event month
        QTest::addColumn<QString>("expected"); // the 2024 counters afterwards
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("leaveEnd"); // the row the event adds to T_휴관종료

        const QDate may(2024, 5, 10), march(2024, 3, 20);
        const QString base = "휴관01=2";
        QTest::newRow("enrolment, new year") << int(Current) << int(Enrol) << may << false << 0 << "입관05=1" << false << "";
        QTest::newRow("enrolment, year made by a leave")
            << int(Current) << int(Enrol) << may << true << 0 << "입관05=1,휴관01=2,퇴관03=7" << false << "";
        QTest::newRow("return after withdrawal, new year")
            << int(Withdrawn) << int(ReturnAfterWithdrawal) << may << false << 0 << "복관05=1" << false << "";
        QTest::newRow("return from leave, existing year")
            << int(OnLeave) << int(ReturnFromLeave) << may << true << 0 << "복관05=1," + base + ",퇴관03=7" << false
            << "복관 2024-05-10";
        QTest::newRow("withdrawal recounts the month from its log")
            << int(Current) << int(Withdraw) << march << true << 2 << base + ",퇴관03=3" << false << "";
        QTest::newRow("withdrawal, new year") << int(Current) << int(Withdraw) << march << false << 0 << "퇴관03=1" << false << "";
        QTest::newRow("withdrawal of a member on leave ends the leave")
            << int(OnLeave) << int(Withdraw) << march << false << 0 << "퇴관03=1" << false << "퇴관 2024-03-20";
        QTest::newRow("leave recounts the month from its log")
            << int(Current) << int(Leave) << march << true << 2 << "휴관01=2,휴관03=3,퇴관03=7" << false << "";
        QTest::newRow("leave, new year") << int(Current) << int(Leave) << march << false << 0 << "휴관03=1" << false << "";
        QTest::newRow("deletion counts a withdrawal") << int(Current) << int(Delete) << may << false << 0 << "퇴관05=1" << false << "";
        QTest::newRow("deletion of a member on leave")
            << int(OnLeave) << int(Delete) << may << false << 0 << "퇴관05=1" << false << "퇴관 2024-05-10";
        QTest::newRow("deletion of a withdrawn member counts nothing")
            << int(Withdrawn) << int(Delete) << may << false << 0 << "-" << false << "";
        QTest::newRow("second withdrawal refused") << int(Withdrawn) << int(Withdraw) << march << true << 0
                                                   << base + ",퇴관03=7" << true << "";
        QTest::newRow("leave of a withdrawn member refused") << int(Withdrawn) << int(Leave) << march << false << 0 << "-" << true << "";
        QTest::newRow("second leave refused") << int(OnLeave) << int(Leave) << march << false << 0 << "-" << true << "";
        QTest::newRow("return from leave of a member not on leave refused")
            << int(Current) << int(ReturnFromLeave) << may << false << 0 << "-" << true << "";
        QTest::newRow("return of a member not withdrawn refused")
            << int(OnLeave) << int(ReturnAfterWithdrawal) << may << false << 0 << "-" << true << "";
    }

    void counterRules()
    {
        QFETCH(int, state);
        QFETCH(int, event);
        QFETCH(QDate, date);
        QFETCH(bool, yearRow);
        QFETCH(int, earlierLogs);
        QFETCH(QString, expected);
        QFETCH(bool, refused);
        QFETCH(QString, leaveEnd);

        addMember(kMember, State(state));
        if (yearRow)
            sqlExec("Insert Into T_인원현황 (년도, 휴관01, 퇴관03) Values (2024, 2, 7)");
        const QString monthDay = db::dateText(date);
        for (int i = 0; i < earlierLogs; ++i) {
            const QString no = QString("20240100%1").arg(i + 2);
            if (event == Withdraw)
                db::run("insert into T_퇴관사유별현황 values (:no, :d, '01')", {{"no", no}, {"d", monthDay}});
            else
                db::run("insert into T_휴관사유별현황 values (:no, :d, '01')", {{"no", no}, {"d", monthDay}});
        }
        // A row of another month and another year must not enter the recount.
        sqlExec("insert into T_퇴관사유별현황 values ('202301001', '2023-03-20', '01')");
        sqlExec("insert into T_휴관사유별현황 values ('202301001', '2024-04-01', '01')");
        const int logsBefore = rows("T_퇴관사유별현황") + rows("T_휴관사유별현황") + rows("T_입관동기별현황");

        bool threw = false;
        try {
            apply(Event(event), date);
        } catch (const MovementRefused& e) {
            threw = true;
            QVERIFY(!e.message().isEmpty());
        }
        QCOMPARE(threw, refused);
        QCOMPARE(counters(2024), expected);
        QCOMPARE(db::scalar("select count(*) from T_인원현황 where 년도 = 2024").toInt(), expected == "-" ? 0 : 1);
        if (refused)
            QCOMPARE(rows("T_퇴관사유별현황") + rows("T_휴관사유별현황") + rows("T_입관동기별현황"), logsBefore);
        QCOMPARE(joinedRows("select 종료구분 || ' ' || 종료일 from T_휴관종료", ","), leaveEnd);
    }

    // A year gets one row however many kinds of event arrive, and every counter of it starts at 0.
    void oneRowPerYear()
    {
        addMember(kMember, Current);
        MovementCounter::countLeave(kMember, QDate(2024, 1, 3), "01");
        sqlExec("update T_회원 set 휴관일 = '2024-01-03' where 회원번호 = '202401001'"); // as the leave screen does
        MovementCounter::countReturnFromLeave(kMember, QDate(2024, 2, 3));
        sqlExec("update T_회원 set 휴관일 = null where 회원번호 = '202401001'");
        MovementCounter::countEnrolment("202402001", QDate(2024, 2, 9));
        MovementCounter::countEnrolment("202402002", QDate(2024, 2, 10));
        MovementCounter::countWithdrawal(kMember, QDate(2024, 12, 31), "01");
        QCOMPARE(db::scalar("select count(*) from T_인원현황").toInt(), 1);
        QCOMPARE(counters(2024), QString("입관02=2,복관02=1,휴관01=1,퇴관12=1"));
        QCOMPARE(MovementCounter::counter(2025, MovementCounter::Enrolment, 1), 0);
        // The page-2 summary adds the counters with no null handling: a full year sum must come out.
        QCOMPARE(db::scalar("select 입관01+입관02+입관03+입관04+입관05+입관06+입관07+입관08+입관09+입관10+입관11+입관12 "
                            "from T_인원현황 where 년도 = 2024")
                     .toInt(),
                 2);
    }

    void logRows()
    {
        addMember(kMember, Current);
        addMember("202401002", Current);
        MovementCounter::countEnrolment("202405007", QDate(2024, 5, 10), "03");
        MovementCounter::countEnrolment("202405008", QDate(2024, 5, 11)); // no motive: no row
        MovementCounter::countLeave(kMember, QDate(2024, 3, 2), "04");
        MovementCounter::countWithdrawal("202401002", QDate(2024, 3, 4), "02");
        db::run("update T_회원 set 휴관일 = null, 복관일휴 = '2024-04-01' where 회원번호 = :no", {{"no", kMember}});
        MovementCounter::countDeletion(kMember, QDate(2024, 5, 15));

        auto dump = [](const QString& sql) {
            db::Query q(sql);
            q.open();
            QStringList out;
            while (q.next())
                out << q.str("a") + "|" + q.str("b") + "|" + q.str("c");
            return out.join(';');
        };
        QCOMPARE(dump("select 회원번호 a, 입관일 b, 입관동기코드 c from T_입관동기별현황"), QString("202405007|2024-05-10|03"));
        QCOMPARE(dump("select 회원번호 a, 휴관일 b, 휴관사유코드 c from T_휴관사유별현황"), QString("202401001|2024-03-02|04"));
        QCOMPARE(dump("select 회원번호 a, 퇴관일 b, 퇴관사유코드 c from T_퇴관사유별현황 order by 퇴관일"),
                 QString("202401002|2024-03-04|02;202401001|2024-05-15|99"));
    }

    // The counting joins the caller's save: a save that rolls back takes the counts with it.
    void runsInsideCallersTransaction()
    {
        addMember(kMember, Current);
        {
            db::Transaction tx;
            MovementCounter::countWithdrawal(kMember, QDate(2024, 5, 10), "02");
            QCOMPARE(counters(2024), QString("퇴관05=1"));
        } // not committed
        QCOMPARE(counters(2024), QString("-"));
        QCOMPARE(rows("T_퇴관사유별현황"), 0);
        {
            db::Transaction tx;
            MovementCounter::countEnrolment("202405001", QDate(2024, 5, 10), "01");
            tx.commit();
        }
        QCOMPARE(counters(2024), QString("입관05=1"));
    }
};

QTEST_GUILESS_MAIN(TestMovementCounter)
#include "tst_movementcounter.moc"
