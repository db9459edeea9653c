#include "attendance/Absences.h"

#include "db/CodeTables.h"
#include "db/Query.h"
#include "db/TextWidths.h"
#include "db/MeritPoints.h"

namespace Absences {

namespace {
const QString kUnexcused = QStringLiteral("무단결석");
}

QString reasonItem(const QString& code, const QString& name) { return codes::itemText(code, name); }

QStringList reasonItems()
{
    QStringList out;
    db::Query q(QStringLiteral("select * from T_결석사유"));
    q.open();
    while (q.next())
        out.append(reasonItem(q.str(QStringLiteral("결석사유코드")), q.str(QStringLiteral("결석사유"))));
    return out;
}

bool holdsReason(const QString& reasonText)
{
    const QString t = reasonText.trimmed();
    return !t.isEmpty() && t != QStringLiteral(")");
}

QString reasonCode(const QString& reasonText) { return codes::codeOf(reasonText).trimmed(); }

QString reasonName(const QString& reasonText)
{
    const int at = reasonText.indexOf(u')');
    return (at < 0 ? QString() : reasonText.mid(at + 1)).trimmed();
}

namespace {
// A note or reason longer than its column, refused with the member named.
void checkWidths(const Entry& e)
{
    for (const auto& [column, text] : {std::pair{QStringLiteral("비고"), e.note}, std::pair{QStringLiteral("비고2"), e.reason}})
        if (QString p = db::widthProblem(QStringLiteral("T_결석"), column, text, column == u"비고" ? QStringLiteral("비고") : QStringLiteral("결석사유"));
            !p.isEmpty())
            throw db::Error(QStringLiteral("회원번호 %1 : %2").arg(e.memberNo, p), QStringLiteral("T_결석"));
}
} // namespace

void add(const Entry& e, bool bookPenalty)
{
    checkWidths(e);
    db::run(QStringLiteral("Insert Into T_결석 "
                           "(회원번호, 결석일자, 결석사유코드, 비고, 비고2) "
                           "Values (:no, :Today, :Code, :Etc, :Etc2)"),
            {{"no", e.memberNo}, {"Today", e.date}, {"Code", reasonCode(e.reason)}, {"Etc", e.note}, {"Etc2", e.reason}});
    if (!bookPenalty || reasonName(e.reason) != kUnexcused)
        return;
    const QString code = MeritPoints::itemCode(kUnexcused);
    if (!code.isEmpty() && !MeritPoints::has(e.memberNo, e.date, code))
        MeritPoints::add(e.memberNo, e.date, code, kUnexcused);
}

void correct(const QString& memberNo, const QDate& date, const Entry& e)
{
    checkWidths(e);
    db::run(QStringLiteral("update T_결석 "
                           "set "
                           "결석사유코드 = :결석사유코드, "
                           "비고 = :비고, "
                           "비고2 = :비고2 "
                           "where "
                           "회원번호 = :OLD_회원번호 and "
                           "결석일자 = :OLD_결석일자"),
            {{"결석사유코드", reasonCode(e.reason)},
             {"비고", e.note},
             {"비고2", e.reason},
             {"OLD_회원번호", memberNo},
             {"OLD_결석일자", date}});
}

void remove(const QString& memberNo, const QDate& date)
{
    db::run(QStringLiteral("delete from T_결석 "
                           "where "
                           "회원번호 = :OLD_회원번호 and "
                           "결석일자 = :OLD_결석일자"),
            {{"OLD_회원번호", memberNo}, {"OLD_결석일자", date}});
}

} // namespace Absences
