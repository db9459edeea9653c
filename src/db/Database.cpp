#include "db/Database.h"

#include "db/JetSql.h"
#include "db/QuickCheck.h"
#include "db/Query.h"
#include "db/Schema.h"
#include "db/Session.h"

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
    Session::forgetLastClosedMonth(); // another file, other books
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
    if (!pragma(d, QStringLiteral("PRAGMA journal_mode=WAL"), error) || !pragma(d, QStringLiteral("PRAGMA synchronous=FULL"), error)
        || !pragma(d, QStringLiteral("PRAGMA foreign_keys=OFF"), error))
        return false;
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
    Session::forgetLastClosedMonth();
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
