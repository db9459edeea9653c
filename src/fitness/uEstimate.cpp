#include "fitness/uEstimate.h"

TfEstimate::TfEstimate(QWidget* parent)
    : EvaluationTextScreen(EvaluationTexts::Kind::Trainee, QStringLiteral("체력측정결과평가 내용"), QStringLiteral("체 력 측 정 결 과   평 가   내 용"), parent)
{
    setObjectName(QStringLiteral("TfEstimate"));
    resize(760, 470);
}
