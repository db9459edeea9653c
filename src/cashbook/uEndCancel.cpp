#include "cashbook/uEndCancel.h"

#include "cashbook/CashMonth.h"
#include "cashbook/MonthClosing.h"
#include "db/Clock.h"
#include "db/DbError.h"
#include "ui/Dialogs.h"

#include <QDateEdit>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

TfEndCancel::TfEndCancel(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("월 마감취소"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* heading = new QLabel(QStringLiteral("월  마  감  취 소"));
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
    row->addWidget(new QLabel(QStringLiteral("마감취소 월")));
    row->addWidget(dtpk_Month, 1);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    bar->addWidget(Btn_Ok);
    bar->addWidget(Btn_Close);
    auto* root = new QVBoxLayout(this);
    root->addWidget(heading);
    root->addLayout(row);
    root->addLayout(bar);
    connect(Btn_Ok, &QPushButton::clicked, this, &TfEndCancel::Btn_OkClick);
    connect(Btn_Close, &QPushButton::clicked, this, &QWidget::close);
    const QDate today = Clock::today();
    setMonth(cash::shiftMonth(QDate(today.year(), today.month(), 1), -1));
}

void TfEndCancel::setMonth(const QDate& firstDay) { dtpk_Month->setDate(QDate(firstDay.year(), firstDay.month(), 1)); }

void TfEndCancel::Btn_OkClick()
{
    const QString m = cash::monthKey(dtpk_Month->date());
    const QString caption = windowTitle();
    if (!Dialogs::okCancel(caption, cash::dashed(m) + QStringLiteral(" 마감취소 하시겠습니까?"), this))
        return;
    const QString refusal = MonthClosing::checkCancel(m);
    if (!refusal.isEmpty()) {
        Dialogs::error(caption, refusal, this);
        return;
    }
    try {
        MonthClosing::cancel(m);
    } catch (const db::Error&) {
        Dialogs::error(QStringLiteral("확인"), QStringLiteral("마감취소 작업 오류입니다."), this);
        return;
    }
    Dialogs::info(QStringLiteral("확인"), QStringLiteral("마감취소 작업이 완료되었습니다."), this);
}
