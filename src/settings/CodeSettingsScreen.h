#pragma once
#include <QList>
#include <QWidget>
#include <memory>

#include "db/CodeTables.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ListModel;
class QTableView;

// The common body of the code-table settings screens: one or more pages (list + fields) under one
// button bar "입력 수정 삭제 조회 확인 취소 종료" with the buffered-editing rules: while a row is
// being edited only 확인 and 취소 are enabled and the fields accept typing as the page allows.
class CodeSettingsScreen : public QWidget {
    Q_OBJECT
public:
    CodeSettingsScreen(const QString& caption, const QString& title, const QList<CodePageDef>& pages, QWidget* parent = nullptr);
    ~CodeSettingsScreen() override;

    // The handlers, callable from tests.
    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_SearchClick();
    void Btn_OkClick();
    void Btn_CancelClick();

    int pageIndex() const;
    void setPageIndex(int index);
    CodePage& page(int index) { return *m_pages[index]->rules; }
    CodePage& currentPage() { return page(pageIndex()); }
    QTableView* grid(int index) const { return m_pages[index]->grid; }
    QLineEdit* field(int index, const QString& column) const;
    QLabel* fixedLabel(int index) const { return m_pages[index]->fixedLabel; }
    int currentRow() const;
    void setCurrentRow(int row);
    bool editing() const { return m_editing; }
    QPushButton* button(const QString& name) const; // btnInsert, btnEdit, btnDelete, btnSearch, btnOk, btnCancel, btnExit

protected:
    // A page's delete applies at once but the buttons stay in editing state until 확인 or 취소.
    bool m_editAfterImmediateDelete = false;
    virtual void afterApply(int /*pageIndex*/) {}
    void chgEdBoxState(bool on);
    void chgButtonState(bool editing);

private:
    struct Page {
        std::unique_ptr<CodePage> rules;
        QWidget* widget = nullptr;
        QTableView* grid = nullptr;
        ListModel* model = nullptr;
        QList<QLineEdit*> fields;
        QLabel* fixedLabel = nullptr;
    };
    void loadPage(int index);
    void fillGrid(int index);
    void showRow(int row);
    void pageChanged(int index);
    void fieldEdited(int column, const QString& text);
    QString display(const CodePageDef& def, const QString& column, const QVariant& v) const;

    QTabWidget* m_tabs = nullptr;
    QList<Page*> m_pages;
    QList<QPushButton*> m_buttons;
    bool m_editing = false;
    bool m_showing = false;
    int m_single = 0;
};
