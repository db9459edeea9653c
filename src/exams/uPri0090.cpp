#include "exams/uPri0090.h"

#include "db/Clock.h"
#include "exams/ExamPaperwork.h"
#include "report/Report.h"
#include "ui/DateEdit.h"
#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfPri0090::TfPri0090(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfPri0090"));
    setWindowTitle(QStringLiteral("심사 채점표 인쇄"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(330, 210);

    auto* top = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    Com_Bu = new DivisionFilter(this);
    Com_Year = new SchoolYearFilter(this);
    dtpk_SimsaDate = new DateEdit(Clock::today(), this);
    form->addRow(QStringLiteral("부별"), Com_Bu);
    form->addRow(QStringLiteral("학년별"), Com_Year);
    form->addRow(QStringLiteral("심사일자"), dtpk_SimsaDate);
    auto* order = new QHBoxLayout;
    rdo_GubSort = new QRadioButton(QStringLiteral("유급자순"), this);
    rdo_PumSort = new QRadioButton(QStringLiteral("유품자순"), this);
    rdo_GubSort->setChecked(true);
    order->addWidget(rdo_GubSort);
    order->addWidget(rdo_PumSort);
    order->addStretch();
    form->addRow(QStringLiteral("정렬"), order);
    top->addLayout(form);
    auto* bar = new QHBoxLayout;
    btnPreview = new QPushButton(QStringLiteral("미리 보기"), this);
    btnPrint = new QPushButton(QStringLiteral("  프 린 트"), this);
    for (QPushButton* b : {btnPreview, btnPrint}) {
        b->setAutoDefault(false);
        bar->addWidget(b);
    }
    top->addLayout(bar);
    connect(btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
}

void TfPri0090::run(int destination)
{
    ExamPaperwork::SheetOptions o;
    o.divisionIndex = Com_Bu->currentIndex();
    o.divisionText = Com_Bu->currentText();
    o.yearIndex = Com_Year->currentIndex();
    o.yearText = Com_Year->currentText();
    o.examDate = dtpk_SimsaDate->date();
    o.highestFirst = rdo_PumSort->isChecked();
    report::PrintJob job;
    ExamPaperwork::fillScoringSheet(o, job);
    job.run(QStringLiteral("심사채점.rpt"), QStringLiteral("심사채점표"), destination, this);
}

void TfPri0090::btnPreviewClick() { run(report::Preview); }

void TfPri0090::btnPrintClick() { run(report::Printer); }
