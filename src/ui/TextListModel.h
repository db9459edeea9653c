#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class QTableView;
class QWidget;

// A read-only list of texts for a QTableView, with a tick box per line in the first column when asked:
// the list views of the list screens (one model, no item per cell).
//
//   auto* model = new TextListModel({"회원번호", "회원명"}, true, this);
//   lvView->setModel(model);
//   model->setRows(rows);               // every line ticked
//   for (int r : model->checkedRows()) ...
class TextListModel : public QAbstractTableModel {
public:
    TextListModel(const QStringList& headers, bool checkable, QObject* parent = nullptr);

    void setRows(QList<QStringList> rows, bool checked = true);
    void clear() { setRows({}); }
    const QStringList& row(int r) const { return m_rows[r]; }
    QString text(int r, int column) const { return m_rows.value(r).value(column); }
    bool isChecked(int r) const { return m_checked.value(r); }
    void setChecked(int r, bool on);
    QList<int> checkedRows() const;
    void setAlignment(int column, Qt::Alignment align);

    // A view for the list: whole lines selected, no row numbers, columns as wide as their contents
    // allow, the last one taking what is left.
    static QTableView* view(TextListModel* model, QWidget* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QStringList m_headers;
    bool m_checkable;
    QList<QStringList> m_rows;
    QList<bool> m_checked;
    QList<int> m_align;
};
