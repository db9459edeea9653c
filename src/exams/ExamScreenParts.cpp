#include "exams/ExamScreenParts.h"

#include "ui/BarButton.h"

#include "db/Query.h"
#include "db/MemberStatus.h"
#include "ui/Dialogs.h"
#include "db/SchoolInfo.h"

#include <QBoxLayout>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>
#include <QLabel>
#include <QPushButton>

namespace ExamScreenParts {

Header addHeader(QWidget* screen, QBoxLayout* layout, const QString& title)
{
    auto* row = new QHBoxLayout;
    if (!title.isEmpty()) {
        auto* t = new QLabel(title, screen);
        QFont f = t->font();
        f.setBold(true);
        f.setPointSize(f.pointSize() + 4);
        t->setFont(f);
        row->addWidget(t);
        row->addSpacing(16);
    }
    Header h;
    h.company = new QLabel(SchoolInfo::name(), screen);
    QFont f = h.company->font();
    f.setBold(true);
    h.company->setFont(f);
    h.total = new QLabel(QStringLiteral("총 원 :") +
                             db::scalarText(QStringLiteral("SELECT Count(*) FROM T_회원 WHERE ") + MemberStatus::notWithdrawn()),
                         screen);
    h.found = new QLabel(screen);
    showFound(h, 0);
    row->addWidget(h.company, 1);
    row->addWidget(h.total);
    row->addSpacing(12);
    row->addWidget(h.found);
    layout->addLayout(row);
    return h;
}

void showFound(const Header& h, int count) { h.found->setText(QStringLiteral("검색인원 : ") + QString::number(count)); }

QPushButton* addButton(QWidget* screen, QBoxLayout* bar, const char* caption, const char* name)
{
    return ui::addBarButton(screen, bar, caption, name);
}

void setColumnWidths(QTableView* grid, const QList<int>& widths)
{
    const QFontMetrics fm = grid->horizontalHeader()->fontMetrics();
    for (int c = 0; c < widths.size() && c < grid->model()->columnCount(); ++c) {
        const QString heading = grid->model()->headerData(c, Qt::Horizontal).toString().trimmed();
        grid->setColumnWidth(c, std::max(widths[c], fm.horizontalAdvance(heading) + 12));
    }
}

void saveError(QWidget* screen, const db::Error& e)
{
    Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), screen);
}

} // namespace ExamScreenParts
