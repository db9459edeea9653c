#pragma once
#include "fitness/FitnessResultScreen.h"

class QPlainTextEdit;

// "체력측정결과 일괄출력": the trainees' measurement history with the parent letter or the latest
// concentration tests.
class TfPri5050 : public FitnessResultScreen {
    Q_OBJECT
public:
    explicit TfPri5050(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1 = nullptr;
    QRadioButton* rdo_Tongsinmun = nullptr;
    QRadioButton* rdo_Jibjungdo = nullptr;

    void Btn_PrintClick();
    QString layoutName() const; // 측정결과1.rpt … 측정결과4.rpt by content and style
};
