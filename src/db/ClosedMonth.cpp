#include "db/ClosedMonth.h"

#include "db/MonthKey.h"
#include "db/JetSql.h"
#include "db/Query.h"

namespace db {

namespace {
const QString kClosingLock = QStringLiteral("tamrin:마감");
}

void lockClosing()
{
    if (onServer())
        run(QStringLiteral("SELECT pg_advisory_xact_lock(hashtext(:key))"), {{QStringLiteral("key"), kClosingLock}});
}

QString lastClosedMonth()
{
    if (onServer() && Transaction::active())
        run(QStringLiteral("SELECT pg_advisory_xact_lock_shared(hashtext(:key))"), {{QStringLiteral("key"), kClosingLock}});
    const QVariant v = scalar(QStringLiteral(" SELECT MAX(마감연월)  FROM   T_금전출납마감  WHERE  마감여부 ='1'"));
    return v.isNull() || v.toString().isEmpty() ? QStringLiteral("000000") : v.toString();
}

bool isClosedMonth(const QString& monthKey) { return monthKey <= lastClosedMonth(); }

bool isClosedDay(const QDate& day) { return day.isValid() && isClosedMonth(monthkey::monthKey(day)); }

} // namespace db
