#include "exams/uSimsaSinchungCode.h"

#include "db/DbError.h"
#include "exams/ExamScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TfSimsaSinchungCode::TfSimsaSinchungCode(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfSimsaSinchungCode"));
    setWindowTitle(QStringLiteral("급별심사 내용"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(860, 520);

    auto* top = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    Btn_Edit = ExamScreenParts::addButton(this, bar, "수     정");
    Btn_Query = ExamScreenParts::addButton(this, bar, "조     회");
    Btn_Confirm = ExamScreenParts::addButton(this, bar, "확     인");
    Btn_Cancel = ExamScreenParts::addButton(this, bar, "취     소");
    Btn_Exit = ExamScreenParts::addButton(this, bar, "종     료");
    bar->addStretch();
    top->addLayout(bar);

    auto* areas = new QGridLayout;
    for (int k = 0; k < 4; ++k) {
        edt_EstList[k] = new QLineEdit(this);
        edt_EstList[k]->setObjectName(QStringLiteral("edt_EstList%1").arg(k + 1));
        edt_EstList[k]->setMaxLength(ExamPaperwork::kAreaChars);
        areas->addWidget(new QLabel(QStringLiteral("평가 항목:"), this), k / 2, (k % 2) * 2);
        areas->addWidget(edt_EstList[k], k / 2, (k % 2) * 2 + 1);
    }
    top->addLayout(areas);

    QStringList heads{QStringLiteral("급품명")};
    for (const QString& item : ExamPaperwork::itemNames())
        heads << item;
    m_model = new ListModel(heads, this);
    m_model->setEditing([this](int, int c) { return m_editing && c >= 1; },
                        [this](int r, int c, const QString& text) { m_rows[r].contents[c - 1] = text; });
    grid = new QTableView(this);
    ListModel::setUpView(grid, m_model, {70, 120, 120, 120, 120, 120, 120});
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    top->addWidget(grid, 1);

    connect(Btn_Edit, &QPushButton::clicked, this, [this] { Btn_EditClick(); });
    connect(Btn_Query, &QPushButton::clicked, this, [this] { Btn_QueryClick(); });
    connect(Btn_Confirm, &QPushButton::clicked, this, [this] { Btn_ConfirmClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { Btn_CancelClick(); });
    connect(Btn_Exit, &QPushButton::clicked, this, &QWidget::close);

    load();
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfSimsaSinchungCode::load()
{
    m_rows = ExamPaperwork::loadContent();
    const QStringList areas = ExamPaperwork::loadAreas();
    for (int k = 0; k < 4; ++k)
        edt_EstList[k]->setText(areas.value(k));
    m_model->show(int(m_rows.size()), [this](int r, int c) { return c == 0 ? m_rows[r].rankName : m_rows[r].contents.value(c - 1); });
}

void TfSimsaSinchungCode::chgEdBoxState(bool on)
{
    m_editing = on;
    for (QLineEdit* e : edt_EstList)
        e->setEnabled(on);
    m_model->refresh();
}

void TfSimsaSinchungCode::chgButtonState(bool editing)
{
    Btn_Edit->setEnabled(!editing);
    Btn_Query->setEnabled(!editing);
    Btn_Confirm->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
}

void TfSimsaSinchungCode::Btn_EditClick()
{
    chgEdBoxState(true);
    chgButtonState(true);
}

void TfSimsaSinchungCode::Btn_QueryClick() { load(); }

void TfSimsaSinchungCode::Btn_ConfirmClick()
{
    grid->setCurrentIndex(QModelIndex()); // closes an open editor so its text is kept
    QStringList areas;
    for (QLineEdit* e : edt_EstList)
        areas << e->text();
    try {
        ExamPaperwork::saveContent(m_rows, areas);
    } catch (const db::Error& e) {
        ExamScreenParts::saveError(this, e);
        return;
    }
    chgEdBoxState(false);
    chgButtonState(false);
    grid->setCurrentIndex(m_model->index(0, 0));
    StatusLine::show(QStringLiteral("급별심사 내용 %1건 저장").arg(m_rows.size()));
}

void TfSimsaSinchungCode::Btn_CancelClick()
{
    load();
    chgEdBoxState(false);
    chgButtonState(false);
}
