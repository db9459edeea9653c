#include "db/MemberStatus.h"

namespace MemberStatus {

namespace {
QString col(const QString& alias, const char* name)
{
    const QString c = QString::fromUtf8(name);
    return alias.isEmpty() ? c : alias + u'.' + c;
}
QString isNull(const QString& alias, const char* name)
{
    const QString c = col(alias, name);
    return QStringLiteral("(%1 Is Null Or %1 = '')").arg(c);
}
QString notNull(const QString& alias, const char* name)
{
    const QString c = col(alias, name);
    return QStringLiteral("(%1 Is Not Null And %1 <> '')").arg(c);
}
}

QString notWithdrawn(const QString& a) { return isNull(a, "퇴관일"); }

QString active(const QString& a) { return QStringLiteral("(%1 AND %2)").arg(isNull(a, "퇴관일"), isNull(a, "휴관일")); }

QString onLeave(const QString& a) { return QStringLiteral("(%1 AND %2)").arg(notNull(a, "휴관일"), isNull(a, "퇴관일")); }

QString withdrawn(const QString& a) { return notNull(a, "퇴관일"); }

QString returned(const QString& a) { return QStringLiteral("(%1 Or %2)").arg(notNull(a, "복관일퇴"), notNull(a, "복관일휴")); }

QString enrolledBy(const QString& a, const QString& param)
{
    return QStringLiteral("%1 <= %2").arg(col(a, "입관일"), param);
}

QString enrolledByMonth(const QString& a, const QString& param)
{
    return QStringLiteral("Mid(%1, 1, 7) <= %2").arg(col(a, "입관일"), param);
}

State stateOf(const QString& withdrawalDate, const QString& leaveDate)
{
    if (!withdrawalDate.trimmed().isEmpty())
        return State::Withdrawn;
    if (!leaveDate.trimmed().isEmpty())
        return State::OnLeave;
    return State::Active;
}

QString stateName(State s)
{
    switch (s) {
    case State::Active: return QStringLiteral("재원");
    case State::OnLeave: return QStringLiteral("휴관");
    case State::Withdrawn: return QStringLiteral("퇴관");
    }
    return QString();
}

} // namespace MemberStatus
