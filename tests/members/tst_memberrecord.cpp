#include "support/TestDb.h"

#include "backup/PeriodDeletion.h"
#include "cashbook/MonthClosing.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "fees/FeePayments.h"
#include "members/PersonalRecord.h"
#include "members/Retirement.h"
#include "db/MemberNumber.h"
#include "db/MemberRecords.h"
#include "db/MemberStatus.h"

#include <QFile>
#include <QTest>

namespace {

void addMember(const QString& no, const QString& name = QStringLiteral("회원"))
{
    sqlExec(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명, 입관일) VALUES ('%1', '%2', '2024-01-02')").arg(no, name));
}

QStringList names(const QString& where)
{
    QStringList out;
    db::Query q(QStringLiteral("SELECT 회원명 FROM T_회원 a WHERE ") + where + QStringLiteral(" ORDER BY 회원명"));
    q.bind(QStringLiteral("현재일자"), QStringLiteral("2024-03-31"));
    q.bind(QStringLiteral("month1"), QStringLiteral("2024-03"));
    q.open();
    while (q.next())
        out.append(q.str(QStringLiteral("회원명")));
    return out;
}

int rowsOf(const QString& table, const QString& no)
{
    return db::scalar(QStringLiteral("SELECT Count(*) FROM %1 WHERE 회원번호 = :no").arg(table), {{"no", no}}).toInt();
}

} // namespace

class TstMemberRecord : public QObject {
    Q_OBJECT

private slots:
    void nextNumber_data()
    {
        // Rows present as "table:number"; the clock stands on 2024-05-15.
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first of the month") << QStringList() << "202405001";
        QTest::newRow("after 001") << QStringList{"T_회원:202405001"} << "202405002";
        QTest::newRow("after 009") << QStringList{"T_회원:202405009"} << "202405010";
        QTest::newRow("after 099") << QStringList{"T_회원:202405099", "T_회원:202405005"} << "202405100";
        QTest::newRow("next month restarts") << QStringList{"T_회원:202404431", "T_회원:202312999"} << "202405001";
        QTest::newRow("fee rows of a deleted member")
            << QStringList{"T_회원:202405003", "T_수련비납부:202405004"} << "202405005";
        QTest::newRow("family rows only") << QStringList{"T_가족사항:202405002"} << "202405003";
        QTest::newRow("absences in a table added later")
            << QStringList{"T_회원:202405001", "T_결석:202405007"} << "202405008";
        QTest::newRow("withdrawal log outlives the member") << QStringList{"T_퇴관사유별현황:202405011"} << "202405012";
        QTest::newRow("cash-book fee link") << QStringList{"T_회원:202405001", "T_금전출납:202405006-0002"} << "202405007";
        QTest::newRow("other cash lines ignored") << QStringList{"T_금전출납:2024059"} << "202405001";
        QTest::newRow("longer junk ignored") << QStringList{"T_회원:2024050999", "T_회원:202405002"} << "202405003";
    }
    void nextNumber()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, expected);
        TestDb t;
        sqlExec(QStringLiteral("CREATE TABLE IF NOT EXISTS T_결석 (회원번호 TEXT, 결석일자 TEXT)"));
        sqlExec(QStringLiteral("CREATE TABLE IF NOT EXISTS T_퇴관사유별현황 (회원번호 TEXT, 퇴관일 TEXT, 퇴관사유코드 TEXT)"));
        int seq = 0;
        for (const QString& r : rows) {
            const QString table = r.section(u':', 0, 0), no = r.section(u':', 1);
            if (table == u"T_회원")
                addMember(no);
            else if (table == u"T_수련비납부")
                sqlExec(QStringLiteral("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번) VALUES ('%1', '202405', %2)").arg(no).arg(++seq));
            else if (table == u"T_가족사항")
                sqlExec(QStringLiteral("INSERT INTO T_가족사항 (회원번호, 순번) VALUES ('%1', 1)").arg(no));
            else if (table == u"T_금전출납")
                sqlExec(QStringLiteral("INSERT INTO T_금전출납 (일자, 순번, 수련비순번) VALUES ('2024-05-01', %1, '%2')").arg(++seq).arg(no));
            else if (table == u"T_결석")
                sqlExec(QStringLiteral("INSERT INTO T_결석 (회원번호, 결석일자) VALUES ('%1', '2024-05-02')").arg(no));
            else
                sqlExec(QStringLiteral("INSERT INTO %1 (회원번호) VALUES ('%2')").arg(table, no));
        }
        QString error;
        QCOMPARE(MemberNumber::next(&error), expected);
        QVERIFY(error.isEmpty());
        QVERIFY(MemberNumber::isWellFormed(expected));
    }

    void thousandthNumberIsRefused()
    {
        TestDb t;
        addMember(QStringLiteral("202405999"));
        QString error;
        QCOMPARE(MemberNumber::next(&error), QString());
        QVERIFY(error.contains(QStringLiteral("2024년 05월")));
        QVERIFY(error.contains(QStringLiteral("999")));
        // The next month starts afresh.
        QCOMPARE(MemberNumber::next(QDate(2024, 6, 1), &error), QStringLiteral("202406001"));
    }

    void statusConditions()
    {
        TestDb t;
        sqlExec(QStringLiteral(
            "INSERT INTO T_회원 (회원번호, 회원명, 입관일, 퇴관일, 휴관일, 복관일휴, 복관일퇴, 최종퇴관일) VALUES "
            "('202401001', '가재원', '2024-01-02', Null, Null, Null, Null, Null),"
            "('202401002', '나휴관', '2024-01-02', Null, '2024-02-01', Null, Null, Null),"
            "('202401003', '다퇴관', '2024-01-02', '2024-02-01', Null, Null, Null, '2024-02-01'),"
            "('202401004', '라복관', '2024-01-02', Null, Null, Null, '2024-03-01', '2024-02-01'),"
            "('202401005', '마빈날짜', '2024-01-02', '', '', Null, Null, Null),"
            "('202404001', '바신입', '2024-04-01', Null, Null, '2024-04-02', Null, Null)"));
        using namespace MemberStatus;
        QCOMPARE(names(notWithdrawn("a")), QStringList({"가재원", "나휴관", "라복관", "마빈날짜", "바신입"}));
        QCOMPARE(names(active("a")), QStringList({"가재원", "라복관", "마빈날짜", "바신입"}));
        QCOMPARE(names(onLeave("a")), QStringList({"나휴관"}));
        QCOMPARE(names(withdrawn("a")), QStringList({"다퇴관"}));
        QCOMPARE(names(returned("a")), QStringList({"라복관", "바신입"}));
        QCOMPARE(names(active("a") + " AND " + enrolledBy("a")), QStringList({"가재원", "라복관", "마빈날짜"}));
        QCOMPARE(names(enrolledByMonth("a")).size(), 5);
        QCOMPARE(stateOf(QString(), QStringLiteral("2024-02-01")), State::OnLeave);
        QCOMPARE(stateOf(QStringLiteral("2024-02-01"), QStringLiteral("2024-01-01")), State::Withdrawn);
        QCOMPARE(stateOf(QString(), QString()), State::Active);
    }

    void deleteTakesEveryRowOfTheMember()
    {
        TestDb t;
        // A few tables of later screens exist already; the others are skipped.
        sqlExec(QStringLiteral("CREATE TABLE IF NOT EXISTS T_결석 (회원번호 TEXT, 결석일자 TEXT)"));
        sqlExec(QStringLiteral("CREATE TABLE IF NOT EXISTS T_심사 (회원번호 TEXT, 심사명 INTEGER)"));
        sqlExec(QStringLiteral("CREATE TABLE IF NOT EXISTS T_퇴관사유별현황 (회원번호 TEXT, 퇴관일 TEXT, 퇴관사유코드 TEXT)"));
        const QString gone = QStringLiteral("202405001"), kept = QStringLiteral("202405002");
        for (const QString& no : {gone, kept}) {
            addMember(no);
            sqlExec(QStringLiteral("INSERT INTO T_가족사항 (회원번호, 순번) VALUES ('%1', 1), ('%1', 2)").arg(no));
            sqlExec(QStringLiteral("INSERT INTO T_결석 (회원번호, 결석일자) VALUES ('%1', '2024-05-02')").arg(no));
            sqlExec(QStringLiteral("INSERT INTO T_심사 (회원번호, 심사명) VALUES ('%1', 3)").arg(no));
            sqlExec(QStringLiteral("INSERT INTO T_퇴관사유별현황 VALUES ('%1', '2024-05-03', '01')").arg(no));
        }
        sqlExec(QStringLiteral("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES ('%1', '202405', 1, '2024-05-02', 80000)").arg(gone));
        sqlExec(QStringLiteral("INSERT INTO T_금전출납 (일자, 순번, 대항목, 입금액, 수련비순번) VALUES ('2024-05-02', 1, '수련비', 80000, '%1-0001')").arg(gone));
        QFile photo(MemberNumber::photoPath(gone));
        QVERIFY(photo.open(QIODevice::WriteOnly));
        photo.close();

        MemberRecords::deleteMember(gone);

        QCOMPARE(rowsOf(QStringLiteral("T_회원"), gone), 0);
        for (const QString& table : MemberRecords::tablesDeletedWithMember())
            if (db::tableExists(table))
                QVERIFY2(rowsOf(table, gone) == 0, qPrintable(table));
        QVERIFY(!QFile::exists(MemberNumber::photoPath(gone)));
        // The other member is untouched; history and the money received stay.
        QCOMPARE(rowsOf(QStringLiteral("T_회원"), kept), 1);
        QCOMPARE(rowsOf(QStringLiteral("T_가족사항"), kept), 2);
        QCOMPARE(rowsOf(QStringLiteral("T_결석"), kept), 1);
        QCOMPARE(rowsOf(QStringLiteral("T_퇴관사유별현황"), gone), 1);
        QCOMPARE(db::scalarText(QStringLiteral("SELECT Sum(입금액) FROM T_금전출납")), QStringLiteral("80000"));
        // And his number is not handed out again.
        QCOMPARE(MemberNumber::next(), QStringLiteral("202405003"));
    }

    // Whichever screen deletes him, a member's fee payments stay with their cash-book lines, so a closed
    // month's fee register still matches its cash book and his number is not given again.
    void deletionKeepsFeePayments_data()
    {
        QTest::addColumn<int>("path");
        QTest::newRow("personal management") << 0;
        QTest::newRow("withdrawal window") << 1;
        QTest::newRow("withdrawn members by period") << 2;
    }
    void deletionKeepsFeePayments()
    {
        QFETCH(int, path);
        TestDb t(QDateTime(QDate(2024, 5, 15), QTime(10, 0)));
        const QString no = QStringLiteral("202405001");
        addMember(no, QStringLiteral("김가람"));
        MonthClosing::saveOpening(QStringLiteral("202402"), 0, 0);
        FeePayments::add(no, QStringLiteral("202403"), QDate(2024, 3, 10), 80000, QString());
        FeePayments::add(no, QStringLiteral("202405"), QDate(2024, 5, 10), 80000, QString());
        MonthClosing::close(QStringLiteral("202403"));
        MonthClosing::close(QStringLiteral("202404"));
        auto fees = [](const QString& month) {
            return db::scalarText(QStringLiteral("SELECT Sum(납부액) FROM T_수련비납부 WHERE Mid(납부일자, 1, 7) = :m"), {{"m", month}});
        };
        auto cash = [](const QString& month) {
            return db::scalarText(QStringLiteral("SELECT Sum(입금액) FROM T_금전출납 WHERE 대항목 = '수련비' AND Mid(일자, 1, 7) = :m"),
                                  {{"m", month}});
        };
        if (path > 0)
            sqlExec(QStringLiteral("UPDATE T_회원 SET 퇴관일 = '2024-05-12', 퇴관사유코드 = '01' WHERE 회원번호 = '%1'").arg(no));
        switch (path) {
        case 0: PersonalRecord::deleteMember(no, Clock::today()); break;
        case 1: Retirement::deleteWithdrawn(no); break;
        default: QCOMPARE(PeriodDeletion::deleteWithdrawn(QDate(2024, 5, 1), QDate(2024, 5, 31)), 1); break;
        }
        QCOMPARE(rowsOf(QStringLiteral("T_회원"), no), 0);
        QCOMPARE(rowsOf(QStringLiteral("T_수련비납부"), no), 2);
        QCOMPARE(db::scalarText(QStringLiteral("SELECT count(*) FROM T_금전출납 WHERE 수련비순번 LIKE '202405001-%'")),
                 QStringLiteral("2"));
        for (const QString& m : {QStringLiteral("2024-03"), QStringLiteral("2024-05")}) {
            QCOMPARE(fees(m), QStringLiteral("80000"));
            QCOMPARE(cash(m), fees(m));
        }
        QCOMPARE(db::scalarText(QStringLiteral("SELECT 당월차변금액 FROM T_금전출납마감 WHERE 마감연월 = '202403'")),
                 cash(QStringLiteral("2024-03")));
        QCOMPARE(MemberNumber::next(), QStringLiteral("202405002"));
    }

    void failedDeleteKeepsEverything()
    {
        TestDb t;
        sqlExec(QStringLiteral("CREATE TABLE IF NOT EXISTS T_결석 (회원번호 TEXT, 결석일자 TEXT)"));
        sqlExec(QStringLiteral("CREATE TRIGGER no_delete BEFORE DELETE ON T_결석 BEGIN SELECT RAISE(ABORT, 'locked'); END"));
        const QString no = QStringLiteral("202405001");
        addMember(no);
        sqlExec(QStringLiteral("INSERT INTO T_가족사항 (회원번호, 순번) VALUES ('%1', 1)").arg(no));
        sqlExec(QStringLiteral("INSERT INTO T_결석 (회원번호, 결석일자) VALUES ('%1', '2024-05-02')").arg(no));
        QFile photo(MemberNumber::photoPath(no));
        QVERIFY(photo.open(QIODevice::WriteOnly));
        photo.close();

        QVERIFY_THROWS_EXCEPTION(db::Error, MemberRecords::deleteMember(no));
        QCOMPARE(rowsOf(QStringLiteral("T_회원"), no), 1);
        QCOMPARE(rowsOf(QStringLiteral("T_가족사항"), no), 1);
        QVERIFY(QFile::exists(MemberNumber::photoPath(no)));
    }

    void deleteSeveralInOneGo()
    {
        TestDb t;
        for (const char* no : {"202401001", "202401002", "202401003"})
            addMember(QString::fromLatin1(no));
        QCOMPARE(MemberRecords::deleteMembers({QStringLiteral("202401001"), QStringLiteral("202401003"), QStringLiteral("209901001")}), 2);
        QCOMPARE(db::scalarText(QStringLiteral("SELECT 회원번호 FROM T_회원")), QStringLiteral("202401002"));
    }
};

QTEST_MAIN(TstMemberRecord)
#include "tst_memberrecord.moc"
