#include "backup/DataBackup.h"

#include "backup/DatabaseFile.h"
#include "db/Clock.h"
#include "backup/DatabaseFile.h"
#include "db/Database.h"
#include "db/JetSql.h"
#include "db/ProgramDir.h"
#include "db/SchoolCopy.h"
#include "db/Query.h"

#include <QFile>
#include <QFileInfo>

QString DataBackup::alias()
{
    if (db::onServer())
        return QStringLiteral("Tamrin2000");
    const QSqlDatabase d = db::connection();
    const QString file = d.isValid() && !d.databaseName().isEmpty() ? d.databaseName() : ProgramDir::databaseFile();
    return QFileInfo(file).completeBaseName();
}

QString DataBackup::suggestedFile()
{
    // The day in the name: a copy taken every week does not replace last week's.
    return ProgramDir::file(QStringLiteral("backup/")) + alias() + u'_' + Clock::today().toString(QStringLiteral("yyyyMMdd"))
           + QStringLiteral(".db");
}

QString DataBackup::fileFilter() { return QStringLiteral("Tamrin Data File (*.db *.DB)"); }

bool DataBackup::copyTo(const QString& target, QString* error)
{
    // Copy beside the target under a working name, check it, then rename it over the target: a failed or
    // damaged copy never costs the user an older backup of the same name.
    const QString work = target + QStringLiteral(".part");
    QString why;
    const QString live = QFileInfo(db::connection().databaseName()).canonicalFilePath();
    if (!live.isEmpty() && QFileInfo(target).canonicalFilePath() == live) {
        if (error)
            *error = QStringLiteral("사용 중인 자료 파일에는 보관할 수 없습니다.");
        return false;
    }
    bool ok;
    if (db::onServer()) {
        // A server school is kept as the same file a desk's own school is.
        DatabaseFile::removeWithCompanions(work);
        const db::CopyResult copied = db::copySchool(db::currentAddress(), work);
        ok = copied.ok;
        why = copied.error;
    } else {
        ok = DatabaseFile::copyOpen(DatabaseFile::mainHandle(), work, &why);
    }
    if (ok) {
        why = DatabaseFile::problem(work);
        ok = why.isEmpty();
    }
    if (ok)
        ok = DatabaseFile::replace(work, target, &why);
    if (!ok) {
        DatabaseFile::removeWithCompanions(work);
        if (error)
            *error = why;
    }
    return ok;
}

Answer DataBackup::backUp(QString target)
{
    target = target.trimmed();
    if (target.isEmpty())
        return Answer::declined();
    // A name typed without a kind gets ours, so the restore program finds the copy.
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".db");
    if (copyTo(target))
        return Answer::info(QStringLiteral("확인"), QStringLiteral("자료가 성공적으로 보관 되었습니다."));
    return Answer::refused(QStringLiteral("오류"), QStringLiteral("자료 보관에 실패 하였습니다. 관리자에게 문의 하세요."));
}
