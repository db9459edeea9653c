#include "ui/TextListModel.h"

#include <QHeaderView>
#include <QTableView>

TextListModel::TextListModel(const QStringList& headers, bool checkable, QObject* parent)
    : QAbstractTableModel(parent), m_headers(headers), m_checkable(checkable), m_align(headers.size(), int(Qt::AlignLeft | Qt::AlignVCenter))
{
}

void TextListModel::setRows(QList<QStringList> rows, bool checked)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_checked = QList<bool>(m_rows.size(), checked);
    endResetModel();
}

void TextListModel::setChecked(int r, bool on)
{
    if (r < 0 || r >= m_checked.size() || m_checked[r] == on)
        return;
    m_checked[r] = on;
    emit dataChanged(index(r, 0), index(r, 0), {Qt::CheckStateRole});
}

QList<int> TextListModel::checkedRows() const
{
    QList<int> out;
    for (int r = 0; r < m_checked.size(); ++r)
        if (m_checked[r])
            out.append(r);
    return out;
}

void TextListModel::setAlignment(int column, Qt::Alignment align)
{
    if (column >= 0 && column < m_align.size())
        m_align[column] = int(align);
}

int TextListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int TextListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_headers.size()); }

QVariant TextListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_rows[index.row()].value(index.column());
    case Qt::CheckStateRole:
        if (m_checkable && index.column() == 0)
            return m_checked[index.row()] ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return m_align.value(index.column());
    default:
        return {};
    }
}

QVariant TextListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return {};
}

Qt::ItemFlags TextListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_checkable && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool TextListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!m_checkable || role != Qt::CheckStateRole || !index.isValid() || index.column() != 0)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QTableView* TextListModel::view(TextListModel* model, QWidget* parent)
{
    auto* v = new QTableView(parent);
    v->setModel(model);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->verticalHeader()->setVisible(false);
    v->horizontalHeader()->setStretchLastSection(true);
    v->horizontalHeader()->setDefaultSectionSize(80);
    return v;
}
