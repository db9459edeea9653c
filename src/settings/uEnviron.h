#pragma once
#include "settings/CodeSettingsScreen.h"

class TfEnviron : public CodeSettingsScreen {
    Q_OBJECT
public:
    explicit TfEnviron(QWidget* parent = nullptr);
    // Back to the first page whenever the screen is brought to the front.
    Q_INVOKABLE void FormActivate();

protected:
    void afterApply(int pageIndex) override;
};
