#include "exchange/uAssSend.h"

#include "exchange/AnalysisFile.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("중앙보고자료");
}

TfAssSend::TfAssSend(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfAssSend"));
    setWindowTitle(QStringLiteral("중앙보고 자료"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(360, 140);
    auto* root = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("인원 현황과 휴·퇴관, 입관동기 자료를 분석자료 파일로 만듭니다."), this);
    text->setWordWrap(true);
    root->addWidget(text);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    btn_Send = new QPushButton(QStringLiteral("분석자료  생성"), this);
    btn_Send->setObjectName(QStringLiteral("btn_Send"));
    btn_Exit = new QPushButton(QStringLiteral("종     료"), this);
    btn_Exit->setObjectName(QStringLiteral("btn_Exit"));
    bar->addWidget(btn_Send);
    bar->addWidget(btn_Exit);
    root->addLayout(bar);
    connect(btn_Send, &QPushButton::clicked, this, &TfAssSend::btn_SendClick);
    connect(btn_Exit, &QPushButton::clicked, this, &QWidget::close);
}

void TfAssSend::btn_SendClick()
{
    QString why;
    if (!AnalysisFile::write(&why)) {
        Dialogs::error(kCaption, why, this);
        return;
    }
    Dialogs::info(kCaption, QStringLiteral("작업이 완료되었습니다."), this);
    StatusLine::show(QDir::toNativeSeparators(AnalysisFile::path()) + QStringLiteral(" 파일이 생성되었습니다."));
}
