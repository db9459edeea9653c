#pragma once
#include <QWidget>

class DivisionFilter;
class QAbstractItemModel;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class QTableView;
class ListModel;

// Page 1 of the fee window, "당월 납부 현황": the month's payers in one of three orders, each with the
// months of the year he still owes.
class FeeMonthPage : public QWidget {
    Q_OBJECT
public:
    enum Column { ColNo, ColName, ColDivision, ColEnrolled, ColPhone, ColPayDay, ColPaidOn, ColBank, ColUnpaid, ColCount };

    explicit FeeMonthPage(QWidget* parent = nullptr);
    void setNames(QAbstractItemModel* names);
    int count() const;

    void Btn_QueryClick();

    QDateEdit* AllToday = nullptr;
    DivisionFilter* com_buAll = nullptr;
    QComboBox* com_Name1 = nullptr;
    QLineEdit* Edt_NabbuBank = nullptr;
    QRadioButton* Opt_N1 = nullptr;
    QRadioButton* Opt_N2 = nullptr;
    QRadioButton* Opt_N3 = nullptr;
    QTableView* lvView = nullptr;
    ListModel* model = nullptr;

signals:
    void countChanged();
};
