#include "attendance/uPri0020.h"

#include "db/Clock.h"
#include "report/Report.h"
#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfPri0020::TfPri0020(AttendanceBook::Variant variant, QWidget* parent) : QWidget(parent), m_variant(variant)
{
    setObjectName(QStringLiteral("TfPri0020"));
    setWindowTitle(QStringLiteral("출석부 인쇄/입관일자"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* lay = new QVBoxLayout(this);

    auto* kind = new QGroupBox(QStringLiteral("<출력구분>"), this);
    auto* grid = new QGridLayout(kind);
    Rdo_Bu = new QRadioButton(QStringLiteral("부별"), kind);
    Rdo_Bu->setObjectName(QStringLiteral("Rdo_Bu"));
    Rdo_Year = new QRadioButton(QStringLiteral("학년별"), kind);
    Rdo_Year->setObjectName(QStringLiteral("Rdo_Year"));
    Com_Bu = new DivisionFilter(kind);
    Com_Bu->setObjectName(QStringLiteral("Com_Bu"));
    Com_Year = new SchoolYearFilter(kind);
    Com_Year->setObjectName(QStringLiteral("Com_Year"));
    grid->addWidget(Rdo_Bu, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("부   별 :"), kind), 0, 1);
    grid->addWidget(Com_Bu, 0, 2);
    grid->addWidget(Rdo_Year, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("학년별 :"), kind), 1, 1);
    grid->addWidget(Com_Year, 1, 2);
    grid->setColumnStretch(2, 1);
    lay->addWidget(kind);

    auto* sort = new QGroupBox(QStringLiteral("<정렬순서>"), this);
    auto* sortRow = new QHBoxLayout(sort);
    rdo_sort_gub = new QRadioButton(QStringLiteral("급품코드"), sort);
    rdo_sort_gub->setObjectName(QStringLiteral("rdo_sort_gub"));
    rdo_sort_name = new QRadioButton(QStringLiteral("이름"), sort);
    rdo_sort_name->setObjectName(QStringLiteral("rdo_sort_name"));
    sortRow->addWidget(rdo_sort_gub);
    sortRow->addWidget(rdo_sort_name);
    sortRow->addStretch();
    lay->addWidget(sort);

    auto* way = new QGroupBox(this);
    auto* wayRow = new QHBoxLayout(way);
    Rb1 = new QRadioButton(QStringLiteral("가 로 출 력"), way);
    Rb1->setObjectName(QStringLiteral("Rb1"));
    Rb2 = new QRadioButton(QStringLiteral("세 로 출 력"), way);
    Rb2->setObjectName(QStringLiteral("Rb2"));
    wayRow->addWidget(Rb1);
    wayRow->addWidget(Rb2);
    wayRow->addStretch();
    lay->addWidget(way);

    auto* buttons = new QHBoxLayout;
    btnPreview = new QPushButton(QStringLiteral("미리 보기"), this);
    btnPreview->setObjectName(QStringLiteral("btnPreview"));
    btnPrint = new QPushButton(QStringLiteral("  프 린 트"), this);
    btnPrint->setObjectName(QStringLiteral("btnPrint"));
    buttons->addStretch();
    buttons->addWidget(btnPreview);
    buttons->addWidget(btnPrint);
    lay->addLayout(buttons);

    // Three separate choices: each pair of buttons is its own group.
    for (auto [a, b] : {std::pair{Rdo_Bu, Rdo_Year}, std::pair{rdo_sort_gub, rdo_sort_name}, std::pair{Rb1, Rb2}}) {
        auto* g = new QButtonGroup(this);
        g->addButton(a);
        g->addButton(b);
    }
    Rdo_Bu->setChecked(true);
    rdo_sort_gub->setChecked(true);
    Rb2->setChecked(true);
    modeChanged();

    connect(Rdo_Bu, &QRadioButton::toggled, this, [this] { modeChanged(); });
    connect(btnPreview, &QPushButton::clicked, this, [this] { btnPreviewClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
}

void TfPri0020::modeChanged()
{
    // The chosen kind brings its own list forward.
    Com_Bu->setEnabled(Rdo_Bu->isChecked());
    Com_Year->setEnabled(Rdo_Year->isChecked());
}

AttendanceBook::Options TfPri0020::options() const
{
    AttendanceBook::Options o;
    o.variant = m_variant;
    o.byYear = Rdo_Year->isChecked();
    o.division = Com_Bu->condition();
    o.year = Com_Year->condition();
    o.heading = o.byYear ? AttendanceBook::heading(true, Com_Year->currentIndex(), Com_Year->currentText())
                         : AttendanceBook::heading(false, Com_Bu->currentIndex(), Com_Bu->currentText());
    o.byName = rdo_sort_name->isChecked();
    o.landscape = Rb1->isChecked();
    return o;
}

void TfPri0020::btnPreviewClick() { AttendanceBook::run(options(), Clock::today(), report::Preview, this); }

void TfPri0020::btnPrintClick() { AttendanceBook::run(options(), Clock::today(), report::Printer, this); }
