#pragma once
#include "settings/CodeSettingsScreen.h"

class TfRReason : public CodeSettingsScreen {
    Q_OBJECT
public:
    explicit TfRReason(QWidget* parent = nullptr);
};
