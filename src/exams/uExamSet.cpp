#include "exams/uExamSet.h"
#include "ui/ListModel.h"

#include "db/DbError.h"
#include "exams/ExamScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfExamSet::TfExamSet(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfExamSet"));
    setWindowTitle(QStringLiteral("심사 항목 설정"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(330, 260);

    auto* top = new QVBoxLayout(this);
    model = new ListModel(m_items.set(), {{QStringLiteral("심사 코드"), QStringLiteral("심사항목코드")},
                                          {QStringLiteral("심사 항목명"), QStringLiteral("심사항목명")}},
                          this);
    model->setEditable([this](int, int c) { return m_editing && c == 1; });
    model->setOnEdit([this](int r, int, const QVariant& v) { m_items.setName(r, v.toString()); });
    grid = new QTableView(this);
    ListModel::attach(grid, model);
    grid->setColumnWidth(0, 80);
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

    Btn_SearchClick();
}

void TfExamSet::fill()
{
    model->refresh();
    chgEdBoxState(m_editing);
}

void TfExamSet::chgEdBoxState(bool on)
{
    grid->setEditTriggers(on ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    model->setEditing(on); // the cells' flags follow
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
    if (model->rowCount() > 0) {
        grid->setCurrentIndex(model->index(std::max(grid->currentIndex().row(), 0), 1));
        grid->setFocus();
    }
}

void TfExamSet::Btn_OkClick()
{
    finishEditing(grid); // the cell being typed is taken first
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
