#pragma once
#include <QWidget>

#include "fees/YearEndStatement.h"

class DivisionFilter;
class QAbstractItemModel;
class QComboBox;
class QLineEdit;
class QTableView;
class ListModel;

// Page 5 of the fee window, "연말정산/세무서": the members and, for the ticked ones, the statement of the
// year's training fees for the parents' income-tax return.
class FeeYearEndPage : public QWidget {
    Q_OBJECT
public:
    enum Column { ColNo, ColEnrolled, ColName, ColDivision, ColNote, ColAddress, ColResidentNo, ColCount };

    explicit FeeYearEndPage(QWidget* parent = nullptr);
    void setNames(QAbstractItemModel* names);
    int count() const;

    void Btn_QueryClick();
    void Btn_PrintClick();

    DivisionFilter* com_FeeBu = nullptr;
    QComboBox* com_FeeName = nullptr;
    QLineEdit* edt_Year = nullptr;
    QTableView* lsv_FeeSend = nullptr;
    ListModel* model = nullptr;
    QLineEdit* edt_ParentName = nullptr;
    QLineEdit* edt_ParentJuminNo = nullptr;
    QLineEdit* edt_Relation = nullptr;
    QLineEdit* edt_DayTime = nullptr;
    QLineEdit* edt_WeekDay = nullptr;

signals:
    void countChanged();

private:
    QList<YearEndStatement::Line> m_lines;
};
