#include "cashbook/uMoneyMaster.h"

#include "cashbook/MonthClosing.h"
#include "db/MonthKey.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfMoneyMaster::TfMoneyMaster(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("금전출납초기값 설정"));
    setAttribute(Qt::WA_DeleteOnClose);
    edt_Month = new QLineEdit;
    edt_Month->setMaxLength(6);
    edt_Month->setPlaceholderText(QStringLiteral("(YYYYMM)"));
    edt_Income = new QLineEdit;
    edt_Expense = new QLineEdit;
    edt_Income->setAlignment(Qt::AlignRight);
    edt_Expense->setAlignment(Qt::AlignRight);
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("시작 년월:")), 0, 0);
    g->addWidget(edt_Month, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("(YYYYMM)")), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("입금 누계:")), 1, 0);
    g->addWidget(edt_Income, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("출금 누계:")), 2, 0);
    g->addWidget(edt_Expense, 2, 1);
    auto* note = new QLabel(QStringLiteral("1회 이상 마감된 경우에는 수정 불가능 합니다."));

    Btn_Edit = new QPushButton(QStringLiteral("수     정"));
    Btn_Delete = new QPushButton(QStringLiteral("삭     제"));
    Btn_Query = new QPushButton(QStringLiteral("조     회"));
    Btn_Ok = new QPushButton(QStringLiteral("확     인"));
    Btn_Cancel = new QPushButton(QStringLiteral("취     소"));
    Btn_Close = new QPushButton(QStringLiteral("종     료"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {Btn_Edit, Btn_Delete, Btn_Query, Btn_Ok, Btn_Cancel, Btn_Close}) {
        b->setAutoDefault(false);
        bar->addWidget(b);
    }
    auto* root = new QVBoxLayout(this);
    root->addLayout(g);
    root->addWidget(note);
    root->addLayout(bar);

    connect(Btn_Edit, &QPushButton::clicked, this, &TfMoneyMaster::Btn_EditClick);
    connect(Btn_Delete, &QPushButton::clicked, this, &TfMoneyMaster::Btn_DeleteClick);
    connect(Btn_Query, &QPushButton::clicked, this, &TfMoneyMaster::Btn_QueryClick);
    connect(Btn_Ok, &QPushButton::clicked, this, &TfMoneyMaster::Btn_OkClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &TfMoneyMaster::Btn_CancelClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    load();
}

void TfMoneyMaster::load()
{
    const auto o = MonthClosing::opening();
    edt_Month->setText(o ? o->month : QString());
    edt_Income->setText(o ? QString::number(o->income) : QString());
    edt_Expense->setText(o ? QString::number(o->expense) : QString());
    m_editable = MonthClosing::openingEditable();
    rest();
}

void TfMoneyMaster::rest()
{
    for (QWidget* w : std::initializer_list<QWidget*>{edt_Month, edt_Income, edt_Expense, Btn_Ok, Btn_Cancel})
        w->setEnabled(false);
    Btn_Edit->setEnabled(m_editable);
    Btn_Delete->setEnabled(m_editable && MonthClosing::opening().has_value());
    Btn_Query->setEnabled(m_editable);
}

void TfMoneyMaster::Btn_EditClick()
{
    if (!m_editable)
        return;
    for (QWidget* w : std::initializer_list<QWidget*>{edt_Month, edt_Income, edt_Expense, Btn_Ok, Btn_Cancel})
        w->setEnabled(true);
    Btn_Edit->setEnabled(false);
    Btn_Delete->setEnabled(false);
    Btn_Query->setEnabled(false);
    edt_Month->setFocus();
}

void TfMoneyMaster::Btn_QueryClick() { load(); }

void TfMoneyMaster::Btn_OkClick()
{
    if (!Btn_Ok->isEnabled())
        return;
    MonthClosing::Field field = MonthClosing::Field::None;
    const QString message = MonthClosing::checkOpening(edt_Month->text(), edt_Income->text(), edt_Expense->text(), &field);
    if (!message.isEmpty()) {
        Dialogs::error(QStringLiteral("확인"), message, this);
        QLineEdit* box = field == MonthClosing::Field::Income ? edt_Income
                       : field == MonthClosing::Field::Expense ? edt_Expense : edt_Month;
        box->setFocus();
        return;
    }
    const QString month = edt_Month->text().trimmed();
    try {
        MonthClosing::saveOpening(month, QString(edt_Income->text()).remove(u',').trimmed().toLongLong(),
                                  QString(edt_Expense->text()).remove(u',').trimmed().toLongLong());
    } catch (const ClosingRefused& e) { // a month was closed meanwhile in another window
        Dialogs::error(QStringLiteral("확인"), e.message(), this);
        load();
        return;
    }
    load();
    StatusLine::show(QStringLiteral("금전출납 초기값 저장: %1").arg(monthkey::dashed(month)));
}

void TfMoneyMaster::Btn_DeleteClick()
{
    if (!Btn_Delete->isEnabled()
        || !Dialogs::okCancel(QStringLiteral("삭제확인"),
                              QStringLiteral("금전출납 초기값을 삭제하시겠습니까?\n\n금전출납을 시작하려면 초기값을 다시 설정해야 합니다."), this))
        return;
    try {
        MonthClosing::removeOpening();
    } catch (const ClosingRefused& e) {
        Dialogs::error(QStringLiteral("확인"), e.message(), this);
        load();
        return;
    }
    load();
    StatusLine::show(QStringLiteral("금전출납 초기값 삭제"));
}

void TfMoneyMaster::Btn_CancelClick() { load(); }
