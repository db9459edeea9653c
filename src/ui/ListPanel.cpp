#include "ui/ListPanel.h"

#include "ui/CheckedCellDelegate.h"
#include "ui/Dialogs.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ListPanel::ListPanel(db::ListRules& rules, QList<ListModel::Column> columns, QWidget* parent)
    : QWidget(parent), m_rules(rules)
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    m_heading = new QLabel(this);
    m_heading->setAlignment(Qt::AlignCenter);
    QFont f = m_heading->font();
    f.setBold(true);
    m_heading->setFont(f);
    m_heading->hide();
    root->addWidget(m_heading);

    m_rules.load();
    m_grid = new QTableView(this);
    setUpGrid(m_grid);
    m_model = new ListModel(m_rules.rows(), std::move(columns), this);
    m_model->setEditable([this](int row, int column) {
        if (!m_pending)
            return false;
        const QString field = m_model->field(column);
        const bool rowOpen = row == m_editRow
                             || (m_multiInsert && m_rules.rows().state(row) == db::BufferedSet::State::Inserted);
        return rowOpen && m_rules.editable(row, field);
    });
    m_model->setOnEdit([this](int row, int column, const QVariant& v) { m_rules.edit(row, m_model->field(column), v); });
    m_cells = ListModel::attach(m_grid, m_model);
    m_insertField = m_editField = m_model->field(0);
    root->addWidget(m_grid, 1);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) { emit currentRowChanged(now.row()); });
    connect(m_grid, &QTableView::pressed, this, &ListPanel::used);
}

void ListPanel::addButtons(const Captions& c)
{
    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    auto button = [&](const char* name, const QString& caption, std::function<void()> handler) -> QPushButton* {
        if (caption.isEmpty())
            return nullptr;
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        // As narrow as the caption, so four lists with their buttons fit side by side; never narrower,
        // or the layout lays them over each other.
        b->setStyleSheet(QStringLiteral("padding: 3px 3px;"));
        b->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
        bar->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, handler] {
            emit used();
            handler();
        });
        return b;
    };
    Btn_Insert = button("Btn_Insert", c.insert, [this] { Btn_InsertClick(); });
    Btn_Edit = button("Btn_Edit", c.edit, [this] { Btn_EditClick(); });
    Btn_Delete = button("Btn_Delete", c.remove, [this] { Btn_DeleteClick(); });
    Btn_Search = button("Btn_Search", c.search, [this] { Btn_SearchClick(); });
    Btn_Ok = button("Btn_Ok", c.ok, [this] { Btn_OkClick(); });
    Btn_Cancel = button("Btn_Cancel", c.cancel, [this] { Btn_CancelClick(); });
    Btn_Exit = button("Btn_Exit", c.close, [this] { emit closeRequested(); });
    bar->addStretch();
    static_cast<QVBoxLayout*>(layout())->addLayout(bar);
    setPending(m_pending);
}

void ListPanel::setHeading(const QString& text)
{
    m_heading->setText(text);
    m_heading->setVisible(!text.isEmpty());
}

void ListPanel::setFirstFields(const QString& onInsert, const QString& onEdit)
{
    m_insertField = onInsert;
    m_editField = onEdit;
}

void ListPanel::setMaxLength(const QString& field, int length) { m_cells->setMaxLength(m_model->columnOf(field), length); }

void ListPanel::setDate(const QString& field) { m_cells->setKind(m_model->columnOf(field), CheckedCellDelegate::Date); }

void ListPanel::setChoices(const QString& field, std::function<QStringList(int)> items)
{
    m_cells->setChoices(m_model->columnOf(field), std::move(items));
}

int ListPanel::currentRow() const { return m_grid->currentIndex().row(); }

void ListPanel::setCurrentRow(int row) { m_grid->setCurrentIndex(m_model->index(row, 0)); }

void ListPanel::refresh() { m_model->refresh(); }

void ListPanel::setPending(bool pending)
{
    const bool changed = pending != m_pending;
    m_pending = pending;
    for (QPushButton* b : {Btn_Insert, Btn_Edit, Btn_Delete, Btn_Search, Btn_Exit})
        if (b)
            b->setEnabled(!pending || (m_multiInsert && b == Btn_Insert));
    for (QPushButton* b : {Btn_Ok, Btn_Cancel})
        if (b)
            b->setEnabled(pending);
    if (!pending)
        m_editRow = -1;
    if (changed)
        emit pendingChanged(pending);
}

void ListPanel::focusCell(int row, const QString& field)
{
    const QModelIndex i = m_model->index(row, std::max(0, m_model->columnOf(field)));
    m_grid->setCurrentIndex(i);
    if (isVisible()) {
        m_grid->setFocus();
        if (m_model->flags(i) & Qt::ItemIsEditable)
            m_grid->edit(i);
    }
}

void ListPanel::Btn_InsertClick()
{
    finishEditing(m_grid);
    const int row = m_rules.append();
    m_model->refresh();
    m_editRow = row;
    setPending(true);
    focusCell(row, m_insertField);
}

void ListPanel::Btn_EditClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_editRow = row;
    setPending(true);
    focusCell(row, m_editField);
}

void ListPanel::Btn_DeleteClick()
{
    const int row = currentRow();
    if (row < 0)
        return;
    try {
        m_rules.remove(row);
    } catch (const db::Error& e) {
        Dialogs::error(QStringLiteral("오류"), QStringLiteral("삭제 에러 입니다.\n") + e.message(), this);
    }
    m_model->refresh();
    // A buffered delete waits for "확인"; one written at once leaves nothing pending.
    setPending(m_rules.isDirty());
}

void ListPanel::Btn_SearchClick()
{
    m_rules.load();
    m_model->refresh();
    setPending(false);
}

bool ListPanel::Btn_OkClick()
{
    finishEditing(m_grid);
    const db::SaveResult r = m_rules.save();
    if (!r.saved) {
        Dialogs::error(r.caption, r.message, this);
        if (r.row >= 0) {
            m_editRow = r.row;
            focusCell(r.row, r.field);
        }
        return false;
    }
    m_model->refresh();
    setPending(false);
    return true;
}

void ListPanel::Btn_CancelClick()
{
    finishEditing(m_grid);
    m_rules.cancel();
    m_model->refresh();
    setPending(false);
}
