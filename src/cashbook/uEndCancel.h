#pragma once
#include "cashbook/MonthEndWindow.h"

// "월 마감취소": reopens the last closed month of the cash book.
class TfEndCancel : public MonthEndWindow {
    Q_OBJECT
public:
    explicit TfEndCancel(QWidget* parent = nullptr);
};
