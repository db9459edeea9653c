#pragma once
#include <QList>
#include <QWidget>

#include "forms/CompletionCertificates.h"

class DivisionFilter;
class ListModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// "수료증 발부": completion certificates for the ticked members of a division, numbered and recorded
// when their pages go out.
class TfPri8010 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri8010(QWidget* parent = nullptr);

    DivisionFilter* com_bu = nullptr;
    QComboBox* com_Name = nullptr;
    QLineEdit* edt_Remark = nullptr;
    QLineEdit* edt_Line[5] = {};
    QRadioButton* rdo_Form = nullptr;
    QRadioButton* rdo_Forms = nullptr;
    QTableView* grd_List = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* lbl_Found = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Issue = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Btn_QueryClick();
    bool Btn_IssueClick(int destination = 0);
    QList<CompletionCertificates::Row>& rows() { return m_rows; }

private:
    void loadNames();
    QList<CompletionCertificates::Row> m_rows;
    ListModel* m_model = nullptr;
};
