#include "app/DataRestore.h"

#include "backup/AutoBackup.h"
#include "backup/DataBackup.h"
#include "backup/DatabaseFile.h"
#include "db/DatabaseChoice.h"
#include "db/SchoolCopy.h"
#include "backup/AutoBackup.h"
#include "backup/DataBackup.h"
#include "backup/DatabaseFile.h"
#include "app/ProgramStarter.h"
#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/Database.h"
#include "db/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <sqlite3.h>

namespace {

DataRestore::Result outcome(DataRestore::Outcome o, const QString& detail = {})
{
    DataRestore::Result r;
    r.outcome = o;
    r.detail = detail;
    return r;
}

QString safetyCopyName()
{
    const QString base = ProgramDir::file(QStringLiteral("backup/")) + DataBackup::alias() + QStringLiteral("_복구전_")
        + Clock::now().toString(QStringLiteral("yyyyMMdd_hhmmss"));
    QString name = base + QStringLiteral(".db");
    for (int i = 2; QFileInfo::exists(name); ++i)
        name = base + QStringLiteral("_%1.db").arg(i);
    return name;
}

// Copies a file with its WAL companion, so a copy taken from a running program keeps its last writes.
bool copyWithWal(const QString& from, const QString& to)
{
    DatabaseFile::removeWithCompanions(to);
    if (!QFile::copy(from, to))
        return false;
    if (QFileInfo::exists(from + QStringLiteral("-wal")) && !QFile::copy(from + QStringLiteral("-wal"), to + QStringLiteral("-wal"))) {
        DatabaseFile::removeWithCompanions(to);
        return false;
    }
    return true;
}

// Folds a WAL companion into the file and leaves it as one file; a damaged file is left to the check.
void settle(const QString& file)
{
    sqlite3* h = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &h, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
        sqlite3_exec(h, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    sqlite3_close(h);
}

// The current database into the safety copy: through the engine when it opens, byte for byte when it
// is too damaged for that (the usual reason to restore).
bool keepSafetyCopy(const QString& current, const QString& safety)
{
    sqlite3* h = nullptr;
    bool ok = false;
    if (sqlite3_open_v2(current.toUtf8().constData(), &h, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
        ok = DatabaseFile::copyOpen(h, safety, nullptr);
    sqlite3_close(h);
    return ok || copyWithWal(current, safety);
}

} // namespace

QList<DataRestore::Copy> DataRestore::backups()
{
    auto copyOf = [](const QFileInfo& fi, bool automatic) {
        Copy c;
        c.file = fi.absoluteFilePath();
        c.modified = fi.lastModified();
        c.size = fi.size();
        c.automatic = automatic;
        return c;
    };
    // The automatic copies first, newest on top (their names hold the moment), then the others.
    QList<Copy> out;
    for (const QString& file : AutoBackup::copiesIn(AutoBackup::folder()))
        out.append(copyOf(QFileInfo(file), true));
    QList<Copy> others;
    const QDir dir(ProgramDir::file(QStringLiteral("backup")));
    for (const QFileInfo& fi : dir.entryInfoList({QStringLiteral("*.db"), QStringLiteral("*.DB")}, QDir::Files)) {
        const Copy c = copyOf(fi, false);
        if (std::none_of(others.cbegin(), others.cend(), [&](const Copy& o) { return o.file == c.file; }))
            others.append(c);
    }
    std::sort(others.begin(), others.end(), [](const Copy& a, const Copy& b) {
        return a.modified != b.modified ? a.modified > b.modified : a.file < b.file;
    });
    return out + others;
}

// A school on the server gets the backup's rows in one transaction, after its present rows were kept
// as a safety copy; the desks need not stop for it, they see the restored school at their next read.
static DataRestore::Result restoreOnServer(const QString& backupFile, const QString& server)
{
    const QString damage = DatabaseFile::problem(backupFile);
    if (!damage.isEmpty())
        return outcome(DataRestore::Outcome::Damaged, damage);
    DataRestore::Result r;
    r.safetyCopy = safetyCopyName();
    db::CopyResult kept = db::copySchool(server, r.safetyCopy);
    if (!kept.ok) {
        DatabaseFile::removeWithCompanions(r.safetyCopy);
        return outcome(DataRestore::Outcome::Failed, QStringLiteral("현재 자료를 따로 보관할 수 없습니다. (%1)").arg(kept.error));
    }
    const db::CopyResult restored = db::copySchool(backupFile, server, true);
    if (!restored.ok)
        return outcome(DataRestore::Outcome::Failed, QStringLiteral("서버의 자료를 바꿀 수 없습니다. (%1)").arg(restored.error));
    r.outcome = DataRestore::Outcome::Restored;
    return r;
}

DataRestore::Result DataRestore::restore(const QString& backupFile, int waitMs)
{
    if (const DatabaseChoice choice = DatabaseChoice::load(); choice.server)
        return QFileInfo(backupFile).isFile() ? restoreOnServer(backupFile, choice.address())
                                              : outcome(Outcome::Failed, QStringLiteral("보관 파일이 없습니다."));
    const QString target = ProgramDir::databaseFile();
    const QString staging = target + QStringLiteral(".restore");

    // 1. A private copy of the backup is what gets checked and put in place; the user's file stays as it is.
    if (!QFileInfo(backupFile).isFile())
        return outcome(Outcome::Failed, QStringLiteral("보관 파일이 없습니다."));
    if (!copyWithWal(backupFile, staging))
        return outcome(Outcome::Failed, QStringLiteral("보관 파일을 읽을 수 없습니다."));
    settle(staging);
    const QString damage = DatabaseFile::problem(staging);
    if (!damage.isEmpty()) {
        DatabaseFile::removeWithCompanions(staging);
        return outcome(Outcome::Damaged, damage);
    }

    // 2. The main program must have let go of the database.
    if (DatabaseFile::inUse(target, waitMs)) {
        DatabaseFile::removeWithCompanions(staging);
        return outcome(Outcome::InUse, QStringLiteral("탐린이 아직 실행 중입니다. 프로그램을 종료한 뒤 다시 복구하세요."));
    }

    // 3. The current database is kept before anything replaces it.
    Result r;
    if (QFileInfo::exists(target)) {
        r.safetyCopy = safetyCopyName();
        if (!keepSafetyCopy(target, r.safetyCopy)) {
            DatabaseFile::removeWithCompanions(staging);
            return outcome(Outcome::Failed, QStringLiteral("현재 자료를 따로 보관할 수 없습니다."));
        }
    } else {
        QDir().mkpath(QFileInfo(target).absolutePath());
    }

    // 4. Companions of the old file must never be replayed onto the restored one.
    QString why;
    if (!DatabaseFile::removeCompanions(target) || !DatabaseFile::replace(staging, target, &why)) {
        DatabaseFile::removeWithCompanions(staging);
        return outcome(Outcome::Failed, QStringLiteral("자료 파일을 바꿀 수 없습니다. (%1)").arg(why));
    }
    r.outcome = Outcome::Restored;
    return r;
}

Answer DataRestore::handOver(const Ask& ask)
{
    Question q;
    q.buttons = Question::Buttons::YesNoCancel;
    q.level = Message::Level::Warning;
    q.caption = QStringLiteral("확인");
    q.text = QStringLiteral("자료 복구를 위해서는 ") + DataBackup::alias() + QStringLiteral("을 종료해야 합니다. 종료 하시겠습니까?");
    q.yesByDefault = false;
    if (!ask(q))
        return Answer::declined();

    // The program ends once this event is handled; the screens go first so nothing reads after the
    // connection is gone. A screen with unsaved work asks first, and keeping it keeps the program.
    if (ScreenHost* host = ScreenHost::current()) {
        if (!host->askToCloseAll())
            return Answer::declined();
        host->closeAll();
    }
    QCoreApplication::exit(0);
    db::closeDatabase();
    if (!ProgramStarter::start(ProgramStarter::restoreProgram()))
        return Answer::warning(QStringLiteral("확인"), QStringLiteral("자료 복구에 실패 하였습니다. 관리자에게 문의 하세요."));
    return Answer::done();
}
