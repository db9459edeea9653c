#include "members/uRet0010.h"

#include "db/Clock.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "report/ExportButtons.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "db/SchoolInfo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* kEventCaption[3] = {"퇴     관", "휴     관", "복     관"};

QDateEdit* dateEdit(QWidget* parent)
{
    auto* d = new DateEdit(Clock::today(), parent);
    d->setMinimumWidth(d->sizeHint().width());
    return d;
}

} // namespace

TfRet0010::TfRet0010(QWidget* parent) : QWidget(parent)
{
    setObjectName("TfRet0010");
    setWindowTitle("퇴관처리");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(788, 480);

    auto* top = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    Pan_Company = new QLabel(this);
    QFont f = Pan_Company->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    Pan_Company->setFont(f);
    total_num = new QLabel(this);
    search_num = new QLabel(this);
    head->addWidget(Pan_Company, 1);
    head->addWidget(total_num);
    head->addSpacing(16);
    head->addWidget(search_num);
    top->addLayout(head);

    auto* bar = new QHBoxLayout;
    auto button = [&](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromUtf8(name));
        bar->addWidget(b);
        return b;
    };
    btnInsert = button("btnInsert", kEventCaption[0]);
    btnEdit = button("btnEdit", "수     정");
    btnDelete = button("btnDelete", "삭     제");
    btnSearch = button("btnSearch", "조     회");
    btnOk = button("btnOk", "확     인");
    btnCancel = button("btnCancel", "취     소");
    btnExit = button("btnExit", "종     료");
    bar->addStretch();
    top->addLayout(bar);
    btnEdit->setEnabled(false); // nothing to edit here

    PageControl1 = new QTabWidget(this);
    ExportButtons::addForPages(bar, this, PageControl1, btnExit);
    PageControl1->addTab(buildPage(0), "퇴관 처리");
    PageControl1->addTab(buildPage(1), "휴관 처리");
    PageControl1->addTab(buildPage(2), "복관처리");
    top->addWidget(PageControl1, 1);

    connect(btnInsert, &QPushButton::clicked, this, [this] { btnInsertClick(); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btnSearch, &QPushButton::clicked, this, [this] { btnSearchClick(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnExit, &QPushButton::clicked, this, &QWidget::close);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    connect(chkDelete, &QCheckBox::toggled, this, [this] { chkDeleteClick(); });
    connect(chkRetire, &QCheckBox::toggled, this, [this] { chkRetireClick(); });
    connect(rbo_rtBack, &QRadioButton::toggled, this, [this] {
        relabelDateColumns();
        showLines(2, {}); // the list belongs to the other kind of return
    });

    Pan_Company->setText(SchoolInfo::name());
    m_reasons = Retirement::reasonItems();
    refreshTotal();
    setBatchButtons(false);
    PageControl1Change();
}

QWidget* TfRet0010::buildPage(int page)
{
    auto* w = new QWidget(this);
    auto* lay = new QVBoxLayout(w);
    auto* row = new QHBoxLayout;
    auto* bu = new DivisionFilter(w);
    bu->setObjectName(page == 0 ? "Com_bu" : page == 1 ? "com_bu1" : "com_bu2");
    bu->setFixedWidth(130);
    auto* name = new QLineEdit(w);
    name->setFixedWidth(90);
    QDateEdit* today = dateEdit(w);
    row->addWidget(new QLabel("부 명", w));
    row->addWidget(bu);
    row->addWidget(new QLabel("이 름", w));
    row->addWidget(name);
    row->addWidget(new QLabel("현재 일자 :", w));
    row->addWidget(today);
    row->addStretch();
    lay->addLayout(row);
    row = new QHBoxLayout; // the page's own choices

    auto* g = new QTableView(w);
    // Columns as wide as their values; the reason takes what is left, so nothing needs scrolling.
    const QFontMetrics fm = g->fontMetrics();
    auto fits = [&fm](const char* sample) { return fm.horizontalAdvance(QString::fromUtf8(sample)) + 14; };
    const QString day = page == 0 ? QStringLiteral("퇴관일") : QStringLiteral("휴관일");
    QList<ListModel::Column> cols = {{QStringLiteral("회원번호"), fits("000000000"), false, ListModel::Code},
                                     {QStringLiteral("회원명"), fits("가나다라")},
                                     {QStringLiteral("입관일"), fits("0000-00-00"), false, ListModel::Date},
                                     {day, fits("0000-00-00"), false, ListModel::Date},
                                     {QStringLiteral("생년월일"), fits("0000-00-00"), false, ListModel::Date},
                                     {QStringLiteral("성별"), 40},
                                     {QStringLiteral("전화번호"), fits("010-0000-0000")},
                                     {page == 0 ? QStringLiteral("퇴관사유") : QStringLiteral("휴관사유"), 0, page < 2}};
    if (page == 2)
        cols.append({QStringLiteral("선택"), 40});
    cols.append({QStringLiteral("부명"), fits("초등1학년부")});
    m_models[page] = new ListModel(cols, this);
    CheckedCellDelegate* cells = ListModel::attach(g, m_models[page]);
    if (page < 2) {
        m_models[page]->setEditable([this, page](int, int column) { return m_editable[page] && column == kReasonColumn; });
        m_models[page]->setOnEdit([this, page](int row, int, const QVariant& v) { reasonChosen(page, row, v.toString()); });
        // The reasons of the code table; a line's reason since removed from it is still offered.
        cells->setChoices(kReasonColumn, [this, page](int row) {
            const QString current = m_models[page]->text(row, kReasonColumn);
            QStringList items = m_reasons;
            if (current.isEmpty())
                items.prepend(QString());
            else if (!items.contains(current))
                items.prepend(current);
            return items;
        });
        g->setEditTriggers(QAbstractItemView::AllEditTriggers);
    } else {
        m_models[page]->setCheckColumn(kCheckColumn, [this](int row) { return m_lines[2].value(row).checked; },
                                       [this](int row, bool on) { checkChanged(row, on); });
    }
    g->horizontalHeader()->setStretchLastSection(false);
    g->horizontalHeader()->setSectionResizeMode(kReasonColumn, QHeaderView::Stretch);

    switch (page) {
    case 0:
        Com_bu = bu, edName = name, inToday = today, DBCtrlGrid1 = g;
        chkDelete = new QCheckBox("기간별 퇴관자 조회", w);
        delDateFrom = dateEdit(w);
        DelDateTo = dateEdit(w);
        row->addWidget(chkDelete);
        row->addWidget(delDateFrom);
        row->addWidget(new QLabel("~", w));
        row->addWidget(DelDateTo);
        break;
    case 1:
        com_bu1 = bu, edName1 = name, inToday1 = today, DBCtrlGrid2 = g;
        chkRetire = new QCheckBox("퇴관예정 휴관자 조회", w);
        retDatefrom = dateEdit(w);
        retDateto = dateEdit(w);
        row->addWidget(chkRetire);
        row->addWidget(retDatefrom);
        row->addWidget(new QLabel("~", w));
        row->addWidget(retDateto);
        break;
    default: {
        com_bu2 = bu, edName2 = name, inToday2 = today, DBCtrlGrid3 = g;
        rbo_rsBack = new QRadioButton("휴관->복관", w);
        rbo_rtBack = new QRadioButton("퇴관->복관", w);
        auto* group = new QButtonGroup(w);
        group->addButton(rbo_rsBack);
        group->addButton(rbo_rtBack);
        rbo_rsBack->setChecked(true);
        row->addWidget(rbo_rsBack);
        row->addWidget(rbo_rtBack);
        break;
    }
    }
    row->addStretch();
    lay->addLayout(row);
    lay->addWidget(g, 1);
    return w;
}

int TfRet0010::currentPage() const { return PageControl1->currentIndex(); }

void TfRet0010::selectPage(int index, bool runChange)
{
    if (m_open >= 0 && index != m_open) {
        Dialogs::info("확인", "처리중인 자료가 있습니다.\n확인 또는 취소 후 다른 작업을 하세요.", this);
        // The menu sets the event button's caption after choosing the page; keep the open page's.
        QTimer::singleShot(0, this, [this] { updateCaptions(); });
        return;
    }
    {
        QSignalBlocker b(PageControl1);
        PageControl1->setCurrentIndex(index);
    }
    if (runChange)
        PageControl1Change();
}

QTableView* TfRet0010::grid(int page) const
{
    return page == 0 ? DBCtrlGrid1 : page == 1 ? DBCtrlGrid2 : DBCtrlGrid3;
}

DivisionFilter* TfRet0010::division(int page) const { return page == 0 ? Com_bu : page == 1 ? com_bu1 : com_bu2; }

QDateEdit* TfRet0010::eventDate(int page) const { return page == 0 ? inToday : page == 1 ? inToday1 : inToday2; }

Retirement::Filter TfRet0010::filter(int page) const
{
    const QLineEdit* name = page == 0 ? edName : page == 1 ? edName1 : edName2;
    const DivisionFilter* bu = division(page);
    return Retirement::Filter{name->text(), [bu](db::Query& q) { bu->addCondition(q, "a.부별코드"); }};
}

Retirement::ReturnKind TfRet0010::returnKind() const
{
    return rbo_rtBack->isChecked() ? Retirement::FromWithdrawal : Retirement::FromLeave;
}

void TfRet0010::showRows(int page)
{
    const QList<Retirement::Line>* lines = &m_lines[page];
    const bool check = page == 2;
    model(page)->show(int(lines->size()), [lines, check](int row, int column) -> QString {
        const Retirement::Line& l = lines->at(row);
        switch (column) {
        case 0: return l.memberNo;
        case 1: return l.name;
        case 2: return l.enrolDate;
        case 3: return l.day;
        case 4: return l.birthDate;
        case 5: return l.sex;
        case 6: return l.phone;
        case 7: return check || Retirement::hasReason(l.reason) ? l.reason : QString();
        case 8: return check ? QString() : l.division;
        default: return l.division;
        }
    });
}

void TfRet0010::showLines(int page, const QList<Retirement::Line>& lines)
{
    m_lines[page] = lines;
    m_read[page] = lines;
    showRows(page);
    search_num->setText(QStringLiteral("조 회 : %1 명").arg(lines.size()));
}

void TfRet0010::setEditable(int page, bool on)
{
    m_editable[page] = on;
    showRows(page); // shown anew: a drop-down left open closes
}

void TfRet0010::reasonChosen(int page, int row, const QString& text)
{
    if (row < 0 || row >= m_lines[page].size())
        return;
    Retirement::Line& l = m_lines[page][row];
    if (page == 1 && m_retireListed) {
        l.reason = text; // the withdrawal of the listing takes its own date
        return;
    }
    Retirement::chooseReason(l, text, eventDate(page)->date());
}

void TfRet0010::checkChanged(int row, bool checked)
{
    if (m_open != 2 || row < 0 || row >= m_lines[2].size())
        return;
    Retirement::setChecked(m_lines[2][row], checked);
}

void TfRet0010::setBatchButtons(bool open)
{
    btnInsert->setEnabled(!open && !(currentPage() == 0 && chkDelete->isChecked())
                          && !(currentPage() == 1 && chkRetire->isChecked()));
    btnSearch->setEnabled(!open);
    btnOk->setEnabled(open);
    btnCancel->setEnabled(open);
    if (open)
        btnDelete->setEnabled(false);
    for (int p = 0; p < 3; ++p)
        PageControl1->setTabEnabled(p, !open || p == currentPage());
    rbo_rsBack->setEnabled(!open);
    rbo_rtBack->setEnabled(!open);
}

void TfRet0010::updateCaptions()
{
    const int page = currentPage();
    btnInsert->setText(QString::fromUtf8(kEventCaption[page]));
    btnDelete->setText(page == 1 ? QStringLiteral("퇴     관") : QStringLiteral("삭     제"));
}

void TfRet0010::relabelDateColumns()
{
    const bool retire = chkRetire->isChecked();
    model(1)->setHeader(3, retire ? "퇴관일" : "휴관일");
    const bool out = rbo_rtBack->isChecked();
    model(2)->setHeader(3, out ? "퇴관일" : "휴관일");
    model(2)->setHeader(7, out ? "퇴관사유" : "휴관사유");
}

void TfRet0010::refreshTotal()
{
    total_num->setText(QStringLiteral("총 원 : %1 명").arg(Retirement::currentMembers()));
}

void TfRet0010::PageControl1Change()
{
    updateCaptions();
    const int page = currentPage();
    btnInsert->setEnabled(m_open < 0 && !(page == 0 && chkDelete->isChecked()) && !(page == 1 && chkRetire->isChecked()));
    btnDelete->setEnabled(m_open < 0 && ((page == 0 && m_withdrawnListed && !m_lines[0].isEmpty())
                                         || (page == 1 && m_retireListed && !m_lines[1].isEmpty())));
}

void TfRet0010::chkDeleteClick()
{
    btnInsert->setEnabled(m_open < 0 && !chkDelete->isChecked());
}

void TfRet0010::chkRetireClick()
{
    btnInsert->setEnabled(m_open < 0 && !chkRetire->isChecked());
    relabelDateColumns();
    if (m_retireListed) { // the listing no longer matches the box
        m_retireListed = false;
        showLines(1, {});
        PageControl1Change();
    }
}

void TfRet0010::btnInsertClick()
{
    const int page = currentPage();
    const QDate d = eventDate(page)->date();
    QList<Retirement::Line> lines;
    if (page == 0)
        lines = Retirement::withdrawalCandidates(filter(0), d);
    else if (page == 1)
        lines = Retirement::leaveCandidates(filter(1), d);
    else
        lines = Retirement::returnCandidates(filter(2), returnKind());
    m_withdrawnListed = false;
    m_retireListed = false;
    showLines(page, lines);
    if (lines.isEmpty()) {
        Dialogs::info("확인", "해당하는 회원이 없습니다.", this);
        PageControl1Change();
        return;
    }
    m_open = page;
    m_openKind = returnKind();
    setEditable(page, true);
    setBatchButtons(true);
}

void TfRet0010::btnOkClick()
{
    const int page = m_open;
    if (page < 0)
        return;
    int done = 0;
    try {
        if (page == 0)
            done = Retirement::withdraw(m_lines[0]);
        else if (page == 1)
            done = Retirement::leave(m_lines[1]);
        else
            done = Retirement::giveReturn(m_lines[2], m_openKind, inToday2->date());
    } catch (const db::Error& e) {
        // Nothing was written; the lines stay open for correction.
        Dialogs::error("오류", QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    StatusLine::show(QStringLiteral("%1 처리: %2명").arg(QString::fromUtf8(kEventCaption[page]).remove(u' ')).arg(done));
    m_read[page] = m_lines[page];
    setEditable(page, false);
    m_open = -1;
    setBatchButtons(false);
    refreshTotal();
    PageControl1Change();
}

void TfRet0010::btnCancelClick()
{
    const int page = m_open;
    if (page < 0)
        return;
    m_open = -1;
    showLines(page, m_read[page]);
    setBatchButtons(false);
    PageControl1Change();
}

void TfRet0010::btnSearchClick()
{
    const int page = currentPage();
    m_withdrawnListed = false;
    m_retireListed = false;
    if (page == 0) {
        showLines(0, Retirement::withdrawnMembers(filter(0), chkDelete->isChecked(), delDateFrom->date(), DelDateTo->date()));
        m_withdrawnListed = true;
        total_num->setText(QStringLiteral("퇴관자 : %1 명").arg(db::scalar("select count(*) from T_회원 where " + MemberStatus::withdrawn()).toLongLong()));
    } else if (page == 1) {
        const bool retire = chkRetire->isChecked();
        showLines(1, Retirement::membersOnLeave(filter(1), retire, retDatefrom->date(), retDateto->date()));
        m_retireListed = retire;
        if (retire)
            setEditable(1, !m_lines[1].isEmpty()); // each member's reason, changeable before "퇴     관"
        total_num->setText(QStringLiteral("휴관자 : %1 명").arg(db::scalar("select count(*) from T_회원 where " + MemberStatus::onLeave()).toLongLong()));
    } else {
        showLines(2, Retirement::returnCandidates(filter(2), returnKind()));
    }
    PageControl1Change();
}

void TfRet0010::btnDeleteClick()
{
    const int page = currentPage();
    if (page == 0 && m_withdrawnListed) {
        const int row = DBCtrlGrid1->currentIndex().row();
        if (row < 0 || row >= m_lines[0].size()) {
            Dialogs::info("확인", "삭제할 회원을 선택하세요.", this);
            return;
        }
        if (Dialogs::current().message(this, QMessageBox::Warning, "확인", "본 자료는 퇴관자료에 남지를 않고 완전 삭제가 됩니다.",
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No)
            != QMessageBox::Yes)
            return;
        try {
            Retirement::deleteWithdrawn(m_lines[0][row].memberNo);
        } catch (const db::Error& e) {
            Dialogs::error("오류", QStringLiteral("삭제 에러 입니다.\n") + e.message(), this);
            return;
        }
        StatusLine::show(QStringLiteral("퇴관자 삭제: %1 %2").arg(m_lines[0][row].memberNo, m_lines[0][row].name));
        QList<Retirement::Line> rest = m_lines[0];
        rest.removeAt(row);
        showLines(0, rest);
        PageControl1Change();
    } else if (page == 1 && m_retireListed) {
        if (Dialogs::current().message(this, QMessageBox::Warning, "확인",
                                       "선택하신 회원은 모두 퇴관처리되며\n이 처리는 되돌릴 수 없습니다.",
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No)
            != QMessageBox::Yes)
            return;
        try {
            StatusLine::show(QStringLiteral("휴관자 퇴관 처리: %1명").arg(Retirement::withdrawOnLeave(m_lines[1], inToday1->date())));
        } catch (const db::Error& e) {
            Dialogs::error("오류", QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
            return;
        }
        setEditable(1, false);
        m_retireListed = false;
        {
            QSignalBlocker b(chkRetire);
            chkRetire->setChecked(false);
        }
        relabelDateColumns();
        refreshTotal();
        PageControl1Change();
    }
}
