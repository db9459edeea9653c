#pragma once
#include "exchange/UploadScreen.h"

// SMS 문자 메시지 전송: name and mobile number of every ticked trainee.
class TfUploadCreate9 : public UploadScreen {
    Q_OBJECT
public:
    explicit TfUploadCreate9(QWidget* parent = nullptr)
        : UploadScreen(Kind::Sms, QStringLiteral("TfUploadCreate9"), QStringLiteral("SMS 문자 메시지 전송"), parent)
    {
    }
};
