#include "db/Session.h"

#include "db/MonthKey.h"
#include "db/Query.h"

#include <optional>

namespace {
std::optional<QString> g_lastClosed; // empty until read
QString g_selected;
}

QString Session::lastClosedMonth()
{
    if (!g_lastClosed)
        reloadLastClosedMonth();
    return *g_lastClosed;
}

bool Session::isClosedMonth(const QString& monthKey) { return monthKey <= lastClosedMonth(); }

bool Session::isClosedDay(const QDate& day) { return day.isValid() && isClosedMonth(monthkey::monthKey(day)); }

void Session::reloadLastClosedMonth()
{
    const QVariant v = db::scalar(QStringLiteral(" SELECT MAX(마감연월)  FROM   T_금전출납마감  WHERE  마감여부 ='1'"));
    g_lastClosed = v.isNull() || v.toString().isEmpty() ? QStringLiteral("000000") : v.toString();
}

void Session::forgetLastClosedMonth() { g_lastClosed.reset(); }

QString Session::selectedMemberNo() { return g_selected; }

void Session::setSelectedMemberNo(const QString& no) { g_selected = no; }

void Session::reset()
{
    g_lastClosed.reset();
    g_selected.clear();
}
