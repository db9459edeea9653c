#pragma once
#include "app/LaunchScreen.h"

// Launch screen "등록업무".
class TfSM_input : public LaunchScreen {
    Q_OBJECT
public:
    explicit TfSM_input(QWidget* parent = nullptr)
        : LaunchScreen(QStringLiteral("TfSM_input"), QStringLiteral("등록업무"), QStringLiteral("종료"), parent) {}
};
