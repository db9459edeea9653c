#pragma once
#include <QWidget>

class DateEdit;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableView;
class ListModel;

// 온라인 퇴관자료: withdrawn members and their transfer files.
class TfDataSend : public QWidget {
    Q_OBJECT
public:
    explicit TfDataSend(QWidget* parent = nullptr);

    void btn_QueryClick();
    void btn_SendClick();
    ListModel* list() const { return m_list; }

    QLineEdit* edt_Name = nullptr;
    QCheckBox* chk_Date = nullptr;
    DateEdit* dtpk_Date = nullptr;
    QPushButton* btn_Query = nullptr;
    QPushButton* btn_Send = nullptr;
    QPushButton* btn_Exit = nullptr;
    QTableView* grd_List = nullptr;

private:
    ListModel* m_list = nullptr;
};
