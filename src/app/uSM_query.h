#pragma once
#include "app/LaunchScreen.h"

// Launch screen "조회업무".
class TfSM_query : public LaunchScreen {
    Q_OBJECT
public:
    explicit TfSM_query(QWidget* parent = nullptr)
        : LaunchScreen(QStringLiteral("TfSM_query"), QStringLiteral("조회업무"), QStringLiteral("종료"), parent) {}
};
