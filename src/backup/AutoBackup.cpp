#include "backup/AutoBackup.h"

#include "backup/DataBackup.h"
#include "db/Clock.h"
#include "db/DbError.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "ui/StatusLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

QRegularExpression datedName()
{
    return QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(DataBackup::alias())
                              + QStringLiteral("_(\\d{8})_(\\d{4})\\.db$"));
}

void writeSchool(const QString& column, const QVariant& value)
{
    if (SchoolInfo::exists())
        db::run(QStringLiteral("update T_도장정보 set %1 = :v").arg(column), {{QStringLiteral("v"), value}});
    else
        db::run(QStringLiteral("insert into T_도장정보 (%1) values (:v)").arg(column), {{QStringLiteral("v"), value}});
}

} // namespace

AutoBackup::Setting AutoBackup::setting()
{
    Setting s;
    db::Query q(QStringLiteral("SELECT 자동보관, 자동보관개수 FROM T_도장정보"));
    q.open();
    if (q.next()) {
        const int when = q.str("자동보관").toInt();
        if (when == int(When::AtEnd) || when == int(When::Daily))
            s.when = When(when);
        if (!q.isNull("자동보관개수") && q.integer("자동보관개수") > 0)
            s.keep = int(q.integer("자동보관개수"));
    }
    return s;
}

void AutoBackup::saveSetting(const Setting& s)
{
    db::Transaction tx;
    writeSchool(QStringLiteral("자동보관"), QString::number(int(s.when)));
    writeSchool(QStringLiteral("자동보관개수"), std::max(1, s.keep));
    tx.commit();
}

QStringList AutoBackup::whenTexts()
{
    return {QStringLiteral("사용 안 함"), QStringLiteral("프로그램 종료 때"), QStringLiteral("매일 첫 시작 때")};
}

QString AutoBackup::folder() { return ProgramDir::file(QStringLiteral("backup/자동/")); }

QString AutoBackup::nameAt(const QDateTime& at)
{
    return DataBackup::alias() + at.toString(QStringLiteral("_yyyyMMdd_HHmm")) + QStringLiteral(".db");
}

QStringList AutoBackup::copiesIn(const QString& dir)
{
    const QRegularExpression re = datedName();
    QStringList names;
    for (const QString& n : QDir(dir).entryList(QDir::Files))
        if (re.match(n).hasMatch())
            names.append(n);
    // The name holds the moment: newest first by name.
    std::sort(names.begin(), names.end(), std::greater<QString>());
    QStringList out;
    for (const QString& n : names)
        out.append(QDir(dir).absoluteFilePath(n));
    return out;
}

AutoBackup::Result AutoBackup::take(const QString& dir, int keep)
{
    Result r;
    if (!QDir().mkpath(dir)) {
        r.error = QStringLiteral("보관 폴더를 만들 수 없습니다: ") + QDir::toNativeSeparators(dir);
        return r;
    }
    r.file = QDir(dir).absoluteFilePath(nameAt(Clock::now()));
    QString why;
    if (!DataBackup::copyTo(r.file, &why)) {
        r.error = why.isEmpty() ? QStringLiteral("자료를 보관할 수 없습니다.") : why;
        return r;
    }
    r.ok = true;
    if (keep < 1)
        return r;
    const QStringList copies = copiesIn(dir);
    for (qsizetype i = keep; i < copies.size(); ++i) {
        if (copies[i] == r.file)
            continue; // a clock set back must not cost the copy just taken
        if (QFile::remove(copies[i]))
            r.removed.append(copies[i]);
    }
    return r;
}

bool AutoBackup::takenToday()
{
    const QString today = Clock::today().toString(QStringLiteral("yyyyMMdd"));
    const QRegularExpression re = datedName();
    for (const QString& file : copiesIn(folder()))
        if (re.match(QFileInfo(file).fileName()).captured(1) == today)
            return true;
    return false;
}

QString AutoBackup::keptFailure()
{
    return db::scalar(QStringLiteral("SELECT 자동보관실패 FROM T_도장정보")).toString();
}

void AutoBackup::keepFailure(const QString& text)
{
    try {
        writeSchool(QStringLiteral("자동보관실패"), text.isEmpty() ? QVariant() : QVariant(text));
    } catch (const db::Error&) {
        // The database itself may be what failed; the user was told now in any case.
    }
}

AutoBackup::Result AutoBackup::takeNow()
{
    Result r = take(folder(), setting().keep);
    if (!r.ok)
        keepFailure(Clock::now().toString(QStringLiteral("yyyy-MM-dd hh:mm")) + QStringLiteral(" 자동 보관 실패: ") + r.error);
    return r;
}

Answer AutoBackup::start()
{
    Answer answer;
    const QString before = keptFailure();
    if (!before.isEmpty()) {
        answer = Answer::warning(QStringLiteral("확인요망"),
                                 QStringLiteral("지난 자동 보관이 되지 않았습니다.\n") + before
                                     + QStringLiteral("\n\n\"자료보관\"으로 지금 보관하거나 관리자에게 문의 하세요."));
        keepFailure(QString());
    }
    if (setting().when != When::Daily || takenToday())
        return answer;
    const Result r = takeNow();
    StatusLine::show(r.ok ? QStringLiteral("자동 보관: ") + QDir::toNativeSeparators(r.file)
                          : QStringLiteral("자동 보관 실패: ") + r.error);
    return answer;
}

Answer AutoBackup::end()
{
    if (setting().when != When::AtEnd)
        return Answer::done();
    const Result r = takeNow();
    if (r.ok)
        return Answer::done();
    return Answer::refused(QStringLiteral("확인요망"),
                           QStringLiteral("자동 보관에 실패 하였습니다. 다음 시작 때 다시 알려 드립니다.\n") + r.error,
                           Message::Level::Warning);
}
