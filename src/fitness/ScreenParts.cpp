#include "fitness/ScreenParts.h"

#include "db/Clock.h"
#include "db/SchoolInfo.h"
#include "ui/DateEdit.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace fitness::ui {

QPushButton* button(const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* toolbar(std::initializer_list<std::pair<QPushButton**, QString>> buttons)
{
    auto* bar = new QHBoxLayout;
    for (const auto& [slot, caption] : buttons) {
        *slot = button(caption);
        bar->addWidget(*slot);
    }
    bar->addStretch();
    return bar;
}

QLabel* title(const QString& spaced, QWidget* parent)
{
    auto* l = new QLabel(spaced, parent);
    QFont f = l->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    l->setFont(f);
    return l;
}

QHBoxLayout* heading(const QString& spaced, int total, QLabel** totalLabel, QLabel** foundLabel)
{
    auto* top = new QHBoxLayout;
    top->addWidget(title(spaced));
    top->addStretch();
    top->addWidget(new QLabel(SchoolInfo::name()));
    top->addSpacing(16);
    top->addWidget(new QLabel(QStringLiteral("총 원 :")));
    *totalLabel = new QLabel(QString::number(total));
    top->addWidget(*totalLabel);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("검색인원 :")));
    *foundLabel = new QLabel(QStringLiteral("0"));
    top->addWidget(*foundLabel);
    return top;
}

QDateEdit* dateEdit(const QDate& date, QWidget* parent) { return new DateEdit(date.isValid() ? date : Clock::today(), parent); }

QTableView* gridView(ListModel* model, QWidget* parent)
{
    auto* v = new QTableView(parent);
    ListModel::attach(v, model);
    return v;
}

void notify(const QString& text) { StatusLine::show(text); }

} // namespace fitness::ui
