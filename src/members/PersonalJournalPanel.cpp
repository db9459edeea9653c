#include "members/PersonalJournalPanel.h"

#include "text/Money.h"
#include "ui/CheckedCellDelegate.h"
#include "ui/ListModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using C = PersonalJournalPanel::Column;

ListModel::Kind listKind(C::Kind k)
{
    switch (k) {
    case C::Date: return ListModel::Date;
    case C::Money: return ListModel::Money;
    default: return ListModel::Text;
    }
}

QToolButton* barButton(const QString& glyph, const QString& hint, QWidget* parent, QLayout* into)
{
    auto* b = new QToolButton(parent);
    b->setText(glyph);
    b->setToolTip(hint);
    b->setAutoRaise(true);
    b->setFixedSize(26, 22);
    into->addWidget(b);
    return b;
}

} // namespace

PersonalJournalPanel::PersonalJournalPanel(PersonalRecord* record, PersonalRecord::List list, QList<Column> columns,
                                           QWidget* parent)
    : QWidget(parent), m_record(record), m_list(list), m_columns(std::move(columns))
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    root->setSpacing(2);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(1);
    btnAdd = barButton(QStringLiteral("＋"), QStringLiteral("추가"), this, bar);
    btnDelete = barButton(QStringLiteral("－"), QStringLiteral("삭제"), this, bar);
    btnCancel = barButton(QStringLiteral("↶"), QStringLiteral("취소"), this, bar);
    bar->addStretch();
    root->addLayout(bar);

    QList<ListModel::Column> cols;
    for (const Column& c : m_columns) {
        ListModel::Column col(c.header, c.width, typeable(int(cols.size())), listKind(c.kind));
        if (c.kind == Column::Tick)
            col.show = [](const QVariant& v) { return v.toString() == u"1" ? QStringLiteral("✔") : QString(); };
        else if (c.kind == Column::Money)
            col.show = [](const QVariant& v) {
                bool ok = false;
                const qint64 won = v.toString().toLongLong(&ok);
                return ok ? moneyText(won) : v.toString();
            };
        cols.append(col);
    }
    model = new ListModel(cols, this);
    // A cell takes typing while the screen edits, where the record allows it for the row.
    model->setEditable([this](int gridRow, int column) {
        return m_editing && typeable(column) && gridRow < m_rows.size()
               && m_record->editable(m_list, m_rows[gridRow], m_columns[column].column);
    });
    model->setOnEdit([this](int gridRow, int column, const QVariant& v) { cellChanged(gridRow, column, v.toString()); });
    grid = new QTableView(this);
    m_cells = ListModel::attach(grid, model);
    grid->horizontalHeader()->setStretchLastSection(false);
    for (int i = 0; i < m_columns.size(); ++i) {
        setItems(m_columns[i].column, m_columns[i].items);
        if (m_columns[i].kind == Column::Text || m_columns[i].kind == Column::Money)
            m_cells->setMaxLength(i, m_columns[i].maxLength);
        if (m_columns[i].width == 0) // takes the rest
            grid->horizontalHeader()->setSectionResizeMode(i, QHeaderView::Stretch);
    }
    root->addWidget(grid, 1);

    connect(btnAdd, &QToolButton::clicked, this, &PersonalJournalPanel::addClicked);
    connect(btnDelete, &QToolButton::clicked, this, &PersonalJournalPanel::deleteClicked);
    connect(btnCancel, &QToolButton::clicked, this, &PersonalJournalPanel::cancelClicked);
    setEditing(false);
}

void PersonalJournalPanel::setItems(const QString& column, const QStringList& items)
{
    const int i = columnOf(column);
    if (i < 0)
        return;
    m_columns[i].items = items;
    // Phrases may be typed past the list; a choice or an item is one of the list.
    const Column::Kind k = m_columns[i].kind;
    if (k == Column::Phrase || k == Column::Choice || k == Column::Chooser)
        m_cells->setChoices(i, items, k == Column::Phrase);
}

bool PersonalJournalPanel::typeable(int column) const
{
    const Column::Kind k = m_columns.value(column).kind;
    return k != Column::ReadOnly && k != Column::Tick;
}

int PersonalJournalPanel::columnOf(const QString& column) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].column.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void PersonalJournalPanel::refresh()
{
    const int keep = currentRow();
    m_rows.clear();
    if (m_record->isOpen(m_list)) {
        if (m_filter)
            m_rows = m_filter();
        else
            for (int r = 0; r < m_record->count(m_list); ++r)
                m_rows.append(r);
    }
    // The rows as the record holds them when painted; a record cleared since shows none.
    model->show(int(m_rows.size()), [this](int gridRow, int column) {
        const int row = m_rows.value(gridRow, -1);
        if (!m_record->isOpen(m_list) || row < 0 || row >= m_record->count(m_list))
            return QString();
        return m_record->cell(m_list, row, m_columns[column].column).toString();
    });
    if (keep >= 0)
        selectRow(keep);
}

void PersonalJournalPanel::setEditing(bool on)
{
    m_editing = on; // the view asks each cell's editability as it opens an editor
    btnAdd->setEnabled(on);
    btnDelete->setEnabled(on);
    btnCancel->setEnabled(on);
}

int PersonalJournalPanel::currentRow() const
{
    const int g = grid->currentIndex().row();
    return g >= 0 && g < m_rows.size() ? m_rows[g] : -1;
}

void PersonalJournalPanel::selectRow(int recordRow, bool edit)
{
    const int g = int(m_rows.indexOf(recordRow));
    if (g < 0)
        return;
    // The main field: the first column the user types into.
    int main = 0;
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].kind != Column::Date && typeable(c)) {
            main = c;
            break;
        }
    const QModelIndex at = model->index(g, main);
    grid->setCurrentIndex(at);
    grid->scrollTo(at);
    if (edit && m_editing) {
        grid->setFocus();
        grid->edit(at);
    }
}

void PersonalJournalPanel::moveToLast()
{
    if (!m_rows.isEmpty())
        selectRow(m_rows.last());
}

void PersonalJournalPanel::moveToFirst()
{
    if (!m_rows.isEmpty())
        selectRow(m_rows.first());
}

int PersonalJournalPanel::shownRows() const { return int(m_rows.size()); }

QString PersonalJournalPanel::shownText(int gridRow, const QString& column) const
{
    const int c = columnOf(column);
    return c >= 0 ? model->index(gridRow, c).data().toString() : QString();
}

void PersonalJournalPanel::typeInto(int gridRow, const QString& column, const QString& text)
{
    const int c = columnOf(column);
    if (c >= 0)
        model->type(gridRow, c, text);
}

void PersonalJournalPanel::cellChanged(int gridRow, int column, const QString& typed)
{
    if (gridRow < 0 || gridRow >= m_rows.size())
        return;
    const Column& c = m_columns[column];
    const int row = m_rows[gridRow];
    QString text = typed;
    if (c.kind == Column::Money)
        text.remove(u',');
    if ((c.kind == Column::Choice || c.kind == Column::Chooser) && text.isEmpty())
        return; // nothing chosen: the value stays
    if (c.kind == Column::Chooser)
        m_record->chooseItem(m_list, row, text);
    else
        m_record->setCell(m_list, row, c.column, text);
    // The row is shown again: what the value set beside it (an item's points, an obesity index).
}
