#include "attendance/uAtt0010.h"

#include "ui/ScreenHost.h"
#include "attendance/Absences.h"
#include "attendance/uPri6020.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "report/Report.h"
#include "report/NoticeFile.h"
#include "report/ExportButtons.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"
#include "db/SchoolInfo.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("출석 관리");

enum EntryColumn { EcNo, EcName, EcDivision, EcYear, EcClass, EcRank, EcPhone, EcReason, EcNote, EcDate, EcCount };

QPushButton* button(const QString& caption, QWidget* parent, const QString& name)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

DivisionFilter* division(QWidget* parent, const QString& name)
{
    auto* d = new DivisionFilter(parent);
    d->setObjectName(name);
    return d;
}

QLineEdit* nameField(QWidget* parent, const QString& name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(10);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("가나다라마")) + 16);
    return e;
}

DateEdit* dateField(QWidget* parent, const QString& name, const QDate& d)
{
    auto* e = new DateEdit(d, parent);
    e->setObjectName(name);
    return e;
}

QTableView* listView(QWidget* parent, const QString& name)
{
    auto* v = new QTableView(parent);
    v->setObjectName(name);
    return v;
}

QString dateText(const QDate& d) { return db::dateText(d); }

} // namespace

TfAtt0010::TfAtt0010(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfAtt0010"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(788, 480);
    buildUi();
    FormCreate();
}

void TfAtt0010::buildUi()
{
    auto* top = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    Pan_Company = new QLabel(this);
    QFont f = Pan_Company->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 3);
    Pan_Company->setFont(f);
    total_num = new QLabel(this);
    search_num = new QLabel(this);
    head->addWidget(Pan_Company, 1);
    head->addWidget(total_num);
    head->addSpacing(12);
    head->addWidget(search_num);
    top->addLayout(head);

    auto* bar = new QHBoxLayout;
    btnInsert = button(QStringLiteral("입     력"), this, QStringLiteral("btnInsert"));
    btnEdit = button(QStringLiteral("수     정"), this, QStringLiteral("btnEdit"));
    btnDelete = button(QStringLiteral("삭     제"), this, QStringLiteral("btnDelete"));
    btnRefresh = button(QStringLiteral("조     회"), this, QStringLiteral("btnRefresh"));
    btnOk = button(QStringLiteral("확     인"), this, QStringLiteral("btnOk"));
    btnCancel = button(QStringLiteral("취     소"), this, QStringLiteral("btnCancel"));
    BitBtn1 = button(QStringLiteral("발     부"), this, QStringLiteral("BitBtn1"));
    btnExit = button(QStringLiteral("종     료"), this, QStringLiteral("btnExit"));
    for (QPushButton* b : {btnInsert, btnEdit, btnDelete, btnRefresh, btnOk, btnCancel, BitBtn1, btnExit})
        bar->addWidget(b);
    bar->addStretch();
    top->addLayout(bar);

    PageControl1 = new QTabWidget(this);
    ExportButtons::addForPages(bar, this, PageControl1, btnExit);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->addTab(buildEntryPage(), QStringLiteral("결석자 입력"));
    PageControl1->addTab(buildDailyPage(), QStringLiteral("일일 결석자"));
    PageControl1->addTab(buildCountsPage(), QStringLiteral("결석현황 월간확인/결석일수별 현황"));
    PageControl1->addTab(buildPerfectPage(), QStringLiteral("개근상 대상자 검색/발부"));
    top->addWidget(PageControl1, 1);

    connect(btnInsert, &QPushButton::clicked, this, [this] { btnInsertClick(); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { btnEditClick(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btn_CheckIn, &QPushButton::clicked, this, [this] { btn_CheckInClick(); });
    connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefreshClick(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    connect(Btn_Email, &QPushButton::clicked, this, [this] { Btn_EmailClick(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    connect(lvDays, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { openMember(PageDaily, i.row()); });
    connect(lvAll, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { openMember(PageCounts, i.row()); });
    connect(lvPerfect, &QTableView::doubleClicked, this, [this](const QModelIndex& i) { openMember(PagePerfect, i.row()); });
}

QWidget* TfAtt0010::buildEntryPage()
{
    auto* w = new QWidget(this);
    auto* lay = new QVBoxLayout(w);
    auto* row = new QHBoxLayout;
    Com_bu = division(w, QStringLiteral("Com_bu"));
    edName = nameField(w, QStringLiteral("edName"));
    dtpk_FromDate = dateField(w, QStringLiteral("dtpk_FromDate"), Clock::today());
    dtpk_ToDate = dateField(w, QStringLiteral("dtpk_ToDate"), Clock::today());
    row->addWidget(new QLabel(QStringLiteral("부 명"), w));
    row->addWidget(Com_bu);
    row->addWidget(new QLabel(QStringLiteral("이 름"), w));
    row->addWidget(edName);
    row->addWidget(new QLabel(QStringLiteral("결석 일자 :"), w));
    row->addWidget(dtpk_FromDate);
    row->addWidget(new QLabel(QStringLiteral("~"), w));
    row->addWidget(dtpk_ToDate);
    row->addStretch();
    lay->addLayout(row);
    // Absences proposed from the day's check-ins: the members who did not come get the reason chosen here.
    row = new QHBoxLayout;
    com_CheckInReason = new QComboBox(w);
    com_CheckInReason->setObjectName(QStringLiteral("com_CheckInReason"));
    btn_CheckIn = button(QStringLiteral("출석체크 반영"), w, QStringLiteral("btn_CheckIn"));
    row->addStretch();
    row->addWidget(new QLabel(QStringLiteral("출석체크 안 한 회원의 결석 사유 :"), w));
    row->addWidget(com_CheckInReason);
    row->addWidget(btn_CheckIn);
    lay->addLayout(row);

    DBCtrlGrid1 = listView(w, QStringLiteral("DBCtrlGrid1"));
    m_entryModel = new ListModel({QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부명"), QStringLiteral("학년"),
                                  QStringLiteral("반"), QStringLiteral("급품명"), QStringLiteral("전화번호"), QStringLiteral("결석사유"),
                                  QStringLiteral("비고"), QStringLiteral("결석일자")},
                                 this);
    m_entryModel->setEditing([this](int, int c) { return m_entry.editing() && (c == EcReason || c == EcNote); },
                             [this](int r, int c, const QString& text) {
                                 if (c == EcReason)
                                     m_entry.setReason(r, text);
                                 else
                                     m_entry.setNote(r, text);
                             });
    m_entryCells = ListModel::setUpView(DBCtrlGrid1, m_entryModel, {80, 66, 96, 50, 30, 56, 96, 110, 56, 80});
    m_entryCells->setChoices(EcReason, QStringList{});
    m_entryCells->setChoices(EcNote, AbsenceEntry::noteChoices(), true);
    DBCtrlGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    lay->addWidget(DBCtrlGrid1, 1);
    return w;
}

QWidget* TfAtt0010::buildDailyPage()
{
    auto* w = new QWidget(this);
    auto* lay = new QVBoxLayout(w);
    auto* row = new QHBoxLayout;
    com_buDays = division(w, QStringLiteral("com_buDays"));
    edNameDays = nameField(w, QStringLiteral("edNameDays"));
    dtpk_FromGyulDate = dateField(w, QStringLiteral("dtpk_FromGyulDate"), Clock::today());
    dtpk_ToGyulDate = dateField(w, QStringLiteral("dtpk_ToGyulDate"), Clock::today());
    Btn_Email = button(QStringLiteral("E-mail통보"), w, QStringLiteral("Btn_Email"));
    row->addWidget(new QLabel(QStringLiteral("부 명"), w));
    row->addWidget(com_buDays);
    row->addWidget(new QLabel(QStringLiteral("이 름"), w));
    row->addWidget(edNameDays);
    row->addWidget(new QLabel(QStringLiteral("조회 기간"), w));
    row->addWidget(dtpk_FromGyulDate);
    row->addWidget(new QLabel(QStringLiteral("~"), w));
    row->addWidget(dtpk_ToGyulDate);
    row->addStretch();
    row->addWidget(Btn_Email);
    lay->addLayout(row);
    lvDays = listView(w, QStringLiteral("lvDays"));
    m_dailyModel = new ListModel({QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부  명"), QStringLiteral("입관 일자"),
                                  QStringLiteral("  전화번호"), QStringLiteral("    수련비 미납월"), QStringLiteral(" 결석 일자"),
                                  QStringLiteral("      사유"), QStringLiteral("   비고"), QStringLiteral("조회-이메일"),
                                  QStringLiteral("조회-핸드폰번호")},
                                 this);
    ListModel::setUpView(lvDays, m_dailyModel, {80, 66, 96, 80, 96, 120, 80, 70, 60, 120, 100});
    lay->addWidget(lvDays, 1);
    return w;
}

QWidget* TfAtt0010::buildCountsPage()
{
    auto* w = new QWidget(this);
    auto* lay = new QVBoxLayout(w);
    auto* row = new QHBoxLayout;
    com_buAll = division(w, QStringLiteral("com_buAll"));
    edNameAll = nameField(w, QStringLiteral("edNameAll"));
    const QDate today = Clock::today();
    AllDateFrom = dateField(w, QStringLiteral("AllDateFrom"), QDate(today.year(), today.month(), 1));
    AllDateTo = dateField(w, QStringLiteral("AllDateTo"), today);
    AllToday = dateField(w, QStringLiteral("AllToday"), today);
    row->addWidget(new QLabel(QStringLiteral("부 명"), w));
    row->addWidget(com_buAll);
    row->addWidget(new QLabel(QStringLiteral("이 름"), w));
    row->addWidget(edNameAll);
    row->addWidget(new QLabel(QStringLiteral("조회 기간"), w));
    row->addWidget(AllDateFrom);
    row->addWidget(new QLabel(QStringLiteral("~"), w));
    row->addWidget(AllDateTo);
    row->addStretch();
    lay->addLayout(row);
    row = new QHBoxLayout;
    rbGyul1 = new QRadioButton(QStringLiteral("결석일수"), w);
    rbGyul1->setObjectName(QStringLiteral("rbGyul1"));
    rbGyul1->setChecked(true);
    edAbsDay = new QLineEdit(QStringLiteral("0"), w);
    edAbsDay->setObjectName(QStringLiteral("edAbsDay"));
    edAbsDay->setValidator(new QIntValidator(0, 366, edAbsDay));
    edAbsDay->setFixedWidth(edAbsDay->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    rbGyul2 = new QRadioButton(QStringLiteral("전체현황"), w);
    rbGyul2->setObjectName(QStringLiteral("rbGyul2"));
    row->addWidget(rbGyul1);
    row->addWidget(edAbsDay);
    row->addSpacing(16);
    row->addWidget(rbGyul2);
    row->addStretch();
    row->addWidget(new QLabel(QStringLiteral("현재 일자 :"), w));
    row->addWidget(AllToday);
    lay->addLayout(row);
    // The number box is never left empty, and what it holds is selected for the next key.
    connect(edAbsDay, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (t.trimmed().isEmpty())
            edAbsDay->setText(QStringLiteral("0"));
        edAbsDay->selectAll();
    });
    lvAll = listView(w, QStringLiteral("lvAll"));
    m_countsModel = new ListModel({QStringLiteral("회원번호"), QStringLiteral("회원명"), QStringLiteral("부  명"), QStringLiteral("입관 일자"),
                                   QStringLiteral("전화번호"), QStringLiteral("수련비 미납월"), QStringLiteral("결 석 일 자")},
                                  this);
    ListModel::setUpView(lvAll, m_countsModel, {80, 66, 96, 80, 96, 120, 200});
    lay->addWidget(lvAll, 1);
    return w;
}

QWidget* TfAtt0010::buildPerfectPage()
{
    auto* w = new QWidget(this);
    auto* lay = new QVBoxLayout(w);
    auto* row = new QHBoxLayout;
    com_bu3 = division(w, QStringLiteral("com_bu3"));
    edNamePer = nameField(w, QStringLiteral("edNamePer"));
    const QDate today = Clock::today();
    inDateFrom = dateField(w, QStringLiteral("inDateFrom"), QDate(today.year(), today.month(), 1));
    inDateTo = dateField(w, QStringLiteral("inDateTo"), today);
    inToday3 = dateField(w, QStringLiteral("inToday3"), today);
    row->addWidget(new QLabel(QStringLiteral("부 명"), w));
    row->addWidget(com_bu3);
    row->addWidget(new QLabel(QStringLiteral("이 름"), w));
    row->addWidget(edNamePer);
    row->addWidget(new QLabel(QStringLiteral("조회 기간"), w));
    row->addWidget(inDateFrom);
    row->addWidget(new QLabel(QStringLiteral("~"), w));
    row->addWidget(inDateTo);
    row->addStretch();
    lay->addLayout(row);
    row = new QHBoxLayout;
    Edit1 = new QLineEdit(w);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(100);
    row->addWidget(new QLabel(QStringLiteral("발부 일자 :"), w));
    row->addWidget(inToday3);
    row->addWidget(new QLabel(QStringLiteral("비고"), w));
    row->addWidget(Edit1, 1);
    lay->addLayout(row);
    lvPerfect = listView(w, QStringLiteral("lvPerfect"));
    m_perfectModel = new ListModel({QStringLiteral("회원 번호"), QStringLiteral("회원명"), QStringLiteral("성별"), QStringLiteral("생년월일"),
                                    QStringLiteral("양/음"), QStringLiteral("입관일"), QStringLiteral("부  명"), QStringLiteral("현  품")},
                                   this);
    m_perfectModel->setCheckColumn(0, [this](int r) { return m_perfect[r].ticked; },
                                   [this](int r, bool on) { m_perfect[r].ticked = on; });
    ListModel::setUpView(lvPerfect, m_perfectModel, {100, 66, 40, 80, 46, 80, 110, 70});
    lay->addWidget(lvPerfect, 1);
    return w;
}

// ---- state

int TfAtt0010::currentPage() const { return PageControl1->currentIndex(); }

void TfAtt0010::selectPage(int index, bool runChange)
{
    {
        const QSignalBlocker b(PageControl1);
        PageControl1->setCurrentIndex(index);
    }
    if (runChange)
        PageControl1Change();
}

void TfAtt0010::FormCreate()
{
    Pan_Company->setText(school());
    const QStringList reasons = Absences::reasonItems();
    m_entryCells->setChoices(EcReason, QStringList{QString()} + reasons);
    com_CheckInReason->addItems(reasons);
    showTotal();
    showFound(0);
    PageControl1Change();
}

QString TfAtt0010::school() const { return SchoolInfo::name(); }

void TfAtt0010::showTotal()
{
    total_num->setText(QStringLiteral("총 원 : %1")
                           .arg(db::scalarText(QStringLiteral("SELECT Count(회원번호) AS num from T_회원 "
                                                              "WHERE 퇴관일 Is Null "))));
}

void TfAtt0010::showFound(int n) { search_num->setText(QStringLiteral("검색인원 : %1").arg(n)); }

void TfAtt0010::PageControl1Change()
{
    setButtons();
    switch (currentPage()) {
    case PageEntry: showFound(m_entry.count()); break;
    case PageDaily: showFound(int(m_daily.size())); break;
    case PageCounts: showFound(int(m_counts.size())); break;
    default: showFound(int(m_perfect.size())); break;
    }
}

void TfAtt0010::setButtons()
{
    const bool entry = currentPage() == PageEntry;
    const AbsenceEntry::State s = m_entry.state();
    const bool editing = entry && m_entry.editing();
    btnInsert->setEnabled(entry && s == AbsenceEntry::State::Idle);
    btnRefresh->setEnabled(!entry || s == AbsenceEntry::State::Idle);
    btnEdit->setEnabled(entry && s == AbsenceEntry::State::Shown);
    btnDelete->setEnabled(entry && s == AbsenceEntry::State::Shown);
    btnOk->setEnabled(editing);
    btnCancel->setEnabled(entry && s != AbsenceEntry::State::Idle);
    BitBtn1->setEnabled(!entry);
    btnExit->setEnabled(!editing);
    btn_CheckIn->setEnabled(entry && (s == AbsenceEntry::State::Idle || s == AbsenceEntry::State::Entering));
    // The day of new absences is fixed while lines are open.
    dtpk_FromDate->setEnabled(!m_entry.editing());
    dtpk_ToDate->setEnabled(!m_entry.editing());
    DBCtrlGrid1->setEditTriggers(m_entry.editing() ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    if (!m_entry.editing())
        closeGridEditor();
}

void TfAtt0010::closeGridEditor()
{
    // Moving off the cell commits and closes an open reason or note editor, before the lines change.
    const QModelIndex at = DBCtrlGrid1->currentIndex();
    if (at.isValid() && (at.column() == EcReason || at.column() == EcNote))
        DBCtrlGrid1->setCurrentIndex(m_entryModel->index(at.row(), EcNo));
}

void TfAtt0010::showEntryLines()
{
    closeGridEditor();
    const QList<AbsenceEntry::Line>& lines = m_entry.lines();
    m_entryModel->show(int(lines.size()), [&lines](int r, int c) {
        const AbsenceEntry::Line& l = lines[r];
        switch (c) {
        case EcNo: return l.memberNo;
        case EcName: return l.name;
        case EcDivision: return l.division;
        case EcYear: return l.year;
        case EcClass: return l.klass;
        case EcRank: return l.rank;
        case EcPhone: return l.phone;
        case EcReason: return l.reason;
        case EcNote: return l.note;
        default: return dateText(l.date);
        }
    });
    showFound(int(lines.size()));
    setButtons();
}

// ---- page 0

void TfAtt0010::btnInsertClick()
{
    if (currentPage() != PageEntry || m_entry.state() != AbsenceEntry::State::Idle)
        return;
    m_entry.generate({Com_bu->condition(QStringLiteral("T_회원.부별코드")), edName->text()}, dtpk_FromDate->date());
    showEntryLines();
    DBCtrlGrid1->setFocus();
    if (m_entry.count() > 0)
        DBCtrlGrid1->setCurrentIndex(m_entryModel->index(0, EcReason));
}

void TfAtt0010::btn_CheckInClick()
{
    if (currentPage() != PageEntry)
        return;
    if (m_entry.state() == AbsenceEntry::State::Idle)
        btnInsertClick(); // the day's lines of the chosen date and division
    if (m_entry.state() != AbsenceEntry::State::Entering)
        return;
    const int n = m_entry.proposeFromCheckIns(com_CheckInReason->currentText());
    showEntryLines();
    StatusLine::show(QStringLiteral("출석체크 반영: 출석하지 않은 %1명을 결석으로 표시하였습니다. 확인을 누르면 저장됩니다.").arg(n));
}

void TfAtt0010::btnEditClick()
{
    m_entry.beginCorrection();
    setButtons();
    const QModelIndex at = DBCtrlGrid1->currentIndex();
    if (at.isValid())
        DBCtrlGrid1->setCurrentIndex(m_entryModel->index(at.row(), EcReason));
    DBCtrlGrid1->setFocus();
}

void TfAtt0010::btnDeleteClick()
{
    const QModelIndex at = DBCtrlGrid1->currentIndex();
    if (!at.isValid())
        return;
    m_entry.removeLine(at.row());
    showEntryLines();
}

void TfAtt0010::btnOkClick()
{
    if (!m_entry.editing())
        return;
    closeGridEditor();
    QString error;
    if (!m_entry.confirm(&error)) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("Error가 발생하였습니다.\n") + error, this);
        return;
    }
    showEntryLines();
    StatusLine::show(QStringLiteral("결석 자료를 저장하였습니다: %1명").arg(m_entry.count()));
}

void TfAtt0010::btnCancelClick()
{
    closeGridEditor();
    m_entry.cancel();
    showEntryLines();
}

// ---- pages 1 to 3

void TfAtt0010::btnRefreshClick()
{
    switch (currentPage()) {
    case PageEntry:
        if (m_entry.state() != AbsenceEntry::State::Idle)
            return;
        m_entry.listPeriod({Com_bu->condition(QStringLiteral("T_회원.부별코드")), edName->text()}, dtpk_FromDate->date(),
                           dtpk_ToDate->date());
        showEntryLines();
        return;
    case PageDaily: {
        m_dailyFrom = dtpk_FromGyulDate->date();
        m_dailyTo = dtpk_ToGyulDate->date();
        m_daily = AbsenceReports::daily({com_buDays->condition(QStringLiteral("T_회원.부별코드")), edNameDays->text()}, m_dailyFrom,
                                        m_dailyTo);
        m_dailyModel->show(int(m_daily.size()), [this](int r, int c) {
            const AbsenceReports::DailyLine& l = m_daily[r];
            const QString cells[] = {l.memberNo, l.name,  l.division,       dateText(l.enrolled), l.phone, l.unpaid,
                                     dateText(l.date), l.reason, l.note, l.email,         l.mobile};
            return cells[c];
        });
        showFound(int(m_daily.size()));
        return;
    }
    case PageCounts: {
        if (edAbsDay->text().trimmed().isEmpty())
            edAbsDay->setText(QStringLiteral("0"));
        const bool exactly = rbGyul1->isChecked() && edAbsDay->text().toInt() != 0;
        m_counts = AbsenceReports::counts({com_buAll->condition(exactly ? QStringLiteral("T_회원.부별코드") : QStringLiteral("a.부별코드")),
                                           edNameAll->text()},
                                          AllDateFrom->date(), AllDateTo->date(), AllToday->date(), rbGyul2->isChecked(),
                                          edAbsDay->text().toInt());
        m_countsModel->show(int(m_counts.size()), [this](int r, int c) {
            const AbsenceReports::CountLine& l = m_counts[r];
            const QString cells[] = {l.memberNo, l.name, l.division, dateText(l.enrolled), l.phone, l.unpaid, l.days};
            return cells[c];
        });
        showFound(int(m_counts.size()));
        if (m_counts.isEmpty())
            Dialogs::error(QStringLiteral("출석관리"), QStringLiteral("조건에 맞는 자료가 없습니다."), this);
        return;
    }
    default: {
        m_perfectFrom = inDateFrom->date();
        m_perfectTo = inDateTo->date();
        m_perfect = AbsenceReports::perfect({com_bu3->condition(), edNamePer->text()}, m_perfectFrom, m_perfectTo);
        m_perfectModel->show(int(m_perfect.size()), [this](int r, int c) {
            const AbsenceReports::PerfectLine& l = m_perfect[r];
            const QString cells[] = {l.memberNo, l.name, l.sex, l.born, l.solarLunar, dateText(l.enrolled), l.division, l.rank};
            return cells[c];
        });
        showFound(int(m_perfect.size()));
        return;
    }
    }
}

void TfAtt0010::BitBtn1Click()
{
    switch (currentPage()) {
    case PageDaily:
        AbsenceReports::printDaily(m_daily, Pan_Company->text(), report::Preview, this);
        return;
    case PageCounts:
        AbsenceReports::printCounts(m_counts, Pan_Company->text(), AllDateFrom->date(), AllDateTo->date(), report::Preview,
                                    this);
        return;
    case PagePerfect: {
        if (m_perfect.isEmpty())
            return;
        PerfectAttendanceAward award = awardOfTicked();
        if (award.members().isEmpty()) {
            Dialogs::warning(kCaption, QStringLiteral("개근상을 발부할 수련생을 선택하세요."), this);
            lvPerfect->setFocus();
            return;
        }
        TfPri6020::open(std::move(award));
        return;
    }
    default: return;
    }
}

PerfectAttendanceAward TfAtt0010::awardOfTicked() const
{
    QList<PerfectAttendanceAward::Member> members;
    for (const AbsenceReports::PerfectLine& l : m_perfect)
        if (l.ticked)
            members.append({l.memberNo, l.name});
    return PerfectAttendanceAward(members, m_perfectFrom, m_perfectTo, inToday3->date(), Edit1->text().trimmed());
}

void TfAtt0010::Btn_EmailClick()
{
    if (m_daily.isEmpty()) {
        Dialogs::show(NoticeFile::emptyList(kCaption), this);
        return;
    }
    const NoticeFile file = AbsenceReports::absenceNotice(m_daily, m_dailyFrom, m_dailyTo);
    if (file.isEmpty()) {
        Dialogs::info(kCaption, QStringLiteral("E-mail이 모두 존재하지 않습니다."), this);
        return;
    }
    if (Dialogs::show(file.write(kCaption), this))
        StatusLine::show(QStringLiteral("결석통보 파일 생성: %1명").arg(file.lineCount()));
}

void TfAtt0010::openMember(int page, int row)
{
    QString no;
    if (page == PageDaily && row >= 0 && row < m_daily.size())
        no = m_daily[row].memberNo;
    else if (page == PageCounts && row >= 0 && row < m_counts.size())
        no = m_counts[row].memberNo;
    else if (page == PagePerfect && row >= 0 && row < m_perfect.size())
        no = m_perfect[row].memberNo;
    if (!no.isEmpty())
        ScreenHost::showMember(no);
}

void TfAtt0010::closeEvent(QCloseEvent* e)
{
    if (m_entry.editing()
        && !Dialogs::yesNo(QStringLiteral("확인"), QStringLiteral("저장하지 않은 결석 자료가 있습니다.\n저장하지 않고 종료하시겠습니까?"), this)) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}
