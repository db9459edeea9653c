#pragma once
#include <QAbstractTableModel>
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

class QTableView;

// A list shown through a model: the screen gives the column titles and the text of a cell, and
// optionally a tick box column and editable columns. Long lists cost no widget or item per cell.
//
//   auto* model = new ListModel({"회원번호", "회원명"}, this);
//   model->show(int(lines.size()), [&](int r, int c) { return c == 0 ? lines[r].no : lines[r].name; });
//   ListModel::setUpView(view, model);
class ListModel : public QAbstractTableModel {
public:
    using Text = std::function<QString(int row, int column)>;

    explicit ListModel(const QStringList& headers, QObject* parent = nullptr);

    void show(int rows, Text text); // replaces what the list shows
    void refresh();                 // the same rows, texts read again
    void clear() { show(0, {}); }

    // A tick box in `column`, read and written through the screen's lines.
    void setCheckColumn(int column, std::function<bool(int)> checked, std::function<void(int, bool)> setChecked);
    // Editable columns: `editable` says whether a cell may be edited now, `store` takes the new text.
    void setEditing(std::function<bool(int row, int column)> editable, std::function<void(int, int, const QString&)> store);
    void setRightAligned(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Whole-row selection, no row numbers, each column as wide as given and never narrower than its title.
    static void setUpView(QTableView* view, ListModel* model, const QList<int>& widths = {});

private:
    QStringList m_headers;
    int m_rows = 0;
    Text m_text;
    int m_checkColumn = -1;
    std::function<bool(int)> m_checked;
    std::function<void(int, bool)> m_setChecked;
    std::function<bool(int, int)> m_editable;
    std::function<void(int, int, const QString&)> m_store;
    QList<int> m_right;
};

// A drop-down editor for one column of a list: the given choices, optionally with free text.
class ChoiceDelegate : public QStyledItemDelegate {
public:
    ChoiceDelegate(QStringList choices, bool freeText, QObject* parent = nullptr);
    void setChoices(const QStringList& choices) { m_choices = choices; }
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QStringList m_choices;
    bool m_freeText;
};
