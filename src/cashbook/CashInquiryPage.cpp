#include "cashbook/uMon0010.h"

#include "cashbook/CashBook.h"
#include "cashbook/CashPrint.h"
#include "cashbook/CashPageParts.h"
#include "cashbook/PartnerInquiryPanel.h"
#include "db/Query.h"
#include "report/Report.h"
#include "text/Money.h"
#include "ui/DateEdit.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

// The inquiry page "입/출금내역조회": the cash lines of a period by date (with the running balance) or
// by item, and the partner dealings in their own panel.

using cashpage::button;
using cashpage::won;

QWidget* TfMon0010::buildInquiryPage()
{
    auto* page = new QWidget;
    rdo_Date = new QRadioButton(QStringLiteral("입/출금 일자별 조회"));
    rdo_Item = new QRadioButton(QStringLiteral("입/출금 항목별 조회"));
    rdo_Partner = new QRadioButton(QStringLiteral("거래처거래내역 조회"));
    rdo_Date->setChecked(true);
    dtpk_From = new DateEdit;
    dtpk_To = new DateEdit;
    for (QDateEdit* d : {dtpk_From, dtpk_To}) {
        d->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setCalendarPopup(true);
    }
    lbl_QMain = new QLabel(QStringLiteral("주 항목 :"));
    lbl_QSub = new QLabel(QStringLiteral("소 항목 :"));
    com_QMain = new QComboBox;
    com_QSub = new QComboBox;
    com_QMain->setMinimumWidth(110);
    com_QSub->setMinimumWidth(110);

    auto* modes = new QHBoxLayout;
    modes->addWidget(rdo_Date);
    modes->addWidget(rdo_Item);
    modes->addWidget(rdo_Partner);
    modes->addStretch();
    auto* filter = new QHBoxLayout;
    filter->addWidget(new QLabel(QStringLiteral("날짜별 조회 :")));
    filter->addWidget(dtpk_From);
    filter->addWidget(new QLabel(QStringLiteral("~")));
    filter->addWidget(dtpk_To);
    filter->addSpacing(20);
    filter->addWidget(lbl_QMain);
    filter->addWidget(com_QMain);
    filter->addWidget(lbl_QSub);
    filter->addWidget(com_QSub);
    filter->addStretch();

    // A year of a large school is tens of thousands of lines: the list reads the result in place.
    m_inquiry = new ListModel({{QStringLiteral("날짜"), 0, false, ListModel::Date},
                               {QStringLiteral("순번"), 0, false, ListModel::Code},
                               {QStringLiteral("주항목"), 0, false, ListModel::Text},
                               {QStringLiteral("소항목"), 0, false, ListModel::Text},
                               {QStringLiteral("입금액"), 0, false, ListModel::Money},
                               {QStringLiteral("출금액"), 0, false, ListModel::Money},
                               {QStringLiteral("잔액"), 0, false, ListModel::Money},
                               {QStringLiteral("적요"), 0, false, ListModel::Text}},
                              this);
    grd_Inquiry = cashpage::listView(m_inquiry);

    lbl_QIn = new QLabel;
    lbl_QOut = new QLabel;
    lbl_QDiff = new QLabel;
    lbl_QCurrent = new QLabel;
    btn_ListPrint = button(QStringLiteral("프린트"));
    auto* totals = new QHBoxLayout;
    const std::pair<QString, QLabel*> parts[] = {{QStringLiteral("입금총액"), lbl_QIn},
                                                 {QStringLiteral("출금총액"), lbl_QOut},
                                                 {QStringLiteral("잔      액"), lbl_QDiff},
                                                 {QStringLiteral("현      잔"), lbl_QCurrent}};
    for (const auto& [caption, label] : parts) {
        totals->addWidget(new QLabel(caption));
        label->setMinimumWidth(96);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        totals->addWidget(label);
        totals->addSpacing(8);
    }
    totals->addStretch();
    totals->addWidget(btn_ListPrint);

    auto* cashPart = new QWidget;
    auto* cashLay = new QVBoxLayout(cashPart);
    cashLay->setContentsMargins(0, 0, 0, 0);
    cashLay->addLayout(filter);
    cashLay->addWidget(grd_Inquiry, 1);
    cashLay->addLayout(totals);
    pnl_PartnerInquiry = new PartnerInquiryPanel;
    stk_Inquiry = new QStackedWidget;
    stk_Inquiry->addWidget(cashPart);
    stk_Inquiry->addWidget(pnl_PartnerInquiry);
    auto* lay = new QVBoxLayout(page);
    lay->addLayout(modes);
    lay->addWidget(stk_Inquiry, 1);
    connect(rdo_Partner, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ModeChange();
    });
    connect(pnl_PartnerInquiry, &PartnerInquiryPanel::found, this, [this](int n) { lbl_Found->setText(QString::number(n)); });

    connect(rdo_Date, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ModeChange();
    });
    connect(rdo_Item, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ModeChange();
    });
    connect(com_QMain, &QComboBox::currentTextChanged, this, [this] {
        if (!m_loading)
            loadQuerySubItems();
    });
    connect(btn_ListPrint, &QPushButton::clicked, this, &TfMon0010::btn_ListPrintClick);
    return page;
}

bool TfMon0010::dateMode() const { return rdo_Date->isChecked(); }

bool TfMon0010::partnerMode() const { return rdo_Partner->isChecked(); }

void TfMon0010::clearInquiry()
{
    m_result = {};
    showInquiry(dateMode());
    for (QLabel* l : {lbl_QIn, lbl_QOut, lbl_QDiff, lbl_QCurrent})
        l->clear();
    lbl_Found->setText(QStringLiteral("0"));
}

void TfMon0010::ModeChange()
{
    clearInquiry();
    stk_Inquiry->setCurrentIndex(partnerMode() ? 1 : 0);
    if (partnerMode()) {
        pnl_PartnerInquiry->reset();
        return;
    }
    const bool item = rdo_Item->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{lbl_QMain, lbl_QSub, com_QMain, com_QSub})
        w->setVisible(item);
    grd_Inquiry->setColumnHidden(QBal, item);
    if (item)
        loadQueryItems();
}

void TfMon0010::loadQueryItems()
{
    m_loading = true;
    com_QMain->clear();
    com_QMain->addItem(CashInquiry::kAll);
    com_QMain->addItems(CashBook::mainItems());
    m_loading = false;
    loadQuerySubItems();
}

void TfMon0010::loadQuerySubItems()
{
    com_QSub->clear();
    com_QSub->addItem(CashInquiry::kAll);
    if (com_QMain->currentText() != CashInquiry::kAll)
        com_QSub->addItems(CashBook::subItems(com_QMain->currentText()));
}

void TfMon0010::Btn_QueryClick()
{
    if (PgCtr->currentIndex() != PgInquiry)
        return;
    if (partnerMode()) {
        pnl_PartnerInquiry->Btn_QueryClick();
        return;
    }
    const bool byDate = dateMode();
    m_result = byDate ? CashInquiry::byDate(dtpk_From->date(), dtpk_To->date())
                      : CashInquiry::byItem(com_QMain->currentText(), com_QSub->currentText(), dtpk_From->date(),
                                            dtpk_To->date());
    showInquiry(byDate);
    lbl_QIn->setText(won(m_result.income));
    lbl_QOut->setText(won(m_result.expense));
    lbl_QDiff->setText(won(m_result.difference()));
    lbl_QCurrent->setText(won(m_result.current));
    lbl_Found->setText(QString::number(m_result.found));
}

// By item the lines have no running balance: its column goes blank, heading and all.
void TfMon0010::showInquiry(bool byDate)
{
    m_itemMode = !byDate;
    m_inquiry->setHeader(QBal, byDate ? QStringLiteral("잔액") : QString());
    m_inquiry->show(int(m_result.rows.size()), [this](int r, int c) -> QString {
        const CashInquiry::Row& row = m_result.rows[r];
        switch (c) {
        case QDateCol: return db::dateText(row.date);
        case QSeq: return row.carry ? QString() : QStringLiteral("%1").arg(row.seq, 5, 10, QChar(u'0'));
        case QMain: return row.mainItem;
        case QSub: return row.subItem;
        case QIn: return moneyText(row.income);
        case QOut: return moneyText(row.expense);
        case QBal: return m_itemMode ? QString() : moneyText(row.balance);
        default: return row.memo;
        }
    });
}

int TfMon0010::inquiryRows() const { return m_inquiry->rows(); }

QString TfMon0010::inquiryCell(int row, int column) const { return m_inquiry->text(row, column); }

QStringList TfMon0010::inquiryTotals() const
{
    return {lbl_QIn->text(), lbl_QOut->text(), lbl_QDiff->text(), lbl_QCurrent->text()};
}

void TfMon0010::btn_ListPrintClick()
{
    if (inquiryCell(0, 0).isEmpty()) {
        Dialogs::error(QStringLiteral("확인요망"), QStringLiteral("조회를 하신후에 프린트를 하실수 있습니다."), this);
        return;
    }
    CashPrint::PeriodList list;
    list.from = dtpk_From->date();
    list.to = dtpk_To->date();
    list.dateMode = dateMode();
    for (int r = 0; r < inquiryRows(); ++r) {
        QStringList cells;
        for (int c = 0; c < m_inquiry->columnCount(); ++c)
            cells << inquiryCell(r, c);
        list.rows << cells;
    }
    list.totals = inquiryTotals();
    CashPrint::printPeriodList(list, report::Preview, this);
}

