#include "db/Session.h"

#include "db/Query.h"

namespace {
QString g_lastClosed = QStringLiteral("000000");
QString g_selected;
}

QString Session::lastClosedMonth() { return g_lastClosed; }

void Session::setLastClosedMonth(const QString& m) { g_lastClosed = m.isEmpty() ? QStringLiteral("000000") : m; }

void Session::reloadLastClosedMonth()
{
    const QVariant v = db::scalar(QStringLiteral(" SELECT MAX(마감연월)  FROM   T_금전출납마감  WHERE  마감여부 ='1'"));
    setLastClosedMonth(v.isNull() ? QString() : v.toString());
}

QString Session::selectedMemberNo() { return g_selected; }

void Session::setSelectedMemberNo(const QString& no) { g_selected = no; }

void Session::reset()
{
    g_lastClosed = QStringLiteral("000000");
    g_selected.clear();
}
