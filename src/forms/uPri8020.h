#pragma once
#include <QList>
#include <QWidget>

#include "forms/CompletionCertificates.h"

class DateEdit;
class ListModel;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// "수료증 발급 조회": the register of issued completion certificates, with deletion.
class TfPri8020 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri8020(QWidget* parent = nullptr);

    QLineEdit* edt_Name = nullptr;
    DateEdit* dtpk_From = nullptr;
    DateEdit* dtpk_To = nullptr;
    QCheckBox* chk_Date = nullptr;
    QTableView* grd_List = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* lbl_Found = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Btn_QueryClick();
    void Btn_DeleteClick();
    const QList<CompletionCertificates::Issued>& rows() const { return m_rows; }

private:
    void show();
    QList<CompletionCertificates::Issued> m_rows;
    ListModel* m_model = nullptr;
};
