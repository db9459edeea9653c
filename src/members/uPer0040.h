#pragma once
#include <QWidget>

class MemberChooser;
class QPushButton;
class QRadioButton;

// "등록확인": the four-page registration confirmation of one member for the family.
class TfPer0040 : public QWidget {
    Q_OBJECT
public:
    explicit TfPer0040(QWidget* parent = nullptr);

    // 0 preview, 1 printer; false (nothing shown) without a member.
    bool run(int destination);
    void reloadNames();

    QRadioButton* rdo_New = nullptr;
    QRadioButton* rdo_All = nullptr;
    MemberChooser* com_Name = nullptr; // keyed by 회원번호: namesakes stay apart
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPrint = nullptr;
};
