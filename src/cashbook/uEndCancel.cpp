#include "cashbook/uEndCancel.h"

#include "cashbook/MonthClosing.h"

TfEndCancel::TfEndCancel(QWidget* parent)
    : MonthEndWindow({QStringLiteral("월 마감취소"), QStringLiteral("월  마  감  취 소"), QStringLiteral("마감취소 월"),
                      QStringLiteral("마감취소"), QStringLiteral("마감취소 작업 오류입니다."),
                      QStringLiteral("마감취소 작업이 완료되었습니다."), QStringLiteral("월 마감취소")},
                     &MonthClosing::checkCancel, &MonthClosing::cancel, parent)
{
}
