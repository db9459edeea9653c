#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

#include "db/BufferedSet.h"

class QTableView;

// A grid over the rows of a db::BufferedSet: the list screens show their buffered rows through it and
// the user types into the cells the screen allows. Edits go straight into the set (or through the
// screen's own handler, which may set further columns, such as the code behind a chosen name).
//
//   RowSetModel model(rules.courses(), {{"코스코드", "코스코드"}, {"코스", "코스이름"}});
//   model.setEditable([&](int row, const QString& field) { return row == editingRow; });
//   view->setModel(&model);
class RowSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString heading;
        QString field;                                    // column of the set
        std::function<QString(const QVariant&)> show = {}; // display text, the value as text when not given
    };

    RowSetModel(db::BufferedSet& set, QList<Column> columns, QObject* parent = nullptr);

    using EditableFn = std::function<bool(int row, const QString& field)>;
    using EditFn = std::function<void(int row, const QString& field, const QVariant& value)>;
    void setEditable(EditableFn fn) { m_editable = std::move(fn); }
    void setOnEdit(EditFn fn) { m_onEdit = std::move(fn); }

    void refresh();            // after the set was reread, appended to or cut
    void refreshRow(int row);  // after the screen changed values of one row
    QString field(int column) const { return m_columns.value(column).field; }
    int columnOf(const QString& field) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    db::BufferedSet& m_set;
    QList<Column> m_columns;
    EditableFn m_editable;
    EditFn m_onEdit;
};

// Rows of a query result as texts, each with a tick box in the first column when asked: the result
// lists of the query screens and the candidate lists of batch entries.
class TickListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TickListModel(QStringList headings, bool tickBox, QObject* parent = nullptr);

    void setRows(QList<QStringList> rows, bool ticked); // every row ticked or not
    void clear() { setRows({}, false); }
    const QList<QStringList>& rows() const { return m_rows; }
    QString text(int row, int column) const { return m_rows.value(row).value(column); }
    void setText(int row, int column, const QString& text);
    bool ticked(int row) const { return m_ticks.value(row); }
    void setTicked(int row, bool on);
    QList<int> tickedRows() const;
    // Columns the user may type into (the remark of a batch line).
    void setEditableColumns(QList<int> columns) { m_editableColumns = std::move(columns); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QStringList m_headings;
    bool m_tickBox;
    QList<QStringList> m_rows;
    QList<bool> m_ticks;
    QList<int> m_editableColumns;
};

// A drop-down editor for one grid column; the items may depend on the row (the stops of the row's
// course). The chosen text goes to the model.
class ComboDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using ItemsFn = std::function<QStringList(int row)>;
    explicit ComboDelegate(ItemsFn items, QObject* parent = nullptr);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    ItemsFn m_items;
};

// A line editor with a byte or character limit and, for dates, the typing aid of the calendar screens.
class LineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit LineDelegate(int maxLength = 0, bool dateAid = false, QObject* parent = nullptr);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_maxLength;
    bool m_dateAid;
};

// The grids of the program: whole rows selected one at a time, rows no taller than a line of text.
void setUpGrid(QTableView* view);
// Writes what an open cell editor holds into the model and closes it (before "확인" reads the rows).
void finishEditing(QTableView* view);
