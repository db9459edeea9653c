#pragma once
#include <QWidget>

class QLineEdit;
class QPushButton;

// "금전출납초기값 설정": the month before the first cash-book line and the income and expense
// accumulated up to then. It can be corrected or removed until the month after it is closed.
class TfMoneyMaster : public QWidget {
    Q_OBJECT
public:
    explicit TfMoneyMaster(QWidget* parent = nullptr);

    QLineEdit* edt_Month = nullptr;    // 마감연월
    QLineEdit* edt_Income = nullptr;   // 차변누계금액
    QLineEdit* edt_Expense = nullptr;  // 대변누계금액
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_QueryClick();
    Q_INVOKABLE void Refresh() { load(); } // the closing rows changed elsewhere
    void Btn_OkClick();
    void Btn_CancelClick();

private:
    void load();
    void rest();
    bool m_editable = true;
};
