#include "app/StartCheck.h"

#include "backup/AutoBackup.h"
#include "app/DataRestore.h"
#include "backup/DatabaseFile.h"
#include "db/Database.h"
#include "db/QuickCheck.h"
#include "ui/StatusLine.h"

#include <QFileInfo>

namespace {
const QString kCaption = QStringLiteral("자료 파일 확인");
}

QString StartCheck::newestGoodCopy()
{
    for (const QString& file : AutoBackup::copiesIn(AutoBackup::folder()))
        if (DatabaseFile::problem(file).isEmpty())
            return file;
    return {};
}

Answer StartCheck::openChecked(const QString& file, const Ask& ask)
{
    // Nothing open: why, after whatever was told on the way.
    const auto result = [](Answer told, bool open, const QString& why) {
        if (open)
            return told;
        if (!why.isEmpty())
            told.tell(Message::Level::Error, QStringLiteral("오류"), why);
        return told.refuse();
    };
    QString why;
    const bool existed = QFileInfo(file).isFile();
    bool open = db::openDatabase(file, &why);
    QString damage;
    if (open)
        damage = db::quickCheck();
    else if (existed)
        damage = DatabaseFile::problem(file); // opening failed: is the file itself broken?
    if (damage.isEmpty())
        return result(Answer::done(), open, why);

    Answer told;
    const QString copy = newestGoodCopy();
    if (copy.isEmpty()) {
        told.tell(Message::Level::Error, kCaption,
                  QStringLiteral("자료 파일이 손상되었습니다.\n%1\n\n되돌릴 자동 보관 자료가 없습니다. 관리자에게 문의 하세요.").arg(damage));
    } else {
        const QString when = QFileInfo(copy).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        Question q;
        q.buttons = Question::Buttons::YesNo;
        q.caption = kCaption;
        q.text = QStringLiteral("자료 파일이 손상되었습니다.\n%1\n\n가장 최근의 정상 자동 보관 자료(%2, %3)로 되돌리시겠습니까?\n"
                                "손상된 파일은 backup 폴더에 따로 보관합니다.")
                     .arg(damage, QFileInfo(copy).fileName(), when);
        if (ask(q)) {
            db::closeDatabase();
            const DataRestore::Result r = DataRestore::restore(copy, 0);
            if (r.outcome == DataRestore::Outcome::Restored) {
                open = db::openDatabase(file, &why);
                if (open)
                    return Answer::info(kCaption,
                                        QStringLiteral("%1 의 자료로 되돌렸습니다.\n손상된 파일: %2").arg(QFileInfo(copy).fileName(), r.safetyCopy));
            } else {
                told.tell(Message::Level::Error, kCaption, QStringLiteral("자료를 되돌리지 못했습니다. %1").arg(r.detail));
                open = db::openDatabase(file, &why);
            }
        }
    }
    if (open)
        StatusLine::show(QStringLiteral("자료 파일이 손상된 채로 시작했습니다. 자료복구를 하세요."));
    return result(told, open, why);
}
