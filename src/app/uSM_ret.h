#pragma once
#include "app/LaunchScreen.h"

// Launch screen "퇴관업무".
class TfSM_ret : public LaunchScreen {
    Q_OBJECT
public:
    explicit TfSM_ret(QWidget* parent = nullptr)
        : LaunchScreen(QStringLiteral("TfSM_ret"), QStringLiteral("퇴관업무"), QStringLiteral("종료"), parent) {}
};
