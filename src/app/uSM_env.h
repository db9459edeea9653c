#pragma once
#include "app/LaunchScreen.h"

// Launch screen "환경정의".
class TfSM_env : public LaunchScreen {
    Q_OBJECT
public:
    explicit TfSM_env(QWidget* parent = nullptr)
        : LaunchScreen(QStringLiteral("TfSM_env"), QStringLiteral("환경정의"), QStringLiteral("종료"), parent) {}
};
