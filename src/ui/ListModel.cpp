#include "ui/ListModel.h"

#include "db/BufferedSet.h"
#include "ui/CheckedCellDelegate.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPointer>
#include <QRegularExpression>
#include <QTableView>

namespace {
// Lists longer than this go to the view a page at a time; shorter ones whole.
constexpr int kPagedFrom = 5000;
constexpr int kPage = 2000;

CheckedCellDelegate::Kind cellKind(ListModel::Kind k)
{
    switch (k) {
    case ListModel::Number: return CheckedCellDelegate::Number;
    case ListModel::Money: return CheckedCellDelegate::WholeNumber;
    case ListModel::Date: return CheckedCellDelegate::Date;
    default: return CheckedCellDelegate::Text;
    }
}
} // namespace

ListModel::ListModel(QList<Column> columns, QObject* parent) : QAbstractTableModel(parent), m_columns(std::move(columns)) {}

ListModel::ListModel(const QStringList& headings, QObject* parent) : QAbstractTableModel(parent)
{
    for (const QString& h : headings)
        m_columns.append(Column(h, 0));
}

ListModel::ListModel(const QStringList& headings, bool tickBox, QObject* parent) : ListModel(headings, parent)
{
    m_tickBox = tickBox;
}

ListModel::ListModel(db::BufferedSet& set, QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)), m_source(Source::Set), m_set(&set)
{
    m_shown = rows() > kPagedFrom ? kPage : rows();
}

// ---- columns

void ListModel::setColumns(QList<Column> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    endResetModel();
}

void ListModel::setHeader(int column, const QString& heading)
{
    if (column < 0 || column >= m_columns.size())
        return;
    m_columns[column].heading = heading;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void ListModel::setKind(int column, Kind kind)
{
    if (column >= 0 && column < m_columns.size())
        m_columns[column].kind = kind;
}

int ListModel::columnOf(const QString& field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// ---- rows

int ListModel::rows() const
{
    switch (m_source) {
    case Source::Texts: return int(m_texts.size());
    case Source::Function: return m_functionRows;
    case Source::Set: return m_set->count();
    }
    return 0;
}

void ListModel::reset()
{
    beginResetModel();
    const int all = rows();
    m_shown = all > kPagedFrom ? kPage : all;
    endResetModel();
}

void ListModel::setRows(QList<QStringList> rows, bool ticked)
{
    m_source = Source::Texts;
    m_texts = std::move(rows);
    m_ticks = QList<bool>(m_texts.size(), ticked);
    reset();
}

void ListModel::setRow(int row, const QStringList& texts)
{
    if (row < 0 || row >= m_texts.size())
        return;
    m_texts[row] = texts;
    refreshRow(row);
}

void ListModel::appendRow(const QStringList& texts)
{
    const bool visible = m_shown == m_texts.size();
    if (visible)
        beginInsertRows({}, m_shown, m_shown);
    m_texts.append(texts);
    m_ticks.append(true);
    if (visible) {
        ++m_shown;
        endInsertRows();
    }
}

void ListModel::removeRow(int row)
{
    if (row < 0 || row >= m_texts.size())
        return;
    const bool visible = row < m_shown;
    if (visible)
        beginRemoveRows({}, row, row);
    m_texts.removeAt(row);
    m_ticks.removeAt(row);
    if (visible) {
        --m_shown;
        endRemoveRows();
    }
}

void ListModel::setText(int row, int column, const QString& text)
{
    if (row < 0 || row >= m_texts.size() || column < 0)
        return;
    QStringList& r = m_texts[row];
    while (r.size() <= column)
        r.append(QString());
    r[column] = text;
    if (row < m_shown)
        emit dataChanged(index(row, column), index(row, column));
}

void ListModel::show(int rows, TextFn text)
{
    m_source = Source::Function;
    m_functionRows = text ? rows : 0;
    m_text = std::move(text);
    m_ticks = QList<bool>(m_functionRows, true);
    reset();
}

void ListModel::clear()
{
    if (m_source == Source::Set)
        return reset();
    m_texts.clear();
    m_ticks.clear();
    m_functionRows = 0;
    reset();
}

void ListModel::refresh()
{
    // A set's rows may have come or gone; a screen's lines usually keep their number.
    const int all = rows();
    const bool paging = all > kPagedFrom && m_shown >= kPage && m_shown <= all;
    if (m_source == Source::Set || (m_shown != all && !paging))
        return reset();
    if (m_shown > 0)
        emit dataChanged(index(0, 0), index(m_shown - 1, columnCount() - 1));
}

void ListModel::refreshRow(int row)
{
    if (row >= 0 && row < m_shown)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

QVariant ListModel::value(int row, int column) const
{
    switch (m_source) {
    case Source::Texts: return m_texts[row].value(column);
    case Source::Function: return m_text(row, column);
    case Source::Set: {
        const QVariant v = m_set->value(row, m_columns[column].field);
        return v.isNull() ? QVariant(QString()) : v;
    }
    }
    return {};
}

QString ListModel::text(int row, int column) const
{
    if (row < 0 || row >= rows() || column < 0 || column >= m_columns.size())
        return m_source == Source::Texts && row >= 0 && row < m_texts.size() ? m_texts[row].value(column) : QString();
    const QVariant v = value(row, column);
    const Column& c = m_columns[column];
    return c.show ? c.show(v) : v.toString();
}

// ---- ticks

void ListModel::setCheckColumn(int column, std::function<bool(int)> checked, std::function<void(int, bool)> setChecked)
{
    m_checkColumn = column;
    m_checked = std::move(checked);
    m_setChecked = std::move(setChecked);
}

bool ListModel::ticked(int row) const
{
    if (m_checked)
        return row >= 0 && row < rows() && m_checked(row);
    return m_ticks.value(row);
}

void ListModel::setTicked(int row, bool on)
{
    if (row < 0 || row >= rows())
        return;
    if (m_setChecked)
        m_setChecked(row, on);
    else if (row < m_ticks.size())
        m_ticks[row] = on;
    // A screen's tick may change more of its line (the target rank of a ticked examinee).
    if (row < m_shown)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

QList<int> ListModel::tickedRows() const
{
    QList<int> out;
    for (int r = 0; r < rows(); ++r)
        if (ticked(r))
            out.append(r);
    return out;
}

// ---- editing

void ListModel::setEditing(bool on)
{
    m_editing = on;
    if (m_shown > 0 && !m_columns.isEmpty())
        emit dataChanged(index(0, 0), index(m_shown - 1, columnCount() - 1)); // flags of every cell
}

void ListModel::setEditing(std::function<bool(int, int)> editable, std::function<void(int, int, const QString&)> store)
{
    setEditable(std::move(editable));
    setOnEdit([store = std::move(store)](int r, int c, const QVariant& v) { store(r, c, v.toString()); });
}

bool ListModel::cellEditable(int row, int column) const
{
    if (m_editable)
        return m_editable(row, column);
    return m_editing && m_columns.value(column).editable && (!m_rowEditable || m_rowEditable(row));
}

bool ListModel::type(int row, int column, const QString& text, QString* message)
{
    const QModelIndex i = index(row, column);
    if (!i.isValid() || !(flags(i) & Qt::ItemIsEditable)) {
        if (message)
            *message = QStringLiteral("이 칸은 지금 입력할 수 없습니다.");
        return false;
    }
    QString kept, why;
    if (!CheckedCellDelegate::check(cellKind(m_columns[column].kind), text, this->text(row, column),
                                    m_columns[column].heading.simplified(), &kept, &why)) {
        if (message)
            *message = why;
        return false;
    }
    return setData(i, kept, Qt::EditRole);
}

// ---- the model's side for the view

int ListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_shown; }

int ListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

QVariant ListModel::data(const QModelIndex& i, int role) const
{
    if (!i.isValid() || i.row() >= m_shown)
        return {};
    const Column& c = m_columns[i.column()];
    switch (role) {
    case Qt::DisplayRole:
        if (m_source == Source::Set && !c.show)
            return value(i.row(), i.column()); // the view formats numbers as it always did
        return text(i.row(), i.column());
    case Qt::EditRole: return value(i.row(), i.column());
    case Qt::CheckStateRole:
        if ((m_checked && i.column() == m_checkColumn) || (!m_checked && m_tickBox && i.column() == 0))
            return ticked(i.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        if (c.kind == Number || c.kind == Money)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default: return {};
    }
}

bool ListModel::setData(const QModelIndex& i, const QVariant& value, int role)
{
    if (!i.isValid() || i.row() >= m_shown)
        return false;
    if (role == Qt::CheckStateRole && (flags(i) & Qt::ItemIsUserCheckable)) {
        setTicked(i.row(), value.toInt() == Qt::Checked);
        return true;
    }
    if (role != Qt::EditRole || !(flags(i) & Qt::ItemIsEditable))
        return false;
    // Typed text is kept trimmed; what the view's delegate refused never gets here.
    const QVariant v = value.typeId() == QMetaType::QString ? QVariant(value.toString().trimmed()) : value;
    if (m_accept && !m_accept(i.row(), i.column(), v))
        return false;
    if (m_onEdit)
        m_onEdit(i.row(), i.column(), v);
    else if (m_source == Source::Set)
        m_set->setValue(i.row(), m_columns[i.column()].field, v);
    else if (m_source == Source::Texts)
        setText(i.row(), i.column(), v.toString());
    refreshRow(i.row());
    emit edited(i.row(), i.column(), v.toString());
    return true;
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[section].heading;
    if (role == KindRole)
        return int(m_columns[section].kind);
    return {};
}

Qt::ItemFlags ListModel::flags(const QModelIndex& i) const
{
    if (!i.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if ((m_checked && i.column() == m_checkColumn) || (!m_checked && m_tickBox && i.column() == 0))
        f |= Qt::ItemIsUserCheckable;
    if (cellEditable(i.row(), i.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ListModel::canFetchMore(const QModelIndex& parent) const { return !parent.isValid() && m_shown < rows(); }

void ListModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const int more = std::min(kPage, rows() - m_shown);
    beginInsertRows({}, m_shown, m_shown + more - 1);
    m_shown += more;
    endInsertRows();
}

// ---- views

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

CheckedCellDelegate* ListModel::attach(QTableView* view, ListModel* model)
{
    view->setModel(model);
    setUpGrid(view);
    // Typed numbers and dates are refused in the open cell, before the model sees them.
    auto* cells = new CheckedCellDelegate(view);
    auto kinds = [cells, model] {
        for (int c = 0; c < model->columnCount(); ++c) {
            cells->setKind(c, cellKind(model->m_columns[c].kind));
            if (!model->m_columns[c].choices.isEmpty())
                cells->setChoices(c, model->m_columns[c].choices);
        }
    };
    kinds();
    QObject::connect(model, &QAbstractItemModel::modelReset, cells, kinds);
    view->setItemDelegate(cells);
    // A column at least as wide as its heading, also when the heading changes later (item names).
    auto fit = [view, model](int first, int last) {
        for (int c = first; c <= last && c < model->columnCount(); ++c) {
            const Column& col = model->m_columns[c];
            if (col.width > 0)
                view->setColumnWidth(c, std::max(col.width, view->horizontalHeader()->fontMetrics().horizontalAdvance(col.heading.trimmed()) + 14));
        }
    };
    fit(0, model->columnCount() - 1);
    QObject::connect(model, &QAbstractItemModel::headerDataChanged, view, [fit](Qt::Orientation o, int first, int last) {
        if (o == Qt::Horizontal)
            fit(first, last);
    });
    QObject::connect(model, &QAbstractItemModel::modelReset, view, [fit, model] { fit(0, model->columnCount() - 1); });
    return cells;
}

CheckedCellDelegate* ListModel::setUpView(QTableView* view, ListModel* model, const QList<int>& widths)
{
    for (int c = 0; c < widths.size() && c < model->m_columns.size(); ++c)
        model->m_columns[c].width = widths[c];
    CheckedCellDelegate* cells = attach(view, model);
    view->horizontalHeader()->setHighlightSections(false);
    view->setWordWrap(false);
    return cells;
}

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
