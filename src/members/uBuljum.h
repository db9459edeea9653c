#pragma once
#include "members/JournalBatchScreen.h"

// "상벌점 일괄입력"
class TfBuljum : public JournalBatchScreen {
    Q_OBJECT
public:
    explicit TfBuljum(QWidget* parent = nullptr);
};
