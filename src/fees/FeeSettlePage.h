#pragma once
#include <QWidget>

#include "fees/FeeSettlement.h"

class DivisionFilter;
class QAbstractItemModel;
class QComboBox;
class QDateEdit;
class QTableView;
class SettlementModel;

// Page 4 of the fee window, "수련비 정산": generate the unpaid months of a period as zero lines, tick
// and adjust them, record them, or list what was recorded.
class FeeSettlePage : public QWidget {
    Q_OBJECT
public:
    enum Column { ColNo, ColName, ColDivision, ColAmount, ColDate, ColMonth, ColCheck, ColNote, ColBank, ColCount };

    explicit FeeSettlePage(QWidget* parent = nullptr);
    ~FeeSettlePage() override;
    void setNames(QAbstractItemModel* names);
    int count() const { return m_settlement.count(); }
    FeeSettlement& settlement() { return m_settlement; }

    void Btn_InsertClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    void Btn_QueryClick();
    void discard(); // leaving the page drops the generated lines

    QDateEdit* dtFromMonth = nullptr;
    QDateEdit* dtToMonth = nullptr;
    DivisionFilter* com_Jungsanbu = nullptr;
    QComboBox* com_JungsanName = nullptr;
    QTableView* DBCtrlGrid2 = nullptr;

signals:
    void stateChanged(); // the toolbar follows idle / generated
    void countChanged();

private:
    void refresh();

    FeeSettlement m_settlement;
    SettlementModel* m_model = nullptr;
};
