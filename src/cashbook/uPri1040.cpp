#include "cashbook/uPri1040.h"

#include "cashbook/CashBook.h"
#include "db/Query.h"
#include "text/Money.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Column {
    double x, w;
    const char* heading;
    bool right;
};
const Column kColumns[] = {{0, 24, "날   짜", false},   {24, 40, "거래처명", false}, {64, 14, "순번", false},
                           {78, 12, "입/출", false},    {90, 44, "품    목", false}, {134, 18, "규격", false},
                           {152, 14, "수량", true},     {166, 22, "단가", true},     {188, 26, "공급급가액", true},
                           {214, 20, "세액", true},     {234, 39, "비    고", false}};
const double kLeft = 12, kWidth = 273, kRow = 6;

report::TextStyle ts(double size = 9, bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    report::TextStyle s;
    s.size = size;
    s.bold = bold;
    s.align = align;
    return s;
}

} // namespace

TfPri1040::TfPri1040(const PartnerDeals::Filter& filter, const Caption& caption, QWidget* parent)
    : QWidget(parent, Qt::Window), m_filter(filter), m_caption(caption)
{
    setWindowTitle(QStringLiteral("거래출납조회"));
    setAttribute(Qt::WA_DeleteOnClose);
    btn_Preview = new QPushButton(QStringLiteral("미리 보기"));
    btn_Print = new QPushButton(QStringLiteral("  프 린 트"));
    auto* close = new QPushButton(QStringLiteral("종     료"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(btn_Preview);
    bar->addWidget(btn_Print);
    bar->addWidget(close);
    auto* root = new QVBoxLayout(this);
    root->addWidget(new QLabel(QStringLiteral("일자 : %1 ~ %2").arg(db::dateText(filter.from), db::dateText(filter.to))));
    root->addLayout(bar);
    connect(btn_Preview, &QPushButton::clicked, this, [this] { preview(windowTitle(), this); });
    connect(btn_Print, &QPushButton::clicked, this, [this] { print(windowTitle(), this); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TfPri1040::build(report::PageBuilder& pages) const
{
    const QList<PartnerDeals::InquiryRow> rows = PartnerDeals::inquiry(m_filter);
    qint64 income = 0, expense = 0;
    for (const auto& r : rows)
        (r.line.income ? income : expense) += r.line.supply;
    const QString school = CashBook::schoolName();
    const double bottom = pages.paperMm().height() - 18;
    int next = 0;
    do {
        pages.newPage();
        double y = 10;
        pages.text(QRectF(kLeft, y, kWidth, 10), QStringLiteral("거래처 거래내역"), ts(18, true, Qt::AlignCenter));
        pages.text(QRectF(kLeft + kWidth - 30, y, 30, 7), QStringLiteral("No. %1").arg(pages.pageCount()),
                   ts(9, false, Qt::AlignRight | Qt::AlignVCenter));
        y += 13;
        pages.text(QRectF(kLeft, y, 70, 6),
                   QStringLiteral("일자 : %1~%2").arg(db::dateText(m_filter.from), db::dateText(m_filter.to)), ts());
        pages.text(QRectF(kLeft + 72, y, 60, 6), QStringLiteral("거래처 :") + m_caption.partner, ts());
        pages.text(QRectF(kLeft + 134, y, 50, 6), QStringLiteral("품    목 :") + m_caption.item, ts());
        pages.text(QRectF(kLeft + 186, y, 30, 6), QStringLiteral("입출금 :") + m_caption.direction, ts());
        pages.text(QRectF(kLeft + 218, y, 55, 6), QStringLiteral("비    고 :") + m_caption.memo, ts());
        y += 8;
        pages.line(QPointF(kLeft, y), QPointF(kLeft + kWidth, y), 0.4);
        for (const Column& c : kColumns)
            pages.text(QRectF(kLeft + c.x, y, c.w, kRow), QString::fromUtf8(c.heading), ts(9, true, Qt::AlignCenter));
        y += kRow;
        pages.line(QPointF(kLeft, y), QPointF(kLeft + kWidth, y), 0.3);
        while (next < rows.size() && y + kRow < bottom - 14) {
            const DealLine& l = rows[next].line;
            const QString cells[] = {db::dateText(l.date), rows[next].partnerName, QStringLiteral("%1").arg(l.seq, 5, 10, QChar(u'0')),
                                     l.income ? QStringLiteral("입금") : QStringLiteral("출금"), l.item, l.standard,
                                     moneyText(l.quantity), moneyText(l.price), moneyText(l.supply), moneyText(l.tax), l.memo};
            for (int i = 0; i < 11; ++i) {
                const Column& c = kColumns[i];
                pages.text(QRectF(kLeft + c.x + 1, y, c.w - 2, kRow), cells[i],
                           ts(8, false, (c.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
            }
            y += kRow;
            ++next;
        }
        if (next >= rows.size()) {
            pages.line(QPointF(kLeft, y + 1), QPointF(kLeft + kWidth, y + 1), 0.3);
            y += 3;
            pages.text(QRectF(kLeft, y, 40, kRow), QStringLiteral("합          산 :"), ts(9, true));
            pages.text(QRectF(kLeft + 40, y, 80, kRow),
                       QStringLiteral("입금 %1원   출금 %2원").arg(moneyText(income), moneyText(expense)), ts());
            y += kRow;
            pages.text(QRectF(kLeft, y, 40, kRow), QStringLiteral("총          계 :"), ts(9, true));
            pages.text(QRectF(kLeft + 40, y, 80, kRow), moneyText(income - expense) + QStringLiteral("원"), ts());
        }
        pages.text(QRectF(kLeft, bottom + 4, kWidth, 8), school, ts(11, true, Qt::AlignCenter));
    } while (next < rows.size());
}
