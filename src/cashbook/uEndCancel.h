#pragma once
#include <QDate>
#include <QWidget>

class QDateEdit;
class QPushButton;

// "월 마감취소": reopens the last closed month of the cash book.
class TfEndCancel : public QWidget {
    Q_OBJECT
public:
    explicit TfEndCancel(QWidget* parent = nullptr);
    void setMonth(const QDate& firstDay);

    QDateEdit* dtpk_Month = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Close = nullptr;
    void Btn_OkClick();
};
