#pragma once
#include "settings/CodeSettingsScreen.h"

class TfAbsRsn : public CodeSettingsScreen {
    Q_OBJECT
public:
    explicit TfAbsRsn(QWidget* parent = nullptr);
};
