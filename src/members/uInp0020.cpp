#include "members/uInp0020.h"

#include "ui/ScreenHost.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "db/Session.h"
#include "exams/ExamScreenParts.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"
#include "report/ExportButtons.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QComboBox* nameBox(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    c->setMinimumWidth(110);
    c->addItem(QString());
    db::Query q(QStringLiteral("SELECT 회원명 FROM T_회원 WHERE ") + MemberStatus::notWithdrawn() + QStringLiteral(" ORDER BY 회원명"));
    q.open();
    while (q.next())
        c->addItem(q.str(QStringLiteral("회원명")));
    return c;
}

const QString kChosen = QStringLiteral("선택");
const QString kDropped = QStringLiteral("취소");

} // namespace

TfInp0020::TfInp0020(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfInp0020"));
    setWindowTitle(QStringLiteral("뱃지일괄입력"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(860, 540);

    auto* top = new QVBoxLayout(this);
    const ExamScreenParts::Header h = ExamScreenParts::addHeader(this, top, QStringLiteral("뱃    지    지    급"));
    search_num = h.found;
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* caption) { return ExamScreenParts::addButton(this, bar, caption); };
    Btn_Insert = button("입     력");
    Btn_Edit = button("수     정");
    Btn_Delete = button("삭     제");
    Btn_Query = button("조     회");
    Btn_Confirm = button("확     인");
    Btn_Cancel = button("취     소");
    Btn_Print = button("인     쇄");
    Btn_Exit = button("종     료");
    ExportButtons::addForWindow(bar, this, Btn_Exit);
    bar->addStretch();
    top->addLayout(bar);

    PageControl1 = new QTabWidget(this);
    PageControl1->addTab(issuePage(), QStringLiteral("일괄/개인 지급"));
    PageControl1->addTab(holdingsPage(), QStringLiteral("지급현황"));
    PageControl1->addTab(ordersPage(), QStringLiteral("주문현황"));
    top->addWidget(PageControl1, 1);

    connect(Btn_Insert, &QPushButton::clicked, this, [this] { Btn_InsertClick(); });
    connect(Btn_Query, &QPushButton::clicked, this, [this] { Btn_QueryClick(); });
    connect(Btn_Confirm, &QPushButton::clicked, this, [this] { Btn_ConfirmClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { Btn_CancelClick(); });
    connect(Btn_Print, &QPushButton::clicked, this, [this] { Btn_PrintClick(); });
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    PageControl1Change();
}

QWidget* TfInp0020::issuePage()
{
    auto* w = new QWidget(this);
    auto* lay = new QVBoxLayout(w);
    auto* row = new QHBoxLayout;
    dtpk_Date = new DateEdit(Clock::today(), w);
    Com_Bu = new DivisionFilter(w);
    Com_Name = nameBox(w);
    row->addWidget(new QLabel(QStringLiteral("현재 일자 :"), w));
    row->addWidget(dtpk_Date);
    row->addWidget(new QLabel(QStringLiteral("부 명"), w));
    row->addWidget(Com_Bu);
    row->addWidget(new QLabel(QStringLiteral("이 름"), w));
    row->addWidget(Com_Name);
    row->addStretch();
    lay->addLayout(row);
    m_issueModel = new ListModel({QStringLiteral("회원 번호"), QStringLiteral("회원명"), QStringLiteral("입관일"), QStringLiteral("부 별"),
                                  QStringLiteral("지급"), QStringLiteral("예정"), QStringLiteral("현 급"), QStringLiteral("학 년"),
                                  QStringLiteral("반"), QStringLiteral("선택/취소")},
                                 w);
    grid0 = new QTableView(w);
    ListModel::setUpView(grid0, m_issueModel, {80, 70, 84, 80, 40, 40, 60, 60, 40, 70});
    connect(grid0, &QTableView::clicked, this, [this](const QModelIndex& i) {
        // Clicking the choice toggles it while an issue is being entered.
        if (!m_entering || i.column() != 9 || i.row() >= m_lines.size())
            return;
        m_lines[i.row()].chosen = !m_lines[i.row()].chosen;
        m_issueModel->refresh();
    });
    connect(grid0, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (!m_entering && i.row() < m_lines.size())
            openMember(m_lines[i.row()].memberNo);
    });
    lay->addWidget(grid0, 1);
    return w;
}

QWidget* TfInp0020::holdingsPage()
{
    auto* w = new QWidget(this);
    auto* lay = new QVBoxLayout(w);
    auto* row = new QHBoxLayout;
    Com_Bu1 = new DivisionFilter(w);
    dtpk_Date1 = new DateEdit(Clock::today(), w);
    Com_Name1 = nameBox(w);
    rdo_Date = new QRadioButton(QStringLiteral("지급일자"), w);
    rdo_All = new QRadioButton(QStringLiteral("지급현황"), w);
    rdo_All->setChecked(true);
    row->addWidget(new QLabel(QStringLiteral("부 명"), w));
    row->addWidget(Com_Bu1);
    row->addWidget(dtpk_Date1);
    row->addWidget(new QLabel(QStringLiteral("이 름"), w));
    row->addWidget(Com_Name1);
    row->addWidget(rdo_Date);
    row->addWidget(rdo_All);
    row->addStretch();
    lay->addLayout(row);
    m_holdingModel = new ListModel({QStringLiteral("회원번호"), QStringLiteral("회 원 명"), QStringLiteral("부명"), QStringLiteral("지 급 일"),
                                    QStringLiteral("현  급"), QStringLiteral("학  년"), QStringLiteral("반"), QStringLiteral("지  급"),
                                    QStringLiteral("예  정")},
                                   w);
    grid1 = new QTableView(w);
    ListModel::setUpView(grid1, m_holdingModel, {80, 70, 80, 84, 60, 60, 40, 110, 110});
    connect(grid1, &QTableView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.row() < m_holdings.size())
            openMember(m_holdings[i.row()].memberNo);
    });
    lay->addWidget(grid1, 1);
    return w;
}

QWidget* TfInp0020::ordersPage()
{
    auto* w = new QWidget(this);
    auto* lay = new QVBoxLayout(w);
    m_orderModel = new ListModel({QStringLiteral("번호"), QStringLiteral("뱃지명"), QStringLiteral("수량")}, w);
    m_orderModel->setRightAligned(2);
    grid2 = new QTableView(w);
    ListModel::setUpView(grid2, m_orderModel, {50, 160, 60});
    lay->addWidget(grid2, 1);
    lbl_OrderTotal = new QLabel(QStringLiteral("총주문 갯수: 0"), w);
    lay->addWidget(lbl_OrderTotal);
    return w;
}

int TfInp0020::currentPage() const { return PageControl1->currentIndex(); }

void TfInp0020::selectPage(int index, bool runChange)
{
    if (index < 0 || index >= PageControl1->count())
        return;
    QSignalBlocker block(PageControl1);
    PageControl1->setCurrentIndex(index);
    if (runChange)
        PageControl1Change();
}

void TfInp0020::idleButtons()
{
    const bool issue = currentPage() == Issue;
    Btn_Insert->setEnabled(issue);
    Btn_Query->setEnabled(true);
    Btn_Print->setEnabled(!issue);
    Btn_Edit->setEnabled(false);
    Btn_Delete->setEnabled(false);
    Btn_Confirm->setEnabled(false);
    Btn_Cancel->setEnabled(false);
}

void TfInp0020::PageControl1Change()
{
    if (m_entering)
        Btn_CancelClick();
    idleButtons();
    const int p = currentPage();
    showFound(p == Issue ? int(m_lines.size()) : p == Holdings ? int(m_holdings.size()) : int(m_orders.size()));
}

void TfInp0020::showFound(int n) { search_num->setText(QStringLiteral("검색인원 : ") + QString::number(n)); }

void TfInp0020::showLines(bool entering)
{
    m_entering = entering;
    // The lines are proposals for one date: it stays locked until they are confirmed or cancelled.
    dtpk_Date->setEnabled(!entering);
    m_issueModel->show(int(m_lines.size()), [this](int r, int c) -> QString {
        const Badges::Line& l = m_lines[r];
        switch (c) {
        case 0: return l.memberNo;
        case 1: return l.name;
        case 2: return l.enrolled;
        case 3: return l.division;
        case 4: return l.current;
        case 5: return l.next;
        case 6: return l.rankName;
        case 7: return l.schoolYear;
        case 8: return l.classGroup;
        default: return l.chosen ? kChosen : kDropped;
        }
    });
    showFound(int(m_lines.size()));
}

static Badges::Filter filterOf(DivisionFilter* bu, QComboBox* name)
{
    Badges::Filter f;
    f.divisionIndex = bu->currentIndex();
    f.divisionText = bu->currentText();
    f.name = name->currentText();
    return f;
}

void TfInp0020::Btn_InsertClick()
{
    if (currentPage() != Issue)
        return;
    m_issueDate = dtpk_Date->date();
    showFound(int(Badges::givenInMonth(m_issueDate).size()));
    m_lines = Badges::proposals(filterOf(Com_Bu, Com_Name), m_issueDate);
    showLines(!m_lines.isEmpty());
    if (m_lines.isEmpty())
        return;
    Btn_Insert->setEnabled(false);
    Btn_Query->setEnabled(false);
    Btn_Confirm->setEnabled(true);
    Btn_Cancel->setEnabled(true);
}

void TfInp0020::Btn_QueryClick()
{
    switch (currentPage()) {
    case Issue:
        m_lines = Badges::givenListing(filterOf(Com_Bu, Com_Name), dtpk_Date->date());
        showLines(false);
        break;
    case Holdings:
        m_holdings = Badges::holdings(filterOf(Com_Bu1, Com_Name1), rdo_Date->isChecked(), dtpk_Date1->date());
        m_holdingModel->show(int(m_holdings.size()), [this](int r, int c) -> QString {
            const Badges::Holding& h = m_holdings[r];
            const QString cells[] = {h.memberNo, h.name, h.division, h.givenOn, h.rankName, h.schoolYear, h.classGroup, h.currentName, h.nextName};
            return cells[c];
        });
        showFound(int(m_holdings.size()));
        break;
    default: {
        m_orders = Badges::orders();
        int total = 0;
        for (const Badges::Order& o : m_orders)
            total += o.count;
        m_orderModel->show(int(m_orders.size()), [this](int r, int c) -> QString {
            const Badges::Order& o = m_orders[r];
            return c == 0 ? o.code : c == 1 ? o.name : QString::number(o.count);
        });
        lbl_OrderTotal->setText(QStringLiteral("총주문 갯수: ") + QString::number(total));
        showFound(int(m_orders.size()));
    }
    }
}

void TfInp0020::Btn_ConfirmClick()
{
    if (!m_entering)
        return;
    int added = 0;
    try {
        added = Badges::issue(m_lines, m_issueDate);
    } catch (const Badges::Refused& e) {
        Dialogs::warning(QStringLiteral("확인요망"), e.message(), this);
        return;
    } catch (const db::Error& e) {
        ExamScreenParts::saveError(this, e);
        return;
    }
    showLines(false);
    idleButtons();
    StatusLine::show(QStringLiteral("뱃지 %1개 지급").arg(added));
}

void TfInp0020::Btn_CancelClick()
{
    m_lines.clear();
    showLines(false);
    idleButtons();
}

void TfInp0020::Btn_PrintClick()
{
    if (currentPage() == Holdings)
        Badges::printHoldings(m_holdings, report::Preview, this);
    else if (currentPage() == Orders)
        Badges::printOrders(m_orders, report::Preview, this);
}

void TfInp0020::openMember(const QString& no)
{
    if (!ScreenHost::current())
        return;
    Session::setSelectedMemberNo(no);
    ScreenHost::current()->open(QStringLiteral("TfPer0020"));
}
