#include "stats/uMem0010.h"
#include "report/ExportButtons.h"

#include "db/Clock.h"
#include "ui/ListModel.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The first column is the caption, the others are counts (a blank heading only parts the years).
QList<ListModel::Column> countColumns(const QStringList& headings)
{
    QList<ListModel::Column> out;
    for (int c = 0; c < headings.size(); ++c)
        out.append(ListModel::Column(headings[c], 0, false, c == 0 || headings[c].isEmpty() ? ListModel::Text : ListModel::Number));
    return out;
}

QTableView* newGrid(ListModel* model, QWidget* parent)
{
    auto* g = new QTableView(parent);
    ListModel::attach(g, model);
    g->horizontalHeader()->setStretchLastSection(false); // the columns keep the widths given below
    return g;
}

void showLines(ListModel* m, const QList<HeadcountFigures::Line>* lines)
{
    m->show(int(lines->size()), [lines](int r, int c) {
        const HeadcountFigures::Line& l = lines->at(r);
        return c == 0 ? l.name : QString::number(l.count);
    });
}

QSpinBox* yearBox(int from, QWidget* parent)
{
    auto* s = new QSpinBox(parent);
    s->setRange(from, 3000);
    s->setValue(Clock::todayText().left(4).toInt());
    return s;
}

} // namespace

TfMem0010::TfMem0010(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfMem0010");
    setWindowTitle("인원현황");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(788, 520);

    auto* top = new QVBoxLayout(this);
    auto* header = new QLabel("인   원   현   황", this);
    QFont hf = header->font();
    hf.setPointSize(hf.pointSize() + 6);
    hf.setBold(true);
    header->setFont(hf);
    header->setAlignment(Qt::AlignCenter);
    Pan_Company = new QLabel(this);
    Pan_Company->setAlignment(Qt::AlignCenter);
    auto* headRow = new QHBoxLayout;
    headRow->addWidget(Pan_Company);
    headRow->addWidget(header, 1);
    top->addLayout(headRow);

    auto* bar = new QHBoxLayout;
    auto button = [&](const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        bar->addWidget(b);
        return b;
    };
    BitBtn1 = button("입     력");
    BitBtn2 = button("수     정");
    BitBtn3 = button("삭     제");
    BitBtn4 = button("조     회");
    BitBtn5 = button("확     인");
    BitBtn6 = button("취     소");
    BitBtn7 = button("종     료");
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn5, BitBtn6})
        b->setEnabled(false); // this screen only reads
    bar->addStretch();
    top->addLayout(bar);
    // The counts get a row of their own so the toolbar keeps room for the save buttons.
    auto* counts = new QHBoxLayout;
    counts->addStretch();
    lb_no = new QLabel(this);
    total_num = new QLabel(this);
    lbl_TotPerCount = new QLabel(this);
    for (QLabel* l : {lb_no, total_num, lbl_TotPerCount}) {
        counts->addSpacing(12);
        counts->addWidget(l);
    }
    top->addLayout(counts);

    PageControl1 = new QTabWidget(this);
    ExportButtons::addForPages(bar, this, PageControl1, BitBtn7);
    PageControl1->addTab(buildOverallPage(), "전체 인원 현황");
    PageControl1->addTab(buildYearPage(), "당해 년도 증감 현황");
    PageControl1->addTab(buildComparisonPage(), "연간 대비 증감 현황");
    PageControl1->addTab(buildReasonPage(HeadcountFigures::Withdrawals), HeadcountFigures::reasonCaption(HeadcountFigures::Withdrawals));
    PageControl1->addTab(buildReasonPage(HeadcountFigures::Leaves), HeadcountFigures::reasonCaption(HeadcountFigures::Leaves));
    PageControl1->addTab(buildReasonPage(HeadcountFigures::Motives), HeadcountFigures::reasonCaption(HeadcountFigures::Motives));
    top->addWidget(PageControl1, 1);

    connect(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    connect(BitBtn7, &QPushButton::clicked, this, &QWidget::close);

    FormCreate();
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int p) { PageControl1Change(p); });
}

void TfMem0010::FormCreate()
{
    // The reason columns follow the code tables as they are when the screen opens.
    for (int i = 0; i < 3; ++i) {
        const auto log = HeadcountFigures::ReasonLog(i);
        QStringList header{"구  분"};
        for (const auto& c : HeadcountFigures::reasonCodes(log))
            header << c.name;
        m_reason[i]->setColumns(countColumns(header));
        // At least as wide as the reason's name: the school names its reasons.
        const QFontMetrics fm = grdReason[i]->horizontalHeader()->fontMetrics();
        for (int c = 1; c < header.size(); ++c)
            grdReason[i]->setColumnWidth(c, std::max(60, fm.horizontalAdvance(header[c]) + 12));
    }
    lb_no->setText("총 입관원 : " + QString::number(HeadcountFigures::motiveLogTotal()));
    Pan_Company->setText(HeadcountFigures::schoolName());
    m_totalNum = QString::number(HeadcountFigures::currentMembers());
    total_num->setText("총 원 :" + m_totalNum);
    lbl_TotPerCount->setText("현 재 원 :" + m_totalNum);
    PageControl1->setCurrentIndex(0);
    computeOverall();
}

QWidget* TfMem0010::buildOverallPage()
{
    auto* page = new QWidget(this);
    auto* lay = new QHBoxLayout(page);
    auto list = [&](const char* caption, ListModel*& model) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), page);
        auto* bl = new QVBoxLayout(box);
        model = new ListModel(countColumns({QString(), QString()}), this);
        QTableView* g = newGrid(model, box);
        g->horizontalHeader()->setVisible(false);
        g->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        g->setColumnWidth(1, 50);
        bl->addWidget(g);
        lay->addWidget(box, 1);
        return g;
    };
    grdDivision = list("부 별 인 원", m_division);
    grdRank = list("급 별 인 원", m_rank);
    grdGrade = list("학 년 별 인 원", m_grade);
    auto* counts = new QGroupBox(page);
    auto* cl = new QVBoxLayout(counts);
    for (QLabel** l : {&lblMale, &lblFemale, &lblLeave, &lblWithdrawn, &lblReturned}) {
        *l = new QLabel(counts);
        cl->addWidget(*l);
    }
    cl->addStretch();
    lay->addWidget(counts);
    return page;
}

QWidget* TfMem0010::buildYearPage()
{
    auto* page = new QWidget(this);
    auto* lay = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    seYear = yearBox(1996, page);
    row->addWidget(new QLabel("년도 :", page));
    row->addWidget(seYear);
    row->addStretch();
    lay->addLayout(row);
    const QStringList header = HeadcountFigures::yearHeader();
    m_year = new ListModel(countColumns(header), this);
    grdYear = newGrid(m_year, page);
    grdYear->setColumnWidth(0, 90);
    for (int c = 1; c < header.size(); ++c)
        grdYear->setColumnWidth(c, 44);
    lay->addWidget(grdYear, 1);
    return page;
}

QWidget* TfMem0010::buildComparisonPage()
{
    auto* page = new QWidget(this);
    auto* lay = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    seYear1 = yearBox(1996, page);
    row->addWidget(new QLabel("년도 :", page));
    row->addWidget(seYear1);
    for (auto*& l : lblCompareYear) {
        l = new QLabel(page);
        l->setFrameShape(QFrame::Panel);
        row->addWidget(l, 1);
    }
    lay->addLayout(row);
    auto* body = new QHBoxLayout;
    const QStringList header = HeadcountFigures::comparisonHeader();
    m_compare = new ListModel(countColumns(header), this);
    grdCompare = newGrid(m_compare, page);
    // Four years side by side without scrolling: each column as wide as a three-digit count or its
    // heading, whichever is wider; the blank columns only part the years.
    const QFontMetrics fm = grdCompare->horizontalHeader()->fontMetrics();
    const int count = fm.horizontalAdvance(QStringLiteral("000")) + 6;
    grdCompare->horizontalHeader()->setMinimumSectionSize(4);
    grdCompare->setColumnWidth(0, std::max(44, fm.horizontalAdvance(header[0]) + 10));
    for (int c = 1; c < header.size(); ++c)
        grdCompare->setColumnWidth(c, header[c].isEmpty() ? 6 : std::max(count, fm.horizontalAdvance(header[c]) + 6));
    body->addWidget(grdCompare, 1);
    auto* box = new QGroupBox("당해년도 현황", page);
    auto* bl = new QVBoxLayout(box);
    for (QLabel** l : {&lblSumIn, &lblSumBack, &lblSumLeave, &lblSumOut, &lblSumTotal}) {
        *l = new QLabel(box);
        bl->addWidget(*l);
    }
    bl->addStretch();
    body->addWidget(box);
    lay->addLayout(body, 1);
    return page;
}

QWidget* TfMem0010::buildReasonPage(HeadcountFigures::ReasonLog log)
{
    const int i = int(log);
    auto* page = new QWidget(this);
    auto* lay = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    QSpinBox* year = yearBox(1900, page);
    (log == HeadcountFigures::Withdrawals ? seRetView : log == HeadcountFigures::Leaves ? seRestView : seInView) = year;
    row->addWidget(new QLabel("년도 :", page));
    row->addWidget(year);
    lblReasonTotal[i] = new QLabel(page);
    row->addWidget(lblReasonTotal[i]);
    for (auto*& l : lblReasonYear[i]) {
        l = new QLabel(page);
        row->addSpacing(16);
        row->addWidget(l);
    }
    row->addStretch();
    lay->addLayout(row);
    m_reason[i] = new ListModel(countColumns({QString()}), this);
    grdReason[i] = newGrid(m_reason[i], page);
    lay->addWidget(grdReason[i], 1);
    return page;
}

QSpinBox* TfMem0010::reasonYear(int index) const
{
    return index == 0 ? seRetView : index == 1 ? seRestView : seInView;
}

void TfMem0010::showPage(int page)
{
    if (page >= 0 && page < PageControl1->count())
        PageControl1->setCurrentIndex(page);
}

int TfMem0010::currentPage() const { return PageControl1->currentIndex(); }

void TfMem0010::selectPage(int index, bool runChange)
{
    if (index < 0 || index >= PageControl1->count())
        return;
    QSignalBlocker block(PageControl1);
    PageControl1->setCurrentIndex(index);
    if (runChange)
        PageControl1Change(index);
}

void TfMem0010::PageControl1Change(int page)
{
    if (page == 0)
        computeOverall();
}

void TfMem0010::BitBtn4Click()
{
    switch (PageControl1->currentIndex()) {
    case 0: computeOverall(); break;
    case 1: computeYear(); break;
    case 2: computeComparison(); break;
    case 3: computeReason(HeadcountFigures::Withdrawals); break;
    case 4: computeReason(HeadcountFigures::Leaves); break;
    case 5: computeReason(HeadcountFigures::Motives); break;
    default: break;
    }
}

void TfMem0010::computeOverall()
{
    m_overall = HeadcountFigures::overall();
    const HeadcountFigures::Overall& o = m_overall;
    showLines(m_division, &o.divisions);
    showLines(m_rank, &o.ranks);
    showLines(m_grade, &o.grades);
    lblMale->setText("남  자 : " + QString::number(o.male));
    lblFemale->setText("여  자 : " + QString::number(o.female));
    lblLeave->setText("휴  관 :" + QString::number(o.onLeave));
    lblWithdrawn->setText("퇴  관 :" + QString::number(o.withdrawn));
    lblReturned->setText("복  관 :" + QString::number(o.returned));
}

void TfMem0010::computeYear() { m_year->setRows(HeadcountFigures::yearRows(seYear->value())); }

void TfMem0010::computeComparison()
{
    const int y = seYear1->value();
    const QStringList captions = HeadcountFigures::comparisonYearCaptions(y);
    for (int k = 0; k < 3; ++k)
        lblCompareYear[k]->setText(captions.value(k));
    m_compare->setRows(HeadcountFigures::comparisonRows(y));
    const HeadcountFigures::YearSummary s = HeadcountFigures::yearSummary(y);
    lblSumIn->setText("입  관 :" + s.in);
    lblSumBack->setText("복  관 :" + s.back);
    lblSumLeave->setText("휴  관 :" + s.leave);
    lblSumOut->setText("퇴  관 :" + s.out);
    lblSumTotal->setText("총  원 : " + m_totalNum);
}

void TfMem0010::computeReason(HeadcountFigures::ReasonLog log)
{
    const int i = int(log);
    const int y = reasonYear(i)->value();
    lblReasonTotal[i]->setText(HeadcountFigures::reasonTotalCaption(log) + QString::number(HeadcountFigures::reasonLogTotal(log)));
    const auto years = HeadcountFigures::reasonYearCounts(log, y);
    for (int k = 0; k < 3; ++k)
        lblReasonYear[i][k]->setText(QString::number(y - 2 + k) + "년 " + QString::number(years[k]));
    m_reason[i]->setRows(HeadcountFigures::reasonRows(log, y));
}
