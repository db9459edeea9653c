#include "operations/uPlanPrint.h"

#include "ui/StatusLine.h"
#include "db/Clock.h"
#include "ui/ScreenHeader.h"
#include "report/Report.h"
#include "ui/Dialogs.h"
#include "ui/ListPanel.h"
#include "ui/BarButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

TfPlanPrint::TfPlanPrint(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfPlanPrint");
    setWindowTitle(QStringLiteral("월간/주간/일간 수련계획표 작성"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 470);
    auto* root = new QVBoxLayout(this);
    root->addLayout(ScreenHeader::build(this, &Pan_Company, &total_num));
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption, void (TfPlanPrint::*handler)()) {
        return ui::addBarButton(this, bar, name, caption, handler);
    };
    Btn_Insert = button("Btn_Insert", "입     력", &TfPlanPrint::Btn_InsertClick);
    Btn_Edit = button("Btn_Edit", "수     정", &TfPlanPrint::Btn_EditClick);
    Btn_Delete = button("Btn_Delete", "삭     제", &TfPlanPrint::Btn_DeleteClick);
    Btn_Search = button("Btn_Search", "조     회", &TfPlanPrint::Btn_SearchClick);
    Btn_Ok = button("Btn_Ok", "확     인", &TfPlanPrint::Btn_OkClick);
    Btn_Cancel = button("Btn_Cancel", "취     소", &TfPlanPrint::Btn_CancelClick);
    Btn_Print = button("Btn_Print", "인     쇄", &TfPlanPrint::Btn_PrintClick);
    Btn_Exit = button("Btn_Exit", "종     료", nullptr);
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    bar->addStretch();
    root->addLayout(bar);

    auto* body = new QHBoxLayout;
    PageControl1 = new QTabWidget(this);
    for (int i = 0; i < 4; ++i) {
        const PlanDivision& d = planDivisions()[i];
        m_selections[i] = std::make_unique<PlanSelection>(d.name);
        auto* page = new QWidget(this);
        auto* lay = new QVBoxLayout(page);
        lay->addWidget(new QLabel(QStringLiteral("주운동 출력 순서 설정 (최대 8개)"), page));
        m_panels[i] = new ListPanel(*m_selections[i], {{"구분", "반복구분"}, {"코드", "주운동코드"}, {"반복 범위", "범위"}, {"주운동 명", "주운동명"}}, page);
        m_panels[i]->addButtons({});
        m_panels[i]->setFirstFields("주운동명", "주운동명");
        PlanSelection* sel = m_selections[i].get();
        m_panels[i]->setChoices("주운동명", [sel](int) { return sel->mainItems(); });
        lay->addWidget(m_panels[i], 1);
        PageControl1->addTab(page, d.caption);
        connect(m_panels[i], &ListPanel::pendingChanged, this, &TfPlanPrint::chgButtonState);
    }
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfPlanPrint::chgButtonState);
    body->addWidget(PageControl1, 1);

    auto* side = new QVBoxLayout;
    auto* periodBox = new QGroupBox(QStringLiteral("작성기간"), this);
    auto* pl = new QHBoxLayout(periodBox);
    dtpk_From = new QDateEdit(Clock::today(), periodBox);
    dtpk_To = new QDateEdit(Clock::today(), periodBox);
    for (QDateEdit* e : {dtpk_From, dtpk_To}) {
        e->setDisplayFormat("yyyy-MM-dd");
        e->setCalendarPopup(true);
    }
    pl->addWidget(dtpk_From);
    pl->addWidget(new QLabel(QStringLiteral("~"), periodBox));
    pl->addWidget(dtpk_To);
    side->addWidget(periodBox);

    auto* kindBox = new QGroupBox(QStringLiteral("< 작성 구분>"), this);
    auto* kl = new QVBoxLayout(kindBox);
    for (int i = 3; i >= 0; --i) { // shown from 중고/일반 down to 유치부
        chk_Bu[i] = new QCheckBox(planDivisions()[i].caption, kindBox);
        kl->addWidget(chk_Bu[i]);
    }
    auto* outBox = new QGroupBox(QStringLiteral("<출력 구분>"), this);
    auto* ol = new QVBoxLayout(outBox);
    rb_Weekly = new QRadioButton(QStringLiteral("주간 수련계획안"), outBox);
    rb_Daily = new QRadioButton(QStringLiteral("일일 수련계획안"), outBox);
    rb_Weekly->setChecked(true);
    ol->addWidget(rb_Weekly);
    ol->addWidget(rb_Daily);
    auto* fmtBox = new QGroupBox(QStringLiteral("<출력 형식>"), this);
    auto* fl = new QVBoxLayout(fmtBox);
    rb_Form = new QRadioButton(QStringLiteral("형식출력"), fmtBox);
    rb_Forms = new QRadioButton(QStringLiteral("Forms출력"), fmtBox);
    rb_File = new QRadioButton(QStringLiteral("File 출력"), fmtBox);
    rb_Form->setChecked(true);
    for (QRadioButton* r : {rb_Form, rb_Forms, rb_File})
        fl->addWidget(r);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(kindBox);
    auto* right = new QVBoxLayout;
    right->addWidget(outBox);
    right->addWidget(fmtBox);
    boxes->addLayout(right);
    side->addLayout(boxes);
    btn_Make = new QPushButton(QStringLiteral("수련계획표 작성"), this);
    btn_Output = new QPushButton(QStringLiteral("수련계획표 출력"), this);
    for (QPushButton* b : {btn_Make, btn_Output}) {
        b->setAutoDefault(false);
        side->addWidget(b);
    }
    side->addStretch();
    connect(btn_Make, &QPushButton::clicked, this, &TfPlanPrint::btn_MakeClick);
    connect(btn_Output, &QPushButton::clicked, this, &TfPlanPrint::Btn_PrintClick);
    body->addLayout(side);
    root->addLayout(body, 1);
    chgButtonState();
}

TfPlanPrint::~TfPlanPrint() = default;

ListPanel* TfPlanPrint::active() const { return m_panels[PageControl1->currentIndex()]; }

void TfPlanPrint::chgButtonState()
{
    const bool editing = active()->pending();
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Search, Btn_Print, Btn_Exit})
        b->setEnabled(!editing);
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
}

void TfPlanPrint::Btn_InsertClick() { active()->Btn_InsertClick(); }
void TfPlanPrint::Btn_EditClick() { active()->Btn_EditClick(); }
void TfPlanPrint::Btn_DeleteClick() { active()->Btn_DeleteClick(); }
void TfPlanPrint::Btn_SearchClick() { active()->Btn_SearchClick(); }
void TfPlanPrint::Btn_OkClick() { active()->Btn_OkClick(); }
void TfPlanPrint::Btn_CancelClick() { active()->Btn_CancelClick(); }

QList<int> TfPlanPrint::tickedCodes() const
{
    QList<int> out;
    for (int i = 0; i < 4; ++i)
        if (chk_Bu[i]->isChecked())
            out.append(planDivisions()[i].code);
    return out;
}

TrainingPlan::Period TfPlanPrint::period() const { return {dtpk_From->date(), dtpk_To->date()}; }

void TfPlanPrint::btn_MakeClick()
{
    const TrainingPlan::Check c = TrainingPlan::checkGeneration(period());
    if (!c.ok) {
        Dialogs::error(QStringLiteral("확인요망"), c.message, this);
        dtpk_From->setFocus();
        return;
    }
    for (int i = 0; i < 4; ++i)
        if (m_panels[i]->pending()) {
            const QString caption = planDivisions()[i].caption;
            Dialogs::error(QStringLiteral("확인요망"),
                           QStringLiteral("변경중인 작업을 완료해야 합니다.\n\n") + caption + " 확인 버튼을 클릭후 작업하세요.", this);
            PageControl1->setCurrentIndex(i);
            m_panels[i]->setFocus();
            return;
        }
    for (ListPanel* p : m_panels)
        p->Btn_SearchClick();
    TrainingPlan::generate(period(), tickedCodes(), [this](const QString& question) {
        return Dialogs::yesNo(QStringLiteral("확인요망"), question, this);
    });
    StatusLine::show(QStringLiteral("수련계획표를 작성하였습니다."));
}

void TfPlanPrint::Btn_PrintClick()
{
    using namespace TrainingPlan;
    const Output output = rb_Daily->isChecked() ? Output::Daily : Output::Weekly;
    const Format format = rb_File->isChecked() ? Format::File : rb_Forms->isChecked() ? Format::Forms : Format::Form;
    const QList<int> ticked = tickedCodes();
    const Check c = checkOutput(period(), output, format, int(ticked.size()));
    if (!c.ok) {
        if (c.message.startsWith(QStringLiteral("시작월"))) {
            Dialogs::error(QStringLiteral("확인요망"), c.message, this);
            dtpk_From->setFocus();
        } else {
            Dialogs::info(QStringLiteral("확인요망"), c.message, this);
        }
        return;
    }
    buildWorkTable(period(), output, ticked);
    if (format == Format::File) {
        bool empty = false;
        QString error;
        if (!writeTextFile(period(), output, ticked, &empty, &error)) {
            Dialogs::error(QStringLiteral("오류"), error, this);
            return;
        }
        if (!empty)
            Dialogs::info(windowTitle(), QDir::toNativeSeparators(textFilePath(output)) + " 파일이 생성되었습니다.", this);
        return;
    }
    report::PrintJob job;
    const PrintFill fill = fillPrint(job, output, format, ticked);
    job.run(fill.layout, fill.title, report::Preview, this);
}
