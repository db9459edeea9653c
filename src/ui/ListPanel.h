#pragma once
#include <QWidget>

#include "db/ListRules.h"
#include "ui/ListModel.h"

class CheckedCellDelegate;
class QLabel;
class QPushButton;
class QTableView;

// A list edited in memory and written on "확인", shown as a grid with (optionally) its own buttons.
// The rules decide what is read, typed and written; the panel keeps the button states: while the list
// has pending changes "확인" and "취소" are enabled and the row-changing buttons are not. A screen
// whose toolbar acts on a list calls the handlers of the panel in use.
class ListPanel : public QWidget {
    Q_OBJECT
public:
    ListPanel(db::ListRules& rules, QList<ListModel::Column> columns, QWidget* parent = nullptr);

    // Own buttons under the grid, by caption; an empty caption leaves that button out.
    struct Captions {
        QString insert = QStringLiteral("추가"), edit = QStringLiteral("수정"), remove = QStringLiteral("삭제"),
                search, ok = QStringLiteral("확인"), cancel = QStringLiteral("취소"), close;
    };
    void addButtons(const Captions& captions);
    void setHeading(const QString& text);
    // Where the cursor goes after "추가" and "수정".
    void setFirstFields(const QString& onInsert, const QString& onEdit);
    // How a field's cell is typed: at most `length` characters, a date, or a drop-down (per row).
    void setMaxLength(const QString& field, int length);
    void setDate(const QString& field);
    void setChoices(const QString& field, std::function<QStringList(int row)> items);
    // More new rows may be added before "확인" (the buttons stay enabled while pending).
    void setMultiInsert(bool on) { m_multiInsert = on; }

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_SearchClick();
    bool Btn_OkClick();   // true when written
    void Btn_CancelClick();

    db::ListRules& rules() { return m_rules; }
    QTableView* grid() const { return m_grid; }
    ListModel* model() const { return m_model; }
    bool pending() const { return m_pending; }
    int currentRow() const;
    void setCurrentRow(int row);
    void refresh(); // after the rules reread the rows

    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Search = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Exit = nullptr;

signals:
    void pendingChanged(bool pending);
    void used();                  // any of its buttons or cells was used: a toolbar now acts on it
    void currentRowChanged(int row);
    void closeRequested();

private:
    void setPending(bool pending);
    void focusCell(int row, const QString& field);

    db::ListRules& m_rules;
    QTableView* m_grid = nullptr;
    ListModel* m_model = nullptr;
    CheckedCellDelegate* m_cells = nullptr;
    QLabel* m_heading = nullptr;
    QString m_insertField, m_editField;
    int m_editRow = -1;
    bool m_pending = false;
    bool m_multiInsert = false;
};
