#include "exams/uTrSet.h"

#include "db/DbError.h"
#include "exams/ExamScreenParts.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfTrSet::TfTrSet(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TfTrSet"));
    setWindowTitle(QStringLiteral("급별 수련 내용"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(560, 330);

    auto* top = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto button = [&](const char* caption) { return ExamScreenParts::addButton(this, bar, caption); };
    Btn_Edit = button("수     정");
    Btn_Search = button("조     회");
    Btn_Ok = button("확     인");
    Btn_Cancel = button("취     소");
    bar->addStretch();
    top->addLayout(bar);

    auto* body = new QHBoxLayout;
    lst_Rank = new QListWidget(this);
    lst_Rank->setFixedWidth(110);
    body->addWidget(lst_Rank);
    auto* form = new QFormLayout;
    static const char* const captions[7] = {"기본 예절", "기본 동작", "품       새", "발  차  기", "정신 교육", "비     고 1", "비     고 2"};
    for (int k = 0; k < 7; ++k) {
        edt[k] = new QLineEdit(this);
        edt[k]->setMaxLength(255);
        form->addRow(QString::fromUtf8(captions[k]), edt[k]);
        connect(edt[k], &QLineEdit::textEdited, this, [this, k](const QString& t) {
            if (!m_filling && lst_Rank->currentRow() >= 0)
                m_content.setText(lst_Rank->currentRow(), k, t);
        });
    }
    body->addLayout(form, 1);
    top->addLayout(body, 1);

    connect(Btn_Edit, &QPushButton::clicked, this, [this] { Btn_EditClick(); });
    connect(Btn_Search, &QPushButton::clicked, this, [this] { Btn_SearchClick(); });
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { Btn_OkClick(); });
    connect(Btn_Cancel, &QPushButton::clicked, this, [this] { Btn_CancelClick(); });
    connect(lst_Rank, &QListWidget::currentRowChanged, this, [this] { showRank(); });
    Btn_SearchClick();
}

void TfTrSet::selectRank(int row) { lst_Rank->setCurrentRow(row); }

void TfTrSet::showRank()
{
    m_filling = true;
    const int row = lst_Rank->currentRow();
    for (int k = 0; k < 7; ++k)
        edt[k]->setText(row >= 0 ? m_content.text(row, k) : QString());
    m_filling = false;
}

void TfTrSet::chgEdBoxState(bool on)
{
    for (QLineEdit* e : edt)
        e->setEnabled(on);
}

void TfTrSet::chgButtonState(bool editing)
{
    m_editing = editing;
    Btn_Edit->setEnabled(!editing && m_content.count() > 0);
    Btn_Search->setEnabled(!editing);
    Btn_Ok->setEnabled(editing);
    Btn_Cancel->setEnabled(editing);
}

void TfTrSet::Btn_SearchClick()
{
    const int keep = std::max(lst_Rank->currentRow(), 0);
    m_content.open();
    m_filling = true;
    lst_Rank->clear();
    for (int i = 0; i < m_content.count(); ++i)
        lst_Rank->addItem(m_content.rankName(i));
    m_filling = false;
    lst_Rank->setCurrentRow(std::min(keep, m_content.count() - 1));
    showRank();
    chgEdBoxState(false);
    chgButtonState(false);
}

void TfTrSet::Btn_EditClick()
{
    chgButtonState(true);
    chgEdBoxState(true);
    edt[0]->setFocus();
}

void TfTrSet::Btn_OkClick()
{
    try {
        m_content.save();
    } catch (const db::Error& e) {
        ExamScreenParts::saveError(this, e);
        return;
    }
    chgEdBoxState(false);
    chgButtonState(false);
    StatusLine::show(QStringLiteral("급별 수련 내용 저장"));
}

void TfTrSet::Btn_CancelClick()
{
    m_content.cancel();
    showRank();
    chgEdBoxState(false);
    chgButtonState(false);
}
