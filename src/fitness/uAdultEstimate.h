#pragma once
#include "fitness/EvaluationTextScreen.h"

// "성인체력측정평가 내용": the evaluation sentences per grade.
class TfAdultEstimate : public EvaluationTextScreen {
    Q_OBJECT
public:
    explicit TfAdultEstimate(QWidget* parent = nullptr);
};
