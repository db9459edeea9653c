#include "cashbook/uPri1020.h"

#include "cashbook/CashBook.h"
#include "db/Query.h"

#include "text/Money.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {


// Columns of the sheet in mm from the left margin: x, width, heading, right-aligned.
struct Column {
    double x, w;
    const char* heading;
    bool right;
};
const Column kColumns[] = {{0, 16, "순번", false},        {16, 36, "주  항  목", false}, {52, 36, "소  항  목", false},
                           {88, 26, "입 금 액", true},    {114, 26, "출 금 액", true},  {140, 46, "적        요", false}};
const double kLeft = 12, kWidth = 186, kRow = 6.5;

} // namespace

TfPri1020::TfPri1020(const QDate& day, QWidget* parent) : QWidget(parent, Qt::Window), m_day(day)
{
    setWindowTitle(QStringLiteral("일일정산표"));
    setAttribute(Qt::WA_DeleteOnClose);
    btn_Preview = new QPushButton(QStringLiteral("미리 보기"));
    btn_Print = new QPushButton(QStringLiteral("  프 린 트"));
    auto* close = new QPushButton(QStringLiteral("종     료"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(btn_Preview);
    bar->addWidget(btn_Print);
    bar->addWidget(close);
    auto* root = new QVBoxLayout(this);
    root->addWidget(new QLabel(QStringLiteral("일자 : ") + db::dateText(day)));
    root->addLayout(bar);
    connect(btn_Preview, &QPushButton::clicked, this, [this] { preview(windowTitle(), this); });
    connect(btn_Print, &QPushButton::clicked, this, [this] { print(windowTitle(), this); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TfPri1020::build(report::PageBuilder& pages) const
{
    QList<QStringList> rows;
    qint64 income = 0, expense = 0;
    db::Query q(QStringLiteral("Select * From T_금전출납" " where 일자=:일자 Order By 순번"));
    q.bind("일자", db::dateText(m_day)).open();
    while (q.next()) {
        income += q.integer("입금액");
        expense += q.integer("출금액");
        rows.append({QStringLiteral("%1").arg(q.integer("순번"), 5, 10, QChar(u'0')), q.str("대항목"), q.str("소항목"),
                     moneyText(q.integer("입금액")), moneyText(q.integer("출금액")), q.str("적요")});
    }
    const QString school = CashBook::schoolName();

    report::TextStyle title;
    title.size = 18;
    title.bold = true;
    title.align = Qt::AlignCenter;
    report::TextStyle plain;
    report::TextStyle head;
    head.bold = true;
    head.align = Qt::AlignCenter;
    auto styleOf = [](bool right) {
        report::TextStyle s;
        s.align = (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        return s;
    };
    const double bottom = pages.paperMm().height() - 22;

    int next = 0;
    do {
        pages.newPage();
        double y = 14;
        pages.text(QRectF(kLeft, y, kWidth, 12), QStringLiteral("일일 정산표"), title);
        y += 16;
        pages.text(QRectF(kLeft, y, 100, 7), QStringLiteral("일자 : ") + db::dateText(m_day), plain);
        y += 9;
        pages.line(QPointF(kLeft, y), QPointF(kLeft + kWidth, y), 0.4);
        for (const Column& c : kColumns)
            pages.text(QRectF(kLeft + c.x, y, c.w, kRow), QString::fromUtf8(c.heading), head);
        y += kRow;
        pages.line(QPointF(kLeft, y), QPointF(kLeft + kWidth, y), 0.3);
        while (next < rows.size() && y + kRow < bottom - 20) {
            for (int i = 0; i < 6; ++i) {
                const Column& c = kColumns[i];
                pages.text(QRectF(kLeft + c.x + 1, y, c.w - 2, kRow), rows[next][i], styleOf(c.right));
            }
            y += kRow;
            ++next;
        }
        if (next >= rows.size()) {
            pages.line(QPointF(kLeft, y + 1), QPointF(kLeft + kWidth, y + 1), 0.3);
            y += 3;
            pages.text(QRectF(kLeft, y, 88, kRow), QStringLiteral("합          산 :"), styleOf(false));
            pages.text(QRectF(kLeft + 88, y, 25, kRow), moneyText(income) + QStringLiteral("원"), styleOf(true));
            pages.text(QRectF(kLeft + 114, y, 25, kRow), moneyText(expense) + QStringLiteral("원"), styleOf(true));
            y += kRow;
            pages.text(QRectF(kLeft, y, 88, kRow), QStringLiteral("총          계 :"), styleOf(false));
            pages.text(QRectF(kLeft + 88, y, 25, kRow), moneyText(income - expense) + QStringLiteral("원"), styleOf(true));
        }
        report::TextStyle foot;
        foot.align = Qt::AlignCenter;
        foot.bold = true;
        pages.text(QRectF(kLeft, bottom + 6, kWidth, 8), school, foot);
    } while (next < rows.size());
}
