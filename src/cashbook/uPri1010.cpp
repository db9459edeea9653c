#include "cashbook/uPri1010.h"

#include "cashbook/CashBook.h"
#include "cashbook/Partners.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "text/Money.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Column {
    double x, w;
    const char* heading;
    bool right;
};
const Column kColumns[] = {{0, 50, "품                   명", false}, {50, 18, "규 격", false},
                           {68, 14, "수 량", true},                 {82, 22, "단 가", true},
                           {104, 28, "공  급  가  액", true},        {132, 20, "세 액", true},
                           {152, 34, "비               고", false}};
const double kLeft = 12, kWidth = 186, kRow = 6.5;

report::TextStyle ts(double size = 10, bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    report::TextStyle s;
    s.size = size;
    s.bold = bold;
    s.align = align;
    return s;
}

} // namespace

TfPri1010::TfPri1010(const QDate& day, const QString& partner, bool income, QWidget* parent)
    : QWidget(parent, Qt::Window), m_day(day), m_partner(partner), m_income(income)
{
    setWindowTitle(QStringLiteral("거래명세표"));
    setAttribute(Qt::WA_DeleteOnClose);
    edt_Receiver = new QLineEdit;
    edt_Receiver->setMaxLength(30);
    btn_Preview = new QPushButton(QStringLiteral("미리 보기"));
    btn_Print = new QPushButton(QStringLiteral("  프 린 트"));
    auto* close = new QPushButton(QStringLiteral("종     료"));
    auto* to = new QHBoxLayout;
    to->addWidget(new QLabel(QStringLiteral("받는사람 : ")));
    to->addWidget(edt_Receiver, 1);
    auto* bar = new QHBoxLayout;
    bar->addWidget(btn_Preview);
    bar->addWidget(btn_Print);
    bar->addWidget(close);
    auto* root = new QVBoxLayout(this);
    root->addLayout(to);
    root->addLayout(bar);
    connect(btn_Preview, &QPushButton::clicked, this, [this] { preview(windowTitle(), this); });
    connect(btn_Print, &QPushButton::clicked, this, [this] { print(windowTitle(), this); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TfPri1010::build(report::PageBuilder& pages) const
{
    const QList<DealLine> lines = PartnerDeals::lines(m_day, m_partner, m_income);
    const Partner p = Partners::find(m_partner).value_or(Partner());
    const QString school = CashBook::schoolName();
    const QDate today = Clock::today();
    qint64 quantity = 0, supply = 0;
    for (const DealLine& l : lines) {
        quantity += l.quantity;
        supply += l.supply;
    }
    const double bottom = pages.paperMm().height() - 22;
    int next = 0;
    do {
        pages.newPage();
        double y = 12;
        pages.text(QRectF(kLeft, y, kWidth, 12), QStringLiteral("거 래 명 세 표"), ts(20, true, Qt::AlignCenter));
        pages.text(QRectF(kLeft, y, 40, 7), QStringLiteral("No. %1").arg(pages.pageCount()), ts());
        y += 16;
        pages.text(QRectF(kLeft, y, 80, 7),
                   QStringLiteral("%1년 %2월 %3 일").arg(today.year()).arg(today.month()).arg(today.day()), ts());
        y += 8;
        pages.text(QRectF(kLeft, y, 80, 7), edt_Receiver->text().trimmed() + QStringLiteral(" 귀하"), ts(12, true));
        y += 8;
        pages.text(QRectF(kLeft, y, 80, 7), QStringLiteral("아래와 같이 계산합니다."), ts());
        y += 9;
        // The total box is left for the hand; the supplier block stands at the right.
        pages.text(QRectF(kLeft, y, 40, 7), QStringLiteral("합 계 금 액"), ts(10, true));
        pages.text(QRectF(kLeft, y + 7, 40, 6), QStringLiteral("( 공급가액 + 세액 )"), ts(8));
        pages.box(QRectF(kLeft + 40, y, 50, 13));
        const double sx = kLeft + 96, sy = y - 25, sw = kWidth - 96;
        pages.box(QRectF(sx, sy, sw, 42));
        pages.text(QRectF(sx, sy + 6, 8, 8), QStringLiteral("공"), ts(10, true, Qt::AlignCenter));
        pages.text(QRectF(sx, sy + 17, 8, 8), QStringLiteral("급"), ts(10, true, Qt::AlignCenter));
        pages.text(QRectF(sx, sy + 28, 8, 8), QStringLiteral("자"), ts(10, true, Qt::AlignCenter));
        pages.line(QPointF(sx + 8, sy), QPointF(sx + 8, sy + 42));
        const std::pair<QString, QString> supplier[] = {
            {QStringLiteral("등록번호"), p.bizNo},
            {QStringLiteral("상     호"), p.name},
            {QStringLiteral("성 명"), p.owner},
            {QStringLiteral("사 업 장 주     소"), p.address},
            {QStringLiteral("업     태"), p.bizType + QStringLiteral("   종 목 ") + p.bizItem},
            {QStringLiteral("전     화"), p.phone1 + QStringLiteral(" / ") + p.phone2}};
        double ly = sy;
        for (const auto& [caption, value] : supplier) {
            pages.text(QRectF(sx + 9, ly, 26, 7), caption, ts(8));
            pages.text(QRectF(sx + 36, ly, sw - 37, 7), value, ts(9));
            ly += 7;
            if (ly < sy + 42)
                pages.line(QPointF(sx + 8, ly), QPointF(sx + sw, ly), 0.1);
        }
        y += 20;
        pages.line(QPointF(kLeft, y), QPointF(kLeft + kWidth, y), 0.4);
        for (const Column& c : kColumns)
            pages.text(QRectF(kLeft + c.x, y, c.w, kRow), QString::fromUtf8(c.heading), ts(9, true, Qt::AlignCenter));
        y += kRow;
        pages.line(QPointF(kLeft, y), QPointF(kLeft + kWidth, y), 0.3);
        while (next < lines.size() && y + kRow < bottom - 16) {
            const DealLine& l = lines[next];
            const QString cells[] = {QStringLiteral("%1. ").arg(next + 1) + l.item, l.standard, moneyText(l.quantity),
                                     moneyText(l.price), moneyText(l.supply), moneyText(l.tax), l.memo};
            for (int i = 0; i < 7; ++i) {
                const Column& c = kColumns[i];
                pages.text(QRectF(kLeft + c.x + 1, y, c.w - 2, kRow), cells[i],
                           ts(9, false, (c.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
            }
            y += kRow;
            ++next;
        }
        if (next >= lines.size()) {
            pages.line(QPointF(kLeft, y + 1), QPointF(kLeft + kWidth, y + 1), 0.3);
            y += 2;
            pages.text(QRectF(kLeft, y, 50, kRow), QStringLiteral("합                    계"), ts(9, true));
            pages.text(QRectF(kLeft + 68, y, 13, kRow), moneyText(quantity) + QStringLiteral("개"),
                       ts(9, false, Qt::AlignRight | Qt::AlignVCenter));
            pages.text(QRectF(kLeft + 104, y, 27, kRow), moneyText(supply) + QStringLiteral("원"),
                       ts(9, false, Qt::AlignRight | Qt::AlignVCenter));
            pages.text(QRectF(kLeft + 152, y, 34, kRow), QStringLiteral("비고"), ts(9));
        }
        pages.text(QRectF(kLeft, bottom + 6, kWidth, 8), school, ts(11, true, Qt::AlignCenter));
    } while (next < lines.size());
}
