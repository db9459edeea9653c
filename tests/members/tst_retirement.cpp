// Withdrawal, leave and return in batches: lists, member columns, logs and counters.
#include "db/Query.h"
#include "members/Retirement.h"
#include "stats/HeadcountFigures.h"
#include "stats/MovementCounter.h"
#include "support/TestDb.h"

#include <QTest>

namespace {

struct M {
    QString no, name, enrol;
    QString out, outReason, leave, leaveReason, backOut;
    QString bu = QStringLiteral("05");
};

void member(const M& m)
{
    auto v = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
    db::run("insert into T_회원 (회원번호, 회원명, 부별코드, 입관일, 최초입관일, 퇴관일, 퇴관사유코드, 휴관일, 휴관사유코드, 복관일퇴, "
            "최종퇴관일, 최종퇴관사유코드) "
            "values (:no, :name, :bu, :enrol, :enrol, :out, :outr, :leave, :leaver, :back, :out, :outr)",
            {{"no", m.no}, {"name", m.name}, {"bu", m.bu}, {"enrol", m.enrol}, {"out", v(m.out)}, {"outr", v(m.outReason)},
             {"leave", v(m.leave)}, {"leaver", v(m.leaveReason)}, {"back", v(m.backOut)}});
}

QString col(const QString& no, const QString& column)
{
    return db::scalar("select " + column + " from T_회원 where 회원번호 = :no", {{"no", no}}).toString();
}

qint64 logRows(const QString& table)
{
    return db::scalar("select count(*) from " + table).toLongLong();
}

QStringList numbers(const QList<Retirement::Line>& lines)
{
    QStringList n;
    for (const auto& l : lines)
        n << l.memberNo;
    return n;
}

Retirement::Line* find(QList<Retirement::Line>& lines, const QString& no)
{
    for (auto& l : lines)
        if (l.memberNo == no)
            return &l;
    return nullptr;
}

const Retirement::Filter kAll{};

} // namespace

class TestRetirement : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(QDateTime(QDate(2024, 3, 20), QTime(10, 0))); }
    void cleanup() { m_db.reset(); }

    void reasonItems()
    {
        const QStringList items = Retirement::reasonItems();
        QVERIFY(items.contains("01) 이사"));
        QCOMPARE(Retirement::codeOf("03) 경제적 사정"), QString("03"));
        QVERIFY(!Retirement::hasReason(") "));
        QVERIFY(!Retirement::hasReason(""));
        QVERIFY(Retirement::hasReason("99) 기타"));
    }

    void withdrawalBatch()
    {
        member({"202401001", "김가람", "2024-01-05"});
        member({"202401002", "이나래", "2024-01-06", {}, {}, "2024-02-10", "04"}); // on leave
        member({"202401003", "박다솜", "2024-01-07"});
        member({"202404001", "최라온", "2024-04-02"});                                // enrolled after March
        member({"202312001", "정마루", "2023-12-01", "2024-02-01", "01"});             // withdrawn
        member({"202401004", "한바다", "2024-01-08", {}, {}, {}, {}, {}, "12"});        // division 12

        QList<Retirement::Line> lines = Retirement::withdrawalCandidates(kAll, QDate(2024, 3, 20));
        QCOMPARE(numbers(lines), (QStringList{"202401001", "202401003", "202401002", "202401004"}));
        QCOMPARE(find(lines, "202401001")->reason, QString(") "));

        // The name is a prefix match; the division filter appends its own condition.
        Retirement::Filter f;
        f.name = "이";
        QCOMPARE(numbers(Retirement::withdrawalCandidates(f, QDate(2024, 3, 20))), QStringList{"202401002"});
        f.name.clear();
        f.division = [](db::Query& q) { q << " AND a.부별코드 >= :buCode "; q.bind("buCode", "12"); };
        QCOMPARE(numbers(Retirement::withdrawalCandidates(f, QDate(2024, 3, 20))), QStringList{"202401004"});

        Retirement::chooseReason(*find(lines, "202401001"), "01) 이사", QDate(2024, 3, 20));
        Retirement::chooseReason(*find(lines, "202401002"), "04) 건강", QDate(2024, 3, 21));
        QCOMPARE(find(lines, "202401002")->day, QString("2024-03-21"));
        Retirement::chooseReason(*find(lines, "202401003"), "02) 학업/타학원", QDate(2024, 3, 20));
        Retirement::chooseReason(*find(lines, "202401003"), "", QDate(2024, 3, 20)); // taken back
        QCOMPARE(find(lines, "202401003")->day, QString());
        QCOMPARE(Retirement::withdraw(lines), 2);

        QCOMPARE(col("202401001", "퇴관일"), QString("2024-03-20"));
        QCOMPARE(col("202401001", "최종퇴관일"), QString("2024-03-20"));
        QCOMPARE(col("202401001", "퇴관사유코드"), QString("01"));
        QCOMPARE(col("202401001", "최종퇴관사유코드"), QString("01"));
        // The member on leave: his leave ends with the withdrawal.
        QCOMPARE(col("202401002", "퇴관일"), QString("2024-03-21"));
        QVERIFY(db::scalar("select 휴관일 from T_회원 where 회원번호 = '202401002'").isNull());
        QCOMPARE(col("202401002", "휴관사유코드"), QString(""));
        QCOMPARE(col("202401003", "퇴관일"), QString()); // no reason chosen: untouched
        QCOMPARE(logRows("T_퇴관사유별현황"), qint64(2));
        QCOMPARE(db::scalarText("select 퇴관사유코드 from T_퇴관사유별현황 where 회원번호 = '202401002'"), QString("04"));

        // A second March batch: the counter is the number of March log rows, whatever the batches.
        lines = Retirement::withdrawalCandidates(kAll, QDate(2024, 3, 25));
        QCOMPARE(numbers(lines), (QStringList{"202401003", "202401004"}));
        Retirement::chooseReason(*find(lines, "202401003"), "99) 기타", QDate(2024, 3, 25));
        QCOMPARE(Retirement::withdraw(lines), 1);
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Withdrawal, 3), qint64(3));
        // The leave that ended is logged as ended by the withdrawal, not counted as a return.
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Return, 3), qint64(0));
        QCOMPARE(db::scalarText("select 회원번호 || ' ' || 종료구분 from T_휴관종료"), QString("202401002 퇴관"));
    }

    void leaveBatch()
    {
        member({"202401001", "김가람", "2024-01-05"});
        member({"202401002", "이나래", "2024-01-06", {}, {}, "2024-02-10", "04"});             // already on leave
        member({"202312001", "정마루", "2023-12-01", "2024-02-01", "01", {}, {}, "2023-12-20"}); // returned once, withdrawn again
        member({"202404001", "최라온", "2024-04-02"});

        QList<Retirement::Line> lines = Retirement::leaveCandidates(kAll, QDate(2024, 3, 20));
        QCOMPARE(numbers(lines), QStringList{"202401001"});

        Retirement::chooseReason(lines[0], "07) 방학/여행", QDate(2024, 3, 20));
        QCOMPARE(Retirement::leave(lines), 1);
        QCOMPARE(col("202401001", "휴관일"), QString("2024-03-20"));
        QCOMPARE(col("202401001", "최종휴관일"), QString("2024-03-20"));
        QCOMPARE(col("202401001", "휴관사유코드"), QString("07"));
        QCOMPARE(col("202401001", "최종휴관사유코드"), QString("07"));
        QCOMPARE(col("202401001", "퇴관일"), QString());
        QCOMPARE(db::scalarText("select 휴관일 || '/' || 휴관사유코드 from T_휴관사유별현황"), QString("2024-03-20/07"));
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Leave, 3), qint64(1));

        // Listing members on leave, all or by leave period.
        QCOMPARE(numbers(Retirement::membersOnLeave(kAll, false, {}, {})), (QStringList{"202401002", "202401001"}));
        QCOMPARE(numbers(Retirement::membersOnLeave(kAll, true, QDate(2024, 2, 1), QDate(2024, 2, 29))), QStringList{"202401002"});
    }

    void returnBatch_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("dateColumn");
        QTest::addColumn<QString>("reasonColumn");
        QTest::addColumn<QString>("backColumn");
        QTest::newRow("after withdrawal") << int(Retirement::FromWithdrawal) << "퇴관일" << "퇴관사유코드" << "복관일퇴";
        QTest::newRow("from leave") << int(Retirement::FromLeave) << "휴관일" << "휴관사유코드" << "복관일휴";
    }
    void returnBatch()
    {
        QFETCH(int, kind);
        QFETCH(QString, dateColumn);
        QFETCH(QString, reasonColumn);
        QFETCH(QString, backColumn);
        const bool out = kind == Retirement::FromWithdrawal;
        // Three absent members, one with a reason code since removed from the code table.
        for (const auto& [no, code] : {std::pair{"202301001", "01"}, std::pair{"202301002", "55"}, std::pair{"202301003", "02"}}) {
            M m{no, QString("회원") + no, "2023-01-10"};
            (out ? m.out : m.leave) = "2024-02-01";
            (out ? m.outReason : m.leaveReason) = code;
            member(m);
        }
        member({"202301009", "재원생", "2023-01-10"});

        QList<Retirement::Line> lines = Retirement::returnCandidates(kAll, Retirement::ReturnKind(kind));
        QCOMPARE(numbers(lines), (QStringList{"202301001", "202301002", "202301003"}));
        QCOMPARE(lines[0].reason, QString("이사"));
        QCOMPARE(lines[1].reason, QString()); // unknown code: listed with an empty reason name

        Retirement::setChecked(lines[0], true);
        Retirement::setChecked(lines[1], true);
        QCOMPARE(lines[0].day, QString());
        QCOMPARE(lines[0].reasonCode, QString());
        QCOMPARE(Retirement::giveReturn(lines, Retirement::ReturnKind(kind), QDate(2024, 5, 10)), 2);

        for (const QString no : {"202301001", "202301002"}) {
            QCOMPARE(col(no, dateColumn), QString());
            QCOMPARE(col(no, reasonColumn), QString(""));
            QCOMPARE(col(no, backColumn), QString("2024-05-10"));
            QCOMPARE(col(no, "입관일"), QString("2024-05-10"));
            QCOMPARE(col(no, "최초입관일"), QString("2023-01-10"));
        }
        QCOMPARE(col("202301003", dateColumn), QString("2024-02-01")); // not ticked
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Return, 5), qint64(2));
        QCOMPARE(db::scalar("select count(*) from T_인원현황").toInt(), 1);
        if (out) // the latest withdrawal stays on record after the return
            QCOMPARE(col("202301001", "최종퇴관일"), QString("2024-02-01"));
    }

    void returnBeforeAbsenceIsRefused()
    {
        member({"202301001", "김가람", "2023-01-10", "2024-02-01", "01"});
        QList<Retirement::Line> lines = Retirement::returnCandidates(kAll, Retirement::FromWithdrawal);
        Retirement::setChecked(lines[0], true);
        QVERIFY_THROWS_EXCEPTION(db::Error, Retirement::giveReturn(lines, Retirement::FromWithdrawal, QDate(2024, 1, 31)));
        QCOMPARE(col("202301001", "퇴관일"), QString("2024-02-01"));
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Return, 1), qint64(0));
    }

    void withdrawalOfMembersOnLeave()
    {
        member({"202301001", "김가람", "2023-01-10", {}, {}, "2024-01-15", "07"});
        member({"202301002", "이나래", "2023-01-10", {}, {}, "2024-02-15", "04"});
        db::run("update T_회원 set 최종퇴관일 = '2023-06-01', 최종퇴관사유코드 = '02'");

        QList<Retirement::Line> lines = Retirement::membersOnLeave(kAll, true, QDate(2024, 1, 1), QDate(2024, 1, 31));
        QCOMPARE(numbers(lines), QStringList{"202301001"});
        QCOMPARE(lines[0].reason, QString("07) 방학/여행"));
        QCOMPARE(lines[0].day, QString()); // the listing shows 퇴관일
        QCOMPARE(Retirement::withdrawOnLeave(lines, QDate(2024, 3, 20)), 1);

        QCOMPARE(col("202301001", "퇴관일"), QString("2024-03-20"));
        QCOMPARE(col("202301001", "퇴관사유코드"), QString("07"));
        QCOMPARE(col("202301001", "최종퇴관일"), QString("2024-03-20"));
        QCOMPARE(col("202301001", "최종퇴관사유코드"), QString("07"));
        QVERIFY(db::scalar("select 휴관일 from T_회원 where 회원번호 = '202301001'").isNull());
        QCOMPARE(col("202301001", "최종휴관일"), QString());                       // untouched (fixture had none)
        QCOMPARE(col("202301002", "퇴관일"), QString());                            // not listed
        QCOMPARE(logRows("T_퇴관사유별현황"), qint64(1));
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Withdrawal, 3), qint64(1));
    }

    void failedBatchWritesNothing()
    {
        member({"202401001", "김가람", "2024-01-05"});
        member({"202401002", "이나래", "2024-01-06"});
        QList<Retirement::Line> lines = Retirement::withdrawalCandidates(kAll, QDate(2024, 3, 20));
        Retirement::chooseReason(lines[0], "01) 이사", QDate(2024, 3, 20));
        Retirement::chooseReason(lines[1], "01) 이사", QDate(2024, 3, 20));
        // Someone else withdrew the second member after the list was read.
        db::run("update T_회원 set 퇴관일 = '2024-03-19' where 회원번호 = '202401002'");

        QVERIFY_THROWS_EXCEPTION(MovementRefused, Retirement::withdraw(lines));
        QCOMPARE(col("202401001", "퇴관일"), QString());
        QCOMPARE(logRows("T_퇴관사유별현황"), qint64(0));
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Withdrawal, 3), qint64(0));
    }

    void deleteWithdrawn()
    {
        member({"202401001", "김가람", "2024-01-05", "2024-02-01", "01"});
        member({"202401002", "이나래", "2024-01-06"});
        db::run("insert into T_퇴관사유별현황 (회원번호, 퇴관일, 퇴관사유코드) values ('202401001', '2024-02-01', '01')");
        Retirement::deleteWithdrawn("202401001");
        QCOMPARE(db::scalar("select count(*) from T_회원 where 회원번호 = '202401001'").toInt(), 0);
        QCOMPARE(logRows("T_퇴관사유별현황"), qint64(1)); // history stays
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Withdrawal, 3), qint64(0));
        QVERIFY_THROWS_EXCEPTION(db::Error, Retirement::deleteWithdrawn("202401002"));
        QCOMPARE(db::scalar("select count(*) from T_회원").toInt(), 1);
    }

    // The month-end headcount of the headcount screen follows the member table through leaves,
    // returns and withdrawals recorded by these batches.
    void headcountMatchesMembers()
    {
        auto enrol = [](const QString& no, const QDate& d) {
            member({no, "회원" + no.right(3), db::dateText(d)});
            MovementCounter::countEnrolment(no, d);
        };
        const QDate jan(2024, 1, 5);
        for (int i = 1; i <= 6; ++i)
            enrol(QString("202401%1").arg(i, 3, 10, QChar('0')), jan);

        auto trains = [] { return db::scalar("select count(*) from T_회원 where 퇴관일 is null and 휴관일 is null").toLongLong(); };
        auto monthEnd = [](int month) { return HeadcountFigures::yearMovement(2024).headcount[month - 1]; };
        auto pick = [](QList<Retirement::Line> lines, const QStringList& nos, const QString& reason, const QDate& d) {
            for (auto& l : lines)
                if (nos.contains(l.memberNo))
                    Retirement::chooseReason(l, reason, d);
            return lines;
        };
        auto tick = [](QList<Retirement::Line> lines, const QStringList& nos) {
            for (auto& l : lines)
                Retirement::setChecked(l, nos.contains(l.memberNo));
            return lines;
        };

        // February: two leaves and a withdrawal.
        const QDate feb(2024, 2, 10);
        Retirement::leave(pick(Retirement::leaveCandidates(kAll, feb), {"202401001", "202401002"}, "07) 방학/여행", feb));
        Retirement::withdraw(pick(Retirement::withdrawalCandidates(kAll, feb), {"202401003"}, "01) 이사", feb));
        QCOMPARE(monthEnd(2), trains());
        QCOMPARE(trains(), qint64(3));

        // March: one leave ends, the withdrawn member returns, the other member on leave withdraws.
        const QDate mar(2024, 3, 12);
        Retirement::giveReturn(tick(Retirement::returnCandidates(kAll, Retirement::FromLeave), {"202401001"}),
                               Retirement::FromLeave, mar);
        Retirement::giveReturn(tick(Retirement::returnCandidates(kAll, Retirement::FromWithdrawal), {"202401003"}),
                               Retirement::FromWithdrawal, mar);
        Retirement::withdrawOnLeave(Retirement::membersOnLeave(kAll, true, feb, feb), mar);
        QCOMPARE(trains(), qint64(5));
        QCOMPARE(monthEnd(3), trains());
        QCOMPARE(monthEnd(2), qint64(3));
        QCOMPARE(monthEnd(12), trains());
    }
};

QTEST_MAIN(TestRetirement)
#include "tst_retirement.moc"
