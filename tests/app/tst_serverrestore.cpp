// 자료복구 across the engines: a backup file put back onto a school on the server, and a server
// school's backup put back onto the desk's own file. Runs on the test server only (label "postgresql").
#include "app/DataRestore.h"
#include "backup/BooksCheck.h"
#include "backup/DataBackup.h"
#include "db/Database.h"
#include "db/DatabaseChoice.h"
#include "db/JetSql.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "fees/FeePayments.h"
#include "support/ServerTest.h"
#include "support/TestDb.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUrl>
#include <memory>

namespace {

const QString kAdmin = QStringLiteral("tst_restore_admin");

// A member with one paid month, so a restore carries a fee row and its cash-book line.
void enrolAndPay(const QString& no, const QString& name)
{
    sqlExec(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명, 입관일, 수련비) VALUES ('%1', '%2', '2024-01-05', 100000)").arg(no, name));
    FeePayments::add(no, QStringLiteral("202404"), QDate(2024, 4, 10), 100000, QString());
}

QStringList membersAndFees()
{
    db::Query q("SELECT a.회원명 & ':' & f.년월분 & ':' & f.납부액 AS x FROM T_회원 a "
                "LEFT JOIN T_수련비납부 f ON f.회원번호 = a.회원번호 ORDER BY a.회원명");
    q.open();
    QStringList out;
    while (q.next())
        out << q.str("x");
    return out;
}

// What a file holds, read with the program's own connection code and put back as it was.
QStringList membersAndFeesOf(const QString& address)
{
    const QString before = db::currentAddress();
    if (!db::openDatabase(address))
        return {QStringLiteral("cannot open ") + address};
    const QStringList out = membersAndFees();
    db::closeDatabase();
    if (!before.isEmpty())
        db::openDatabase(before);
    return out;
}

void adminRun(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database(kAdmin));
    if (!q.exec(sql))
        qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

} // namespace

class TstServerRestore : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    QString m_database; // a whole database of its own: the setting beside the program names databases, not schemas

    // The desk's setting pointed at an empty database on the test server.
    DatabaseChoice serverChoice()
    {
        const QUrl u(servertest::serverAddress());
        DatabaseChoice c;
        c.server = true;
        c.host = u.host();
        c.port = u.port(5432);
        c.user = u.userName();
        c.database = m_database;
        return c;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(servertest::onServer(), "runs with TAMRIN_TEST_ON_SERVER=1 (scripts/test-server.sh)");
        QString why;
        QVERIFY2(db::openSide(servertest::serverAddress(), kAdmin, &why), qPrintable(why));
        m_database = QStringLiteral("tamrin_restore_%1").arg(QCoreApplication::applicationPid());
    }
    void cleanupTestCase() { db::closeSide(kAdmin); }

    void init()
    {
        m_db = std::make_unique<TestDb>();
        adminRun(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_database));
        adminRun(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0").arg(m_database));
    }
    void cleanup()
    {
        m_db.reset();
        adminRun(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_database));
    }

    void fileBackupOntoServerSchool()
    {
        // The backup: a desk's own school kept by 자료보관.
        db::closeDatabase();
        const QString own = ProgramDir::file(QStringLiteral("Data/own.db"));
        QVERIFY(db::openDatabase(own));
        enrolAndPay(QStringLiteral("202401001"), QStringLiteral("보관회원"));
        const QString backup = ProgramDir::file(QStringLiteral("backup/own-backup.db"));
        QString why;
        QVERIFY2(DataBackup::copyTo(backup, &why), qPrintable(why));
        db::closeDatabase();

        // The school on the server has moved on since; a desk stays connected during the restore.
        const DatabaseChoice server = serverChoice();
        QVERIFY(server.save());
        QVERIFY2(db::openDatabase(server.address(), &why), qPrintable(why));
        enrolAndPay(QStringLiteral("202402001"), QStringLiteral("서버회원"));

        const DataRestore::Result r = DataRestore::restore(backup, 0);
        QVERIFY2(r.outcome == DataRestore::Outcome::Restored, qPrintable(r.detail));
        QVERIFY(db::onServer());
        QCOMPARE(membersAndFees(), QStringList{QStringLiteral("보관회원:202404:100000")});
        QVERIFY(FeePayments::linkFaults().isEmpty());
        // What the server held before is kept as a file of the usual kind.
        QVERIFY(QFileInfo(r.safetyCopy).isFile());
        QCOMPARE(membersAndFeesOf(r.safetyCopy), QStringList{QStringLiteral("서버회원:202404:100000")});
        const QList<BooksCheck::Item> items = BooksCheck::run(server.address());
        QVERIFY2(BooksCheck::clean(items), qPrintable(BooksCheck::table(items)));
    }

    void serverBackupOntoFile()
    {
        // The backup: 자료보관 of a school on the server.
        db::closeDatabase();
        const DatabaseChoice server = serverChoice();
        QString why;
        QVERIFY2(db::openDatabase(server.address(), &why), qPrintable(why));
        enrolAndPay(QStringLiteral("202402001"), QStringLiteral("서버회원"));
        const QString backup = ProgramDir::file(QStringLiteral("backup/server-backup.db"));
        QVERIFY2(DataBackup::copyTo(backup, &why), qPrintable(why));
        db::closeDatabase();

        // The desk's own file, with a member the backup does not know; the setting is 이 PC.
        QVERIFY(!DatabaseChoice::load().server);
        QVERIFY(db::openDatabase(ProgramDir::databaseFile()));
        enrolAndPay(QStringLiteral("202401001"), QStringLiteral("파일회원"));
        db::closeDatabase();

        const DataRestore::Result r = DataRestore::restore(backup, 0);
        QVERIFY2(r.outcome == DataRestore::Outcome::Restored, qPrintable(r.detail));
        QCOMPARE(membersAndFeesOf(ProgramDir::databaseFile()), QStringList{QStringLiteral("서버회원:202404:100000")});
        QCOMPARE(membersAndFeesOf(r.safetyCopy), QStringList{QStringLiteral("파일회원:202404:100000")});
        QVERIFY(db::openDatabase(ProgramDir::databaseFile()));
        const QList<BooksCheck::Item> items = BooksCheck::run(ProgramDir::databaseFile());
        QVERIFY2(BooksCheck::clean(items), qPrintable(BooksCheck::table(items)));
    }
};

QTEST_MAIN(TstServerRestore)
#include "tst_serverrestore.moc"
