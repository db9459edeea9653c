#pragma once
#include <QWidget>

class CodeCombo;
class DateEdit;
class MemberChooser;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// "상장 발부": one member's award certificate, complete or for pre-printed paper; recorded when printed.
class TfPri0010 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri0010(QWidget* parent = nullptr);

    MemberChooser* Com_Name = nullptr;
    CodeCombo* Com_Award = nullptr;
    QLineEdit* edt_Count = nullptr;   // 횟수
    QLineEdit* edt_Months = nullptr;  // 개월수
    DateEdit* dtpk_Date = nullptr;
    QLineEdit* edt_Remark = nullptr;
    QRadioButton* rdo_Form = nullptr;
    QRadioButton* rdo_Forms = nullptr;
    QStackedWidget* pnl_Text = nullptr;
    QLineEdit* edt_Line[5] = {};
    QPushButton* btn_Store = nullptr;
    QPushButton* btn_Preview = nullptr;
    QPushButton* btn_Print = nullptr;

    bool run(int destination);
    void btn_StoreClick();
    void Com_AwardChange();
};
