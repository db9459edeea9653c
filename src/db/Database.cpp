#include "db/Database.h"

#include "db/JetSql.h"
#include "db/QuickCheck.h"
#include "db/Query.h"
#include "db/Schema.h"

#include <QFileInfo>
#include <QStringList>
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

bool openDatabase(const QString& file, QString* error)
{
    closeDatabase();
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
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("PRAGMA quick_check(5)")))
        return q.lastError().text();
    QStringList found;
    while (q.next())
        found << q.value(0).toString();
    return found == QStringList{QStringLiteral("ok")} ? QString() : found.join(u'\n');
}

} // namespace db
