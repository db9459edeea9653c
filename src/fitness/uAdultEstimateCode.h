#pragma once
#include <QWidget>

class QPushButton;
class QTableView;
class ListModel;

// "성 인 체 력 측 정 항 목": the names of the eight adult items (the codes are fixed).
class TfAdultEstimateCode : public QWidget {
    Q_OBJECT
public:
    explicit TfAdultEstimateCode(QWidget* parent = nullptr);

    QTableView* grd_Item = nullptr;
    ListModel* model = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Save = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Btn_EditClick();
    void Btn_SaveClick();
    void Btn_CancelClick();
    void Btn_QueryClick();

private:
    void setEditing(bool on);
};
