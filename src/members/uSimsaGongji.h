#pragma once
#include "members/JournalBatchScreen.h"

// "개인공지사항 일괄입력"
class TfSimsaGongji : public JournalBatchScreen {
    Q_OBJECT
public:
    explicit TfSimsaGongji(QWidget* parent = nullptr);
};
