#include "db/Database.h"

#include "db/JetSql.h"
#include "db/QuickCheck.h"
#include "db/Query.h"
#include "db/Schema.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <sqlite3.h>

namespace db {

namespace {
bool pragma(QSqlDatabase& d, const QString& text, QString* error)
{
    QSqlQuery q(d);
    if (!q.exec(text)) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    return true;
}
}

namespace {
QString g_address;
}

QString currentAddress() { return g_address; }

bool isServerAddress(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://")) || text.startsWith(QLatin1String("postgres://"));
}

QString describeServer(const QString& address)
{
    const QUrl u(address);
    QString where = u.host().isEmpty() ? QStringLiteral("이 PC") : u.host();
    if (u.port() > 0)
        where += u':' + QString::number(u.port());
    return where + u'/' + u.path().mid(1);
}

namespace {

// A connection to the server under `name`. The password is never ours to keep: libpq reads it from its
// own password or service file (PGPASSFILE, ~/.pgpass, pg_service.conf), as PostgreSQL's tools do.
bool addServerConnection(const QString& address, const QString& name, QString* why)
{
    const QUrl u(address, QUrl::StrictMode);
    if (!u.isValid()) {
        *why = QStringLiteral("주소가 올바르지 않습니다: ") + address;
        return false;
    }
    if (!u.password().isEmpty()) {
        *why = QStringLiteral("암호는 주소에 적지 않습니다. PostgreSQL 의 암호 파일(.pgpass)에 두세요.");
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        *why = QStringLiteral("PostgreSQL 드라이버(libqt6sql6-psql)가 설치되어 있지 않습니다.");
        return false;
    }
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    if (!u.host().isEmpty())
        d.setHostName(u.host());
    if (u.port() > 0)
        d.setPort(u.port());
    d.setDatabaseName(u.path().mid(1));
    if (!u.userName().isEmpty())
        d.setUserName(u.userName());
    QStringList options;
    bool timeout = false;
    for (const auto& [key, value] : QUrlQuery(u).queryItems(QUrl::FullyDecoded)) {
        options.append(key + u'=' + value);
        timeout = timeout || key == QLatin1String("connect_timeout");
    }
    if (!timeout)
        options.append(QStringLiteral("connect_timeout=5")); // an unreachable server answers soon
    d.setConnectOptions(options.join(u';'));
    if (!d.open()) {
        const QSqlError e = d.lastError();
        *why = e.databaseText().trimmed().isEmpty() ? e.text() : e.databaseText().trimmed();
        return false;
    }
    QSqlQuery q(d);
    q.exec(QStringLiteral("SET client_min_messages = warning"));
    if (!q.exec(QStringLiteral("SET standard_conforming_strings = on"))) {
        *why = q.lastError().text();
        return false;
    }
    return true;
}

bool openServer(const QString& address, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("서버의 데이터베이스에 연결할 수 없습니다: %1\n%2").arg(describeServer(address), why);
        closeDatabase();
        return false;
    };
    QString why;
    if (!addServerConnection(address, kConnection, &why))
        return fail(why);
    QSqlDatabase d = QSqlDatabase::database(kConnection, false);
    setDialect(Dialect::Postgres);
    if (!Schema::ensure(&why)) {
        closeDatabase();
        if (error)
            *error = why;
        return false;
    }
    // The report staging table belongs to this desk.
    if (!pragma(d, QStringLiteral("CREATE TEMP TABLE print (LIKE print INCLUDING DEFAULTS)"), &why)
        || !pragma(d, QStringLiteral("ALTER TABLE pg_temp.print ADD COLUMN tamrin_row BIGINT GENERATED ALWAYS AS IDENTITY"), &why))
        return fail(why);
    return true;
}

} // namespace

bool openSide(const QString& fileOrAddress, const QString& name, QString* error)
{
    QString why;
    bool ok;
    if (isServerAddress(fileOrAddress)) {
        ok = addServerConnection(fileOrAddress, name, &why);
    } else {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(fileOrAddress);
        d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        ok = d.open();
        if (!ok)
            why = d.lastError().text();
    }
    if (!ok && error)
        *error = (isServerAddress(fileOrAddress) ? QStringLiteral("서버의 데이터베이스에 연결할 수 없습니다: %1\n%2").arg(describeServer(fileOrAddress), why)
                                                 : QStringLiteral("데이터베이스를 열 수 없습니다: %1\n%2").arg(fileOrAddress, why));
    return ok;
}

void closeSide(const QString& name)
{
    {
        QSqlDatabase d = QSqlDatabase::database(name, false);
        if (d.isOpen())
            d.close();
    }
    QSqlDatabase::removeDatabase(name);
}

QString rowOrderColumn() { return dialect() == Dialect::Postgres ? QStringLiteral("tamrin_row") : QStringLiteral("rowid"); }

bool openDatabase(const QString& file, QString* error)
{
    closeDatabase();
    if (isServerAddress(file)) {
        if (!openServer(file, error))
            return false;
        g_address = file;
        return true;
    }
    g_address = file;
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
    d.setDatabaseName(file);
    d.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!d.open()) {
        if (error)
            *error = QStringLiteral("데이터베이스를 열 수 없습니다: %1\n%2").arg(file, d.lastError().text());
        return false;
    }
    const QVariant handle = d.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
        if (sqlite3* h = *static_cast<sqlite3* const*>(handle.data()))
            registerJetFunctions(h);
    }
    // Money records must survive a power cut: WAL with full sync.
    // The first statement reads the file: one that is no database (or is damaged) fails here.
    if (!pragma(d, QStringLiteral("PRAGMA journal_mode=WAL"), error) || !pragma(d, QStringLiteral("PRAGMA synchronous=FULL"), error)
        || !pragma(d, QStringLiteral("PRAGMA foreign_keys=OFF"), error)) {
        if (error)
            *error = QStringLiteral("자료 파일이 아니거나 손상된 파일입니다: %1\n%2").arg(file, *error);
        return false;
    }
    QString schemaError;
    if (!Schema::ensure(&schemaError)) {
        if (error)
            *error = schemaError;
        return false;
    }
    return true;
}

void closeDatabase()
{
    setDialect(Dialect::Sqlite);
    g_address.clear();
    if (!QSqlDatabase::contains(kConnection))
        return;
    {
        QSqlDatabase d = QSqlDatabase::database(kConnection, false);
        if (d.isOpen())
            d.close();
    }
    QSqlDatabase::removeDatabase(kConnection);
}

QString quickCheck()
{
    QSqlDatabase d = QSqlDatabase::database(kConnection, false);
    if (!d.isOpen())
        return QStringLiteral("자료 파일이 열려 있지 않습니다.");
    // The schema, the school record and the member register: what every screen reads first. The whole
    // file (fees and cash book included) takes seconds on a large school; the backups and "자료복구"
    // check it whole.
    QStringList found;
    for (const char* table : {"sqlite_schema", "T_도장정보", "T_회원"}) {
        QSqlQuery q(d);
        if (!q.exec(QStringLiteral("PRAGMA quick_check('%1')").arg(QString::fromUtf8(table))))
            return q.lastError().text();
        while (q.next())
            if (q.value(0).toString() != QLatin1String("ok"))
                found << q.value(0).toString();
    }
    return found.join(u'\n');
}

} // namespace db
