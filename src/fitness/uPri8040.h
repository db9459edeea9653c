#pragma once
#include <QWidget>

#include "fitness/FitnessAward.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class MemberChooser;

// "체력측정 시상": the award certificate of one trainee for one test item.
class TfPri8040 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri8040(QWidget* parent = nullptr);

    MemberChooser* Com_name = nullptr;
    QComboBox* Com_Prize = nullptr;
    QRadioButton* Rdo_Yes = nullptr;
    QRadioButton* Rdo_No = nullptr;
    QLineEdit* edt_no = nullptr;
    QDateEdit* indate = nullptr;
    QLineEdit* Edit1 = nullptr;
    QRadioButton* rdo_Form = nullptr;   // 형식 출력
    QRadioButton* rdo_Forms = nullptr;  // Forms 출력
    QPushButton* btn_Preview = nullptr;
    QPushButton* btn_Print = nullptr;

    void btn_PreviewClick();
    void btn_PrintClick();

private:
    bool run(int destination);
};
