#include "support/TestDb.h"
#include "support/ServerTest.h"

#include "db/Clock.h"
#include "db/Database.h"
#include "db/MonthKey.h"
#include "db/ProgramDir.h"
#include "report/NoticeFile.h"
#include "db/Query.h"
#include "db/Session.h"

#include <QSqlDatabase>
#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

namespace {
QString g_address; // of the open TestDb on the server
QString g_schema;
const QString kAdmin = QStringLiteral("tamrin_test_admin");

// Runs one statement on the test cluster beside dbMain (to make and drop a test's own schema).
void adminExec(const QString& sql)
{
    if (!QSqlDatabase::contains(kAdmin)) {
        const QUrl u(servertest::serverAddress());
        QSqlDatabase a = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), kAdmin);
        a.setHostName(u.host());
        if (u.port() > 0)
            a.setPort(u.port());
        a.setDatabaseName(u.path().mid(1));
        a.setUserName(u.userName());
        if (!a.open())
            qFatal("test server %s: %s", qPrintable(servertest::serverAddress()), qPrintable(a.lastError().text()));
        QSqlQuery(a).exec(QStringLiteral("SET client_min_messages = warning"));
    }
    QSqlQuery q(QSqlDatabase::database(kAdmin));
    if (!q.exec(sql))
        qFatal("test server: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}
} // namespace

QString servertest::serverAddress()
{
    if (qEnvironmentVariableIsSet("TAMRIN_TEST_SERVER"))
        return qEnvironmentVariable("TAMRIN_TEST_SERVER");
    // pg_virtualenv's cluster (scripts/test.sh); the password comes from PGPASSWORD through libpq.
    if (!qEnvironmentVariableIsSet("PGPORT"))
        qFatal("PostgreSQL 시험 서버가 없습니다: scripts/test.sh 가 띄우는 서버에서 돌리거나 TAMRIN_TEST_SERVER 를 주세요.");
    return QStringLiteral("postgresql://%1@%2:%3/%4")
        .arg(qEnvironmentVariable("PGUSER", QStringLiteral("postgres")), qEnvironmentVariable("PGHOST", QStringLiteral("localhost")),
             qEnvironmentVariable("PGPORT"), qEnvironmentVariable("PGDATABASE", QStringLiteral("postgres")));
}

bool servertest::onServer() { return qEnvironmentVariable("TAMRIN_TEST_ON_SERVER") == QLatin1String("1"); }

QString servertest::address() { return g_address; }

QString servertest::freshSchema()
{
    static int n = 0;
    const QString schema = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++n);
    adminExec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema));
    adminExec(QStringLiteral("CREATE SCHEMA %1").arg(schema));
    QUrl u(serverAddress());
    u.setQuery(QStringLiteral("options=-csearch_path%3D") + schema);
    return u.toString();
}

TestDb::TestDb(const QDateTime& now)
{
    Clock::setFixed(now);
    ProgramDir::set(m_dir.path());
    ProgramDir::ensureFolders();
    NoticeFile::ensureFolders();
    Session::reset();
    Dialogs::install(&m_dialogs);
    QString error;
    // With TAMRIN_TEST_SERVER set the same tests run on PostgreSQL, each in an empty schema of its own.
    if (servertest::onServer()) {
        g_address = servertest::freshSchema();
        g_schema = QUrlQuery(QUrl(g_address)).queryItemValue(QStringLiteral("options")).section(u'=', 1);
    }
    if (!db::openDatabase(servertest::onServer() ? g_address : ProgramDir::databaseFile(), &error))
        qFatal("test database: %s", qPrintable(error));
}

TestDb::~TestDb()
{
    db::closeDatabase();
    if (!g_schema.isEmpty())
        adminExec(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(g_schema));
    g_schema.clear();
    g_address.clear();
    Dialogs::install(nullptr);
    Clock::reset();
    Session::reset();
}

void sqlExec(const QString& jet)
{
    try {
        db::run(jet);
    } catch (const db::Error& e) {
        QFAIL(qPrintable(e.message() + " : " + jet));
    }
}

QString joinedRows(const QString& jet, const QString& separator)
{
    db::Query q(jet);
    q.open();
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out.join(separator);
}

void closeBooksThrough(const QString& month)
{
    sqlExec("DELETE FROM T_금전출납마감");
    db::run("INSERT INTO T_금전출납마감 (마감연월, 당월차변금액, 당월대변금액, 차변누계금액, 대변누계금액, 마감여부) "
            "VALUES (:m, 0, 0, 0, 0, '1'), (:n, 0, 0, 0, 0, '0')",
            {{"m", month}, {"n", monthkey::nextMonth(month)}});
}

void closeMonthElsewhere(const QString& month)
{
    const QString name = QStringLiteral("otherProgram");
    {
        QString why;
        QVERIFY2(db::openSide(servertest::onServer() ? g_address : ProgramDir::databaseFile(), name, &why), qPrintable(why));
        QSqlDatabase other = QSqlDatabase::database(name);
        QSqlQuery q(other);
        QVERIFY(other.transaction());
        // The month's sums and running totals, as a closing writes them.
        q.prepare(QStringLiteral("UPDATE T_금전출납마감 SET "
                                 "당월차변금액 = (SELECT coalesce(SUM(입금액), 0) FROM T_금전출납 WHERE substr(일자, 1, 7) = :dashed), "
                                 "당월대변금액 = (SELECT coalesce(SUM(출금액), 0) FROM T_금전출납 WHERE substr(일자, 1, 7) = :dashed2), "
                                 "마감여부 = '1' WHERE 마감연월 = :month"));
        q.bindValue(QStringLiteral(":dashed"), monthkey::dashed(month));
        q.bindValue(QStringLiteral(":dashed2"), monthkey::dashed(month));
        q.bindValue(QStringLiteral(":month"), month);
        QVERIFY2(q.exec() && q.numRowsAffected() == 1, qPrintable(q.lastError().text()));
        q.prepare(QStringLiteral("UPDATE T_금전출납마감 SET 차변누계금액 = 차변누계금액 + 당월차변금액, "
                                 "대변누계금액 = 대변누계금액 + 당월대변금액 WHERE 마감연월 = :month"));
        q.bindValue(QStringLiteral(":month"), month);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        q.prepare(QStringLiteral("INSERT INTO T_금전출납마감 (마감연월, 당월차변금액, 당월대변금액, 차변누계금액, 대변누계금액, 마감여부) "
                                 "SELECT :next, 0, 0, 차변누계금액, 대변누계금액, '0' FROM T_금전출납마감 WHERE 마감연월 = :month"));
        q.bindValue(QStringLiteral(":next"), monthkey::nextMonth(month));
        q.bindValue(QStringLiteral(":month"), month);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        QVERIFY(other.commit());
    }
    db::closeSide(name);
}
