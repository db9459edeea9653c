#include "fees/FeePageParts.h"

#include "db/Clock.h"
#include "ui/DateEdit.h"
#include "ui/DivisionFilter.h"
#include "ui/ListModel.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QTableView>

namespace feepage {

QTableView* listView(QAbstractItemModel* model, QWidget* parent)
{
    auto* v = new QTableView(parent);
    v->setModel(model);
    setUpGrid(v);
    return v;
}

QDateEdit* dateBox(QWidget* parent, const QString& format)
{
    if (format == QStringLiteral("yyyy-MM-dd"))
        return new DateEdit(Clock::today(), parent);
    auto* d = new QDateEdit(Clock::today(), parent);
    d->setCalendarPopup(true);
    d->setDisplayFormat(format);
    return d;
}

DivisionFilter* divisionBox(QBoxLayout* row, QWidget* parent)
{
    row->addWidget(new QLabel(QStringLiteral("부 명"), parent));
    auto* box = new DivisionFilter(parent);
    box->setCurrentIndex(1);
    row->addWidget(box);
    return box;
}

QComboBox* nameBox(QBoxLayout* row, QWidget* parent)
{
    row->addWidget(new QLabel(QStringLiteral("이 름"), parent));
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setMinimumWidth(90);
    row->addWidget(box);
    return box;
}

void setNames(QComboBox* box, const QStringList& names)
{
    box->clear();
    box->addItems(names);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
}

} // namespace feepage
