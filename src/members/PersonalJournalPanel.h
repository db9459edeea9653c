#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "members/PersonalRecord.h"

class CheckedCellDelegate;
class ListModel;
class QTableView;
class QToolButton;

// One list of the personal-management screen: a grid over a list of PersonalRecord with the small
// tool bar "추가" / "삭제" / "취소". The tabs differ only in their columns, so every tab is one of these.
class PersonalJournalPanel : public QWidget {
    Q_OBJECT
public:
    struct Column {
        enum Kind {
            Text,     // free text
            Date,     // "yyyy-mm-dd", at most 10 characters
            Phrase,   // free text with a drop-down of phrases
            Choice,   // one of the items, nothing else
            Chooser,  // award or point item "code)  name": sets the code as well
            ReadOnly, // shown only
            Tick,     // "1" shows a tick
            Money     // whole won, shown ",##0"
        };
        QString header;
        QString column;
        Kind kind = Text;
        int width = 100; // 0: takes the rest
        QStringList items = {}; // a default, so the short column lists need not name it
        int maxLength = 255;
    };

    PersonalJournalPanel(PersonalRecord* record, PersonalRecord::List list, QList<Column> columns, QWidget* parent = nullptr);

    PersonalRecord::List list() const { return m_list; }
    void setItems(const QString& column, const QStringList& items);
    // Which rows of the list the grid shows (the point tab shows one month); all rows by default.
    void setRowFilter(std::function<QList<int>()> filter) { m_filter = std::move(filter); }
    void refresh();
    void setEditing(bool on);
    int currentRow() const;                          // row of the record's list, -1 none
    void selectRow(int recordRow, bool edit = false); // edit: opens the main field for typing
    void moveToLast();
    void moveToFirst();
    int shownRows() const;
    QString shownText(int gridRow, const QString& column) const;
    // Types a value into a cell as the user would (tests).
    void typeInto(int gridRow, const QString& column, const QString& text);

    QTableView* grid = nullptr;
    ListModel* model = nullptr;
    QToolButton* btnAdd = nullptr;
    QToolButton* btnDelete = nullptr;
    QToolButton* btnCancel = nullptr;

signals:
    void addClicked();
    void deleteClicked();
    void cancelClicked();

private:
    void cellChanged(int gridRow, int column, const QString& text);
    int columnOf(const QString& column) const;
    bool typeable(int column) const;

    PersonalRecord* m_record;
    PersonalRecord::List m_list;
    QList<Column> m_columns;
    QList<int> m_rows; // grid row -> record row
    std::function<QList<int>()> m_filter;
    CheckedCellDelegate* m_cells = nullptr;
    bool m_editing = false;
};
