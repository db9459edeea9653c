#pragma once
#include <QWidget>

#include "fees/PaymentNotices.h"
#include "fees/UnpaidList.h"

class DivisionFilter;
class QAbstractItemModel;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class ListModel;

// Page 2 of the fee window, "미납현황/납부 통지서": the members who owe fees with the total owed, the
// letter texts, the seven kinds of payment notice in two layouts, and the notice data file.
class FeeUnpaidPage : public QWidget {
    Q_OBJECT
public:
    enum Column { ColNo, ColName, ColDivision, ColEnrolled, ColPhone, ColPayDay, ColMonths, ColOwed, ColSex, ColEmail, ColMobile,
                  ColCount };

    explicit FeeUnpaidPage(QWidget* parent = nullptr);
    void setNames(QAbstractItemModel* names);
    int count() const;
    const UnpaidList::Result& result() const { return m_result; }
    PaymentNotices::Options options() const;  // what the page's choices say
    QList<UnpaidList::Line> tickedLines() const;

    void Btn_QueryClick();
    void Btn_PrintClick();
    void btn_ListClick(); // "미납자 명단": the listed members with what they owe, on one list
    void btn_EmailClick();
    void Button2Click();
    void dateHyunChange();

    QDateEdit* dateHyun = nullptr;
    DivisionFilter* com_buAll2 = nullptr;
    QComboBox* com_Name2 = nullptr;
    QRadioButton* rb1 = nullptr;
    QRadioButton* rb2 = nullptr;
    QCheckBox* rb3 = nullptr;
    QSpinBox* edtS1 = nullptr;
    QSpinBox* edtS2 = nullptr;
    QTableView* lvView2 = nullptr;
    ListModel* model = nullptr;
    QLabel* lbl_MinabTot = nullptr;
    QPushButton* btn_List = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QPushButton* Button2 = nullptr;
    QDateEdit* dateBal = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QRadioButton* Rd6 = nullptr;
    QRadioButton* Rd7 = nullptr;
    QRadioButton* Rd1 = nullptr;
    QRadioButton* Rd2 = nullptr;
    QRadioButton* Rd4 = nullptr;
    QRadioButton* Rd3 = nullptr;
    QRadioButton* Rd5 = nullptr;
    QRadioButton* Rdo_Jibjungdo = nullptr;
    QRadioButton* Rdo_Require = nullptr;

signals:
    void countChanged();

private:
    PaymentNotices::LetterChoice letterChoice() const;
    void letterChosen();

    UnpaidList::Result m_result;
};
