#pragma once
#include "fitness/FitnessResultScreen.h"

// "체력측정결과 평가": the graded evaluation sheets and the fitness file of the web notices.
class TfPri5060 : public FitnessResultScreen {
    Q_OBJECT
public:
    explicit TfPri5060(QWidget* parent = nullptr);

    QPushButton* Btn_Data = nullptr; // 자료생성

    void Btn_PrintClick();
    void Btn_DataClick();
};
