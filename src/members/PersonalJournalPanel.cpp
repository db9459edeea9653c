#include "members/PersonalJournalPanel.h"

#include "text/Money.h"
#include "ui/CheckedCellDelegate.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Editors of the grid cells by column kind.
// Dates are checked as they are typed: a refused date stays in its cell (CheckedCellDelegate).
class CellDelegate : public CheckedCellDelegate {
public:
    CellDelegate(const QList<PersonalJournalPanel::Column>* columns, QObject* parent)
        : CheckedCellDelegate(parent), m_columns(columns)
    {
        for (int c = 0; c < columns->size(); ++c)
            if ((*columns)[c].kind == PersonalJournalPanel::Column::Date)
                setKind(c, Date);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        using C = PersonalJournalPanel::Column;
        const C& c = (*m_columns)[index.column()];
        switch (c.kind) {
        case C::Phrase:
        case C::Choice:
        case C::Chooser: {
            auto* box = new QComboBox(parent);
            box->setEditable(c.kind == C::Phrase);
            box->addItems(c.items);
            if (box->isEditable())
                box->lineEdit()->setMaxLength(c.maxLength);
            return box;
        }
        case C::ReadOnly:
        case C::Tick:
            return nullptr;
        case C::Date: {
            QWidget* w = CheckedCellDelegate::createEditor(parent, option, index);
            if (auto* e = qobject_cast<QLineEdit*>(w))
                e->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));
            return w;
        }
        case C::Text:
        case C::Money:
            break;
        }
        auto* e = new QLineEdit(parent);
        e->setMaxLength(c.maxLength);
        Q_UNUSED(option);
        return e;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            const int i = box->findText(text);
            if (box->isEditable())
                box->setEditText(text);
            else
                box->setCurrentIndex(i);
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* box = qobject_cast<QComboBox*>(editor)) {
            const QString text = box->isEditable() ? box->currentText() : (box->currentIndex() >= 0 ? box->currentText() : QString());
            if (!box->isEditable() && box->currentIndex() < 0)
                return; // nothing chosen: keep the value
            model->setData(index, text, Qt::EditRole);
            return;
        }
        CheckedCellDelegate::setModelData(editor, model, index);
    }

private:
    const QList<PersonalJournalPanel::Column>* m_columns;
};

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

    grid = new QTableWidget(0, int(m_columns.size()), this);
    QStringList headers;
    for (const Column& c : m_columns)
        headers.append(c.header);
    grid->setHorizontalHeaderLabels(headers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(22);
    grid->setItemDelegate(new CellDelegate(&m_columns, grid));
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].width > 0) { // never narrower than its heading
            int title = 0;
            for (const QString& line : m_columns[i].header.split(u'\n'))
                title = std::max(title, grid->horizontalHeader()->fontMetrics().horizontalAdvance(line.trimmed()) + 16);
            grid->setColumnWidth(i, std::max(m_columns[i].width, title));
        }
        else
            grid->horizontalHeader()->setSectionResizeMode(i, QHeaderView::Stretch);
    }
    root->addWidget(grid, 1);

    connect(btnAdd, &QToolButton::clicked, this, &PersonalJournalPanel::addClicked);
    connect(btnDelete, &QToolButton::clicked, this, &PersonalJournalPanel::deleteClicked);
    connect(btnCancel, &QToolButton::clicked, this, &PersonalJournalPanel::cancelClicked);
    connect(grid, &QTableWidget::itemChanged, this, &PersonalJournalPanel::cellChanged);
    setEditing(false);
}

void PersonalJournalPanel::setItems(const QString& column, const QStringList& items)
{
    const int i = columnOf(column);
    if (i >= 0)
        m_columns[i].items = items;
}

int PersonalJournalPanel::columnOf(const QString& column) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].column.compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString PersonalJournalPanel::display(const Column& c, const QVariant& v) const
{
    if (c.kind == Column::Tick)
        return v.toString() == u"1" ? QStringLiteral("✔") : QString();
    if (c.kind == Column::Money && !v.isNull()) {
        bool ok = false;
        const qint64 won = v.toString().toLongLong(&ok);
        if (ok)
            return moneyText(won);
    }
    return v.toString();
}

void PersonalJournalPanel::refresh()
{
    const int keep = currentRow();
    m_filling = true;
    const QSignalBlocker block(grid);
    m_rows.clear();
    if (m_record->isOpen(m_list)) {
        if (m_filter)
            m_rows = m_filter();
        else
            for (int r = 0; r < m_record->count(m_list); ++r)
                m_rows.append(r);
    }
    grid->setRowCount(int(m_rows.size()));
    for (int g = 0; g < m_rows.size(); ++g) {
        for (int c = 0; c < m_columns.size(); ++c) {
            const Column& col = m_columns[c];
            auto* it = new QTableWidgetItem(display(col, m_record->cell(m_list, m_rows[g], col.column)));
            Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (col.kind != Column::ReadOnly && col.kind != Column::Tick && m_record->editable(m_list, m_rows[g], col.column))
                f |= Qt::ItemIsEditable;
            it->setFlags(f);
            if (col.kind == Column::Tick || col.kind == Column::Date)
                it->setTextAlignment(Qt::AlignCenter);
            else if (col.kind == Column::Money)
                it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(g, c, it);
        }
    }
    m_filling = false;
    if (keep >= 0)
        selectRow(keep);
}

void PersonalJournalPanel::setEditing(bool on)
{
    m_editing = on;
    grid->setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                   | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                             : QAbstractItemView::NoEditTriggers);
    btnAdd->setEnabled(on);
    btnDelete->setEnabled(on);
    btnCancel->setEnabled(on);
}

int PersonalJournalPanel::currentRow() const
{
    const int g = grid->currentRow();
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
        if (m_columns[c].kind != Column::Date && m_columns[c].kind != Column::ReadOnly && m_columns[c].kind != Column::Tick) {
            main = c;
            break;
        }
    grid->setCurrentCell(g, main);
    grid->scrollToItem(grid->item(g, main));
    if (edit && m_editing && grid->item(g, main)) {
        grid->setFocus();
        grid->editItem(grid->item(g, main));
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
    const QTableWidgetItem* it = c >= 0 ? grid->item(gridRow, c) : nullptr;
    return it ? it->text() : QString();
}

void PersonalJournalPanel::typeInto(int gridRow, const QString& column, const QString& text)
{
    const int c = columnOf(column);
    if (c >= 0 && gridRow >= 0 && gridRow < grid->rowCount() && m_editing && (grid->item(gridRow, c)->flags() & Qt::ItemIsEditable))
        grid->item(gridRow, c)->setText(text);
}

void PersonalJournalPanel::cellChanged(QTableWidgetItem* item)
{
    if (m_filling || !item)
        return;
    const int g = item->row();
    if (g < 0 || g >= m_rows.size())
        return;
    const Column& c = m_columns[item->column()];
    const int row = m_rows[g];
    QString text = item->text();
    if (c.kind == Column::Date)
        text = text.trimmed();
    if (c.kind == Column::Money)
        text.remove(u',');
    if (c.kind == Column::Chooser)
        m_record->chooseItem(m_list, row, text);
    else
        m_record->setCell(m_list, row, c.column, text);
    // What the value set beside it (an item's points, an obesity index), and the value as kept.
    m_filling = true;
    for (int i = 0; i < m_columns.size(); ++i)
        if (QTableWidgetItem* cell = grid->item(g, i))
            cell->setText(display(m_columns[i], m_record->cell(m_list, row, m_columns[i].column)));
    m_filling = false;
}
