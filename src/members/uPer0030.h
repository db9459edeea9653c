#pragma once
#include <QList>
#include <QWidget>

class QCheckBox;
class MemberChooser;
class QPushButton;

// "개인자료 일괄출력": any of twelve sections of one current member's data, printed one after another.
class TfPer0030 : public QWidget {
    Q_OBJECT
public:
    explicit TfPer0030(QWidget* parent = nullptr);

    bool run(int destination); // 0 preview, 1 printer

    QList<QCheckBox*> chk_Parts;
    MemberChooser* com_Name = nullptr; // keyed by 회원번호: namesakes stay apart
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPrint = nullptr;
};
