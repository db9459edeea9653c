#pragma once
#include "members/JournalBatchScreen.h"

// "건의사항내용 일괄입력"
class TfRequire : public JournalBatchScreen {
    Q_OBJECT
public:
    explicit TfRequire(QWidget* parent = nullptr);
};
