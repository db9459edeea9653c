#include "fitness/EvaluationTextScreen.h"

#include "db/CodeTables.h"
#include "db/DbError.h"
#include "fitness/ScreenParts.h"
#include "ui/Dialogs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ui = fitness::ui;

EvaluationTextScreen::EvaluationTextScreen(EvaluationTexts::Kind kind, const QString& caption, const QString& spacedTitle,
                                           QWidget* parent)
    : QWidget(parent), m_texts(kind)
{
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* bar = ui::toolbar({{&Btn_Insert, QStringLiteral("입     력")}, {&Btn_Edit, QStringLiteral("수     정")},
                             {&Btn_Delete, QStringLiteral("삭     제")}, {&Btn_Query, QStringLiteral("조     회")},
                             {&Btn_Save, QStringLiteral("확     인")}, {&Btn_Cancel, QStringLiteral("취     소")},
                             {&Btn_Close, QStringLiteral("종     료")}});
    // A row's sentences are cleared by saving them empty; there is nothing else to delete.
    Btn_Delete->setEnabled(false);

    auto* choice = new QHBoxLayout;
    Cbo_EstimateCode = new QComboBox;
    Cbo_EstimateCode->addItem(QString());
    Cbo_EstimateCode->addItems(m_texts.items());
    cbo_Age = new QComboBox;
    cbo_Age->setMinimumWidth(70);
    rdo_Male = new QRadioButton(QStringLiteral("남자"));
    rdo_FeMale = new QRadioButton(QStringLiteral("여자"));
    rdo_Male->setChecked(true);
    choice->addWidget(new QLabel(QStringLiteral("체력측정 항목")));
    choice->addWidget(Cbo_EstimateCode, 1);
    choice->addWidget(new QLabel(QStringLiteral("나이")));
    choice->addWidget(cbo_Age);
    choice->addWidget(rdo_Male);
    choice->addWidget(rdo_FeMale);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    const bool trainee = kind == EvaluationTexts::Kind::Trainee;
    for (int g = 1; g <= m_texts.grades(); ++g) {
        grid->addWidget(new QLabel(QStringLiteral("%1 등급").arg(g)), g - 1, 0);
        auto* bound = new QLabel(trainee ? QStringLiteral("(0.00)") : QString());
        lbl_Bound.append(bound);
        grid->addWidget(bound, g - 1, 1);
        auto* a = new QLineEdit;
        auto* b = new QLineEdit;
        a->setObjectName(QStringLiteral("Edt_Level%1").arg(g));
        b->setObjectName(QStringLiteral("Edt_Level%1%1").arg(g));
        for (QLineEdit* e : {a, b})
            e->setMaxLength(255);
        Edt_Level.append(a);
        Edt_Level2.append(b);
        grid->addWidget(a, g - 1, 2);
        grid->addWidget(b, g - 1, 3);
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);

    auto* root = new QVBoxLayout(this);
    root->addWidget(ui::title(spacedTitle));
    root->addLayout(bar);
    root->addLayout(choice);
    root->addLayout(grid);
    root->addStretch();

    connect(Btn_Insert, &QPushButton::clicked, this, &EvaluationTextScreen::Btn_InsertClick);
    connect(Btn_Edit, &QPushButton::clicked, this, &EvaluationTextScreen::Btn_EditClick);
    connect(Btn_Query, &QPushButton::clicked, this, &EvaluationTextScreen::Btn_QueryClick);
    connect(Btn_Save, &QPushButton::clicked, this, &EvaluationTextScreen::Btn_SaveClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &EvaluationTextScreen::Btn_CancelClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(Cbo_EstimateCode, &QComboBox::currentIndexChanged, this, [this] { Cbo_EstimateCodeChange(); });
    connect(cbo_Age, &QComboBox::currentIndexChanged, this, [this] { cbo_AgeChange(); });
    connect(rdo_Male, &QRadioButton::toggled, this, [this, trainee] {
        if (trainee)
            fillAges();
        loadRow();
    });

    chgEdBoxState(false);
    chgButtonState(false);
}

QString EvaluationTextScreen::itemCode() const { return codes::codeOf(Cbo_EstimateCode->currentText()).trimmed(); }

QString EvaluationTextScreen::sexCode() const { return rdo_Male->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }

void EvaluationTextScreen::fillAges()
{
    const QSignalBlocker b(cbo_Age);
    const QString keep = cbo_Age->currentText();
    cbo_Age->clear();
    if (!itemCode().isEmpty())
        cbo_Age->addItems(m_texts.ages(itemCode(), sexCode()));
    cbo_Age->setCurrentIndex(cbo_Age->findText(keep));
}

void EvaluationTextScreen::Cbo_EstimateCodeChange()
{
    {
        const QSignalBlocker b(cbo_Age);
        cbo_Age->clear();
    }
    fillAges();
    cbo_Age->setCurrentIndex(-1);
    clearBoxes();
}

void EvaluationTextScreen::cbo_AgeChange() { loadRow(); }

void EvaluationTextScreen::clearBoxes()
{
    for (int g = 0; g < m_texts.grades(); ++g) {
        Edt_Level[g]->clear();
        Edt_Level2[g]->clear();
        if (!lbl_Bound[g]->text().isEmpty())
            lbl_Bound[g]->setText(QStringLiteral("(0.00)"));
    }
}

void EvaluationTextScreen::loadRow()
{
    if (m_editing)
        return;
    clearBoxes();
    if (itemCode().isEmpty() || cbo_Age->currentText().isEmpty())
        return;
    const EvaluationTexts::Entry e = m_texts.load(itemCode(), cbo_Age->currentText(), sexCode());
    for (int g = 0; g < m_texts.grades(); ++g) {
        Edt_Level[g]->setText(e.first.value(g));
        Edt_Level2[g]->setText(e.second.value(g));
        if (!e.bounds.isEmpty())
            lbl_Bound[g]->setText(e.found ? u'(' + fitness::fmt1(e.bounds[g]) + u')' : QStringLiteral("(0.00)"));
    }
}

bool EvaluationTextScreen::checkChoice()
{
    if (itemCode().isEmpty()) {
        Dialogs::error(QStringLiteral("선택"), QStringLiteral("측정항목을 선택하세요."), this);
        Cbo_EstimateCode->setFocus();
        return false;
    }
    if (cbo_Age->currentText().isEmpty()) {
        Dialogs::error(QStringLiteral("선택"), QStringLiteral("나이를 선택하세요."), this);
        cbo_Age->setFocus();
        return false;
    }
    return true;
}

void EvaluationTextScreen::Btn_InsertClick()
{
    if (!checkChoice())
        return;
    loadRow();
    m_editing = true;
    chgEdBoxState(true);
    chgButtonState(true);
    Edt_Level[0]->setFocus();
}

void EvaluationTextScreen::Btn_EditClick() { Btn_InsertClick(); }

void EvaluationTextScreen::Btn_QueryClick() { loadRow(); }

void EvaluationTextScreen::Btn_SaveClick()
{
    QStringList first, second;
    for (int g = 0; g < m_texts.grades(); ++g) {
        first.append(Edt_Level[g]->text());
        second.append(Edt_Level2[g]->text());
    }
    try {
        m_texts.save(itemCode(), cbo_Age->currentText(), sexCode(), first, second);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    m_editing = false;
    clearBoxes();
    chgEdBoxState(false);
    chgButtonState(false);
    ui::notify(QStringLiteral("%1 %2 평가 내용을 저장했습니다.").arg(Cbo_EstimateCode->currentText().section(u')', 1).trimmed(),
                                                               cbo_Age->currentText()));
}

void EvaluationTextScreen::Btn_CancelClick()
{
    m_editing = false;
    clearBoxes();
    chgEdBoxState(false);
    chgButtonState(false);
}

void EvaluationTextScreen::chgButtonState(bool editing)
{
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Query, Btn_Close})
        b->setEnabled(!editing);
    Btn_Save->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
    for (QWidget* w : {static_cast<QWidget*>(Cbo_EstimateCode), static_cast<QWidget*>(cbo_Age),
                       static_cast<QWidget*>(rdo_Male), static_cast<QWidget*>(rdo_FeMale)})
        w->setEnabled(!editing);
}

void EvaluationTextScreen::chgEdBoxState(bool on)
{
    for (int g = 0; g < m_texts.grades(); ++g) {
        Edt_Level[g]->setReadOnly(!on);
        Edt_Level2[g]->setReadOnly(!on);
    }
}

void EvaluationTextScreen::closeEvent(QCloseEvent* e)
{
    if (m_editing && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("저장하지 않은 평가 내용이 있습니다. 닫을까요?"), this)) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
