#include "cashbook/PartnerInquiryPanel.h"

#include "cashbook/uPri1040.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "text/Money.h"
#include "ui/DateEdit.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
const QString kAll = QStringLiteral("전체");
enum Col { ColDate, ColPartner, ColSeq, ColInOut, ColItem, ColStandard, ColQty, ColPrice, ColSupply, ColTax, ColMemo };
}

PartnerInquiryPanel::PartnerInquiryPanel(QWidget* parent) : QWidget(parent)
{
    dtpk_From = new DateEdit;
    dtpk_To = new DateEdit;
    com_Partner = new QComboBox;
    com_Partner->setMinimumWidth(140);
    com_Group = new QComboBox;
    com_Goods = new QComboBox;
    com_Goods->setMinimumWidth(90);
    com_InOut = new QComboBox;
    com_InOut->addItems({kAll, QStringLiteral("출금"), QStringLiteral("입금")});
    edt_Memo = new QLineEdit;
    edt_Memo->setMaximumWidth(120);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QStringLiteral("날짜별 조회 :")));
    filterRow->addWidget(dtpk_From);
    filterRow->addWidget(new QLabel(QStringLiteral("~")));
    filterRow->addWidget(dtpk_To);
    filterRow->addSpacing(8);
    filterRow->addWidget(new QLabel(QStringLiteral("거래처 :")));
    filterRow->addWidget(com_Partner);
    filterRow->addStretch();
    auto* filterRow2 = new QHBoxLayout;
    filterRow2->addWidget(new QLabel(QStringLiteral("품목 :")));
    filterRow2->addWidget(com_Group);
    filterRow2->addWidget(new QLabel(QStringLiteral("-")));
    filterRow2->addWidget(com_Goods);
    filterRow2->addSpacing(8);
    filterRow2->addWidget(new QLabel(QStringLiteral("입출금:")));
    filterRow2->addWidget(com_InOut);
    filterRow2->addSpacing(8);
    filterRow2->addWidget(new QLabel(QStringLiteral("비고 :")));
    filterRow2->addWidget(edt_Memo);
    filterRow2->addStretch();

    m_model = new ListModel({QStringLiteral("날짜"), QStringLiteral("거래처명"), QStringLiteral("순번"), QStringLiteral("입/출"),
                             QStringLiteral("품목"), QStringLiteral("규격"), QStringLiteral("수량"), QStringLiteral("단가"),
                             QStringLiteral("공급가액"), QStringLiteral("세액"), QStringLiteral("비고")},
                            this);
    for (int c : {ColQty, ColPrice, ColSupply, ColTax})
        m_model->setRightAligned(c);
    grd_Deals = new QTableView;
    ListModel::setUpView(grd_Deals, m_model, {84, 120, 50, 40, 120, 60, 50, 70, 80, 60, 120});

    lbl_Count = new QLabel;
    lbl_Sum = new QLabel;
    btn_ListPrint = new QPushButton(QStringLiteral("프린트"));
    btn_ListPrint->setAutoDefault(false);
    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(QStringLiteral("총갯수")));
    totals->addWidget(lbl_Count);
    totals->addSpacing(16);
    totals->addWidget(new QLabel(QStringLiteral("총합계")));
    totals->addWidget(lbl_Sum);
    totals->addStretch();
    totals->addWidget(btn_ListPrint);

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addLayout(filterRow);
    lay->addLayout(filterRow2);
    lay->addWidget(grd_Deals, 1);
    lay->addLayout(totals);

    connect(com_Group, &QComboBox::currentTextChanged, this, [this](const QString& g) {
        com_Goods->clear();
        com_Goods->addItem(kAll);
        if (g != kAll)
            com_Goods->addItems(PartnerDeals::goodsOf(g));
    });
    connect(btn_ListPrint, &QPushButton::clicked, this, &PartnerInquiryPanel::btn_ListPrintClick);
}

void PartnerInquiryPanel::reset()
{
    dtpk_From->setDate(Clock::today());
    dtpk_To->setDate(Clock::today());
    com_Partner->clear();
    com_Partner->addItem(kAll);
    com_Partner->addItems(Partners::entries(QStringLiteral(" ")));
    com_Group->clear();
    com_Group->addItem(kAll);
    com_Group->addItems(PartnerDeals::goodsGroups());
    m_rows.clear();
    m_model->clear();
    lbl_Count->clear();
    lbl_Sum->clear();
    m_queried = false;
}

PartnerDeals::Filter PartnerInquiryPanel::filter() const
{
    PartnerDeals::Filter f;
    f.from = dtpk_From->date();
    f.to = dtpk_To->date();
    if (com_Partner->currentText() != kAll)
        f.partner = Partners::codeOf(com_Partner->currentText());
    if (com_Goods->currentText() != kAll)
        f.item = com_Goods->currentText();
    f.direction = com_InOut->currentIndex() == 1 ? 1 : com_InOut->currentIndex() == 2 ? 0 : -1;
    f.memo = edt_Memo->text().trimmed();
    return f;
}

void PartnerInquiryPanel::Btn_QueryClick()
{
    m_rows = PartnerDeals::inquiry(filter());
    m_model->show(int(m_rows.size()), [this](int r, int c) {
        const DealLine& l = m_rows[r].line;
        switch (c) {
        case ColDate: return db::dateText(l.date);
        case ColPartner: return m_rows[r].partnerName;
        case ColSeq: return QStringLiteral("%1").arg(l.seq, 5, 10, QChar(u'0'));
        case ColInOut: return l.income ? QStringLiteral("입금") : QStringLiteral("출금");
        case ColItem: return l.item;
        case ColStandard: return l.standard;
        case ColQty: return moneyText(l.quantity);
        case ColPrice: return moneyText(l.price);
        case ColSupply: return moneyText(l.supply);
        case ColTax: return moneyText(l.tax);
        default: return l.memo;
        }
    });
    qint64 quantity = 0, supply = 0;
    for (const auto& r : m_rows) {
        quantity += r.line.quantity;
        supply += r.line.supply;
    }
    lbl_Count->setText(moneyText(quantity) + QStringLiteral("개"));
    lbl_Sum->setText(moneyText(supply) + QStringLiteral("원"));
    m_queried = true;
    emit found(int(m_rows.size()));
}

void PartnerInquiryPanel::btn_ListPrintClick()
{
    if (!m_queried) {
        StatusLine::show(QStringLiteral("조회를 하신후에 프린트를 하실수 있습니다."));
        return;
    }
    const PartnerDeals::Filter f = filter();
    TfPri1040::Caption c;
    c.partner = f.partner.isEmpty() ? kAll : com_Partner->currentText().mid(5).trimmed();
    c.item = f.item.isEmpty() ? kAll : f.item;
    c.direction = com_InOut->currentText();
    c.memo = f.memo.isEmpty() ? kAll : f.memo;
    auto* sheet = new TfPri1040(f, c, this);
    sheet->show();
}
