#pragma once
#include <QLocale>
#include <QString>

// Whole won as the screens and printouts show it: ",##0" ("1,234,500").
inline QString moneyText(qint64 won) { return QLocale(QLocale::English).toString(won); }
