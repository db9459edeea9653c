#pragma once
#include <QWidget>

class CodeCombo;
class MemberChooser;
class QPushButton;
class QRadioButton;

// "관원증 발부": one member's card with the photograph, or the cards of a division.
class TfPri0040 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri0040(QWidget* parent = nullptr);

    CodeCombo* com_bu = nullptr;
    MemberChooser* Com_Name = nullptr;
    QRadioButton* rdo_Form = nullptr;
    QRadioButton* rdo_Forms = nullptr;
    QPushButton* btn_Preview = nullptr;
    QPushButton* btn_Print = nullptr;

    bool run(int destination);
};
