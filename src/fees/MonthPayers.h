#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "ui/DivisionFilter.h"

// Page "당월 납부 현황" of the fee window: who paid for a month, and which earlier months of that year
// each payer still owes.
class MonthPayers {
public:
    enum class Order { PayDate, Division, Bank }; // 납부일자순, 부별순, 은행순

    struct Line {
        QString memberNo, name, division, enrolled, phone, payDay, paidOn, bank;
        QString unpaidMonths; // " 02 03": months of the year before this one that have no row
    };

    // The payers of the month of `month`; name matches anywhere in the name, bank from its start
    // (blank: every bank).
    static QList<Line> list(const QDate& month, const QString& name, const DivisionFilter::Condition& division,
                            const QString& bank, Order order);
};
