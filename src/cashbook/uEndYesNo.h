#pragma once
#include <QDate>
#include <QWidget>

class QDateEdit;
class QPushButton;

// "월 마감작업": closes one month of the cash book.
class TfEndYesNo : public QWidget {
    Q_OBJECT
public:
    explicit TfEndYesNo(QWidget* parent = nullptr);
    void setMonth(const QDate& firstDay);

    QDateEdit* dtpk_Month = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Close = nullptr;
    void Btn_OkClick();
};
