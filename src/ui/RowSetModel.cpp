#include "ui/RowSetModel.h"

#include "ui/DateTypingAid.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

// ---- RowSetModel

RowSetModel::RowSetModel(db::BufferedSet& set, QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_set(set), m_columns(std::move(columns))
{
}

void RowSetModel::refresh()
{
    beginResetModel();
    endResetModel();
}

void RowSetModel::refreshRow(int row)
{
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int RowSetModel::columnOf(const QString& field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int RowSetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_set.count(); }

int RowSetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

QVariant RowSetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_set.count())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const Column& c = m_columns[index.column()];
    const QVariant v = m_set.value(index.row(), c.field);
    if (role == Qt::DisplayRole && c.show)
        return c.show(v);
    return v.isNull() ? QVariant(QString()) : v;
}

QVariant RowSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= m_columns.size())
        return {};
    return m_columns[section].heading;
}

Qt::ItemFlags RowSetModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.isValid() && m_editable && m_editable(index.row(), m_columns[index.column()].field))
        f |= Qt::ItemIsEditable;
    return f;
}

bool RowSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString& f = m_columns[index.column()].field;
    if (m_onEdit)
        m_onEdit(index.row(), f, value);
    else
        m_set.setValue(index.row(), f, value);
    refreshRow(index.row());
    return true;
}

// ---- TickListModel

TickListModel::TickListModel(QStringList headings, bool tickBox, QObject* parent)
    : QAbstractTableModel(parent), m_headings(std::move(headings)), m_tickBox(tickBox)
{
}

void TickListModel::setRows(QList<QStringList> rows, bool ticked)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_ticks = QList<bool>(m_rows.size(), ticked);
    endResetModel();
}

void TickListModel::setText(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_rows.size())
        return;
    QStringList& r = m_rows[row];
    while (r.size() <= column)
        r.append(QString());
    r[column] = text;
    emit dataChanged(index(row, column), index(row, column));
}

void TickListModel::setTicked(int row, bool on)
{
    if (row < 0 || row >= m_ticks.size())
        return;
    m_ticks[row] = on;
    emit dataChanged(index(row, 0), index(row, 0));
}

QList<int> TickListModel::tickedRows() const
{
    QList<int> out;
    for (int i = 0; i < m_ticks.size(); ++i)
        if (m_ticks[i])
            out.append(i);
    return out;
}

int TickListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int TickListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_headings.size()); }

QVariant TickListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(index.row(), index.column());
    if (role == Qt::CheckStateRole && m_tickBox && index.column() == 0)
        return m_ticks[index.row()] ? Qt::Checked : Qt::Unchecked;
    return {};
}

QVariant TickListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return m_headings.value(section);
}

Qt::ItemFlags TickListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_tickBox && index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    if (m_editableColumns.contains(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool TickListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid())
        return false;
    if (role == Qt::CheckStateRole && m_tickBox && index.column() == 0) {
        setTicked(index.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (role == Qt::EditRole && m_editableColumns.contains(index.column())) {
        setText(index.row(), index.column(), value.toString());
        return true;
    }
    return false;
}

// ---- delegates

ComboDelegate::ComboDelegate(ItemsFn items, QObject* parent) : QStyledItemDelegate(parent), m_items(std::move(items)) {}

QWidget* ComboDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    auto* c = new QComboBox(parent);
    c->addItems(m_items(index.row()));
    return c;
}

void ComboDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* c = static_cast<QComboBox*>(editor);
    const int i = c->findText(index.data(Qt::DisplayRole).toString());
    c->setCurrentIndex(i < 0 ? 0 : i);
}

void ComboDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
}

LineDelegate::LineDelegate(int maxLength, bool dateAid, QObject* parent)
    : QStyledItemDelegate(parent), m_maxLength(maxLength), m_dateAid(dateAid)
{
}

QWidget* LineDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* e = new QLineEdit(parent);
    if (m_maxLength > 0)
        e->setMaxLength(m_maxLength);
    if (m_dateAid)
        DateTypingAid::install(e);
    return e;
}

namespace {

// Number columns (member numbers, dates, amounts, counts) are never cut to "2026120…": whenever the
// rows change, a column whose texts are all figures widens to its widest one. Other columns keep the
// width the screen gave them.
class NumberWidths : public QObject {
public:
    explicit NumberWidths(QTableView* view) : QObject(view), m_view(view) { view->installEventFilter(this); hook(); }

    static bool figure(const QString& text)
    {
        static const QRegularExpression re(QStringLiteral("^[-+]?[0-9][0-9,.:/ -]*( ?원| ?%| ?점)?$"));
        return re.match(text).hasMatch();
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show || e->type() == QEvent::Polish) {
            hook();
            later();
        }
        return false;
    }

private:
    void hook()
    {
        QAbstractItemModel* m = m_view->model();
        if (m == m_model)
            return;
        if (m_model)
            disconnect(m_model, nullptr, this, nullptr);
        m_model = m;
        if (!m)
            return;
        connect(m, &QAbstractItemModel::modelReset, this, &NumberWidths::later);
        connect(m, &QAbstractItemModel::rowsInserted, this, &NumberWidths::later);
        connect(m, &QAbstractItemModel::layoutChanged, this, &NumberWidths::later);
        connect(m, &QAbstractItemModel::dataChanged, this, &NumberWidths::later);
    }
    void later()
    {
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(this, [this] { fit(); }, Qt::QueuedConnection);
    }
    void fit()
    {
        m_pending = false;
        hook();
        QAbstractItemModel* m = m_view->model();
        if (!m)
            return;
        const QFontMetrics fm(m_view->font());
        const int rows = std::min(m->rowCount(), 500);
        for (int c = 0; c < m->columnCount(); ++c) {
            if (m_view->isColumnHidden(c) || m_view->columnWidth(c) == 0)
                continue;
            int widest = 0;
            bool figures = true;
            for (int r = 0; r < rows && figures; ++r) {
                const QString t = m->index(r, c).data(Qt::DisplayRole).toString().trimmed();
                if (t.isEmpty())
                    continue;
                figures = figure(t);
                widest = std::max(widest, fm.horizontalAdvance(t));
            }
            const int need = widest + 14;
            if (figures && widest > 0 && m_view->columnWidth(c) < need)
                m_view->setColumnWidth(c, need);
        }
    }

    QTableView* m_view;
    QPointer<QAbstractItemModel> m_model;
    bool m_pending = false;
};

} // namespace

void setUpGrid(QTableView* view)
{
    if (!view->property("tamrinNumberWidths").toBool()) {
        view->setProperty("tamrinNumberWidths", true);
        new NumberWidths(view);
    }
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
}

void finishEditing(QTableView* view)
{
    QWidget* editor = QApplication::focusWidget();
    if (!editor || !view->viewport()->isAncestorOf(editor))
        return;
    while (editor->parentWidget() && editor->parentWidget() != view->viewport())
        editor = editor->parentWidget();
    QMetaObject::invokeMethod(view, "commitData", Q_ARG(QWidget*, editor));
    QMetaObject::invokeMethod(view, "closeEditor", Q_ARG(QWidget*, editor),
                              Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
}
