#include "backup/DatabaseFile.h"

#include "db/Query.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QThread>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>

namespace {

QString engineText(sqlite3* h) { return QString::fromUtf8(sqlite3_errmsg(h)); }

std::filesystem::path fsPath(const QString& s)
{
    const QByteArray u = s.toUtf8();
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(u.constData()), size_t(u.size())));
}

// Runs a statement and returns the first column of its first row ("" when none).
bool firstValue(sqlite3* h, const char* sql, QString* value, QString* error)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(h, sql, -1, &st, nullptr) != SQLITE_OK) {
        if (error)
            *error = engineText(h);
        return false;
    }
    const int rc = sqlite3_step(st);
    bool ok = rc == SQLITE_ROW || rc == SQLITE_DONE;
    if (rc == SQLITE_ROW && value)
        *value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    if (!ok && error)
        *error = engineText(h);
    sqlite3_finalize(st);
    return ok;
}

} // namespace

sqlite3* DatabaseFile::mainHandle()
{
    QSqlDatabase d = db::connection();
    if (!d.isOpen())
        return nullptr;
    const QVariant handle = d.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

bool DatabaseFile::copyOpen(sqlite3* src, const QString& target, QString* error)
{
    if (!src) {
        if (error)
            *error = QStringLiteral("자료 파일이 열려 있지 않습니다.");
        return false;
    }
    removeWithCompanions(target);
    sqlite3* dst = nullptr;
    if (sqlite3_open_v2(target.toUtf8().constData(), &dst, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        if (error)
            *error = engineText(dst);
        sqlite3_close(dst);
        return false;
    }
    bool ok = false;
    if (sqlite3_backup* b = sqlite3_backup_init(dst, "main", src, "main")) {
        // All pages in one step: one read transaction, one moment of the data.
        int rc;
        int tries = 0;
        do {
            rc = sqlite3_backup_step(b, -1);
            if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
                sqlite3_sleep(50);
        } while ((rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && ++tries < 200);
        sqlite3_backup_finish(b);
        ok = rc == SQLITE_DONE;
        if (!ok && error)
            *error = QString::fromUtf8(sqlite3_errstr(rc));
    } else if (error) {
        *error = engineText(dst);
    }
    // The source runs in WAL mode; the copy becomes one self-contained file.
    if (ok)
        ok = firstValue(dst, "PRAGMA journal_mode=DELETE", nullptr, error);
    sqlite3_close(dst);
    if (!ok)
        removeWithCompanions(target);
    return ok;
}

QString DatabaseFile::problem(const QString& file)
{
    if (!QFileInfo(file).isFile())
        return QStringLiteral("파일이 없습니다.");
    sqlite3* h = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &h, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const QString why = engineText(h);
        sqlite3_close(h);
        return QStringLiteral("자료 파일을 열 수 없습니다. (%1)").arg(why);
    }
    QString result, why;
    if (!firstValue(h, "PRAGMA integrity_check", &result, &why))
        result = QStringLiteral("자료 파일이 손상되었습니다. (%1)").arg(why);
    else if (result != QLatin1String("ok"))
        result = QStringLiteral("자료 파일이 손상되었습니다. (%1)").arg(result);
    else {
        QString count;
        if (!firstValue(h, "SELECT count(*) FROM sqlite_master WHERE type='table' AND name='T_회원'", &count, &why) || count != "1")
            result = QStringLiteral("탐린 자료 파일이 아닙니다.");
        else
            result.clear();
    }
    sqlite3_close(h);
    return result;
}

bool DatabaseFile::inUse(const QString& file, int waitMs)
{
    if (!QFileInfo::exists(file))
        return false;
    QElapsedTimer t;
    t.start();
    for (;;) {
        // A connection that holds the file keeps a shared lock on it (in WAL mode as long as it is
        // open): an exclusive transaction then cannot start.
        sqlite3* h = nullptr;
        bool busy = false;
        if (sqlite3_open_v2(file.toUtf8().constData(), &h, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
            sqlite3_exec(h, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
            const int rc = sqlite3_exec(h, "BEGIN EXCLUSIVE; SELECT count(*) FROM sqlite_master; COMMIT;", nullptr, nullptr, nullptr);
            busy = rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
        }
        sqlite3_close(h);
        if (!busy || t.elapsed() >= waitMs)
            return busy;
        QThread::msleep(200);
    }
}

bool DatabaseFile::removeWithCompanions(const QString& file)
{
    const bool ok = removeCompanions(file);
    return (!QFileInfo::exists(file) || QFile::remove(file)) && ok;
}

bool DatabaseFile::removeCompanions(const QString& file)
{
    bool ok = true;
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        const QString f = file + QLatin1String(suffix);
        if (QFileInfo::exists(f))
            ok = QFile::remove(f) && ok;
    }
    return ok;
}

bool DatabaseFile::replace(const QString& source, const QString& target, QString* error)
{
    std::error_code ec;
    std::filesystem::rename(fsPath(source), fsPath(target), ec);
    if (ec && error)
        *error = QString::fromLocal8Bit(ec.message().c_str());
    return !ec;
}
