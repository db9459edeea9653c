#pragma once
#include "exchange/UploadScreen.h"

// 통신문자료생성: the newsletter recipients, those ticked who have an e-mail address.
class TfUploadCreate2 : public UploadScreen {
    Q_OBJECT
public:
    explicit TfUploadCreate2(QWidget* parent = nullptr)
        : UploadScreen(Kind::Newsletter, QStringLiteral("TfUploadCreate2"), QStringLiteral("통신문자료생성"), parent)
    {
    }
};
