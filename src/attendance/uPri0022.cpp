#include "attendance/uPri0022.h"

TfPri0022::TfPri0022(QWidget* parent) : TfPri0020(AttendanceBook::Variant::PaymentDay, parent)
{
    setObjectName(QStringLiteral("TfPri0022"));
    setWindowTitle(QStringLiteral("출석부 인쇄/납부일자"));
}
