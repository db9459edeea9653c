#include "fitness/uSimpleFat.h"

#include "db/Clock.h"
#include "db/SchoolInfo.h"
#include "fitness/Fitness.h"
#include "fitness/Obesity.h"
#include "fitness/ScreenParts.h"
#include "report/Report.h"
#include "ui/Dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui = fitness::ui;

TfSimpleFat::TfSimpleFat(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfSimpleFat"));
    setWindowTitle(QStringLiteral("비만도 측정"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 500);

    auto* top = new QHBoxLayout;
    top->addWidget(ui::title(QStringLiteral("비 만 도   측 정")));
    top->addStretch();
    top->addWidget(new QLabel(SchoolInfo::name()));

    QPushButton *insert = nullptr, *edit = nullptr, *del = nullptr, *save = nullptr, *cancel = nullptr;
    auto* bar = ui::toolbar({{&insert, QStringLiteral("입     력")}, {&edit, QStringLiteral("수     정")},
                             {&del, QStringLiteral("삭     제")}, {&Btn_Query, QStringLiteral("조     회")},
                             {&save, QStringLiteral("확     인")}, {&cancel, QStringLiteral("취     소")},
                             {&Btn_Print, QStringLiteral("인     쇄")}, {&Btn_Close, QStringLiteral("종     료")}});
    for (QPushButton* b : {insert, edit, del, save, cancel})
        b->setEnabled(false); // a calculator: nothing to enter or keep

    edt_Name = new QLineEdit;
    edt_Name->setMaxLength(10);
    Opt_Male = new QRadioButton(QStringLiteral("남"));
    Opt_FeMale = new QRadioButton(QStringLiteral("여"));
    Opt_Male->setChecked(true);
    auto* sex = new QButtonGroup(this);
    sex->addButton(Opt_Male);
    sex->addButton(Opt_FeMale);
    Msk_Birthday = new QLineEdit;
    Msk_Birthday->setInputMask(QStringLiteral("9999-99-99;_"));
    Edt_year = new QLineEdit;
    Edt_Height = new QLineEdit;
    Edt_Weight = new QLineEdit;
    Edt_Fat = new QLineEdit;
    Edt_Estimate = new QLineEdit;
    for (QLineEdit* e : {Edt_year, Edt_Fat, Edt_Estimate})
        e->setReadOnly(true);
    for (QLineEdit* e : {Edt_year, Edt_Height, Edt_Weight, Edt_Fat})
        e->setAlignment(Qt::AlignRight);
    mem_List = new QPlainTextEdit;
    mem_List->setReadOnly(true);

    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("이  름")), 0, 0);
    g->addWidget(edt_Name, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("남/녀")), 0, 2);
    auto* sexRow = new QHBoxLayout;
    sexRow->addWidget(Opt_Male);
    sexRow->addWidget(Opt_FeMale);
    g->addLayout(sexRow, 0, 3);
    g->addWidget(new QLabel(QStringLiteral("생 년 월 일")), 1, 0);
    g->addWidget(Msk_Birthday, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("나  이")), 1, 2);
    g->addWidget(Edt_year, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("신  장")), 2, 0);
    g->addWidget(Edt_Height, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("체  중")), 2, 2);
    g->addWidget(Edt_Weight, 2, 3);
    g->addWidget(new QLabel(QStringLiteral("비만도")), 3, 0);
    g->addWidget(Edt_Fat, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("평  가")), 3, 2);
    g->addWidget(Edt_Estimate, 3, 3);

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(bar);
    root->addLayout(g);
    root->addWidget(mem_List, 1);

    connect(Btn_Query, &QPushButton::clicked, this, &TfSimpleFat::Btn_QueryClick);
    connect(Btn_Print, &QPushButton::clicked, this, &TfSimpleFat::Btn_PrintClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(Msk_Birthday, &QLineEdit::editingFinished, this, &TfSimpleFat::Msk_BirthdayExit);
    edt_Name->setFocus();
}

void TfSimpleFat::Msk_BirthdayExit()
{
    Edt_year->setText(Obesity::ageText(QString(Msk_Birthday->text()).remove(u'-').remove(u'_').trimmed(), Clock::today()));
}

bool TfSimpleFat::readNumber(QLineEdit* field, const QString& blankMessage, const QString& word, double* out)
{
    const QString t = field->text().trimmed();
    if (t.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), blankMessage, this);
        field->setFocus();
        return false;
    }
    if (!fitness::parseValue(t, out) || *out <= 0) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("%1은 0 보다 큰 숫자로 입력하세요.").arg(word), this);
        field->setFocus();
        return false;
    }
    return true;
}

void TfSimpleFat::Btn_QueryClick()
{
    double height = 0, weight = 0;
    if (!readNumber(Edt_Height, QStringLiteral("신장은 필수 입력입니다."), QStringLiteral("신장"), &height)
        || !readNumber(Edt_Weight, QStringLiteral("체중은 필수 입력입니다."), QStringLiteral("체중"), &weight))
        return;
    const Obesity::Result r = Obesity::evaluate(height, weight, Opt_Male->isChecked() ? QStringLiteral("남") : QStringLiteral("여"));
    Edt_Fat->setText(fitness::fmt1(r.index));
    // A band that does not hold the index leaves nothing of the previous person behind.
    Edt_Estimate->setText(r.verdict);
    mem_List->setPlainText(r.lines.join(u'\n'));
    if (r.noStandard) {
        Dialogs::error(QStringLiteral("오류"),
                       QStringLiteral("이 신장으로는 표준체중을 구할 수 없습니다.\n남자는 100cm, 여자는 105cm 보다 커야 비만도를 계산합니다."),
                       this);
        Edt_Height->setFocus();
    }
}

void TfSimpleFat::Btn_PrintClick()
{
    Obesity::Sheet s;
    s.name = edt_Name->text().trimmed();
    s.age = Edt_year->text();
    s.sex = Opt_Male->isChecked() ? QStringLiteral("남") : QStringLiteral("여");
    s.height = Edt_Height->text().trimmed();
    s.weight = Edt_Weight->text().trimmed();
    s.index = Edt_Fat->text();
    s.verdict = Edt_Estimate->text();
    s.lines = mem_List->toPlainText().split(u'\n');
    report::PrintJob job;
    Obesity::fill(job, s);
    job.run(QStringLiteral("단순비만.rpt"), QStringLiteral("비만도측정"), report::Preview, this);
}
