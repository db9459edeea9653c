#include "exams/uExamSet.h"

#include "db/DbError.h"
#include "exams/ExamScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TfExamSet::TfExamSet(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfExamSet"));
    setWindowTitle(QStringLiteral("심사 항목 설정"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(330, 260);

    auto* top = new QVBoxLayout(this);
    grid = new QTableWidget(0, 2, this);
    grid->setHorizontalHeaderLabels({QStringLiteral("심사 코드"), QStringLiteral("심사 항목명")});
    grid->verticalHeader()->setVisible(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setColumnWidth(0, 80);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    top->addWidget(grid, 1);

    auto* bar = new QHBoxLayout;
    auto button = [&](const char* caption) { return ExamScreenParts::addButton(this, bar, caption); };
    Btn_Edit = button("수정");
    Btn_Ok = button("확인");
    Btn_Cancel = button("취소");
    Btn_Search = button("조회");
    Btn_Exit = button("종료");
    top->addLayout(bar);

    connect(Btn_Edit, &QPushButton::clicked, this, [this] { Btn_EditClick(); });
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { Btn_OkClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { Btn_CancelClick(); });
    connect(Btn_Search, &QPushButton::clicked, this, [this] { Btn_SearchClick(); });
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);
    connect(grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_filling && item->column() == 1)
            m_items.setName(item->row(), item->text());
    });

    Btn_SearchClick();
}

void TfExamSet::fill()
{
    m_filling = true;
    const db::BufferedSet& s = m_items.set();
    grid->setRowCount(s.count());
    for (int r = 0; r < s.count(); ++r) {
        auto* code = new QTableWidgetItem(s.value(r, QStringLiteral("심사항목코드")).toString());
        code->setFlags(Qt::ItemIsEnabled);
        grid->setItem(r, 0, code);
        grid->setItem(r, 1, new QTableWidgetItem(s.value(r, QStringLiteral("심사항목명")).toString()));
    }
    m_filling = false;
    chgEdBoxState(m_editing);
}

void TfExamSet::chgEdBoxState(bool on)
{
    grid->setEditTriggers(on ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
}

void TfExamSet::chgButtonState(bool editing)
{
    m_editing = editing;
    Btn_Edit->setEnabled(!editing && m_items.set().count() > 0);
    Btn_Search->setEnabled(!editing);
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
}

void TfExamSet::Btn_SearchClick()
{
    m_items.open();
    m_editing = false;
    fill();
    chgButtonState(false);
}

void TfExamSet::Btn_EditClick()
{
    chgButtonState(true);
    chgEdBoxState(true);
    if (grid->rowCount() > 0) {
        grid->setCurrentCell(std::max(grid->currentRow(), 0), 1);
        grid->setFocus();
    }
}

void TfExamSet::Btn_OkClick()
{
    if (grid->currentColumn() == 1)
        grid->setCurrentCell(grid->currentRow(), 0); // commits the cell being typed
    try {
        m_items.save();
        StatusLine::show(QStringLiteral("심사 항목 저장"));
    } catch (const db::Error& e) {
        ExamScreenParts::saveError(this, e);
        return;
    }
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfExamSet::Btn_CancelClick()
{
    m_items.cancel();
    m_editing = false;
    fill();
    chgButtonState(false);
}
