#pragma once
#include <QWidget>

#include "fees/Receipts.h"

class DivisionFilter;
class QAbstractItemModel;
class QComboBox;
class QDateEdit;
class QPlainTextEdit;
class QRadioButton;
class QTableView;
class ListModel;

// Page 3 of the fee window, "영수증 발부": the payments of a period, numbered receipts three to a sheet
// and the receipt data file.
class FeeReceiptPage : public QWidget {
    Q_OBJECT
public:
    enum Column { ColNo, ColName, ColDivision, ColMonth, ColPaidOn, ColAmount, ColNote, ColEmail, ColMobile, ColCount };

    explicit FeeReceiptPage(QWidget* parent = nullptr);
    void setNames(QAbstractItemModel* names);
    int count() const;
    QList<Receipts::Line> tickedLines() const;

    void Btn_QueryClick();
    void Btn_PrintClick();
    void btn_EmailClick();

    DivisionFilter* com_buAll3 = nullptr;
    QComboBox* com_Name3 = nullptr;
    QDateEdit* AllToday3 = nullptr;
    QDateEdit* AllToday31 = nullptr;
    QTableView* lvView3 = nullptr;
    ListModel* model = nullptr;
    QPlainTextEdit* Mem_Gongji = nullptr;
    QRadioButton* rdo_ReqFormat = nullptr;
    QRadioButton* rdo_ReqForms = nullptr;

signals:
    void countChanged();

private:
    QList<Receipts::Line> m_lines;
};
