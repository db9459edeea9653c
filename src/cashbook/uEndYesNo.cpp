#include "cashbook/uEndYesNo.h"

#include "cashbook/MonthClosing.h"

TfEndYesNo::TfEndYesNo(QWidget* parent)
    : MonthEndWindow({QStringLiteral("월 마감작업"), QStringLiteral("월  마  감  작  업"), QStringLiteral("마감 월"),
                      QStringLiteral("마감작업"), QStringLiteral("마감작업 오류입니다."), QStringLiteral("마감작업이 완료되었습니다."),
                      QStringLiteral("확인")},
                     &MonthClosing::checkClose, &MonthClosing::close, parent)
{
}
