#include "cashbook/uMon0010.h"

#include "cashbook/CashPageParts.h"
#include "cashbook/DealPage.h"
#include "cashbook/PartnerRegisterPage.h"
#include "cashbook/uPri1020.h"
#include "db/DbError.h"
#include "db/MonthKey.h"
#include "db/Query.h"
#include "text/Money.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/ScreenHost.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

// The register page "입/출금등록": a day's lines, the entry fields under them and, for a fee or
// partner line, the payments or goods lines it came with.

using cashpage::button;
using cashpage::currentRow;
using cashpage::kExpense;
using cashpage::kIncome;
using cashpage::setCurrentRow;
using cashpage::won;

namespace {
QString seqText(int seq) { return QStringLiteral("%1").arg(seq, 5, 10, QChar(u'0')); }
} // namespace

QWidget* TfMon0010::buildRegisterPage()
{
    auto* page = new QWidget;
    dtpk_Date = new DateEdit;
    Calendar = new QCalendarWidget;
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setNavigationBarVisible(false);
    Calendar->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    dtpk_Date->setLocale(Calendar->locale());
    btn_PrevMonth = button(QStringLiteral("◀"));
    btn_NextMonth = button(QStringLiteral("▶"));
    lbl_Month = new QLabel;
    QFont mf = lbl_Month->font();
    mf.setPointSize(mf.pointSize() + 6);
    mf.setBold(true);
    lbl_Month->setFont(mf);
    lbl_InTotal = new QLabel;
    lbl_OutTotal = new QLabel;
    lbl_DayTotal = new QLabel;

    auto* left = new QVBoxLayout;
    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(dtpk_Date);
    monthRow->addStretch();
    monthRow->addWidget(btn_PrevMonth);
    monthRow->addWidget(lbl_Month);
    monthRow->addWidget(btn_NextMonth);
    left->addLayout(monthRow);
    left->addWidget(Calendar);
    auto* totals = new QGridLayout;
    const std::pair<QString, QLabel*> sums[] = {{QStringLiteral("입금총액"), lbl_InTotal},
                                                {QStringLiteral("출금총액"), lbl_OutTotal},
                                                {QStringLiteral("하루총계"), lbl_DayTotal}};
    for (int i = 0; i < 3; ++i) {
        sums[i].second->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sums[i].second->setMinimumWidth(140);
        totals->addWidget(new QLabel(sums[i].first), i, 0);
        totals->addWidget(sums[i].second, i, 1);
    }
    totals->setColumnStretch(1, 1);
    left->addLayout(totals);
    left->addStretch();

    m_lines = new ListModel({{QStringLiteral("No."), 40, false, ListModel::Code},
                             {QStringLiteral("주항목"), 100, false, ListModel::Text},
                             {QStringLiteral("소항목"), 100, false, ListModel::Text},
                             {QStringLiteral("입금액"), 100, false, ListModel::Money},
                             {QStringLiteral("출금액"), 100, false, ListModel::Money},
                             {QStringLiteral("적요"), 100, false, ListModel::Text},
                             {QStringLiteral("수련비순번"), 100, false, ListModel::Code}},
                            this);
    grd_Lines = cashpage::listView(m_lines);
    grd_Lines->setColumnHidden(ColLink, true);
    // The memo takes what the figures leave (the hidden link column cannot stretch): no scroll bar.
    grd_Lines->horizontalHeader()->setStretchLastSection(false);
    grd_Lines->horizontalHeader()->setSectionResizeMode(ColMemo, QHeaderView::Stretch);
    // Rows as thin as the text: a day of 13 lines stays in sight.
    grd_Lines->verticalHeader()->setDefaultSectionSize(grd_Lines->fontMetrics().height() + 4);

    com_MainItem = new QComboBox;
    com_MainItem->setEditable(true);
    com_SubItem = new QComboBox;
    com_SubItem->setEditable(true);
    com_InType = new QComboBox;
    com_InType->addItems({kIncome, kExpense});
    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("주항목")));
    fields->addWidget(com_MainItem, 1);
    fields->addWidget(new QLabel(QStringLiteral("소항목")));
    fields->addWidget(com_SubItem, 1);
    fields->addWidget(new QLabel(QStringLiteral("입력형식")));
    fields->addWidget(com_InType);

    pnl_Lower = new QStackedWidget;
    // Ordinary lines
    auto* cashPanel = new QGroupBox(QStringLiteral("금전출납관리"));
    edt_Amount = new QLineEdit;
    edt_Amount->setMaxLength(10);
    edt_Amount->setAlignment(Qt::AlignRight);
    edt_Memo = new QLineEdit;
    edt_Memo->setMaxLength(200);
    btn_AddNext = button(QStringLiteral("추가입력"));
    btn_DayPrint = button(QStringLiteral("프린트"));
    auto* cg = new QGridLayout(cashPanel);
    cg->addWidget(new QLabel(QStringLiteral("금액")), 0, 0);
    cg->addWidget(edt_Amount, 0, 1);
    cg->addWidget(new QLabel(QStringLiteral("적요")), 1, 0);
    cg->addWidget(edt_Memo, 1, 1);
    cg->addWidget(btn_AddNext, 1, 2);
    cg->addWidget(btn_DayPrint, 0, 2);
    cg->setRowStretch(2, 1);
    pnl_Lower->addWidget(cashPanel);
    // Fee lines
    auto* feePanel = new QGroupBox(QStringLiteral("회원출납관리"));
    lbl_Member = new QLabel;
    lbl_Member->setTextFormat(Qt::PlainText);
    m_paymentList = new ListModel({{QStringLiteral("납부월"), 100, false, ListModel::Code},
                                   {QStringLiteral("납부일자"), 100, false, ListModel::Date},
                                   {QStringLiteral("납부액"), 100, false, ListModel::Money}},
                                  this);
    grd_Payments = cashpage::listView(m_paymentList);
    btn_ToFee = button(QStringLiteral("수련비납부로.."));
    auto* fg = new QGridLayout(feePanel);
    fg->addWidget(lbl_Member, 0, 0);
    fg->addWidget(btn_ToFee, 0, 1, Qt::AlignTop);
    fg->addWidget(grd_Payments, 1, 0, 1, 2);
    pnl_Lower->addWidget(feePanel);
    // Partner lines
    auto* dealPanel = new QGroupBox(QStringLiteral("거래처출납관리"));
    m_dealList = new ListModel({{QStringLiteral("순번"), 100, false, ListModel::Code},
                                {QStringLiteral("품목"), 100, false, ListModel::Text},
                                {QStringLiteral("규격"), 100, false, ListModel::Text},
                                {QStringLiteral("수량"), 100, false, ListModel::Number},
                                {QStringLiteral("단가"), 100, false, ListModel::Money},
                                {QStringLiteral("공급가액"), 100, false, ListModel::Money},
                                {QStringLiteral("세액"), 100, false, ListModel::Money},
                                {QStringLiteral("비고"), 100, false, ListModel::Text}},
                               this);
    grd_Deals = cashpage::listView(m_dealList);
    btn_ToDeal = button(QStringLiteral("거래 내역 으로.."));
    connect(btn_ToDeal, &QPushButton::clicked, this, &TfMon0010::btn_ToDealClick);
    auto* dg = new QVBoxLayout(dealPanel);
    dg->addWidget(grd_Deals);
    dg->addWidget(btn_ToDeal, 0, Qt::AlignRight);
    pnl_Lower->addWidget(dealPanel);

    // The day's lines take the free height; the panels under them show a few rows of their own.
    for (QTableView* g : {grd_Payments, grd_Deals})
        g->setMaximumHeight(g->horizontalHeader()->sizeHint().height() + 5 * g->verticalHeader()->defaultSectionSize() + 4);
    pnl_Lower->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    // The panel is as tall as the page it shows, not as its tallest page.
    auto fitPage = [this](int shown) {
        for (int i = 0; i < pnl_Lower->count(); ++i)
            pnl_Lower->widget(i)->setSizePolicy(QSizePolicy::Preferred, i == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored);
        pnl_Lower->updateGeometry();
    };
    connect(pnl_Lower, &QStackedWidget::currentChanged, this, fitPage);
    fitPage(0);
    auto* right = new QVBoxLayout;
    right->addWidget(grd_Lines, 1);
    right->addLayout(fields);
    right->addWidget(pnl_Lower);

    auto* lay = new QHBoxLayout(page);
    lay->addLayout(left);
    lay->addLayout(right, 1);

    connect(dtpk_Date, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (!m_loading)
            setRegisterDate(d);
    });
    connect(Calendar, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_loading)
            setRegisterDate(Calendar->selectedDate());
    });
    connect(btn_PrevMonth, &QPushButton::clicked, this, &TfMon0010::btn_PrevMonthClick);
    connect(btn_NextMonth, &QPushButton::clicked, this, &TfMon0010::btn_NextMonthClick);
    connect(grd_Lines->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& at) {
        if (!m_loading && !inEntry())
            selectLine(at.isValid() ? at.row() : -1);
    });
    connect(com_MainItem, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (!m_loading && inEntry())
            loadSubItems(t);
    });
    connect(btn_AddNext, &QPushButton::clicked, this, &TfMon0010::btn_AddNextClick);
    connect(btn_DayPrint, &QPushButton::clicked, this, &TfMon0010::btn_DayPrintClick);
    connect(btn_ToFee, &QPushButton::clicked, this, &TfMon0010::btn_ToFeeClick);
    chgEdBoxState(false);
    return page;
}

QDate TfMon0010::registerDate() const { return dtpk_Date->date(); }

void TfMon0010::setRegisterDate(const QDate& d)
{
    const bool was = m_loading;
    m_loading = true;
    dtpk_Date->setDate(d);
    Calendar->setCurrentPage(d.year(), d.month());
    Calendar->setSelectedDate(d);
    lbl_Month->setText(QStringLiteral("%1").arg(d.month(), 2, 10, QChar(u'0')));
    m_loading = was;
    if (!m_loading) {
        if (inEntry())
            Btn_CancelClick();
        loadDay();
    }
}

void TfMon0010::btn_PrevMonthClick() { setRegisterDate(monthkey::shiftMonth(registerDate(), -1)); }

void TfMon0010::btn_NextMonthClick() { setRegisterDate(monthkey::shiftMonth(registerDate(), 1)); }

void TfMon0010::loadDay()
{
    m_loading = true;
    m_dayLines = CashBook::linesOf(registerDate());
    // A day without lines shows one empty row.
    m_lines->show(qMax(1, int(m_dayLines.size())), [this](int r, int c) -> QString {
        const CashLine* l = lineAt(r);
        if (!l)
            return {};
        switch (c) {
        case ColSeq: return seqText(l->seq);
        case ColMain: return l->mainItem;
        case ColSub: return l->subItem;
        case ColIn: return moneyText(l->income);
        case ColOut: return moneyText(l->expense);
        case ColMemo: return l->memo;
        default: return l->feeLink;
        }
    });
    const QString current = com_MainItem->currentText();
    com_MainItem->clear();
    com_MainItem->addItems(CashBook::mainItems());
    com_MainItem->setCurrentText(current);
    m_loading = false;
    showTotals();
    setCurrentRow(grd_Lines, 0);
    selectLine(0);
}

void TfMon0010::showTotals()
{
    const CashBook::Totals t = CashBook::dayTotals(registerDate());
    lbl_InTotal->setText(won(t.income));
    lbl_OutTotal->setText(won(t.expense));
    lbl_DayTotal->setText(won(t.net()));
}

const CashLine* TfMon0010::lineAt(int row) const
{
    return row >= 0 && row < m_dayLines.size() ? &m_dayLines[row] : nullptr;
}

int TfMon0010::selectedRow() const
{
    const int r = currentRow(grd_Lines);
    return lineAt(r) ? r : -1;
}

void TfMon0010::selectLine(int row)
{
    m_loading = true;
    const CashLine* line = lineAt(row);
    if (!line) {
        com_MainItem->setCurrentText(QString());
        com_SubItem->clear();
        com_SubItem->setCurrentText(QString());
        edt_Amount->clear();
        edt_Memo->clear();
        pnl_Lower->setCurrentIndex(0);
        m_loading = false;
        return;
    }
    const QString& mainItem = line->mainItem;
    const bool income = line->income != 0;
    com_MainItem->setCurrentText(mainItem);
    loadSubItems(mainItem);
    com_SubItem->setCurrentText(line->subItem);
    com_InType->setCurrentText(income ? kIncome : kExpense);
    edt_Amount->clear();
    edt_Memo->clear();
    if (!CashBook::isFeeLink(line->feeLink) && mainItem != CashBook::kPartnerItem) {
        edt_Amount->setText(QString::number(income ? line->income : line->expense));
        edt_Memo->setText(line->memo);
    }
    showLowerPanel(row);
    m_loading = false;
}

void TfMon0010::loadSubItems(const QString& mainItem)
{
    const bool was = m_loading;
    m_loading = true;
    com_SubItem->clear();
    com_SubItem->addItems(CashBook::subItems(mainItem));
    com_SubItem->setCurrentIndex(-1);
    m_loading = was;
}

void TfMon0010::showLowerPanel(int row)
{
    const CashLine& line = m_dayLines[row];
    const QString& feeLink = line.feeLink;
    if (CashBook::isFeeLink(feeLink)) {
        pnl_Lower->setCurrentIndex(1);
        const CashBook::Member m = CashBook::memberOf(feeLink);
        lbl_Member->setText(QStringLiteral("회원명 : %1\n성별 : %2\n부별 : %3\n급품 : %4\n회원번호 : %5\n생일 : %6\n전화번호 : %7\n현재수련비 : %8")
                                .arg(m.name, m.sex, m.division, m.rank, m.no, m.birth, m.phone, moneyText(m.fee)));
        m_payments = CashBook::paymentsOf(feeLink.left(9));
        m_paymentList->show(int(m_payments.size()), [this](int r, int c) -> QString {
            const CashBook::Payment& p = m_payments[r];
            return c == 0 ? p.month : c == 1 ? db::dateText(p.paid) : moneyText(p.amount);
        });
        btn_ToFee->setEnabled(ScreenHost::current() && ScreenHost::current()->hasFactory(QStringLiteral("TfFee0010")));
    } else if (line.mainItem == CashBook::kPartnerItem) {
        pnl_Lower->setCurrentIndex(2);
        m_deals = PartnerDeals::linesOfCashLine(registerDate(), line.seq);
        m_dealList->show(int(m_deals.size()), [this](int r, int c) -> QString {
            const DealLine& d = m_deals[r];
            switch (c) {
            case 0: return seqText(d.seq);
            case 1: return d.item;
            case 2: return d.standard;
            case 3: return moneyText(d.quantity);
            case 4: return moneyText(d.price);
            case 5: return moneyText(d.supply);
            case 6: return moneyText(d.tax);
            default: return d.memo;
            }
        });
    } else {
        pnl_Lower->setCurrentIndex(0);
    }
}

void TfMon0010::chgEdBoxState(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{com_MainItem, com_SubItem, com_InType, edt_Amount, edt_Memo, btn_AddNext})
        w->setEnabled(on);
    grd_Lines->setEnabled(!on);
    dtpk_Date->setEnabled(!on);
    Calendar->setEnabled(!on);
    btn_PrevMonth->setEnabled(!on);
    btn_NextMonth->setEnabled(!on);
}

void TfMon0010::chgButtonState(bool editing)
{
    if (editing) {
        Btn_Insert->setEnabled(m_entry == Entry::New);
        Btn_Edit->setEnabled(m_entry == Entry::Edit);
        Btn_Delete->setEnabled(false);
    } else {
        Btn_Insert->setEnabled(true);
        Btn_Edit->setEnabled(true);
        Btn_Delete->setEnabled(true);
    }
}

void TfMon0010::Btn_InsertClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_InsertClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_InsertClick();
        return;
    }
    if (PgCtr->currentIndex() != PgRegister || inEntry())
        return;
    if (const QString refusal = CashBook::closedMonthRefusal(registerDate(), CashBook::Action::Add); !refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return;
    }
    m_loading = true;
    QString mainItem = com_MainItem->currentText();
    if (mainItem == CashBook::kFeeItem || mainItem == CashBook::kPartnerItem || mainItem.isEmpty())
        mainItem = com_MainItem->count() > 0 ? com_MainItem->itemText(0) : QString();
    com_MainItem->setCurrentText(mainItem);
    m_loading = false;
    loadSubItems(mainItem);
    com_SubItem->setCurrentText(QString());
    edt_Amount->clear();
    edt_Memo->clear();
    pnl_Lower->setCurrentIndex(0);
    com_InType->setCurrentText(kExpense);
    m_entry = Entry::New;
    chgEdBoxState(true);
    chgButtonState(true);
    com_MainItem->setFocus();
}

void TfMon0010::Btn_EditClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_EditClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_EditClick();
        return;
    }
    if (PgCtr->currentIndex() != PgRegister || inEntry())
        return;
    // Fee and partner lines are changed where they were written.
    if (selectedRow() < 0 || pnl_Lower->currentIndex() != 0)
        return;
    if (const QString refusal = CashBook::closedMonthRefusal(registerDate(), CashBook::Action::Edit); !refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return;
    }
    m_entry = Entry::Edit;
    chgEdBoxState(true);
    chgButtonState(true);
    com_MainItem->setFocus();
}

bool TfMon0010::saveEntry()
{
    const QString mainItem = com_MainItem->currentText().trimmed();
    const QString subItem = com_SubItem->currentText().trimmed();
    const QString kind = com_InType->currentText();
    const QString amountText = edt_Amount->text().trimmed();
    if (mainItem.isEmpty() || subItem.isEmpty() || kind.isEmpty() || amountText.isEmpty())
        return false;
    bool ok = false;
    const qint64 amount = QString(amountText).remove(u',').toLongLong(&ok);
    if (!ok) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("'%1'은(는) 올바른 금액이 아닙니다.").arg(amountText), this);
        edt_Amount->setFocus();
        return false;
    }
    const bool income = kind == kIncome;
    int seq = 0;
    QString refusal;
    if (m_entry == Entry::New) {
        refusal = CashBook::addLine(registerDate(), mainItem, subItem, income, amount, edt_Memo->text(), &seq);
    } else {
        seq = m_dayLines[selectedRow()].seq;
        refusal = CashBook::updateLine(registerDate(), seq, mainItem, subItem, income, amount, edt_Memo->text());
    }
    if (!refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return false;
    }
    showStatus(QStringLiteral("금전출납 저장: %1 %2 %3 %4").arg(db::dateText(registerDate()), mainItem, subItem, won(amount)));
    endEntry();
    loadDay();
    for (int r = 0; r < m_dayLines.size(); ++r)
        if (m_dayLines[r].seq == seq) {
            setCurrentRow(grd_Lines, r);
            selectLine(r);
        }
    return true;
}

void TfMon0010::endEntry()
{
    m_entry = Entry::None;
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfMon0010::Btn_SaveClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_SaveClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_SaveClick();
        return;
    }
    if (PgCtr->currentIndex() != PgRegister || !inEntry())
        return;
    saveEntry();
}

void TfMon0010::btn_AddNextClick()
{
    if (inEntry() && saveEntry())
        Btn_InsertClick();
}

void TfMon0010::Btn_CancelClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_CancelClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_CancelClick();
        return;
    }
    if (!inEntry())
        return;
    endEntry();
    selectLine(currentRow(grd_Lines));
}

void TfMon0010::Btn_DeleteClick()
{
    if (PgCtr->currentIndex() == PgDeal) {
        pg_Deal->Btn_DeleteClick();
        return;
    }
    if (PgCtr->currentIndex() == PgPartner) {
        pg_Partner->Btn_DeleteClick();
        return;
    }
    if (PgCtr->currentIndex() != PgRegister || inEntry())
        return;
    if (m_dayLines.isEmpty()) {
        showStatus(QStringLiteral("확인 : 지울수 없는 줄 입니다. "));
        return;
    }
    const int row = selectedRow();
    if (row < 0)
        return;
    if (const QString refusal = CashBook::closedMonthRefusal(registerDate(), CashBook::Action::Delete); !refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return;
    }
    // Copied: the day is read again below.
    const CashLine line = m_dayLines[row];
    const QString& mainItem = line.mainItem;
    const bool feeLine = CashBook::isFeeLink(line.feeLink);
    const int seq = line.seq;
    QString question = QStringLiteral("삭제하시겠습니까?");
    if (feeLine)
        question += QStringLiteral("\n\n수련비납부의 내용도 지워집니다.!");
    else if (mainItem == CashBook::kPartnerItem)
        question += QStringLiteral("\n\n거래 내역의 내용도 모두 지워집니다.!");
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), question, this))
        return;
    QString refusal;
    bool failed = false;
    try {
        refusal = CashBook::deleteLine(registerDate(), seq);
    } catch (const db::Error&) {
        if (!feeLine)
            throw;
        failed = true;
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("삭제 에러 입니다."), this);
    }
    if (!refusal.isEmpty())
        Dialogs::error(QStringLiteral("오류"), refusal, this);
    else if (!failed)
        showStatus(QStringLiteral("금전출납 삭제: %1 %2 %3")
                       .arg(db::dateText(registerDate()), mainItem, line.subItem));
    loadDay();
}

void TfMon0010::btn_ToDealClick()
{
    const int row = selectedRow();
    if (row < 0 || m_dayLines[row].mainItem != CashBook::kPartnerItem)
        return;
    const QString partner = m_dayLines[row].memo;
    const bool income = m_dayLines[row].income != 0;
    const QDate day = registerDate();
    selectPage(PgDeal, true);
    pg_Deal->showDealing(partner, income, day);
}

void TfMon0010::pageEntryChanged(bool editing)
{
    setToolbar(!editing, !editing, !editing, false, true, true);
}

void TfMon0010::btn_ToFeeClick()
{
    if (!ScreenHost::current())
        return;
    screens::Entry e;
    e.target = QStringLiteral("TfFee0010");
    e.page = 0;
    e.select = screens::Select::Always;
    e.change = screens::Change::Always;
    ScreenHost::current()->run(e);
}

void TfMon0010::btn_DayPrintClick()
{
    auto* sheet = new TfPri1020(registerDate(), this);
    sheet->show();
}

