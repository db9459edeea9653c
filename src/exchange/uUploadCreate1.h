#pragma once
#include "exchange/UploadScreen.h"

// 수련생자료생성: one line per ticked trainee with his whole record for the web pages.
class TfUploadCreate1 : public UploadScreen {
    Q_OBJECT
public:
    explicit TfUploadCreate1(QWidget* parent = nullptr)
        : UploadScreen(Kind::Records, QStringLiteral("TfUploadCreate1"), QStringLiteral("수련생자료생성"), parent)
    {
    }
};
