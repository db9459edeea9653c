#include "fitness/uBod0010.h"

#include "db/DbError.h"
#include "stats/HeadcountFigures.h"
#include "fitness/ScreenParts.h"
#include "report/Report.h"
#include "report/ExportButtons.h"
#include "ui/Dialogs.h"
#include "ui/FrozenColumns.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "ui/ListModel.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QCategoryAxis>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

using fitness::kItems;
namespace ui = fitness::ui;

TfBod0010::TfBod0010(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfBod0010"));
    setWindowTitle(QStringLiteral("체력측정"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 500);

    auto* top = ui::heading(QStringLiteral("체   력   측   정"), int(HeadcountFigures::currentMembers()), &lbl_Total, &lbl_Found);

    auto* bar = ui::toolbar({{&Btn_Insert, QStringLiteral("입     력")}, {&Btn_Edit, QStringLiteral("수     정")},
                             {&Btn_Query, QStringLiteral("조     회")}, {&Btn_Save, QStringLiteral("확     인")},
                             {&Btn_Cancel, QStringLiteral("취     소")}, {&Btn_Print, QStringLiteral("인     쇄")},
                             {&Btn_Close, QStringLiteral("종     료")}});

    PageControl1 = new QTabWidget;
    ExportButtons::addForPages(bar, this, PageControl1, Btn_Close);
    PageControl1->addTab(buildInputPage(), QStringLiteral("측정 결과 입력/조회"));
    PageControl1->addTab(buildGraphPage(), QStringLiteral("측정 자료 그래프 출력"));
    PageControl1->addTab(buildSheetPage(), QStringLiteral("체력 측정표 인쇄"));

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(bar);
    root->addWidget(PageControl1, 1);

    connect(Btn_Insert, &QPushButton::clicked, this, &TfBod0010::Btn_InsertClick);
    connect(Btn_Edit, &QPushButton::clicked, this, &TfBod0010::Btn_EditClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfBod0010::Btn_QueryClick);
    connect(Btn_Save, &QPushButton::clicked, this, &TfBod0010::Btn_SaveClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfBod0010::Btn_CancelClick);
    connect(Btn_Print, &QPushButton::clicked, this, &TfBod0010::Btn_PrintClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });

    Set_BodSet();
    chgButtonState(false);
    chgEdBoxState(false);
}

QWidget* TfBod0010::buildInputPage()
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    Com_bu = new DivisionFilter;
    inDateFrom = ui::dateEdit();
    inDateTo = ui::dateEdit();
    inToday = ui::dateEdit();
    row->addWidget(new QLabel(QStringLiteral("부 명")));
    row->addWidget(Com_bu, 1);
    row->addWidget(new QLabel(QStringLiteral("조회 기간")));
    row->addWidget(inDateFrom);
    row->addWidget(new QLabel(QStringLiteral("~")));
    row->addWidget(inDateTo);
    row->addWidget(new QLabel(QStringLiteral("현재 일자")));
    row->addWidget(inToday);

    model = new ListModel(this);
    QList<ListModel::Column> cols = {{QStringLiteral("회원번호"), 72}, {QStringLiteral("회 원 명"), 64},
                                     {QStringLiteral("부  명"), 80}, {QStringLiteral("측정 일자"), 74}};
    for (int i = 0; i <= kItems; ++i)
        cols.append({QString(), 52, true, ListModel::Number});
    cols.last().heading = QStringLiteral("비만도");
    model->setColumns(cols);
    model->setRowEditable([this](int r) { return m_mode == Mode::Insert || r == m_editRow; });
    grd_Measure = ui::gridView(model);
    FrozenColumns::install(grd_Measure, ColName + 1); // 회원번호 and 회원명 stay while the items scroll
    connect(model, &ListModel::edited, this, &TfBod0010::cellEdited);

    auto* v = new QVBoxLayout(page);
    v->addLayout(row);
    v->addWidget(grd_Measure, 1);
    return page;
}

QWidget* TfBod0010::buildGraphPage()
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    com_bu1 = new DivisionFilter;
    com_bu1->setObjectName(QStringLiteral("com_bu1"));
    dbcom_name = new QComboBox;
    dbcom_set = new QComboBox;
    row->addWidget(new QLabel(QStringLiteral("부 명")));
    row->addWidget(com_bu1, 1);
    row->addWidget(new QLabel(QStringLiteral("이  름")));
    row->addWidget(dbcom_name, 1);
    row->addWidget(new QLabel(QStringLiteral("항  목  명")));
    row->addWidget(dbcom_set, 1);
    chart = new QChartView;
    chart->setRenderHint(QPainter::Antialiasing);
    auto* v = new QVBoxLayout(page);
    v->addLayout(row);
    v->addWidget(chart, 1);
    connect(com_bu1, &QComboBox::currentIndexChanged, this, [this] { com_bu1Change(); });
    connect(dbcom_name, &QComboBox::currentIndexChanged, this, [this] { dbcom_setChange(); });
    connect(dbcom_set, &QComboBox::currentIndexChanged, this, [this] { dbcom_setChange(); });
    return page;
}

QWidget* TfBod0010::buildSheetPage()
{
    auto* page = new QWidget;
    com_bu2 = new DivisionFilter;
    com_bu2->setObjectName(QStringLiteral("com_bu2"));
    indate2 = ui::dateEdit();
    BitBtn4 = ui::button(QStringLiteral("  프 린 트"));
    auto* g = new QGridLayout(page);
    g->addWidget(new QLabel(QStringLiteral("부 명")), 0, 0);
    g->addWidget(com_bu2, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("현재일자")), 1, 0);
    g->addWidget(indate2, 1, 1);
    g->addWidget(BitBtn4, 2, 1);
    g->setColumnStretch(2, 1);
    g->setRowStretch(3, 1);
    connect(BitBtn4, &QPushButton::clicked, this, &TfBod0010::BitBtn4Click);
    return page;
}

int TfBod0010::currentPage() const { return PageControl1->currentIndex(); }

void TfBod0010::selectPage(int index, bool runChange)
{
    {
        const QSignalBlocker b(PageControl1);
        PageControl1->setCurrentIndex(index);
    }
    if (runChange)
        PageControl1Change();
}

void TfBod0010::PageControl1Change()
{
    if (editing())
        Btn_CancelClick();
    const bool first = currentPage() == PgInput;
    Btn_Insert->setEnabled(first);
    Btn_Edit->setEnabled(first);
    Btn_Print->setEnabled(first);
    if (currentPage() == PgGraph && dbcom_name->count() == 0)
        com_bu1Change();
}

void TfBod0010::Set_BodSet()
{
    const QStringList labels = fitness::itemLabels();
    for (int i = 0; i < kItems; ++i)
        model->setHeader(ColFirstValue + i, labels[i]);
    const QSignalBlocker b(dbcom_set);
    const int keep = dbcom_set->currentIndex();
    dbcom_set->clear();
    dbcom_set->addItem(QString());
    for (int i = 0; i < kItems; ++i)
        dbcom_set->addItem(fitness::itemLabels(255)[i], i + 1);
    dbcom_set->setCurrentIndex(keep < 0 ? 0 : keep);
}

void TfBod0010::chgButtonState(bool editing)
{
    const bool first = currentPage() == PgInput;
    Btn_Insert->setEnabled(!editing && first);
    Btn_Edit->setEnabled(!editing && first);
    Btn_Query->setEnabled(!editing);
    Btn_Print->setEnabled(!editing && first);
    Btn_Close->setEnabled(!editing);
    Btn_Save->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
}

void TfBod0010::chgEdBoxState(bool on)
{
    model->setEditing(on);
    for (QWidget* w : {static_cast<QWidget*>(Com_bu), static_cast<QWidget*>(inDateFrom), static_cast<QWidget*>(inDateTo),
                       static_cast<QWidget*>(inToday)})
        w->setEnabled(!on);
}

QStringList TfBod0010::rowTexts(const Measurements::Row& r) const
{
    QStringList t = {r.no, r.name, r.division, r.date};
    for (double v : r.v)
        t.append(fitness::fmt1(v));
    return t;
}

void TfBod0010::showRows()
{
    QList<QStringList> texts;
    texts.reserve(m_rows.size());
    for (const Measurements::Row& r : m_rows)
        texts.append(rowTexts(r));
    model->setRows(texts);
    lbl_Found->setText(QString::number(m_rows.size()));
}

void TfBod0010::cellEdited(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_rows.size() || column < ColFirstValue)
        return;
    double v = 0;
    fitness::parseValue(text, &v); // the model has let numbers only through
    Measurements::setValue(m_rows[row], column - ColFirstValue + 1, v);
    model->setRow(row, rowTexts(m_rows[row]));
}

void TfBod0010::Btn_InsertClick()
{
    m_rows = Measurements::forEntry(inToday->date(), Com_bu->condition());
    m_before = m_rows;
    showRows();
    m_mode = Mode::Insert;
    m_editRow = -1;
    chgEdBoxState(true);
    chgButtonState(true);
    if (!m_rows.isEmpty()) {
        grd_Measure->setFocus();
        grd_Measure->setCurrentIndex(model->index(0, ColFirstValue));
    }
}

void TfBod0010::Btn_EditClick()
{
    const int row = grd_Measure->currentIndex().row();
    if (row < 0 || row >= m_rows.size()) {
        Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("수정할 줄을 선택하세요."), this);
        return;
    }
    m_before = m_rows;
    m_mode = Mode::Edit;
    m_editRow = row;
    chgEdBoxState(true);
    chgButtonState(true);
    grd_Measure->setFocus();
    grd_Measure->setCurrentIndex(model->index(row, ColFirstValue));
}

void TfBod0010::Btn_QueryClick()
{
    if (currentPage() == PgGraph) {
        com_bu1Change();
        return;
    }
    if (currentPage() != PgInput)
        return;
    m_rows = Measurements::search(inDateFrom->date(), inDateTo->date(), Com_bu->condition());
    showRows();
}

void TfBod0010::Btn_SaveClick()
{
    if (!editing())
        return;
    finishEditing(grd_Measure);
    int written = 0;
    try {
        written = Measurements::save(m_rows);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    for (Measurements::Row& r : m_rows)
        r.changed = false;
    endEditing();
    ui::notify(QStringLiteral("체력측정 %1명의 자료를 저장했습니다.").arg(written));
}

void TfBod0010::Btn_CancelClick()
{
    if (!editing())
        return;
    m_rows = m_before;
    endEditing();
    showRows();
}

void TfBod0010::endEditing()
{
    m_mode = Mode::Browse;
    m_editRow = -1;
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfBod0010::Btn_PrintClick()
{
    report::PrintJob job;
    Measurements::fillResultList(job, m_rows, Measurements::divisionLabel(Com_bu->currentIndex(), Com_bu->currentText()));
    job.run(QStringLiteral("cheryuk.rpt"), QStringLiteral("체력 측정결과표"), report::Preview, this);
}

void TfBod0010::BitBtn4Click()
{
    report::PrintJob job;
    Measurements::fillBlankSheet(job, indate2->date(), com_bu2->condition(),
                                 Measurements::divisionLabel(com_bu2->currentIndex(), com_bu2->currentText()));
    job.run(QStringLiteral("cheryuk.rpt"), QStringLiteral("체력 측정표"), report::Preview, this);
}

void TfBod0010::com_bu1Change()
{
    const QSignalBlocker b(dbcom_name);
    dbcom_name->clear();
    for (const auto& [no, name] : Measurements::members(com_bu1->condition()))
        dbcom_name->addItem(name, no);
    dbcom_setChange();
}

void TfBod0010::dbcom_setChange()
{
    const int item = dbcom_set->currentData().toInt();
    const QString no = dbcom_name->currentData().toString();
    auto* c = new QChart;
    c->legend()->hide();
    if (item > 0 && !no.isEmpty()) {
        c->setTitle(dbcom_set->currentText());
        auto* s = new QLineSeries;
        s->setPointsVisible(true);
        s->setPointLabelsVisible(true);
        s->setPointLabelsFormat(QStringLiteral("@yPoint"));
        s->setPointLabelsClipping(false); // the first and last values stay whole
        // A real time scale (days), labelled with the measurement dates themselves at their places.
        auto* x = new QCategoryAxis;
        x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        x->setLabelsAngle(-45);
        double lo = 0, hi = 0;
        bool any = false;
        for (const auto& [day, value] : Measurements::series(no, item)) {
            const double at = double(day.toJulianDay());
            s->append(at, value);
            x->append(day.toString(QStringLiteral("yyyy-MM-dd")), at);
            lo = any ? std::min(lo, value) : value;
            hi = any ? std::max(hi, value) : value;
            any = true;
        }
        c->addSeries(s);
        auto* y = new QValueAxis;
        y->setLabelFormat(QStringLiteral("%.1f"));
        const double pad = any ? std::max(1.0, (hi - lo) * 0.1) : 1.0;
        y->setRange(lo - pad, hi + pad);
        c->addAxis(x, Qt::AlignBottom);
        c->addAxis(y, Qt::AlignLeft);
        s->attachAxis(x);
        s->attachAxis(y);
        if (any) { // room beside the first and last day for their labels
            const double first = s->at(0).x(), last = s->at(s->count() - 1).x();
            const double margin = std::max(15.0, (last - first) * 0.08);
            x->setStartValue(first - margin);
            x->setRange(first - margin, last + margin);
        }
    }
    QChart* old = chart->chart();
    chart->setChart(c);
    delete old;
}

int TfBod0010::chartPoints() const
{
    const auto series = chart->chart()->series();
    return series.isEmpty() ? 0 : int(static_cast<QLineSeries*>(series.first())->count());
}

TfBod0010::~TfBod0010()
{
    // A cell still being typed into commits when its editor goes with the window; by then the rows it
    // would write into are gone.
    if (model)
        disconnect(model, nullptr, this, nullptr);
}

void TfBod0010::closeEvent(QCloseEvent* e)
{
    if (editing() && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("저장하지 않은 측정 자료가 있습니다. 닫을까요?"), this)) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
