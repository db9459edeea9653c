#pragma once
#include "app/LaunchScreen.h"

// Launch screen "양식출력".
class TfSM_form : public LaunchScreen {
    Q_OBJECT
public:
    explicit TfSM_form(QWidget* parent = nullptr)
        : LaunchScreen(QStringLiteral("TfSM_form"), QStringLiteral("양식출력"), QStringLiteral("종 료"), parent) {}
};
