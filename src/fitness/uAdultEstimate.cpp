#include "fitness/uAdultEstimate.h"

TfAdultEstimate::TfAdultEstimate(QWidget* parent)
    : EvaluationTextScreen(EvaluationTexts::Kind::Adult, QStringLiteral("성인체력측정평가 내용"), QStringLiteral("성 인 체 력 측 정   평 가   내 용"), parent)
{
    setObjectName(QStringLiteral("TfAdultEstimate"));
    resize(760, 470);
}
