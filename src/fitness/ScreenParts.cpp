#include "fitness/ScreenParts.h"

#include "app/uMain.h"
#include "db/Clock.h"
#include "ui/GridModel.h"

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

QDateEdit* dateEdit(const QDate& date, QWidget* parent)
{
    auto* d = new QDateEdit(date.isValid() ? date : Clock::today(), parent);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

QTableView* gridView(GridModel* model, QWidget* parent)
{
    auto* v = new QTableView(parent);
    GridModel::attach(v, model);
    return v;
}

void notify(const QString& text) { TfMain::showStatus(text); }

} // namespace fitness::ui
