#pragma once
#include "members/JournalBatchScreen.h"

// "생활기록  일괄입력"
class TfLife : public JournalBatchScreen {
    Q_OBJECT
public:
    explicit TfLife(QWidget* parent = nullptr);
};
