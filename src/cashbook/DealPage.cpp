#include "cashbook/DealPage.h"

#include "cashbook/CashBook.h"
#include "cashbook/uPri1010.h"
#include "db/DbError.h"
#include "db/Clock.h"
#include "db/MonthKey.h"
#include "db/Query.h"
#include "text/Money.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kIncome = QStringLiteral("입금");
const QString kExpense = QStringLiteral("출금");
enum Col { ColSeq, ColItem, ColStandard, ColQty, ColPrice, ColSupply, ColTax, ColMemo };

QPushButton* button(const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setAutoDefault(false);
    return b;
}

QString seqText(int seq) { return QStringLiteral("%1").arg(seq, 5, 10, QChar(u'0')); }

} // namespace

DealPage::DealPage(QWidget* parent) : QWidget(parent)
{
    dtpk_Date = new DateEdit;
    Calendar = new QCalendarWidget;
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setNavigationBarVisible(false);
    Calendar->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    btn_PrevMonth = button(QStringLiteral("◀"));
    btn_NextMonth = button(QStringLiteral("▶"));
    lbl_Partner = new QLabel;
    lbl_Partner->setTextFormat(Qt::PlainText);
    lbl_Partner->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* left = new QVBoxLayout;
    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(dtpk_Date);
    monthRow->addStretch();
    monthRow->addWidget(btn_PrevMonth);
    monthRow->addWidget(btn_NextMonth);
    left->addLayout(monthRow);
    left->addWidget(Calendar);
    left->addWidget(lbl_Partner, 1);

    com_Partner = new QComboBox;
    com_Partner->setMinimumWidth(160);
    com_InType = new QComboBox;
    com_InType->addItems({kIncome, kExpense});
    com_InType->setCurrentText(kExpense);
    edt_CashSeq = new QLineEdit;
    edt_CashSeq->setReadOnly(true);
    edt_CashSeq->setMaximumWidth(70);
    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(QStringLiteral("거래처명")));
    header->addWidget(com_Partner, 1);
    header->addWidget(new QLabel(QStringLiteral("입력형식")));
    header->addWidget(com_InType);
    header->addWidget(new QLabel(QStringLiteral("금전출납순번")));
    header->addWidget(edt_CashSeq);

    m_model = new ListModel({QStringLiteral("No."), QStringLiteral("품목"), QStringLiteral("규격"), QStringLiteral("수량"),
                             QStringLiteral("단가"), QStringLiteral("공급가액"), QStringLiteral("세액"), QStringLiteral("비고")},
                            this);
    for (int c : {ColQty, ColPrice, ColSupply, ColTax})
        m_model->setRightAligned(c);
    grd_Deal = new QTableView;
    ListModel::setUpView(grd_Deal, m_model, {50, 140, 70, 50, 80, 90, 70, 140});

    lbl_Count = new QLabel;
    lbl_Sum = new QLabel;
    btn_Print = button(QStringLiteral("프린트"));
    auto* totals = new QHBoxLayout;
    totals->addStretch();
    totals->addWidget(new QLabel(QStringLiteral("총갯수")));
    totals->addWidget(lbl_Count);
    totals->addSpacing(16);
    totals->addWidget(new QLabel(QStringLiteral("총합계")));
    totals->addWidget(lbl_Sum);
    totals->addSpacing(16);
    totals->addWidget(btn_Print);

    auto* fields = new QGroupBox;
    edt_Item = new QLineEdit;
    edt_Item->setMaxLength(50);
    chk_FromList = new QCheckBox(QStringLiteral("목록에서 고르기"));
    com_Group = new QComboBox;
    com_Goods = new QComboBox;
    edt_Standard = new QLineEdit;
    edt_Standard->setMaxLength(10);
    edt_Qty = new QLineEdit;
    edt_Qty->setMaxLength(5);
    edt_Price = new QLineEdit;
    edt_Supply = new QLineEdit;
    edt_Tax = new QLineEdit;
    for (QLineEdit* e : {edt_Qty, edt_Price, edt_Supply, edt_Tax})
        e->setAlignment(Qt::AlignRight);
    for (QLineEdit* e : {edt_Price, edt_Supply, edt_Tax})
        e->setMaxLength(15);
    edt_Memo = new QLineEdit;
    edt_Memo->setMaxLength(200);
    btn_AddNext = button(QStringLiteral("추가입력"));
    auto* fg = new QGridLayout(fields);
    auto* itemRow = new QHBoxLayout;
    itemRow->addWidget(edt_Item, 1);
    itemRow->addWidget(com_Group, 1);
    itemRow->addWidget(com_Goods, 1);
    itemRow->addWidget(chk_FromList);
    fg->addWidget(new QLabel(QStringLiteral("품목")), 0, 0);
    fg->addLayout(itemRow, 0, 1, 1, 5);
    const std::pair<const char*, QLineEdit*> numbers[] = {{"규격", edt_Standard}, {"수량", edt_Qty}, {"단가", edt_Price},
                                                          {"공급가액", edt_Supply}, {"세액", edt_Tax}};
    int col = 0;
    for (const auto& [caption, edit] : numbers) {
        const int r = 1 + col / 3, c = (col % 3) * 2;
        fg->addWidget(new QLabel(QString::fromUtf8(caption)), r, c);
        fg->addWidget(edit, r, c + 1);
        ++col;
    }
    fg->addWidget(new QLabel(QStringLiteral("비고")), 3, 0);
    fg->addWidget(edt_Memo, 3, 1, 1, 4);
    fg->addWidget(btn_AddNext, 3, 5);

    auto* right = new QVBoxLayout;
    right->addLayout(header);
    right->addWidget(grd_Deal, 1);
    right->addLayout(totals);
    right->addWidget(fields);

    auto* lay = new QHBoxLayout(this);
    lay->addLayout(left);
    lay->addLayout(right, 1);

    connect(dtpk_Date, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (!m_loading)
            setDate(d);
    });
    connect(Calendar, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_loading)
            setDate(Calendar->selectedDate());
    });
    connect(btn_PrevMonth, &QPushButton::clicked, this, [this] { setDate(monthkey::shiftMonth(date(), -1)); });
    connect(btn_NextMonth, &QPushButton::clicked, this, [this] { setDate(monthkey::shiftMonth(date(), 1)); });
    connect(com_Partner, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            load();
    });
    connect(com_InType, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_loading)
            load();
    });
    connect(grd_Deal->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& i) {
        if (!m_loading && !inEntry())
            showRow(i.row());
    });
    connect(edt_Qty, &QLineEdit::textEdited, this, &DealPage::fillSupply);
    connect(edt_Price, &QLineEdit::textEdited, this, &DealPage::fillSupply);
    connect(chk_FromList, &QCheckBox::toggled, this, &DealPage::setPicking);
    connect(com_Group, &QComboBox::currentTextChanged, this, [this](const QString& g) {
        com_Goods->clear();
        com_Goods->addItems(PartnerDeals::goodsOf(g));
    });
    connect(btn_AddNext, &QPushButton::clicked, this, &DealPage::btn_AddNextClick);
    connect(btn_Print, &QPushButton::clicked, this, &DealPage::btn_PrintClick);

    m_loading = true;
    dtpk_Date->setDate(Clock::today());
    Calendar->setSelectedDate(Clock::today());
    m_loading = false;
    setPicking(false);
    chgEdBoxState(false);
}

QString DealPage::partnerCode() const { return Partners::codeOf(com_Partner->currentText()); }
bool DealPage::income() const { return com_InType->currentText() == kIncome; }
QDate DealPage::date() const { return dtpk_Date->date(); }

void DealPage::reload()
{
    const QString keep = partnerCode();
    m_loading = true;
    com_Partner->clear();
    com_Partner->addItems(Partners::entries(QStringLiteral("  ")));
    for (int i = 0; i < com_Partner->count(); ++i)
        if (Partners::codeOf(com_Partner->itemText(i)) == keep)
            com_Partner->setCurrentIndex(i);
    com_Group->clear();
    com_Group->addItems(PartnerDeals::goodsGroups());
    m_loading = false;
    load();
}

void DealPage::showDealing(const QString& partner, bool in, const QDate& d)
{
    if (inEntry())
        Btn_CancelClick();
    reload();
    m_loading = true;
    for (int i = 0; i < com_Partner->count(); ++i)
        if (Partners::codeOf(com_Partner->itemText(i)) == partner)
            com_Partner->setCurrentIndex(i);
    com_InType->setCurrentText(in ? kIncome : kExpense);
    m_loading = false;
    setDate(d);
}

void DealPage::setDate(const QDate& d)
{
    m_loading = true;
    dtpk_Date->setDate(d);
    Calendar->setCurrentPage(d.year(), d.month());
    Calendar->setSelectedDate(d);
    m_loading = false;
    if (inEntry())
        Btn_CancelClick();
    load();
}

void DealPage::load()
{
    const QString code = partnerCode();
    const std::optional<Partner> p = code.isEmpty() ? std::nullopt : Partners::find(code);
    lbl_Partner->setText(p ? QStringLiteral("성명 : %1\n업태 : %2\n종목 : %3\n전화1 : %4\n전화2 : %5")
                                 .arg(p->owner, p->bizType, p->bizItem, p->phone1, p->phone2)
                           : QString());
    m_loading = true;
    m_lines = p ? PartnerDeals::lines(date(), code, income()) : QList<DealLine>();
    m_model->show(int(m_lines.size()), [this](int r, int c) {
        const DealLine& l = m_lines[r];
        switch (c) {
        case ColSeq: return seqText(l.seq);
        case ColItem: return l.item;
        case ColStandard: return l.standard;
        case ColQty: return moneyText(l.quantity);
        case ColPrice: return moneyText(l.price);
        case ColSupply: return moneyText(l.supply);
        case ColTax: return moneyText(l.tax);
        default: return l.memo;
        }
    });
    edt_CashSeq->setText(m_lines.isEmpty() ? QString() : QString::number(m_lines.last().cashSeq));
    const PartnerDeals::Totals t = p ? PartnerDeals::totals(date(), code, income()) : PartnerDeals::Totals();
    lbl_Count->setText(moneyText(t.quantity) + QStringLiteral("개"));
    lbl_Sum->setText(moneyText(t.supply) + QStringLiteral("원"));
    m_loading = false;
    selectRow(m_lines.isEmpty() ? -1 : 0);
}

int DealPage::selectedRow() const
{
    const int r = grd_Deal->currentIndex().row();
    return r >= 0 && r < m_lines.size() ? r : -1;
}

void DealPage::selectRow(int row)
{
    if (row >= 0 && row < m_lines.size())
        grd_Deal->setCurrentIndex(m_model->index(row, 0));
    showRow(row);
}

void DealPage::showRow(int row)
{
    if (row < 0 || row >= m_lines.size()) {
        clearFields();
        return;
    }
    const DealLine& l = m_lines[row];
    edt_Item->setText(l.item);
    edt_Standard->setText(l.standard);
    edt_Qty->setText(QString::number(l.quantity));
    edt_Price->setText(QString::number(l.price));
    edt_Supply->setText(QString::number(l.supply));
    edt_Tax->setText(QString::number(l.tax));
    edt_Memo->setText(l.memo);
}

void DealPage::clearFields()
{
    for (QLineEdit* e : {edt_Item, edt_Standard, edt_Qty, edt_Price, edt_Supply, edt_Tax, edt_Memo})
        e->clear();
}

void DealPage::fillSupply()
{
    if (const QString s = PartnerDeals::supplyText(edt_Qty->text(), edt_Price->text()); !s.isEmpty())
        edt_Supply->setText(s);
}

void DealPage::setPicking(bool on)
{
    edt_Item->setVisible(!on);
    com_Group->setVisible(on);
    com_Goods->setVisible(on);
}

QString DealPage::itemText() const { return chk_FromList->isChecked() ? com_Goods->currentText() : edt_Item->text(); }

void DealPage::chgEdBoxState(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{edt_Item, chk_FromList, com_Group, com_Goods, edt_Standard, edt_Qty,
                                                      edt_Price, edt_Supply, edt_Tax, edt_Memo, btn_AddNext})
        w->setEnabled(on);
    for (QWidget* w : std::initializer_list<QWidget*>{com_Partner, com_InType, dtpk_Date, Calendar, btn_PrevMonth,
                                                      btn_NextMonth, grd_Deal})
        w->setEnabled(!on);
}

void DealPage::setEntry(Entry e)
{
    m_entry = e;
    chgEdBoxState(e != Entry::None);
    emit entryChanged(e != Entry::None);
}

void DealPage::Btn_InsertClick()
{
    if (inEntry())
        return;
    if (partnerCode().isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("거래처를 선택하세요."), this);
        com_Partner->setFocus();
        return;
    }
    if (const QString refusal = CashBook::closedMonthRefusal(date(), CashBook::Action::Add); !refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return;
    }
    if (income()) { // a new line starts as an expense, with the expense lines shown
        QSignalBlocker block(com_InType);
        com_InType->setCurrentText(kExpense);
        load();
    }
    clearFields();
    setEntry(Entry::New);
    edt_Item->setFocus();
}

void DealPage::Btn_EditClick()
{
    if (inEntry() || selectedRow() < 0 || partnerCode().isEmpty())
        return;
    if (const QString refusal = CashBook::closedMonthRefusal(date(), CashBook::Action::Edit); !refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return;
    }
    setEntry(Entry::Edit);
    edt_Item->setFocus();
}

bool DealPage::Btn_SaveClick()
{
    if (!inEntry())
        return false;
    const PartnerDeals::Entry e{itemText(), edt_Standard->text(), edt_Qty->text(), edt_Price->text(),
                                edt_Supply->text(), edt_Tax->text(), edt_Memo->text()};
    PartnerDeals::Result r;
    try {
        r = m_entry == Entry::New ? PartnerDeals::add(date(), partnerCode(), income(), e)
                                  : PartnerDeals::update(date(), partnerCode(), m_lines[selectedRow()].seq, e);
    } catch (const db::Error& err) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n\n") + err.message(), this);
        return false;
    }
    if (!r.ok()) {
        Dialogs::error(QStringLiteral("확인요망"), r.message, this);
        switch (r.field) {
        case PartnerDeals::Field::Partner: break;
        case PartnerDeals::Field::Item: (chk_FromList->isChecked() ? static_cast<QWidget*>(com_Goods) : edt_Item)->setFocus(); break;
        case PartnerDeals::Field::Standard: edt_Standard->setFocus(); break;
        case PartnerDeals::Field::Quantity: edt_Qty->setFocus(); break;
        case PartnerDeals::Field::Price: edt_Price->setFocus(); break;
        case PartnerDeals::Field::Supply: edt_Supply->setFocus(); break;
        case PartnerDeals::Field::Tax: edt_Tax->setFocus(); break;
        case PartnerDeals::Field::Memo: edt_Memo->setFocus(); break;
        case PartnerDeals::Field::None: break;
        }
        return false;
    }
    setEntry(Entry::None);
    load();
    for (int i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].seq == r.seq)
            selectRow(i);
    StatusLine::show(QStringLiteral("거래 내역 저장: %1 %2 %3 (금전출납 %4)")
                         .arg(db::dateText(date()), com_Partner->currentText().mid(6).trimmed(), e.item.trimmed(),
                              lbl_Sum->text()));
    return true;
}

void DealPage::btn_AddNextClick()
{
    if (Btn_SaveClick())
        Btn_InsertClick();
}

void DealPage::Btn_CancelClick()
{
    if (!inEntry())
        return;
    setEntry(Entry::None);
    chk_FromList->setChecked(false);
    showRow(selectedRow());
}

void DealPage::Btn_DeleteClick()
{
    if (inEntry())
        return;
    if (m_lines.isEmpty()) {
        StatusLine::show(QStringLiteral("확인 : 지울수 없는 줄 입니다. "));
        return;
    }
    const int row = selectedRow();
    if (row < 0)
        return;
    if (const QString refusal = CashBook::closedMonthRefusal(date(), CashBook::Action::Delete); !refusal.isEmpty()) {
        Dialogs::error(QStringLiteral("오류"), refusal, this);
        return;
    }
    if (!Dialogs::okCancel(QStringLiteral("삭제확인"), QStringLiteral("삭제하시겠습니까?"), this))
        return;
    const DealLine line = m_lines[row];
    PartnerDeals::Result r;
    try {
        r = PartnerDeals::remove(date(), partnerCode(), line.seq);
    } catch (const db::Error& err) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("삭제 에러 입니다.\n\n") + err.message(), this);
        return;
    }
    if (!r.ok()) {
        Dialogs::error(QStringLiteral("오류"), r.message, this);
        return;
    }
    load();
    StatusLine::show(QStringLiteral("거래 내역 삭제: %1 %2 %3").arg(db::dateText(date()), seqText(line.seq), line.item));
}

void DealPage::btn_PrintClick()
{
    if (partnerCode().isEmpty())
        return;
    auto* sheet = new TfPri1010(date(), partnerCode(), income(), this);
    sheet->show();
}
