#pragma once
#include <QWidget>

class QPushButton;

// 중앙보고 자료: writes the analysis file for the central office.
class TfAssSend : public QWidget {
    Q_OBJECT
public:
    explicit TfAssSend(QWidget* parent = nullptr);
    void btn_SendClick();

    QPushButton* btn_Send = nullptr;
    QPushButton* btn_Exit = nullptr;
};
