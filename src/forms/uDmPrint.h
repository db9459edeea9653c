#pragma once
#include <QList>
#include <QWidget>

#include "forms/DmMailing.h"

class CodeCombo;
class DateEdit;
class DivisionFilter;
class ListModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class SchoolYearFilter;

// "DM 발송": members by status and many filters, address labels for mailing and the mailing-list file.
class TfDmPrint : public QWidget {
    Q_OBJECT
public:
    explicit TfDmPrint(QWidget* parent = nullptr);

    QRadioButton* rdo_Current = nullptr;
    QRadioButton* rdo_Leave = nullptr;
    QRadioButton* rdo_Out = nullptr;
    QComboBox* com_Name = nullptr;
    DivisionFilter* com_bu = nullptr;
    QComboBox* com_Belt = nullptr;
    QLineEdit* edt_School = nullptr;
    SchoolYearFilter* com_Year = nullptr;
    CodeCombo* com_Area = nullptr;
    QLineEdit* edt_Address = nullptr;
    // Birthdays "MM-DD" of the member, the father and the mother.
    QCheckBox* chk_Self = nullptr;
    QCheckBox* chk_Father = nullptr;
    QCheckBox* chk_Mother = nullptr;
    QLineEdit* edt_Birth[3][2] = {};
    // 입관일자, 복관일자, 퇴관일자, 휴관일자.
    QCheckBox* chk_Date[4] = {};
    DateEdit* dtp_Date[4][2] = {};
    QTableView* grd_List = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* lbl_Found = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Dm = nullptr;
    QPushButton* Btn_Email = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Btn_QueryClick();
    bool Btn_DmClick(int destination = 0);
    void Btn_EmailClick();
    QList<DmMailing::Row>& rows() { return m_rows; }

private:
    DmMailing::Status status() const;
    void statusChanged();
    bool anyTicked() const;

    QList<DmMailing::Row> m_rows;
    ListModel* m_model = nullptr;
};
