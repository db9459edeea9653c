#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// The period lists of the inquiry page, printed from the grid as it is shown.
class CashPrint {
public:
    struct PeriodList {
        QDate from;
        QDate to;
        bool dateMode = true;
        QList<QStringList> rows;  // 날짜, 순번, 주항목, 소항목, 입금액, 출금액, 잔액, 적요 as shown
        QStringList totals;       // 입금총액, 출금총액, 잔액, 현잔 as shown
    };
    static QString layoutFile(bool dateMode) { return dateMode ? QStringLiteral("mon02_d.rpt") : QStringLiteral("mon02_i.Rpt"); }
    static QString windowTitle(bool dateMode)
    {
        return dateMode ? QStringLiteral("일/출금 일자별 조회") : QStringLiteral("일/출금 항목별 조회");
    }
    // Fills the staging table (lines and the end row) and runs the layout; destination 0 preview, 1 printer.
    static bool printPeriodList(const PeriodList& list, int destination, QWidget* parent = nullptr);
};
