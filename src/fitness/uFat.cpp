#include "fitness/uFat.h"

#include "db/CodeTables.h"
#include "db/DbError.h"
#include "fitness/Obesity.h"
#include "fitness/ScreenParts.h"
#include "ui/Dialogs.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui = fitness::ui;

TfFat::TfFat(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfFat"));
    setWindowTitle(QStringLiteral("비만평가 내역"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(700, 500);

    QPushButton *insert = nullptr, *del = nullptr, *print = nullptr;
    auto* bar = ui::toolbar({{&insert, QStringLiteral("입     력")}, {&Btn_Edit, QStringLiteral("수     정")},
                             {&del, QStringLiteral("삭     제")}, {&Btn_Query, QStringLiteral("조     회")},
                             {&Btn_Save, QStringLiteral("확     인")}, {&Btn_Cancel, QStringLiteral("취     소")},
                             {&print, QStringLiteral("인     쇄")}, {&Btn_Close, QStringLiteral("종     료")}});
    for (QPushButton* b : {insert, del, print})
        b->setEnabled(false); // the bands themselves are data; only their text is edited here

    auto* choice = new QHBoxLayout;
    Com_Fat = new QComboBox;
    Com_Fat->addItem(QString());
    Com_Fat->addItems(Obesity::bandItems());
    choice->addWidget(new QLabel(QStringLiteral("비 만 도")));
    choice->addWidget(Com_Fat, 1);
    choice->addStretch(1);
    mem_Text = new QPlainTextEdit;
    mem_Text->setReadOnly(true);

    auto* root = new QVBoxLayout(this);
    root->addWidget(ui::title(QStringLiteral("비 만 평 가   내 역")));
    root->addLayout(bar);
    root->addLayout(choice);
    root->addWidget(new QLabel(QStringLiteral("평     가     내     용")));
    root->addWidget(mem_Text, 1);

    connect(Com_Fat, &QComboBox::currentIndexChanged, this, [this] { Com_FatChange(); });
    connect(Btn_Edit, &QPushButton::clicked, this, &TfFat::Btn_EditClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfFat::Btn_QueryClick);
    connect(Btn_Save, &QPushButton::clicked, this, &TfFat::Btn_SaveClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfFat::Btn_CancelClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    chgButtonState(false);
}

QString TfFat::code() const { return codes::codeOf(Com_Fat->currentText()).trimmed(); }

void TfFat::Com_FatChange()
{
    if (!m_editing)
        Btn_QueryClick();
}

void TfFat::Btn_QueryClick()
{
    mem_Text->setPlainText(code().isEmpty() ? QString() : Obesity::bandLines(code()).join(u'\n'));
}

void TfFat::Btn_EditClick()
{
    if (code().isEmpty()) {
        Dialogs::error(QStringLiteral("선택"), QStringLiteral("비만도를 선택하세요."), this);
        Com_Fat->setFocus();
        return;
    }
    m_editing = true;
    chgButtonState(true);
    mem_Text->setFocus();
}

void TfFat::Btn_SaveClick()
{
    QStringList lines = mem_Text->toPlainText().split(u'\n');
    while (lines.size() > 24 && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.size() > 24) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("평가 내용은 24줄까지 입력할 수 있습니다. (지금 %1줄)").arg(lines.size()), this);
        mem_Text->setFocus();
        return;
    }
    try {
        Obesity::saveBandLines(code(), lines);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    m_editing = false;
    chgButtonState(false);
    Btn_QueryClick(); // as stored: long lines cut
    ui::notify(QStringLiteral("비만평가 내용 저장: %1").arg(Com_Fat->currentText()));
}

void TfFat::Btn_CancelClick()
{
    m_editing = false;
    mem_Text->clear();
    chgButtonState(false);
}

void TfFat::chgButtonState(bool editing)
{
    Btn_Edit->setEnabled(!editing);
    Btn_Query->setEnabled(!editing);
    Btn_Close->setEnabled(!editing);
    Btn_Save->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
    Com_Fat->setEnabled(!editing);
    mem_Text->setReadOnly(!editing);
}
