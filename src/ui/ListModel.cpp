#include "ui/ListModel.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>

ListModel::ListModel(const QStringList& headers, QObject* parent) : QAbstractTableModel(parent), m_headers(headers) {}

void ListModel::show(int rows, Text text)
{
    beginResetModel();
    m_rows = text ? rows : 0;
    m_text = std::move(text);
    endResetModel();
}

void ListModel::refresh()
{
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, columnCount() - 1));
}

void ListModel::setCheckColumn(int column, std::function<bool(int)> checked, std::function<void(int, bool)> setChecked)
{
    m_checkColumn = column;
    m_checked = std::move(checked);
    m_setChecked = std::move(setChecked);
}

void ListModel::setEditing(std::function<bool(int, int)> editable, std::function<void(int, int, const QString&)> store)
{
    m_editable = std::move(editable);
    m_store = std::move(store);
}

void ListModel::setRightAligned(int column) { m_right.append(column); }

int ListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int ListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_headers.size()); }

QVariant ListModel::data(const QModelIndex& i, int role) const
{
    if (!i.isValid() || i.row() >= m_rows)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_text(i.row(), i.column());
    if (role == Qt::CheckStateRole && i.column() == m_checkColumn)
        return m_checked(i.row()) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && m_right.contains(i.column()))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool ListModel::setData(const QModelIndex& i, const QVariant& value, int role)
{
    if (!i.isValid() || i.row() >= m_rows)
        return false;
    if (role == Qt::CheckStateRole && i.column() == m_checkColumn) {
        m_setChecked(i.row(), value.toInt() == Qt::Checked);
        emit dataChanged(i, i);
        return true;
    }
    if (role == Qt::EditRole && m_store && m_editable && m_editable(i.row(), i.column())) {
        m_store(i.row(), i.column(), value.toString());
        emit dataChanged(index(i.row(), 0), index(i.row(), columnCount() - 1));
        return true;
    }
    return false;
}

QVariant ListModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
        return m_headers[section];
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& i) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(i);
    if (i.column() == m_checkColumn)
        f |= Qt::ItemIsUserCheckable;
    if (m_editable && i.isValid() && m_editable(i.row(), i.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

void ListModel::setUpView(QTableView* view, ListModel* model, const QList<int>& widths)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setHighlightSections(false);
    view->setWordWrap(false);
    const QFontMetrics fm = view->horizontalHeader()->fontMetrics();
    for (int c = 0; c < model->columnCount(); ++c) {
        const int title = fm.horizontalAdvance(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().trimmed()) + 16;
        view->setColumnWidth(c, std::max(c < widths.size() ? widths[c] : 0, title));
    }
}

ChoiceDelegate::ChoiceDelegate(QStringList choices, bool freeText, QObject* parent)
    : QStyledItemDelegate(parent), m_choices(std::move(choices)), m_freeText(freeText)
{
}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* box = new QComboBox(parent);
    box->setEditable(m_freeText);
    box->addItems(m_choices);
    // A choice is taken at once, as the list's own drop-down would.
    connect(box, &QComboBox::activated, this, [this, box] {
        auto* self = const_cast<ChoiceDelegate*>(this);
        emit self->commitData(box);
    });
    return box;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* box = static_cast<QComboBox*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    const int at = box->findText(text);
    if (at >= 0)
        box->setCurrentIndex(at);
    else if (m_freeText)
        box->setEditText(text);
    else
        box->setCurrentIndex(-1);
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
}
