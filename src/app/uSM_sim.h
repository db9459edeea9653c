#pragma once
#include "app/LaunchScreen.h"

// Launch screen "심사업무".
class TfSM_sim : public LaunchScreen {
    Q_OBJECT
public:
    explicit TfSM_sim(QWidget* parent = nullptr)
        : LaunchScreen(QStringLiteral("TfSM_sim"), QStringLiteral("심사업무"), QStringLiteral("종료"), parent) {}
};
