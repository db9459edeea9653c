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

#include <memory>

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

void setNames(QComboBox* box, QAbstractItemModel* names)
{
    // The list belongs to others too: typed names are not added to it.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setModel(names);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    // A list read again (members changed) keeps what was typed; the box would otherwise take its first name.
    auto kept = std::make_shared<QString>();
    QObject::connect(names, &QAbstractItemModel::modelAboutToBeReset, box, [box, kept] { *kept = box->currentText(); });
    QObject::connect(names, &QAbstractItemModel::modelReset, box, [box, kept] {
        box->setCurrentIndex(-1);
        box->setEditText(*kept);
    });
}

} // namespace feepage
