#pragma once
#include "cashbook/MonthEndWindow.h"

// "월 마감작업": closes one month of the cash book.
class TfEndYesNo : public MonthEndWindow {
    Q_OBJECT
public:
    explicit TfEndYesNo(QWidget* parent = nullptr);
};
