#include "db/Clock.h"

namespace {
QDateTime g_fixed;
}

QDate Clock::today() { return now().date(); }

QDateTime Clock::now() { return g_fixed.isValid() ? g_fixed : QDateTime::currentDateTime(); }

QString Clock::todayText() { return today().toString(QStringLiteral("yyyy-MM-dd")); }

QString Clock::thisMonthKey() { return today().toString(QStringLiteral("yyyyMM")); }

void Clock::setFixed(const QDateTime& at) { g_fixed = at; }

void Clock::reset() { g_fixed = QDateTime(); }
