#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>
#include <functional>

class CheckedCellDelegate;
class QTableView;
namespace db { class BufferedSet; }

// Every list of the program is shown through this model: a list of columns (heading, width, kind,
// whether typing is allowed, choices for a drop-down) over the rows a screen's rules give. The rows
// come one of three ways: texts the model holds (`setRows`), a function the screen answers (`show`), or
// the rows of a db::BufferedSet (the constructor with a set). A tick box in the first column is
// optional. Typed values are checked by their column's kind (a bad number or date is refused in the
// open cell by the list's one delegate) and reach the screen by `edited` or its `setOnEdit` handler.
// Very long lists are handed to the view in pages, so the first screenful paints at once.
//
//   auto* model = new ListModel({{"회원번호", 80, false, ListModel::Code}, {"금액", 80, true, ListModel::Money}}, this);
//   model->setRows(rows);
//   ListModel::attach(view, model);
class ListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Kind {
        Auto,   // text; saved by what the values look like
        Text,   // text, saved as text
        Code,   // member numbers and codes: saved as text, leading zeros kept
        Number, // right-aligned; typed text must be a number
        Money,  // whole won: right-aligned; typed text must be a whole number
        Date,   // "YYYY-MM-DD"; the short typed forms become a full date
    };
    // The kind of a column, as headerData(column, Horizontal, KindRole): the list export reads it.
    static constexpr int KindRole = Qt::UserRole + 40;

    struct Column {
        Column() = default;
        Column(QString heading, int width, bool editable = false, Kind kind = Auto, QStringList choices = {})
            : heading(std::move(heading)), width(width), editable(editable), kind(kind), choices(std::move(choices)) {}
        // A column of a buffered set: its field, and optionally how a value is shown.
        Column(QString heading, QString field, std::function<QString(const QVariant&)> show = {})
            : heading(std::move(heading)), width(0), field(std::move(field)), show(std::move(show)) {}

        QString heading;
        int width = 80;           // 0 leaves the view's width alone
        bool editable = false;    // while the list is in editing mode
        Kind kind = Auto;
        QStringList choices;      // a drop-down instead of typing
        QString field;            // the set's column
        std::function<QString(const QVariant&)> show;
    };

    using TextFn = std::function<QString(int row, int column)>;

    explicit ListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    ListModel(QList<Column> columns, QObject* parent = nullptr);
    ListModel(const QStringList& headings, QObject* parent = nullptr);
    ListModel(const QStringList& headings, bool tickBox, QObject* parent);
    ListModel(db::BufferedSet& set, QList<Column> columns, QObject* parent = nullptr);

    // Columns
    void setColumns(QList<Column> columns);
    const Column& column(int c) const { return m_columns[c]; }
    void setHeader(int column, const QString& heading);
    void setKind(int column, Kind kind);
    void setRightAligned(int column) { setKind(column, Number); }
    QString field(int column) const { return m_columns.value(column).field; }
    int columnOf(const QString& field) const;

    // Rows held by the model
    void setRows(QList<QStringList> rows, bool ticked = true);
    void setRow(int row, const QStringList& texts);
    void appendRow(const QStringList& texts);
    void removeRow(int row);
    void setText(int row, int column, const QString& text);
    const QList<QStringList>& texts() const { return m_texts; }
    // Rows the screen answers for
    void show(int rows, TextFn text);
    void clear();
    // Whatever the source: after the rows or their values changed (a set reread, appended to or cut)
    void refresh();
    void refreshRow(int row);

    int rows() const; // all rows, also those not yet handed to the view
    QString text(int row, int column) const;

    // Tick box in the first column, kept by the model ...
    void setTickBox(bool on) { m_tickBox = on; }
    void setCheckable(bool on) { setTickBox(on); }
    // ... or in `column`, read and written through the screen's lines.
    void setCheckColumn(int column, std::function<bool(int)> checked, std::function<void(int, bool)> setChecked);
    bool ticked(int row) const;
    void setTicked(int row, bool on);
    QList<int> tickedRows() const;

    // Editing: in editing mode the editable columns take typing, on the rows `setRowEditable` allows;
    // or a screen's own predicate decides for every cell.
    void setEditing(bool on);
    bool editing() const { return m_editing; }
    void setRowEditable(std::function<bool(int)> f) { m_rowEditable = std::move(f); }
    void setEditable(std::function<bool(int row, int column)> f) { m_editable = std::move(f); }
    // Where a typed value goes instead of the model's own texts or the set's column.
    void setOnEdit(std::function<void(int row, int column, const QVariant& value)> f) { m_onEdit = std::move(f); }
    void setEditing(std::function<bool(int, int)> editable, std::function<void(int, int, const QString&)> store);
    // A screen's own refusal of a typed value (its message already shown): false keeps the old value.
    void setAccept(std::function<bool(int row, int column, const QVariant& value)> f) { m_accept = std::move(f); }

    // As the user types into a cell: false, with the reason, when the cell refuses the text.
    bool type(int row, int column, const QString& text, QString* message = nullptr);

    // The program's grid set-up with the columns' widths and the one delegate, configured from the
    // kinds and choices; returns the delegate for further choices (a drop-down per row).
    static CheckedCellDelegate* attach(QTableView* view, ListModel* model);
    // The same with widths given here (each never narrower than its title).
    static CheckedCellDelegate* setUpView(QTableView* view, ListModel* model, const QList<int>& widths);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    // A cell took a typed value (already stored).
    void edited(int row, int column, const QString& text);

private:
    enum class Source { Texts, Function, Set };
    void reset();
    bool cellEditable(int row, int column) const;
    QVariant value(int row, int column) const;

    QList<Column> m_columns;
    Source m_source = Source::Texts;
    QList<QStringList> m_texts;
    int m_functionRows = 0;
    TextFn m_text;
    db::BufferedSet* m_set = nullptr;
    int m_shown = 0; // rows handed to the view so far

    bool m_tickBox = false;
    QList<bool> m_ticks;
    int m_checkColumn = -1;
    std::function<bool(int)> m_checked;
    std::function<void(int, bool)> m_setChecked;

    bool m_editing = false;
    std::function<bool(int)> m_rowEditable;
    std::function<bool(int, int)> m_editable;
    std::function<void(int, int, const QVariant&)> m_onEdit;
    std::function<bool(int, int, const QVariant&)> m_accept;
};

// The grids of the program: whole rows selected one at a time, rows no taller than a line of text.
void setUpGrid(QTableView* view);
// Writes what an open cell editor holds into the model and closes it (before "확인" reads the rows).
void finishEditing(QTableView* view);
