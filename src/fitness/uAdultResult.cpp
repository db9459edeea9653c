#include "fitness/uAdultResult.h"

#include "db/Clock.h"
#include "db/DbError.h"
#include "fitness/Fitness.h"
#include "fitness/ScreenParts.h"
#include "report/Report.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/ListModel.h"
#include "report/ExportButtons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

using fitness::kAdultItems;
namespace ui = fitness::ui;

namespace {

// "#,##0.0"
QString grouped(double v)
{
    QString t = fitness::fmt1(v);
    const bool negative = t.startsWith(u'-');
    if (negative)
        t.remove(0, 1);
    for (int i = int(t.indexOf(u'.')) - 3; i > 0; i -= 3)
        t.insert(i, u',');
    return negative ? u'-' + t : t;
}

QComboBox* nameBox()
{
    auto* c = new QComboBox;
    c->setEditable(true);
    c->setMinimumWidth(90);
    return c;
}

QString sexName(const QString& code) { return code == QStringLiteral("0") ? QStringLiteral("여") : QStringLiteral("남"); }

} // namespace

TfAdultResult::TfAdultResult(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfAdultResult"));
    setWindowTitle(QStringLiteral("성인기초체력측정"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 500);

    auto* top = ui::heading(QStringLiteral("성 인 기 초 체 력 측 정"), Adults::count(), &lbl_Total, &lbl_Found);
    auto* bar = ui::toolbar({{&Btn_Insert, QStringLiteral("입     력")}, {&Btn_Edit, QStringLiteral("수     정")},
                             {&Btn_Delete, QStringLiteral("삭     제")}, {&Btn_Query, QStringLiteral("조     회")},
                             {&Btn_Save, QStringLiteral("확     인")}, {&Btn_Cancel, QStringLiteral("취     소")},
                             {&Btn_Print, QStringLiteral("인     쇄")}, {&Btn_Close, QStringLiteral("종     료")}});
    PageControl1 = new QTabWidget;
    ExportButtons::addForPages(bar, this, PageControl1, Btn_Close);
    PageControl1->addTab(buildResultsPage(), QStringLiteral("기초체력 측정결과"));
    PageControl1->addTab(buildRegisterPage(), QStringLiteral("기초체력 신상자료입력"));
    PageControl1->addTab(buildBatchPage(), QStringLiteral("측정결과 일괄입력"));
    PageControl1->addTab(buildPrintPage(), QStringLiteral("측정결과 일괄출력"));
    PageControl1->addTab(buildSheetPage(), QStringLiteral("측정표 출력"));

    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(bar);
    root->addWidget(PageControl1, 1);

    connect(Btn_Insert, &QPushButton::clicked, this, &TfAdultResult::Btn_InsertClick);
    connect(Btn_Edit, &QPushButton::clicked, this, &TfAdultResult::Btn_EditClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfAdultResult::Btn_DeleteClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfAdultResult::Btn_QueryClick);
    connect(Btn_Save, &QPushButton::clicked, this, &TfAdultResult::Btn_SaveClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfAdultResult::Btn_CancelClick);
    connect(Btn_Print, &QPushButton::clicked, this, &TfAdultResult::Btn_PrintClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });

    fillNames();
    setRegisterEditable(false);
    setButtons();
}

QWidget* TfAdultResult::buildResultsPage()
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    cbo_AdultName = nameBox();
    dtpk_FromDate = ui::dateEdit();
    dtpk_ToDate = ui::dateEdit();
    chk_Date = new QCheckBox(QStringLiteral("검색 조건에 측정일자 포함"));
    row->addWidget(new QLabel(QStringLiteral("이  름")));
    row->addWidget(cbo_AdultName, 1);
    row->addWidget(new QLabel(QStringLiteral("측정일자")));
    row->addWidget(dtpk_FromDate);
    row->addWidget(new QLabel(QStringLiteral("~")));
    row->addWidget(dtpk_ToDate);
    row->addWidget(chk_Date);

    resultModel = new ListModel(this);
    resultModel->setCheckable(true);
    QList<ListModel::Column> cols = {{QStringLiteral("번호"), 50}, {QStringLiteral("이름"), 60}, {QStringLiteral("수련생"), 60},
                                     {QStringLiteral("생년월일/나이"), 96}, {QStringLiteral("측정일자"), 76}};
    const QStringList names = Adults::itemNames();
    for (int i = 0; i < kAdultItems; ++i)
        cols.append({names.value(i), 56, false, ListModel::Number});
    cols.append({QStringLiteral("비만도"), 52, false, ListModel::Number});
    resultModel->setColumns(cols);
    lst_Result = ui::gridView(resultModel);
    connect(lst_Result, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.row() >= 0 && i.row() < m_found.size())
            openAdult(m_found[i.row()].no);
    });
    auto* v = new QVBoxLayout(page);
    v->addLayout(row);
    v->addWidget(lst_Result, 1);
    return page;
}

QWidget* TfAdultResult::buildRegisterPage()
{
    auto* page = new QWidget;
    edt_Name = new QLineEdit;
    edt_Name->setMaxLength(10);
    edt_TraineeName = new QLineEdit;
    edt_TraineeName->setMaxLength(10);
    rdo_SexMale = new QRadioButton(QStringLiteral("남"));
    rdo_SexFeMale = new QRadioButton(QStringLiteral("여"));
    rdo_RelMember = new QRadioButton(QStringLiteral("수련생"));
    rdo_RelIlban = new QRadioButton(QStringLiteral("일반"));
    auto* sex = new QButtonGroup(this);
    sex->addButton(rdo_SexMale);
    sex->addButton(rdo_SexFeMale);
    auto* rel = new QButtonGroup(this);
    rel->addButton(rdo_RelMember);
    rel->addButton(rdo_RelIlban);
    rdo_SexMale->setChecked(true);
    rdo_RelMember->setChecked(true);
    edt_Birth = new DateEdit;
    edt_Birth->setAllowEmpty(true);
    edt_Birth->setEmpty();
    edt_Note = new QPlainTextEdit;
    lbl_No = new QLabel;

    auto* g = new QGridLayout(page);
    g->addWidget(new QLabel(QStringLiteral("번   호")), 0, 0);
    g->addWidget(lbl_No, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("이   름")), 1, 0);
    g->addWidget(edt_Name, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("수련생명")), 1, 2);
    g->addWidget(edt_TraineeName, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("성  별")), 2, 0);
    auto* sexRow = new QHBoxLayout;
    sexRow->addWidget(rdo_SexMale);
    sexRow->addWidget(rdo_SexFeMale);
    sexRow->addStretch();
    g->addLayout(sexRow, 2, 1);
    g->addWidget(new QLabel(QStringLiteral("관   계")), 2, 2);
    auto* relRow = new QHBoxLayout;
    relRow->addWidget(rdo_RelMember);
    relRow->addWidget(rdo_RelIlban);
    relRow->addStretch();
    g->addLayout(relRow, 2, 3);
    g->addWidget(new QLabel(QStringLiteral("생년월일")), 3, 0);
    g->addWidget(edt_Birth, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("비   고")), 4, 0, Qt::AlignTop);
    g->addWidget(edt_Note, 4, 1, 1, 3);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(4, 1);
    return page;
}

QWidget* TfAdultResult::buildBatchPage()
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    cbo_AdultBatchName = nameBox();
    dtpk_BatchFromdate = ui::dateEdit();
    dtpk_BatchTodate = ui::dateEdit();
    dtpk_BatchDate = ui::dateEdit();
    row->addWidget(new QLabel(QStringLiteral("이  름")));
    row->addWidget(cbo_AdultBatchName, 1);
    row->addWidget(new QLabel(QStringLiteral("조회 기간")));
    row->addWidget(dtpk_BatchFromdate);
    row->addWidget(new QLabel(QStringLiteral("~")));
    row->addWidget(dtpk_BatchTodate);
    row->addWidget(new QLabel(QStringLiteral("현재 일자")));
    row->addWidget(dtpk_BatchDate);

    batchModel = new ListModel(this);
    QList<ListModel::Column> cols = {{QStringLiteral("이  름"), 60}, {QStringLiteral("수련생명"), 60}, {QStringLiteral("측정 일자"), 76}};
    const QStringList names = Adults::itemNames();
    for (int i = 0; i < kAdultItems; ++i)
        cols.append({names.value(i), 60, true, ListModel::Number});
    cols.append({QStringLiteral("비만도"), 52, true, ListModel::Number});
    batchModel->setColumns(cols);
    batchModel->setRowEditable([this](int r) { return m_batchRow < 0 || r == m_batchRow; });
    grd_Batch = ui::gridView(batchModel);
    connect(batchModel, &ListModel::edited, this, &TfAdultResult::batchEdited);
    auto* v = new QVBoxLayout(page);
    v->addLayout(row);
    v->addWidget(grd_Batch, 1);
    return page;
}

QWidget* TfAdultResult::buildPrintPage()
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout;
    cbo_EstimateAdultName = nameBox();
    dtpk_EstFromDate = ui::dateEdit();
    dtpk_EstToDate = ui::dateEdit();
    chk_EstDate = new QCheckBox(QStringLiteral("검색 조건에 측정일자 포함"));
    row->addWidget(new QLabel(QStringLiteral("이  름")));
    row->addWidget(cbo_EstimateAdultName, 1);
    row->addWidget(new QLabel(QStringLiteral("측정일자")));
    row->addWidget(dtpk_EstFromDate);
    row->addWidget(new QLabel(QStringLiteral("~")));
    row->addWidget(dtpk_EstToDate);
    row->addWidget(chk_EstDate);
    estimateModel = new ListModel(this);
    estimateModel->setCheckable(true);
    estimateModel->setColumns({{QStringLiteral("번호"), 56}, {QStringLiteral("이름"), 70}, {QStringLiteral("수련생명"), 70},
                               {QStringLiteral("생년월일/나이"), 100}, {QStringLiteral("비고"), 90}, {QStringLiteral("성별"), 40},
                               {QStringLiteral("생년월일"), 80}});
    lst_Estimate = ui::gridView(estimateModel);
    connect(lst_Estimate, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.row() >= 0 && i.row() < m_estimate.size())
            openAdult(m_estimate[i.row()].no);
    });
    auto* v = new QVBoxLayout(page);
    v->addLayout(row);
    v->addWidget(lst_Estimate, 1);
    return page;
}

QWidget* TfAdultResult::buildSheetPage()
{
    auto* page = new QWidget;
    sheetModel = new ListModel(this);
    sheetModel->setCheckable(true);
    sheetModel->setColumns({{QStringLiteral("번호"), 56}, {QStringLiteral("이름"), 70}, {QStringLiteral("수련생명"), 70},
                            {QStringLiteral("생년월일/나이"), 100}, {QStringLiteral("비고"), 90}, {QStringLiteral("나이"), 40}});
    lst_Sheet = ui::gridView(sheetModel);
    auto* v = new QVBoxLayout(page);
    v->addWidget(lst_Sheet, 1);
    return page;
}

void TfAdultResult::fillNames()
{
    const QStringList names = Adults::names();
    for (QComboBox* c : {cbo_AdultName, cbo_AdultBatchName, cbo_EstimateAdultName}) {
        const QString keep = c->currentText();
        c->clear();
        c->addItem(QString());
        c->addItems(names);
        c->setCurrentText(keep);
    }
    lbl_Total->setText(QString::number(Adults::count()));
}

int TfAdultResult::currentPage() const { return PageControl1->currentIndex(); }

void TfAdultResult::selectPage(int index, bool runChange)
{
    {
        const QSignalBlocker b(PageControl1);
        PageControl1->setCurrentIndex(index);
    }
    if (runChange)
        PageControl1Change();
}

void TfAdultResult::PageControl1Change()
{
    if (editing())
        Btn_CancelClick();
    setButtons();
}

void TfAdultResult::setButtons()
{
    const int p = currentPage();
    const bool browse = !editing();
    Btn_Insert->setEnabled(browse && (p == PgRegister || p == PgBatch));
    Btn_Edit->setEnabled(browse && (p == PgRegister || p == PgBatch));
    Btn_Delete->setEnabled(browse && (p == PgRegister || p == PgBatch));
    Btn_Query->setEnabled(browse && p != PgRegister);
    Btn_Print->setEnabled(browse && (p == PgPrint || p == PgSheet));
    Btn_Save->setEnabled(!browse);
    Btn_Cancel->setEnabled(!browse);
    Btn_Close->setEnabled(browse);
    PageControl1->tabBar()->setEnabled(browse);
}

// ---- register ----

void TfAdultResult::showAdult(const Adults::Adult& a)
{
    m_adult = a;
    lbl_No->setText(a.no ? QString::number(a.no) : QString());
    edt_Name->setText(a.name);
    edt_TraineeName->setText(a.traineeName);
    (a.sex == QStringLiteral("0") ? rdo_SexFeMale : rdo_SexMale)->setChecked(true);
    (a.relation == QStringLiteral("2") ? rdo_RelIlban : rdo_RelMember)->setChecked(true);
    edt_Birth->setDateText(a.birthDate);
    edt_Note->setPlainText(a.note);
}

void TfAdultResult::setRegisterEditable(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{edt_Name, edt_TraineeName, rdo_SexMale, rdo_SexFeMale, rdo_RelMember,
                                                      rdo_RelIlban, edt_Birth, edt_Note})
        w->setEnabled(on);
}

void TfAdultResult::openAdult(int no)
{
    if (editing())
        return;
    if (const auto a = Adults::find(no)) {
        selectPage(PgRegister, true);
        showAdult(*a);
    }
}

int TfAdultResult::selectedAdult() const
{
    if (m_adult.no)
        return m_adult.no;
    const int r0 = lst_Result->currentIndex().row(), r3 = lst_Estimate->currentIndex().row();
    if (r0 >= 0 && r0 < m_found.size())
        return m_found[r0].no;
    if (r3 >= 0 && r3 < m_estimate.size())
        return m_estimate[r3].no;
    return 0;
}

void TfAdultResult::saveRegister()
{
    try {
        if (m_mode == Mode::DeleteAdult) {
            Adults::remove(m_adult.no);
            ui::notify(QStringLiteral("성인 삭제: %1번 %2").arg(m_adult.no).arg(m_adult.name));
            showAdult(Adults::Adult());
        } else {
            Adults::Adult a = m_adult;
            a.name = edt_Name->text();
            a.traineeName = edt_TraineeName->text();
            a.sex = rdo_SexFeMale->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
            a.relation = rdo_RelIlban->isChecked() ? QStringLiteral("2") : QStringLiteral("1");
            a.birthDate = edt_Birth->dateText();
            a.note = edt_Note->toPlainText();
            const QString refusal = Adults::save(a, m_mode == Mode::NewAdult);
            if (!refusal.isEmpty()) {
                Dialogs::error(QStringLiteral("확인요망"), refusal, this);
                (a.name.trimmed().isEmpty() ? static_cast<QWidget*>(edt_Name) : edt_Birth)->setFocus();
                return;
            }
            m_adult = a;
            ui::notify(QStringLiteral("성인 저장: %1번 %2").arg(a.no).arg(a.name.trimmed()));
        }
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), (m_mode == Mode::DeleteAdult ? QStringLiteral("삭제 에러 입니다.\n") : QStringLiteral("저장 에러 입니다.\n"))
                                                   + e.message(),
                       this);
        return;
    }
    endEditing();
    fillNames();
}

// ---- batch ----

QStringList TfAdultResult::batchTexts(const Adults::Row& r) const
{
    QStringList t = {r.name, r.traineeName, r.date};
    for (double v : r.v)
        t.append(fitness::fmt1(v));
    return t;
}

void TfAdultResult::showBatch()
{
    QList<QStringList> rows;
    for (const Adults::Row& r : m_batch)
        rows.append(batchTexts(r));
    batchModel->setRows(rows);
    lbl_Found->setText(QString::number(m_batch.size()));
}

void TfAdultResult::batchEdited(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_batch.size() || column < BcFirstValue)
        return;
    double v = 0;
    fitness::parseValue(text, &v);
    Adults::setValue(m_batch[row], column - BcFirstValue + 1, v);
    batchModel->setRow(row, batchTexts(m_batch[row]));
}

void TfAdultResult::saveBatch()
{
    finishEditing(grd_Batch);
    QString refusal;
    try {
        refusal = Adults::saveBatch(m_batch, m_removed);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    if (!refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), refusal, this);
        return;
    }
    endEditing();
    m_batch = Adults::batchSearch(cbo_AdultBatchName->currentText(), dtpk_BatchFromdate->date(), dtpk_BatchTodate->date());
    showBatch();
    ui::notify(QStringLiteral("성인 체력측정 저장"));
}

// ---- toolbar ----

void TfAdultResult::Btn_InsertClick()
{
    if (currentPage() == PgRegister) {
        Adults::Adult a;
        a.no = Adults::nextNo();
        showAdult(a);
        edt_Birth->setEmpty();
        m_mode = Mode::NewAdult;
        setRegisterEditable(true);
        setButtons();
        edt_Name->setFocus();
    } else if (currentPage() == PgBatch) {
        m_batch = Adults::forEntry(cbo_AdultBatchName->currentText(), dtpk_BatchDate->date());
        m_batchBefore.clear();
        m_removed.clear();
        showBatch();
        m_mode = Mode::Batch;
        m_batchRow = -1;
        batchModel->setEditing(true);
        setButtons();
        if (!m_batch.isEmpty()) {
            grd_Batch->setFocus();
            grd_Batch->setCurrentIndex(batchModel->index(0, BcFirstValue));
        }
    }
}

void TfAdultResult::Btn_EditClick()
{
    if (currentPage() == PgRegister) {
        const int no = selectedAdult();
        const auto a = no ? Adults::find(no) : std::nullopt;
        if (!a) {
            Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("선택된 항목이 없습니다."), this);
            return;
        }
        showAdult(*a);
        m_mode = Mode::EditAdult;
        setRegisterEditable(true);
        setButtons();
        edt_Name->setFocus();
    } else if (currentPage() == PgBatch) {
        const int row = grd_Batch->currentIndex().row();
        if (row < 0 || row >= m_batch.size()) {
            Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("선택된 항목이 없습니다."), this);
            return;
        }
        m_batchBefore = m_batch;
        m_removed.clear();
        m_mode = Mode::Batch;
        m_batchRow = row;
        batchModel->setEditing(true);
        setButtons();
        grd_Batch->setCurrentIndex(batchModel->index(row, BcFirstValue));
    }
}

void TfAdultResult::Btn_DeleteClick()
{
    if (currentPage() == PgRegister) {
        const int no = selectedAdult();
        const auto a = no ? Adults::find(no) : std::nullopt;
        if (!a) {
            Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("선택된 항목이 없습니다."), this);
            return;
        }
        showAdult(*a);
        m_mode = Mode::DeleteAdult; // 확인 deletes the adult with his measurements
        setButtons();
    } else if (currentPage() == PgBatch) {
        const int row = grd_Batch->currentIndex().row();
        if (row < 0 || row >= m_batch.size()) {
            Dialogs::warning(QStringLiteral("확인요망"), QStringLiteral("선택된 항목이 없습니다."), this);
            return;
        }
        if (m_mode != Mode::Batch) {
            m_batchBefore = m_batch;
            m_removed.clear();
        }
        m_removed.append(m_batch.takeAt(row));
        batchModel->removeRow(row);
        m_mode = Mode::Batch;
        m_batchRow = -2; // nothing open: the removal waits for 확인
        batchModel->setEditing(true);
        setButtons();
    }
}

void TfAdultResult::nothingFound()
{
    Dialogs::error(windowTitle(), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
}

void TfAdultResult::Btn_QueryClick()
{
    const int year = Clock::today().year();
    switch (currentPage()) {
    case PgResults: {
        m_found = Adults::search(cbo_AdultName->currentText(), chk_Date->isChecked(), dtpk_FromDate->date(), dtpk_ToDate->date());
        QList<QStringList> rows;
        for (const Adults::Row& r : m_found) {
            QStringList t = {QString::number(r.no), r.name, r.traineeName, Adults::birthAndAge(r.birthDate, year), r.date};
            for (double v : r.v)
                t.append(grouped(v));
            rows.append(t);
        }
        resultModel->setRows(rows);
        lbl_Found->setText(QString::number(rows.size()));
        if (rows.isEmpty())
            nothingFound();
        break;
    }
    case PgBatch:
        m_batch = Adults::batchSearch(cbo_AdultBatchName->currentText(), dtpk_BatchFromdate->date(), dtpk_BatchTodate->date());
        showBatch();
        break;
    case PgPrint:
    case PgSheet: {
        const bool print = currentPage() == PgPrint;
        QList<Adults::Listed>& list = print ? m_estimate : m_sheet;
        list = print ? Adults::measured(cbo_EstimateAdultName->currentText(), chk_EstDate->isChecked(), dtpk_EstFromDate->date(),
                                        dtpk_EstToDate->date())
                     : Adults::all();
        QList<QStringList> rows;
        for (const Adults::Listed& a : list) {
            QStringList t = {QString::number(a.no), a.name, a.traineeName, Adults::birthAndAge(a.birthDate, year), QString()};
            if (print)
                t << sexName(a.sex) << a.birthDate;
            else
                t << QString::number(Adults::age(a.birthDate, year));
            rows.append(t);
        }
        (print ? estimateModel : sheetModel)->setRows(rows);
        lbl_Found->setText(QString::number(rows.size()));
        if (rows.isEmpty())
            nothingFound();
        break;
    }
    default:
        break;
    }
}

void TfAdultResult::Btn_SaveClick()
{
    if (m_mode == Mode::Batch)
        saveBatch();
    else if (editing())
        saveRegister();
}

void TfAdultResult::Btn_CancelClick()
{
    if (m_mode == Mode::Batch) {
        m_batch = m_batchBefore;
        m_removed.clear();
        endEditing();
        showBatch();
        return;
    }
    endEditing();
    if (const auto a = m_adult.no ? Adults::find(m_adult.no) : std::nullopt)
        showAdult(*a);
    else
        showAdult(Adults::Adult());
}

void TfAdultResult::endEditing()
{
    m_mode = Mode::Browse;
    m_batchRow = -1;
    batchModel->setEditing(false);
    setRegisterEditable(false);
    setButtons();
}

void TfAdultResult::Btn_PrintClick()
{
    const bool results = currentPage() == PgPrint;
    ListModel* model = results ? estimateModel : sheetModel;
    const QList<Adults::Listed>& list = results ? m_estimate : m_sheet;
    QList<Adults::Listed> ticked;
    for (int r : model->tickedRows())
        ticked.append(list[r]);
    report::PrintJob job;
    if (results) {
        Adults::fillResults(job, ticked, Clock::today());
        job.run(QStringLiteral("성인체력1.rpt"), QStringLiteral("성인체력측정결과 일괄출력"), report::Preview, this);
    } else {
        Adults::fillSheet(job, ticked, Clock::today());
        job.run(QStringLiteral("성인체력2.rpt"), QStringLiteral("측정표출력"), report::Preview, this);
    }
}

void TfAdultResult::closeEvent(QCloseEvent* e)
{
    if (editing() && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("저장하지 않은 자료가 있습니다. 닫을까요?"), this)) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
