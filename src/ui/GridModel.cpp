#include "ui/GridModel.h"

#include "ui/CheckedCellDelegate.h"

#include "ui/Dialogs.h"
#include "ui/RowSetModel.h"

#include <QHeaderView>
#include <QTableView>

void GridModel::setColumns(const QList<Column>& columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

void GridModel::setHeader(int column, const QString& header)
{
    if (column < 0 || column >= m_columns.size())
        return;
    m_columns[column].header = header;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridModel::setRows(const QList<QStringList>& rows)
{
    beginResetModel();
    m_rows = rows;
    m_checked = QList<bool>(rows.size(), true);
    endResetModel();
}

void GridModel::setRow(int row, const QStringList& texts)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row] = texts;
    emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
}

void GridModel::appendRow(const QStringList& texts)
{
    beginInsertRows({}, rows(), rows());
    m_rows.append(texts);
    m_checked.append(true);
    endInsertRows();
}

void GridModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    m_checked.removeAt(row);
    endRemoveRows();
}

void GridModel::setEditing(bool on)
{
    m_editing = on;
    if (!m_rows.isEmpty() && !m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(rows() - 1, int(m_columns.size()) - 1)); // flags of every cell
}

void GridModel::setChecked(int row, bool on)
{
    if (row < 0 || row >= m_checked.size())
        return;
    m_checked[row] = on;
    emit dataChanged(index(row, 0), index(row, 0), {Qt::CheckStateRole});
}

QList<int> GridModel::checkedRows() const
{
    QList<int> out;
    for (int r = 0; r < m_checked.size(); ++r)
        if (m_checked[r])
            out.append(r);
    return out;
}

bool GridModel::type(int row, int column, const QString& text)
{
    return setData(index(row, column), text, Qt::EditRole);
}

QVariant GridModel::data(const QModelIndex& i, int role) const
{
    if (!i.isValid() || i.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(i.row(), i.column());
    if (role == Qt::CheckStateRole && m_checkable && i.column() == 0)
        return m_checked.value(i.row()) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && m_columns.value(i.column()).number)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool GridModel::setData(const QModelIndex& i, const QVariant& value, int role)
{
    if (!i.isValid() || i.row() >= m_rows.size())
        return false;
    if (role == Qt::CheckStateRole && m_checkable && i.column() == 0) {
        setChecked(i.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (role != Qt::EditRole || !(flags(i) & Qt::ItemIsEditable))
        return false;
    const QString t = value.toString().trimmed();
    if (m_columns[i.column()].number && !t.isEmpty()) {
        bool ok = false;
        t.toDouble(&ok);
        if (!ok) {
            Dialogs::error(QStringLiteral("확인요망"),
                           QStringLiteral("'%1' 칸에는 숫자를 입력하세요.\n입력한 값 : %2").arg(m_columns[i.column()].header.simplified(), t));
            return false;
        }
    }
    QStringList& row = m_rows[i.row()];
    while (row.size() <= i.column())
        row.append(QString());
    row[i.column()] = t;
    emit dataChanged(i, i);
    emit edited(i.row(), i.column(), t);
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& i) const
{
    if (!i.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_checkable && i.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    if (m_editing && m_columns.value(i.column()).editable && (!m_rowEditable || m_rowEditable(i.row())))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_columns.value(section).header;
    return {};
}

void GridModel::attach(QTableView* view, GridModel* model)
{
    view->setModel(model);
    setUpGrid(view);
    // Number columns refuse other text in the open cell, before the model sees it.
    auto* cells = new CheckedCellDelegate(view);
    auto kinds = [cells, model] {
        for (int c = 0; c < model->columnCount(); ++c)
            cells->setKind(c, model->m_columns[c].number ? CheckedCellDelegate::Number : CheckedCellDelegate::Text);
    };
    kinds();
    QObject::connect(model, &QAbstractItemModel::modelReset, cells, kinds);
    view->setItemDelegate(cells);
    // A column at least as wide as its heading, also when the heading changes later (item names).
    auto fit = [view, model](int first, int last) {
        for (int c = first; c <= last && c < model->columnCount(); ++c)
            view->setColumnWidth(c, std::max(model->m_columns[c].width,
                                             view->horizontalHeader()->fontMetrics().horizontalAdvance(model->m_columns[c].header.trimmed()) + 14));
    };
    fit(0, model->columnCount() - 1);
    QObject::connect(model, &QAbstractItemModel::headerDataChanged, view, [fit](Qt::Orientation o, int first, int last) {
        if (o == Qt::Horizontal)
            fit(first, last);
    });
    QObject::connect(model, &QAbstractItemModel::modelReset, view, [fit, model] { fit(0, model->columnCount() - 1); });
}
