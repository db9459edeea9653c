#pragma once
#include "fitness/EvaluationTextScreen.h"

// "체력측정결과평가 내용": the evaluation sentences per grade.
class TfEstimate : public EvaluationTextScreen {
    Q_OBJECT
public:
    explicit TfEstimate(QWidget* parent = nullptr);
};
