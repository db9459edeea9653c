#pragma once
#include <QWidget>

#include "attendance/CheckInReports.h"

class DateEdit;
class DivisionFilter;
class QChartView;
class QPushButton;

// "출석 그래프" of the check-in window: the members checked in on each day of a period, as bars;
// saved as a PNG picture or printed.
class CheckInChartPage : public QWidget {
    Q_OBJECT
public:
    explicit CheckInChartPage(QWidget* parent = nullptr);

    void btnRefreshClick();
    bool savePng(const QString& path) const; // false when the file could not be written
    void btnSaveClick();                     // asks for the file
    void btnPrintClick();                    // preview, from which the user prints

    const QList<std::pair<QDate, int>>& days() const { return m_days; }

    DivisionFilter* com_bu = nullptr;
    DateEdit* dtpk_FromDate = nullptr;
    DateEdit* dtpk_ToDate = nullptr;
    QPushButton* btnRefresh = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnPrint = nullptr;
    QChartView* chart = nullptr;

private:
    QList<std::pair<QDate, int>> m_days;
};
