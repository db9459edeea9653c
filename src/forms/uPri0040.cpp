#include "forms/uPri0040.h"

#include "forms/MembershipCards.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "ui/CodeCombo.h"
#include "ui/Dialogs.h"
#include "ui/MemberChooser.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfPri0040::TfPri0040(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("관원증 발부"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(400, 220);

    com_bu = new CodeCombo;
    com_bu->load(QStringLiteral("T_부별코드"), QStringLiteral("부별코드"), QStringLiteral("부명"), true);
    Com_Name = new MemberChooser(MemberStatus::active(QStringLiteral("a")));
    rdo_Form = new QRadioButton(QStringLiteral("형식 출력"));
    rdo_Forms = new QRadioButton(QStringLiteral("Forms 출력"));
    rdo_Form->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(rdo_Form);
    group->addButton(rdo_Forms);
    btn_Preview = new QPushButton(QStringLiteral("미리 보기"));
    btn_Print = new QPushButton(QStringLiteral("  프 린 트"));

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("부   별 :")), 0, 0);
    g->addWidget(com_bu, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("개   인 :")), 1, 0);
    g->addWidget(Com_Name, 1, 1);
    auto* style = new QHBoxLayout;
    style->addWidget(rdo_Form);
    style->addWidget(rdo_Forms);
    style->addStretch();
    g->addLayout(style, 2, 1);
    g->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btn_Preview);
    buttons->addWidget(btn_Print);
    auto* root = new QVBoxLayout(this);
    root->addLayout(g);
    root->addStretch();
    root->addLayout(buttons);

    connect(btn_Preview, &QPushButton::clicked, this, [this] { run(report::Preview); });
    connect(btn_Print, &QPushButton::clicked, this, [this] { run(report::Printer); });
}

bool TfPri0040::run(int destination)
{
    const bool forms = rdo_Forms->isChecked();
    if (Com_Name->memberNo().isEmpty() || Com_Name->text().trimmed().isEmpty())
        return MembershipCards::printDivision(com_bu->code(), forms, destination, this);
    MembershipCards::Member m;
    if (!MembershipCards::find(Com_Name->memberNo(), &m)) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("관원증을 발부할 수련생이 없습니다."), this);
        return false;
    }
    const MembershipCards::SingleCard card(m, forms);
    return card.run(destination, windowTitle(), this);
}
