#pragma once
#include "settings/CodeSettingsScreen.h"

class TfEnv0030 : public CodeSettingsScreen {
    Q_OBJECT
public:
    explicit TfEnv0030(QWidget* parent = nullptr);
};
