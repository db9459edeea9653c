#pragma once
#include "attendance/uPri0020.h"

// "출석부 인쇄/납부일자": the attendance book that shows the birthdays of the current month.
class TfPri0022 : public TfPri0020 {
    Q_OBJECT
public:
    explicit TfPri0022(QWidget* parent = nullptr);
};
