#include "operations/uCon0010.h"

#include "db/Clock.h"
#include "db/CodeTables.h"
#include "db/DbError.h"
#include "db/Query.h"
#include "ui/ScreenHeader.h"
#include "report/Report.h"
#include "ui/ByteLimit.h"
#include "ui/CodeCombo.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"
#include "report/ExportButtons.h"
#include "ui/BarButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QLabel* label(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }
}

TfCon0010::TfCon0010(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfCon0010");
    setWindowTitle(QStringLiteral("입관상담"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 480);
    auto* root = new QVBoxLayout(this);
    root->addLayout(ScreenHeader::build(this, &Pan_Company, &total_num, &search_num));
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption, void (TfCon0010::*handler)()) {
        return ui::addBarButton(this, bar, name, caption, handler);
    };
    Btn_Insert = button("Btn_Insert", "입     력", &TfCon0010::Btn_InsertClick);
    Btn_Edit = button("Btn_Edit", "수     정", &TfCon0010::Btn_EditClick);
    Btn_Delete = button("Btn_Delete", "삭     제", &TfCon0010::Btn_DeleteClick);
    Btn_Search = button("Btn_Search", "조     회", &TfCon0010::Btn_SearchClick);
    Btn_Ok = button("Btn_Ok", "확     인", &TfCon0010::Btn_OkClick);
    Btn_Cancel = button("Btn_Cancel", "취     소", &TfCon0010::Btn_CancelClick);
    Btn_Dm = button("Btn_Dm", "DM 발송", &TfCon0010::Btn_DmClick);
    Btn_Exit = button("Btn_Exit", "종     료", nullptr);
    ExportButtons::addForWindow(bar, this, Btn_Exit);
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    bar->addStretch();
    root->addLayout(bar);
    PageControl1 = new QTabWidget(this);

    // ---- query
    auto* q = new QWidget(this);
    auto* ql = new QVBoxLayout(q);
    auto* g = new QGridLayout;
    com_Name = new QComboBox(q);
    com_Name->setEditable(true);
    com_Name->addItem(QString());
    com_Name->addItems(Consultations::names());
    edt_Counsel = new QLineEdit(q);
    edt_Counsel->setMaxLength(9);
    edt_School = new QLineEdit(q);
    com_Visit = new CodeCombo(q);
    com_Visit->load("T_입관동기", "사유코드", "사유명", true);
    dtpk_CFrom = new DateEdit(q);
    dtpk_CTo = new DateEdit(q);
    dtpk_FFrom = new DateEdit(q);
    dtpk_FTo = new DateEdit(q);
    chk_CDate = new QCheckBox(QStringLiteral("조회 조건에 상담일 포함"), q);
    chk_FDate = new QCheckBox(QStringLiteral("조회 조건에 예상 입관일 포함"), q);
    g->addWidget(label("이   름", q), 0, 0);
    g->addWidget(com_Name, 0, 1);
    g->addWidget(label("상 담 자", q), 0, 2);
    g->addWidget(edt_Counsel, 0, 3);
    g->addWidget(label("학 교", q), 0, 4);
    g->addWidget(edt_School, 0, 5);
    g->addWidget(label("방문동기", q), 0, 6);
    g->addWidget(com_Visit, 0, 7);
    auto dates = [&](int row, const char* text, DateEdit* a, DateEdit* b, QCheckBox* c) {
        g->addWidget(label(text, q), row, 0);
        auto* h = new QHBoxLayout;
        h->addWidget(a);
        h->addWidget(label("~", q));
        h->addWidget(b);
        h->addWidget(c);
        h->addStretch();
        g->addLayout(h, row, 1, 1, 7);
    };
    dates(1, "상 담 일", dtpk_CFrom, dtpk_CTo, chk_CDate);
    dates(2, "예상입관일", dtpk_FFrom, dtpk_FTo, chk_FDate);
    ql->addLayout(g);
    grd_Result = new QTableView(q);
    setUpGrid(grd_Result);
    m_results = new ListModel({"번호", "이름", "상담자", "상담일자", "방문동기", "학교", "학년", "전화번호", "예상입관일",
                                   "ID", "주소", "부모명", "우편번호"}, true, this);
    grd_Result->setModel(m_results);
    grd_Result->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ql->addWidget(grd_Result, 1);
    PageControl1->addTab(q, QStringLiteral("입관상담 조회"));
    connect(grd_Result, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        Consultations::Record r;
        if (Consultations::load(m_results->text(i.row(), Consultations::No + 1).toInt(), &r)) {
            showRecord(r);
            selectPage(PgEntry, true);
        }
    });

    // ---- entry
    auto* e = new QWidget(this);
    auto* eg = new QGridLayout(e);
    DBEdit_Name = new QLineEdit(e);
    ByteLimit::install(DBEdit_Name, 10);
    DBEdit_Counsel = new QLineEdit(e);
    ByteLimit::install(DBEdit_Counsel, 9);
    DBEdit_CDate = new DateEdit(e);
    DBEdit_CDate->setAllowEmpty(true);
    DBEdit_School = new QLineEdit(e);
    DBCom_Grade = new QComboBox(e);
    DBCom_Grade->addItems(Consultations::grades());
    DBEdit_Address = new QLineEdit(e);
    ByteLimit::install(DBEdit_Address, 50);
    DBCom_Zip = new QComboBox(e);
    DBCom_Zip->addItem(QString());
    {
        db::Query z("SELECT 우편번호, 동 FROM T_우편번호 ORDER BY 우편번호");
        z.open();
        while (z.next())
            DBCom_Zip->addItem(z.str("우편번호") + ")  " + z.str("동"), z.str("우편번호"));
    }
    DBCom_Visit = new CodeCombo(e);
    DBCom_Visit->load("T_입관동기", "사유코드", "사유명", true);
    DBEdit_Parent = new QLineEdit(e);
    ByteLimit::install(DBEdit_Parent, 10);
    DBEdit_Age = new QLineEdit(e);
    DBEdit_Age->setValidator(new QIntValidator(0, 150, DBEdit_Age));
    DBEdit_Phone = new QLineEdit(e);
    DBEdit_Phone->setInputMask("9999-9999;_");
    DBEdit_FDate = new DateEdit(e);
    DBEdit_FDate->setAllowEmpty(true);
    DBMemo = new QPlainTextEdit(e);
    int r = 0;
    auto pair = [&](const char* a, QWidget* wa, const char* b, QWidget* wb) {
        eg->addWidget(label(a, e), r, 0);
        eg->addWidget(wa, r, 1);
        eg->addWidget(label(b, e), r, 2);
        eg->addWidget(wb, r, 3);
        ++r;
    };
    pair("이   름", DBEdit_Name, "상 담 자", DBEdit_Counsel);
    pair("상 담 일 자", DBEdit_CDate, "예 상 입 관 일", DBEdit_FDate);
    pair("학   교", DBEdit_School, "학   년", DBCom_Grade);
    pair("부 모 명", DBEdit_Parent, "나     이", DBEdit_Age);
    pair("전 화 번 호", DBEdit_Phone, "방 문 동 기", DBCom_Visit);
    eg->addWidget(label("주     소", e), r, 0);
    eg->addWidget(DBEdit_Address, r, 1, 1, 3);
    ++r;
    eg->addWidget(label("우편번호", e), r, 0);
    eg->addWidget(DBCom_Zip, r, 1);
    ++r;
    eg->addWidget(label("상 담 내 역", e), r, 0, Qt::AlignTop);
    eg->addWidget(DBMemo, r, 1, 1, 3);
    eg->setRowStretch(r, 1);
    PageControl1->addTab(e, QStringLiteral("입관상담 입력"));

    root->addWidget(PageControl1, 1);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfCon0010::PageControl1Change);
    chgEdBoxState(false);
    refreshTotal();
    chgButtonState();
}

int TfCon0010::currentPage() const { return PageControl1->currentIndex(); }

void TfCon0010::selectPage(int index, bool runChange)
{
    QSignalBlocker b(PageControl1);
    PageControl1->setCurrentIndex(index);
    if (runChange)
        PageControl1Change();
}

void TfCon0010::PageControl1Change() { chgButtonState(); }

void TfCon0010::refreshTotal() { total_num->setText(QString::number(Consultations::total())); }

void TfCon0010::chgEdBoxState(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{DBEdit_Name, DBEdit_Counsel, DBEdit_CDate, DBEdit_School, DBCom_Grade,
                                                     DBEdit_Address, DBCom_Zip, DBCom_Visit, DBEdit_Parent, DBEdit_Age,
                                                     DBEdit_Phone, DBEdit_FDate, DBMemo})
        w->setEnabled(on);
}

void TfCon0010::chgButtonState()
{
    const bool query = PageControl1->currentIndex() == PgQuery;
    const bool pending = m_mode != Mode::Browse;
    Btn_Search->setEnabled(!pending);
    Btn_Dm->setEnabled(query && !pending);
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete})
        b->setEnabled(!query && !pending);
    Btn_Ok->setEnabled(!query && pending);
    Btn_Cancel->setEnabled(!query && pending);
    Btn_Exit->setEnabled(!pending);
}

void TfCon0010::setCurrentResult(int row) { grd_Result->setCurrentIndex(m_results->index(row, 1)); }

int TfCon0010::selectedNo() const
{
    const int row = grd_Result->currentIndex().row();
    return row < 0 ? 0 : m_results->text(row, Consultations::No + 1).toInt();
}

Consultations::Record TfCon0010::record() const
{
    Consultations::Record r;
    r.no = m_no;
    r.consultDate = DBEdit_CDate->dateText();
    r.expectedDate = DBEdit_FDate->dateText();
    r.name = DBEdit_Name->text().trimmed();
    r.parent = DBEdit_Parent->text().trimmed();
    r.age = DBEdit_Age->text().trimmed().isEmpty() ? QVariant() : QVariant(DBEdit_Age->text().toInt());
    r.school = DBEdit_School->text().trimmed();
    r.grade = DBCom_Grade->currentText();
    r.address = DBEdit_Address->text().trimmed();
    r.zip = DBCom_Zip->currentData().toString();
    // An untouched telephone mask is no number.
    r.phone = DBEdit_Phone->text().remove(u'-').trimmed().isEmpty() ? QString() : DBEdit_Phone->text();
    r.motive = DBCom_Visit->code();
    r.counsellor = DBEdit_Counsel->text().trimmed();
    r.memo = DBMemo->toPlainText();
    return r;
}

void TfCon0010::showRecord(const Consultations::Record& r)
{
    m_no = r.no;
    DBEdit_Name->setText(r.name);
    DBEdit_Counsel->setText(r.counsellor);
    DBEdit_CDate->setDateText(r.consultDate);
    DBEdit_FDate->setDateText(r.expectedDate);
    DBEdit_School->setText(r.school);
    DBCom_Grade->setCurrentIndex(std::max(0, DBCom_Grade->findText(r.grade)));
    DBEdit_Address->setText(r.address);
    DBCom_Zip->setCurrentIndex(std::max(0, DBCom_Zip->findData(r.zip)));
    DBCom_Visit->setCode(r.motive);
    DBEdit_Parent->setText(r.parent);
    DBEdit_Age->setText(r.age.isNull() ? QString() : r.age.toString());
    DBEdit_Phone->setText(r.phone);
    DBMemo->setPlainText(r.memo);
}

void TfCon0010::Btn_SearchClick()
{
    if (PageControl1->currentIndex() == PgEntry) {
        selectPage(PgQuery, true);
        return;
    }
    Consultations::Filter f;
    f.name = com_Name->currentText().trimmed();
    f.counsellor = edt_Counsel->text().trimmed();
    f.school = edt_School->text().trimmed();
    f.motiveCode = com_Visit->code();
    f.byConsultDate = chk_CDate->isChecked();
    f.consultFrom = dtpk_CFrom->date();
    f.consultTo = dtpk_CTo->date();
    f.byExpectedDate = chk_FDate->isChecked();
    f.expectedFrom = dtpk_FFrom->date();
    f.expectedTo = dtpk_FTo->date();
    QList<QStringList> rows = Consultations::find(f);
    for (int i = 0; i < rows.size(); ++i)
        rows[i].prepend(QString::number(i + 1));
    m_results->setRows(rows, true);
    search_num->setText(QString::number(rows.size()));
    refreshTotal();
}

void TfCon0010::Btn_InsertClick()
{
    selectPage(PgEntry, false);
    showRecord({});
    m_no = Consultations::nextNo();
    m_mode = Mode::Insert;
    chgEdBoxState(true);
    chgButtonState();
    DBEdit_Name->setFocus();
}

void TfCon0010::Btn_EditClick()
{
    const int no = selectedNo();
    if (no == 0) {
        Dialogs::warning(QStringLiteral("확인"), QStringLiteral("선택된 항목이 없습니다."), this);
        return;
    }
    if (PageControl1->currentIndex() == PgQuery || m_no == 0) {
        Consultations::Record r;
        if (!Consultations::load(no, &r))
            return;
        showRecord(r);
        selectPage(PgEntry, false);
    }
    m_mode = Mode::Edit;
    chgEdBoxState(true);
    chgButtonState();
    DBEdit_Name->setFocus();
}

void TfCon0010::Btn_DeleteClick()
{
    if (selectedNo() == 0 || m_no == 0) {
        Dialogs::warning(QStringLiteral("확인"), QStringLiteral("선택된 항목이 없습니다."), this);
        return;
    }
    m_mode = Mode::Delete;
    chgButtonState();
}

void TfCon0010::Btn_OkClick()
{
    try {
        switch (m_mode) {
        case Mode::Insert: Consultations::insert(record()); break;
        case Mode::Edit: Consultations::update(record()); break;
        case Mode::Delete:
            Consultations::remove(m_no);
            showRecord({});
            break;
        case Mode::Browse: return;
        }
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    StatusLine::show(m_mode == Mode::Delete ? QStringLiteral("입관상담을 삭제하였습니다.") : QStringLiteral("입관상담을 저장하였습니다."));
    m_mode = Mode::Browse;
    chgEdBoxState(false);
    chgButtonState();
    refreshTotal();
}

void TfCon0010::Btn_CancelClick()
{
    Consultations::Record r;
    if (m_mode == Mode::Insert || !Consultations::load(m_no, &r))
        r = {};
    showRecord(r);
    m_mode = Mode::Browse;
    chgEdBoxState(false);
    chgButtonState();
}

void TfCon0010::Btn_DmClick()
{
    QList<QStringList> rows;
    for (int r : m_results->tickedRows())
        rows.append(m_results->texts()[r].mid(1));
    report::PrintJob job;
    report::fillAddressLabels(job, Consultations::labels(rows));
    job.run("dm.rpt", "DM 발송", report::Preview, this);
}
