#include "operations/uEve0010.h"

#include "db/Clock.h"
#include "db/CodeTables.h"
#include "ui/ScreenHeader.h"
#include "operations/uEve0020.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/ListPanel.h"
#include "ui/SchoolYearFilter.h"
#include "ui/StatusLine.h"
#include "report/ExportButtons.h"
#include "ui/BarButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QStringList kResultHeadings = {"회원번호", "회원명", "행사명", "참가일자", "부명", "학년", "현급", "전화번호", "비고"};
enum BatchCol { BNo, BName, BEvent, BDate, BDivision, BYear, BRank, BPhone, BRemark };

QLabel* label(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

} // namespace

TfEve0010::TfEve0010(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfEve0010");
    setWindowTitle(QStringLiteral("행사관리"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(780, 480);
    auto* root = new QVBoxLayout(this);
    root->addLayout(ScreenHeader::build(this, &Pan_Company, &total_num, &search_num));
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption, void (TfEve0010::*handler)()) {
        return ui::addBarButton(this, bar, name, caption, handler);
    };
    Btn_Insert = button("Btn_Insert", "입     력", &TfEve0010::Btn_InsertClick);
    Btn_Edit = button("Btn_Edit", "수     정", &TfEve0010::Btn_EditClick);
    Btn_Delete = button("Btn_Delete", "삭     제", &TfEve0010::Btn_DeleteClick);
    Btn_Search = button("Btn_Search", "조     회", &TfEve0010::Btn_SearchClick);
    Btn_Ok = button("Btn_Ok", "확     인", &TfEve0010::Btn_OkClick);
    Btn_Cancel = button("Btn_Cancel", "취     소", &TfEve0010::Btn_CancelClick);
    Btn_Print = button("Btn_Print", "발     부", &TfEve0010::Btn_PrintClick);
    Btn_Exit = button("Btn_Exit", "종     료", nullptr);
    ExportButtons::addForWindow(bar, this, Btn_Exit);
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    bar->addStretch();
    root->addLayout(bar);

    const QStringList events = EventParticipation::eventItems();
    PageControl1 = new QTabWidget(this);

    // ---- query
    auto* q = new QWidget(this);
    auto* ql = new QVBoxLayout(q);
    auto* qf = new QGridLayout;
    com_Name = new QComboBox(q);
    com_Name->setEditable(true);
    com_Name->addItem(QString());
    {
        db::Query names("SELECT DISTINCT 회원명 FROM T_회원 WHERE 퇴관일 is null ORDER BY 회원명");
        names.open();
        while (names.next())
            com_Name->addItem(names.str("회원명"));
    }
    com_Year = new SchoolYearFilter(q);
    com_Bu = new DivisionFilter(q);
    com_Event = new QComboBox(q);
    com_Event->addItem(QStringLiteral("전체"));
    com_Event->addItems(events);
    dtpk_From = new DateEdit(q);
    dtpk_To = new DateEdit(q);
    chk_Date = new QCheckBox(QStringLiteral("검색 조건에 포함"), q);
    qf->addWidget(label("이   름", q), 0, 0);
    qf->addWidget(com_Name, 0, 1);
    qf->addWidget(label("학   년", q), 0, 2);
    qf->addWidget(com_Year, 0, 3);
    qf->addWidget(label("부 명", q), 0, 4);
    qf->addWidget(com_Bu, 0, 5);
    qf->addWidget(label("행 사 명", q), 1, 0);
    qf->addWidget(com_Event, 1, 1, 1, 3);
    qf->addWidget(label("참가일자", q), 1, 4);
    auto* dates = new QHBoxLayout;
    dates->addWidget(dtpk_From);
    dates->addWidget(label("~", q));
    dates->addWidget(dtpk_To);
    dates->addWidget(chk_Date);
    qf->addLayout(dates, 1, 5);
    ql->addLayout(qf);
    grd_Result = new QTableView(q);
    setUpGrid(grd_Result);
    m_results = new ListModel(kResultHeadings, false, this);
    grd_Result->setModel(m_results);
    grd_Result->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ql->addWidget(grd_Result, 1);
    PageControl1->addTab(q, QStringLiteral("행사관리 조회"));
    connect(com_Event, &QComboBox::currentIndexChanged, this, [this] {
        m_results->clear();
        search_num->setText(QStringLiteral("0"));
    });
    connect(grd_Result, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { openMember(m_results->text(i.row(), 0)); });

    // ---- one member
    auto* m = new QWidget(this);
    auto* ml = new QVBoxLayout(m);
    auto* mf = new QHBoxLayout;
    com_Member = new QComboBox(m);
    com_Member->addItem(QString());
    {
        db::Query names("select 회원명, 회원번호 From T_회원 where 퇴관일 is null AND 휴관일 is null ORDER BY 회원명");
        names.open();
        while (names.next())
            com_Member->addItem(names.str("회원명"), names.str("회원번호"));
    }
    mf->addWidget(label("이   름", m));
    mf->addWidget(com_Member);
    mf->addStretch();
    ml->addLayout(mf);
    m_memberEvents.setMember(QString());
    m_records = new ListPanel(m_memberEvents, {{"회원번호", "회원번호"}, {"행사명", "비고2"}, {"참가일자", "참가일자"}, {"비고", "비고"}}, m);
    m_records->setMultiInsert(true);
    m_records->setFirstFields("비고2", "비고2");
    m_records->setChoices("비고2", [events](int) { return events; });
    m_records->setDate("참가일자");
    m_records->setMaxLength("비고", 255);
    ml->addWidget(m_records, 1);
    PageControl1->addTab(m, QStringLiteral("행사관리개인 입력"));
    connect(com_Member, &QComboBox::currentIndexChanged, this, [this] {
        // Another name: the rows of the one before are dropped.
        m_memberEvents.setMember(QString());
        m_records->Btn_CancelClick();
        m_memberLoaded = false;
        chgButtonState();
    });
    connect(m_records, &ListPanel::pendingChanged, this, &TfEve0010::chgButtonState);

    // ---- batch
    auto* b = new QWidget(this);
    auto* bl = new QVBoxLayout(b);
    auto* bf = new QHBoxLayout;
    com_Bu2 = new DivisionFilter(b);
    com_Event2 = new QComboBox(b);
    com_Event2->addItem(QString());
    com_Event2->addItems(events);
    dtpk_Date2 = new DateEdit(b);
    edt_Remark2 = new QLineEdit(b);
    edt_Remark2->setMaxLength(255);
    bf->addWidget(label("부   명", b));
    bf->addWidget(com_Bu2);
    bf->addWidget(label("행 사 명", b));
    bf->addWidget(com_Event2, 1);
    bf->addWidget(label("참가일자", b));
    bf->addWidget(dtpk_Date2);
    bl->addLayout(bf);
    auto* bf2 = new QHBoxLayout;
    bf2->addWidget(label("비    고", b));
    bf2->addWidget(edt_Remark2, 1);
    bl->addLayout(bf2);
    grd_Batch = new QTableView(b);
    setUpGrid(grd_Batch);
    m_batch = new ListModel(kResultHeadings, true, this);
    m_batch->setEditable([](int, int c) { return c == BRemark; });
    grd_Batch->setModel(m_batch);
    bl->addWidget(grd_Batch, 1);
    PageControl1->addTab(b, QStringLiteral("행사관리 일괄입력"));

    root->addWidget(PageControl1, 1);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TfEve0010::PageControl1Change);
    PageControl1Change();
}

TfEve0010::~TfEve0010()
{
    if (m_certificates)
        m_certificates->close();
}

void TfEve0010::refreshTotal()
{
    const int n = PageControl1->currentIndex() == PgQuery ? EventParticipation::recordsOfActiveMembers()
                                                          : EventParticipation::activeMembers();
    total_num->setText(QString::number(n));
}

void TfEve0010::chgButtonState()
{
    const int page = PageControl1->currentIndex();
    const bool memberPending = m_records->pending();
    const bool batchOpen = m_batch->rowCount() > 0;
    const bool editing = (page == PgMember && memberPending) || (page == PgBatch && batchOpen);
    Btn_Search->setEnabled(!editing);
    Btn_Print->setEnabled(page == PgQuery);
    Btn_Exit->setEnabled(!editing);
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
    if (page == PgQuery) {
        for (QPushButton* x : {Btn_Insert, Btn_Edit, Btn_Delete})
            x->setEnabled(false);
    } else if (page == PgMember) {
        const bool has = m_memberEvents.rows().count() > 0;
        Btn_Insert->setEnabled(m_memberLoaded);
        Btn_Edit->setEnabled(m_memberLoaded && has && !memberPending);
        Btn_Delete->setEnabled(m_memberLoaded && has);
    } else {
        Btn_Insert->setEnabled(!batchOpen);
        Btn_Edit->setEnabled(false);
        Btn_Delete->setEnabled(false);
    }
}

void TfEve0010::PageControl1Change()
{
    refreshTotal();
    chgButtonState();
}

void TfEve0010::loadMember()
{
    m_memberEvents.setMember(com_Member->currentData().toString());
    m_records->refresh();
    m_memberLoaded = true;
    search_num->setText(QString::number(m_memberEvents.rows().count()));
    chgButtonState();
}

void TfEve0010::openMember(const QString& memberNo)
{
    const int i = com_Member->findData(memberNo);
    if (i < 0)
        return;
    PageControl1->setCurrentIndex(PgMember);
    com_Member->setCurrentIndex(i);
    loadMember();
}

void TfEve0010::Btn_SearchClick()
{
    const int page = PageControl1->currentIndex();
    if (page == PgQuery) {
        EventParticipation::Filter f;
        f.name = com_Name->currentText().trimmed();
        const SchoolYearFilter::Condition g = com_Year->condition("a.학년");
        f.gradeSql = g.sql;
        f.grade = g.year;
        const DivisionFilter::Condition d = com_Bu->condition("a.부별코드");
        f.divisionSql = d.sql;
        f.buCode = d.buCode;
        f.buCode1 = d.buCode1;
        if (com_Event->currentIndex() > 0)
            f.eventCode = codes::codeOf(com_Event->currentText());
        f.byDate = chk_Date->isChecked();
        f.from = dtpk_From->date();
        f.to = dtpk_To->date();
        const QList<QStringList> rows = EventParticipation::find(f);
        m_results->setRows(rows, false);
        search_num->setText(QString::number(rows.size()));
    } else if (page == PgMember) {
        if (com_Member->currentData().toString().isEmpty()) {
            Dialogs::warning(QStringLiteral("확인"), QStringLiteral("선택된 이름이 없습니다."), this);
            com_Member->setFocus();
            return;
        }
        loadMember();
    }
    refreshTotal();
}

void TfEve0010::Btn_InsertClick()
{
    const int page = PageControl1->currentIndex();
    if (page == PgMember) {
        if (com_Member->currentData().toString().isEmpty()) {
            Dialogs::warning(QStringLiteral("확인"), QStringLiteral("선택된 이름이 없습니다."), this);
            com_Member->setFocus();
            return;
        }
        if (!m_memberLoaded)
            loadMember();
        m_records->Btn_InsertClick();
    } else if (page == PgBatch) {
        if (com_Event2->currentText().trimmed().isEmpty()) {
            Dialogs::warning(QStringLiteral("확인"), QStringLiteral("행사명은 필수입력 입니다."), this);
            com_Event2->setFocus();
            return;
        }
        if (dtpk_Date2->isEmpty()) {
            Dialogs::warning(QStringLiteral("확인"), QStringLiteral("참가일자는 필수입력 입니다."), this);
            dtpk_Date2->setFocus();
            return;
        }
        const DivisionFilter::Condition d = com_Bu2->condition("a.부별코드");
        QList<QStringList> rows;
        for (const QStringList& c : EventParticipation::candidates(d.sql, d.buCode, d.buCode1))
            rows.append({c[0], c[1], com_Event2->currentText(), dtpk_Date2->dateText(), c[4], c[2], c[5], c[3],
                         edt_Remark2->text()});
        m_batch->setRows(rows, true);
        search_num->setText(QString::number(rows.size()));
    }
    chgButtonState();
}

void TfEve0010::Btn_EditClick()
{
    if (PageControl1->currentIndex() == PgMember)
        m_records->Btn_EditClick();
}

void TfEve0010::Btn_DeleteClick()
{
    if (PageControl1->currentIndex() == PgMember)
        m_records->Btn_DeleteClick();
    chgButtonState();
}

void TfEve0010::Btn_OkClick()
{
    const int page = PageControl1->currentIndex();
    if (page == PgMember) {
        if (m_records->Btn_OkClick())
            StatusLine::show(QStringLiteral("행사참가 내역을 저장하였습니다."));
    } else if (page == PgBatch) {
        QList<EventParticipation::BatchLine> lines;
        for (int r : m_batch->tickedRows())
            lines.append({m_batch->text(r, BNo), m_batch->text(r, BRemark)});
        const db::SaveResult res = EventParticipation::addBatch(lines, com_Event2->currentText(), dtpk_Date2->date());
        if (!res.saved) {
            Dialogs::error(res.caption, res.message, this);
            return;
        }
        m_batch->clear();
        StatusLine::show(QStringLiteral("행사참가 %1명을 저장하였습니다.").arg(lines.size()));
    }
    refreshTotal();
    chgButtonState();
}

void TfEve0010::Btn_CancelClick()
{
    if (PageControl1->currentIndex() == PgMember)
        m_records->Btn_CancelClick();
    else
        m_batch->clear();
    chgButtonState();
}

void TfEve0010::Btn_PrintClick()
{
    if (m_results->rowCount() == 0) {
        Dialogs::error(windowTitle(), QStringLiteral("해당 자료가 없습니다."), this);
        return;
    }
    if (com_Event->currentIndex() <= 0 || com_Event->currentText().trimmed().isEmpty()) {
        Dialogs::warning(QStringLiteral("확인"), QStringLiteral("행사명이 동일해야 합니다."), this);
        return;
    }
    QStringList names;
    for (const QStringList& r : m_results->texts())
        names.append(r.value(1));
    if (!m_certificates) {
        m_certificates = new TfEve0020;
        m_certificates->show();
    }
    // Set up again every time: the certificates follow the event of the query in front.
    m_certificates->setUp(com_Event->currentText(), names);
    m_certificates->raise();
    m_certificates->activateWindow();
}
