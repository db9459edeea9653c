#pragma once
#include <QWidget>

#include "attendance/CheckInReports.h"

class DateEdit;
class DivisionFilter;
class ListModel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// "출석 현황" of the check-in window: the check-ins of a period, division and name, one line per
// check-in ("일자별") or per member ("회원별"), saved as Excel or CSV.
class CheckInListPage : public QWidget {
    Q_OBJECT
public:
    explicit CheckInListPage(QWidget* parent = nullptr);

    void btnRefreshClick();
    int lineCount() const;

    DivisionFilter* com_bu = nullptr;
    QLineEdit* edName = nullptr;
    DateEdit* dtpk_FromDate = nullptr;
    DateEdit* dtpk_ToDate = nullptr;
    QRadioButton* rbByDay = nullptr;
    QRadioButton* rbByMember = nullptr;
    QPushButton* btnRefresh = nullptr;
    QTableView* lvList = nullptr;

private:
    CheckInReports::Filter filter() const;

    QList<CheckInReports::DayLine> m_days;
    QList<CheckInReports::MemberLine> m_members;
    ListModel* m_dayModel = nullptr;
    ListModel* m_memberModel = nullptr;
};
