#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QTableView;

// The rows of a list screen as texts, shown through a model: columns with a heading, a width and
// whether the user may type into them, and optionally a check box in the first column. A number column
// refuses text that is not a number with a Korean message and keeps its value. The screen keeps its
// rules' rows and takes typed values from the `edited` signal.
//
//   auto* model = new GridModel(this);
//   model->setColumns({{"회원번호", 80}, {"신장", 50, true, true}});
//   model->setRows(rows);                     // QList<QStringList>
//   GridModel::attach(view, model);           // the program's grid set-up and the widths
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString header;
        int width = 80;
        bool editable = false;
        bool number = false;  // right-aligned; typed text must be a number
    };

    explicit GridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setColumns(const QList<Column>& columns);
    void setHeader(int column, const QString& header);
    void setCheckable(bool on) { m_checkable = on; }
    void setRows(const QList<QStringList>& rows);   // check boxes start ticked
    void setRow(int row, const QStringList& texts);
    void appendRow(const QStringList& texts);
    void removeRow(int row);
    // Whether typing is allowed now (the screen's editing mode); only editable columns take it, and only
    // rows the predicate allows when one is set.
    void setEditing(bool on);
    void setRowEditable(std::function<bool(int)> f) { m_rowEditable = std::move(f); }
    bool editing() const { return m_editing; }

    int rows() const { return int(m_rows.size()); }
    QString text(int row, int column) const { return m_rows.value(row).value(column); }
    bool isChecked(int row) const { return m_checked.value(row); }
    void setChecked(int row, bool on);
    QList<int> checkedRows() const;

    // As the user types into a cell: false (the message shown) when the cell refuses the text.
    bool type(int row, int column, const QString& text);

    static void attach(QTableView* view, GridModel* model);

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_columns.size()); }
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // A cell took a typed text (already stored in the model).
    void edited(int row, int column, const QString& text);

private:
    QList<Column> m_columns;
    QList<QStringList> m_rows;
    QList<bool> m_checked;
    bool m_checkable = false;
    bool m_editing = false;
    std::function<bool(int)> m_rowEditable;
};
