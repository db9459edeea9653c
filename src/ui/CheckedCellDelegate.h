#pragma once
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

class QLineEdit;

// The one cell editor of the program's grids (ListModel::attach sets it up from the columns' kinds and
// choices): it checks what is typed, whatever model the grid shows. A number or
// date that a column refuses stays in the open editor with the cursor where it was, and the Korean
// message is shown beside the cell and on the status line; Enter, Tab and the arrows do not leave the
// cell until the text is right (or Esc takes the old value back). Dates follow the date field's
// typing: "20160709", "160709", "0709" or "9" (the day of the shown month) become "YYYY-MM-DD".
//
//   auto* cells = new CheckedCellDelegate(view);
//   cells->setKind(ColHeight, CheckedCellDelegate::Number);
//   cells->setKind(ColBirthday, CheckedCellDelegate::Date);
//   cells->setChoices(ColRelation, {"부", "모"});
//   view->setItemDelegate(cells);
class CheckedCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum Kind { Text, Number, WholeNumber, Date };

    explicit CheckedCellDelegate(QObject* parent = nullptr);
    // Every column of the kind `allColumns` unless setKind says otherwise (a delegate for one column).
    CheckedCellDelegate(Kind allColumns, QObject* parent);

    void setKind(int column, Kind kind);
    void setMaxLength(int column, int length);
    // A drop-down instead of typing; with `freeText` other text may be typed too. A choice is taken at once.
    void setChoices(int column, const QStringList& items, bool freeText = false);
    // Choices read when the cell opens, which may depend on the row (the stops of the row's course).
    void setChoices(int column, std::function<QStringList(int row)> items, bool freeText = false);

    // The rule on its own: the text a cell of `kind` keeps for `typed` (a number as typed, a date as
    // "YYYY-MM-DD"; blank stays blank), or the message when it refuses. `before` is the cell's text,
    // whose date the short date forms refer to.
    static bool check(Kind kind, const QString& typed, const QString& before, const QString& heading, QString* kept,
                      QString* message);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // False, with the message shown, when the editor's text is refused; otherwise the editor holds the
    // text the cell keeps.
    bool accept(QLineEdit* editor) const;

    Kind kindOf(int column) const { return m_kinds.value(column, m_default); }

    Kind m_default = Text;
    QHash<int, Kind> m_kinds;
    QHash<int, int> m_lengths;
    QHash<int, std::function<QStringList(int)>> m_choices;
    QHash<int, bool> m_freeText;
    QSet<int> m_firstByDefault;
};
