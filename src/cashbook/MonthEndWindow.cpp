#include "cashbook/MonthEndWindow.h"

#include "db/MonthKey.h"
#include "db/Clock.h"
#include "db/DbError.h"
#include "ui/Dialogs.h"
#include "ui/StatusLine.h"

#include <QDateEdit>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

MonthEndWindow::MonthEndWindow(const Texts& texts, QString (*check)(const QString&), void (*run)(const QString&),
                               QWidget* parent)
    : QWidget(parent, Qt::Window), m_texts(texts), m_check(check), m_run(run)
{
    setWindowTitle(texts.title);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* heading = new QLabel(texts.heading);
    QFont f = heading->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    heading->setFont(f);
    heading->setAlignment(Qt::AlignCenter);
    dtpk_Month = new QDateEdit;
    dtpk_Month->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    dtpk_Month->setDisplayFormat(QStringLiteral("yyyy-MM"));
    dtpk_Month->setCalendarPopup(true);
    Btn_Ok = new QPushButton(QStringLiteral("확     인"));
    Btn_Close = new QPushButton(QStringLiteral("종     료"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(texts.monthLabel));
    row->addWidget(dtpk_Month, 1);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    bar->addWidget(Btn_Ok);
    bar->addWidget(Btn_Close);
    auto* root = new QVBoxLayout(this);
    root->addWidget(heading);
    root->addLayout(row);
    root->addLayout(bar);
    connect(Btn_Ok, &QPushButton::clicked, this, &MonthEndWindow::Btn_OkClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    const QDate today = Clock::today();
    setMonth(monthkey::shiftMonth(QDate(today.year(), today.month(), 1), -1));
}

void MonthEndWindow::setMonth(const QDate& firstDay) { dtpk_Month->setDate(QDate(firstDay.year(), firstDay.month(), 1)); }

void MonthEndWindow::Btn_OkClick()
{
    const QString m = monthkey::monthKey(dtpk_Month->date());
    const QString caption = windowTitle();
    if (!Dialogs::okCancel(caption, monthkey::dashed(m) + u' ' + m_texts.work + QStringLiteral(" 하시겠습니까?"), this))
        return;
    const QString refusal = m_check(m);
    if (!refusal.isEmpty()) {
        Dialogs::error(caption, refusal, this);
        return;
    }
    try {
        m_run(m);
    } catch (const db::Error&) {
        Dialogs::error(m_texts.resultCaption, m_texts.failure, this);
        return;
    }
    StatusLine::show(monthkey::dashed(m) + u' ' + m_texts.done);
    Dialogs::info(m_texts.resultCaption, m_texts.done, this);
}
