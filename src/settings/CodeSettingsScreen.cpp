#include "settings/CodeSettingsScreen.h"


#include "db/DbError.h"
#include "ui/ListModel.h"
#include "db/JetSql.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QItemSelectionModel>
#include <QTableView>
#include <QVBoxLayout>

CodeSettingsScreen::CodeSettingsScreen(const QString& caption, const QString& title, const QList<CodePageDef>& defs, QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(caption);
    auto* v = new QVBoxLayout(this);
    if (!title.isEmpty()) {
        auto* t = new QLabel(title, this);
        t->setObjectName(QStringLiteral("lblTitle"));
        QFont f = t->font();
        f.setPixelSize(18);
        f.setBold(true);
        t->setFont(f);
        t->setAlignment(Qt::AlignCenter);
        v->addWidget(t);
    }
    for (const CodePageDef& def : defs) {
        auto* p = new Page;
        p->rules = std::make_unique<CodePage>(def);
        p->widget = new QWidget;
        auto* pv = new QVBoxLayout(p->widget);
        QList<ListModel::Column> columns;
        for (int c = 0; c < def.columns.size(); ++c) {
            const QString column = def.columns[c];
            CodePage* rules = p->rules.get();
            columns.append({def.headers.value(c), column, [this, column, rules](const QVariant& v) { return display(rules->def(), column, v); }});
            if (def.numberColumns.contains(column))
                columns.last().kind = column == QStringLiteral("수련비") ? ListModel::Money : ListModel::Number;
        }
        p->model = new ListModel(p->rules->rows(), columns, this);
        p->grid = new QTableView(p->widget);
        ListModel::attach(p->grid, p->model);
        p->grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        pv->addWidget(p->grid, 1);
        auto* form = new QFormLayout;
        for (int c = 0; c < def.columns.size(); ++c) {
            auto* e = new QLineEdit(p->widget);
            e->setObjectName(QStringLiteral("DBEdit%1").arg(c + 1));
            e->setEnabled(false);
            connect(e, &QLineEdit::textEdited, this, [this, c](const QString& t) { fieldEdited(c, t); });
            form->addRow(def.headers.value(c) + QStringLiteral(" :"), e);
            p->fields.append(e);
        }
        pv->addLayout(form);
        p->fixedLabel = new QLabel(def.fixedLabel, p->widget);
        p->fixedLabel->setStyleSheet(QStringLiteral("color: #b00020;"));
        p->fixedLabel->setVisible(false);
        pv->addWidget(p->fixedLabel);
        if (defs.size() == 1 && def.caption == QStringLiteral("휴/퇴관 사유"))
            pv->addWidget(new QLabel(QStringLiteral("(99:기타)"), p->widget));
        connect(p->grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& now) {
            if (!m_showing && !m_editing)
                showRow(now.row());
        });
        m_pages.append(p);
    }
    if (m_pages.size() > 1) {
        m_tabs = new QTabWidget(this);
        m_tabs->setObjectName(QStringLiteral("PageControl1"));
        for (Page* p : m_pages)
            m_tabs->addTab(p->widget, p->rules->def().caption);
        connect(m_tabs, &QTabWidget::currentChanged, this, &CodeSettingsScreen::pageChanged);
        v->addWidget(m_tabs, 1);
    } else {
        v->addWidget(m_pages.first()->widget, 1);
    }

    auto* bar = new QHBoxLayout;
    const QList<std::pair<const char*, const char*>> buttons = {
        {"btnInsert", "입     력"}, {"btnEdit", "수     정"}, {"btnDelete", "삭     제"}, {"btnSearch", "조     회"},
        {"btnOk", "확     인"},     {"btnCancel", "취     소"}, {"btnExit", "종     료"}};
    for (const auto& [name, text] : buttons) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(name));
        bar->addWidget(b);
        m_buttons.append(b);
    }
    v->addLayout(bar);
    connect(button("btnInsert"), &QPushButton::clicked, this, &CodeSettingsScreen::Btn_InsertClick);
    connect(button("btnEdit"), &QPushButton::clicked, this, &CodeSettingsScreen::Btn_EditClick);
    connect(button("btnDelete"), &QPushButton::clicked, this, &CodeSettingsScreen::Btn_DeleteClick);
    connect(button("btnSearch"), &QPushButton::clicked, this, &CodeSettingsScreen::Btn_SearchClick);
    connect(button("btnOk"), &QPushButton::clicked, this, &CodeSettingsScreen::Btn_OkClick);
    connect(button("btnCancel"), &QPushButton::clicked, this, &CodeSettingsScreen::Btn_CancelClick);
    connect(button("btnExit"), &QPushButton::clicked, this, &QWidget::close);

    loadPage(0);
    chgButtonState(false);
}

CodeSettingsScreen::~CodeSettingsScreen() { qDeleteAll(m_pages); }

QPushButton* CodeSettingsScreen::button(const QString& name) const
{
    for (QPushButton* b : m_buttons)
        if (b->objectName() == name)
            return b;
    return nullptr;
}

int CodeSettingsScreen::pageIndex() const { return m_tabs ? m_tabs->currentIndex() : 0; }

void CodeSettingsScreen::setPageIndex(int index)
{
    if (m_tabs)
        m_tabs->setCurrentIndex(index);
}

QLineEdit* CodeSettingsScreen::field(int index, const QString& column) const
{
    const int c = m_pages[index]->rules->def().columns.indexOf(column);
    return c < 0 ? nullptr : m_pages[index]->fields[c];
}

int CodeSettingsScreen::currentRow() const { return m_pages[pageIndex()]->grid->currentIndex().row(); }

void CodeSettingsScreen::setCurrentRow(int row)
{
    Page* p = m_pages[pageIndex()];
    p->grid->setCurrentIndex(p->model->index(row, 0));
    showRow(row);
}

QString CodeSettingsScreen::display(const CodePageDef& def, const QString& column, const QVariant& v) const
{
    if (column == QStringLiteral("수련비") && !v.isNull())
        return db::jet::format(v, QStringLiteral("###,###,###,###"));
    Q_UNUSED(def);
    return v.toString();
}

void CodeSettingsScreen::loadPage(int index)
{
    m_pages[index]->rules->load();
    fillGrid(index);
}

void CodeSettingsScreen::fillGrid(int index)
{
    Page* p = m_pages[index];
    CodePage& rules = *p->rules;
    const CodePageDef& def = rules.def();
    const int keep = p->grid->currentIndex().row();
    m_showing = true;
    p->model->refresh();
    const int row = rules.rows().count() == 0 ? -1 : qBound(0, keep, rules.rows().count() - 1);
    p->grid->setCurrentIndex(p->model->index(row, 0));
    m_showing = false;
    if (index == pageIndex())
        showRow(row);
}

void CodeSettingsScreen::showRow(int row)
{
    Page* p = m_pages[pageIndex()];
    const CodePageDef& def = p->rules->def();
    for (int c = 0; c < def.columns.size(); ++c) {
        const bool has = row >= 0 && row < p->rules->rows().count();
        p->fields[c]->setText(has ? p->rules->rows().value(row, def.columns[c]).toString() : QString());
    }
    p->fixedLabel->setVisible(!def.fixedLabel.isEmpty() && p->rules->isFixed(row));
}

void CodeSettingsScreen::chgEdBoxState(bool on)
{
    Page* p = m_pages[pageIndex()];
    const int row = currentRow();
    const CodePageDef& def = p->rules->def();
    for (int c = 0; c < def.columns.size(); ++c)
        p->fields[c]->setEnabled(on && p->rules->editable(row, def.columns[c]));
    p->fixedLabel->setVisible(!def.fixedLabel.isEmpty() && p->rules->isFixed(row));
}

void CodeSettingsScreen::chgButtonState(bool editing)
{
    m_editing = editing;
    const CodePageDef& def = m_pages[pageIndex()]->rules->def();
    for (QPushButton* b : m_buttons) {
        const QString n = b->objectName();
        const bool editButton = n == QStringLiteral("btnOk") || n == QStringLiteral("btnCancel");
        bool on = editing ? editButton : !editButton;
        if (!editing && n == QStringLiteral("btnInsert"))
            on = def.canInsert;
        if (!editing && n == QStringLiteral("btnDelete"))
            on = def.canDelete;
        b->setEnabled(on);
    }
    if (m_tabs)
        m_tabs->tabBar()->setEnabled(!editing);
    // The fields belong to one row while it is being edited.
    m_pages[pageIndex()]->grid->setEnabled(!editing);
}

void CodeSettingsScreen::pageChanged(int index)
{
    if (index < 0)
        return;
    loadPage(index);
    chgEdBoxState(false);
    chgButtonState(false);
}

void CodeSettingsScreen::fieldEdited(int column, const QString& text)
{
    if (!m_editing)
        return;
    Page* p = m_pages[pageIndex()];
    const int row = currentRow();
    if (row < 0)
        return;
    const CodePageDef& def = p->rules->def();
    const QString col = def.columns[column];
    QVariant v = text;
    if (def.numberColumns.contains(col)) {
        QString digits = text;
        digits.remove(u',');
        bool ok = false;
        const qlonglong n = digits.trimmed().toLongLong(&ok);
        v = ok ? QVariant(n) : QVariant();
    } else if (text.isEmpty()) {
        v = QVariant();
    }
    p->rules->rows().setValue(row, col, v);
    p->model->refreshRow(row);
}

void CodeSettingsScreen::Btn_InsertClick()
{
    Page* p = m_pages[pageIndex()];
    if (!p->rules->def().canInsert)
        return;
    const int row = p->rules->insertRow();
    m_showing = true;
    fillGrid(pageIndex());
    p->grid->setCurrentIndex(p->model->index(row, 0));
    m_showing = false;
    showRow(row);
    chgButtonState(true);
    chgEdBoxState(true);
    for (QLineEdit* e : p->fields)
        if (e->isEnabled() && e->text().isEmpty()) {
            e->setFocus();
            break;
        }
}

void CodeSettingsScreen::Btn_EditClick()
{
    if (currentRow() < 0)
        return;
    chgButtonState(true);
    chgEdBoxState(true);
}

void CodeSettingsScreen::Btn_DeleteClick()
{
    Page* p = m_pages[pageIndex()];
    const int row = currentRow();
    if (!p->rules->def().canDelete || row < 0)
        return;
    QString message;
    CodePage::Removal r;
    try {
        r = p->rules->remove(row, &message);
    } catch (const db::Error& e) {
        loadPage(pageIndex());
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("삭제 에러 입니다.\n") + e.message(), this);
        return;
    }
    if (r != CodePage::Removal::Removed) {
        Dialogs::error(QStringLiteral("오류"), message, this);
        return;
    }
    fillGrid(pageIndex());
    if (p->rules->def().immediateDelete)
        StatusLine::show(p->rules->def().caption + QStringLiteral(" 삭제"));
    if (!p->rules->def().immediateDelete || m_editAfterImmediateDelete) {
        chgButtonState(true);
        chgEdBoxState(false);
    }
}

void CodeSettingsScreen::Btn_SearchClick()
{
    loadPage(pageIndex());
    chgEdBoxState(false);
    chgButtonState(false);
}

void CodeSettingsScreen::Btn_OkClick()
{
    Page* p = m_pages[pageIndex()];
    QString message;
    try {
        if (!p->rules->apply(&message)) {
            Dialogs::error(QStringLiteral("오류"), message, this);
            return;
        }
    } catch (const db::Error& e) {
        // The buffered row stays until 취소.
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("저장 에러 입니다.\n") + e.message(), this);
        return;
    }
    StatusLine::show(p->rules->def().caption + QStringLiteral(" 저장"));
    if (p->rules->def().reloadAfterApply)
        loadPage(pageIndex());
    else
        fillGrid(pageIndex());
    chgEdBoxState(false);
    chgButtonState(false);
    afterApply(pageIndex());
}

void CodeSettingsScreen::Btn_CancelClick()
{
    m_pages[pageIndex()]->rules->cancel();
    fillGrid(pageIndex());
    chgEdBoxState(false);
    chgButtonState(false);
}
