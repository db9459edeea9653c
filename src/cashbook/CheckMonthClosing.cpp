#include "cashbook/CheckMonthClosing.h"

#include "cashbook/CashMonth.h"
#include "cashbook/MonthClosing.h"
#include "cashbook/uEndCancel.h"
#include "cashbook/uEndYesNo.h"
#include "cashbook/uMoneyMaster.h"
#include "ui/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace {

template <class T>
T* single(QPointer<T>& slot, QWidget* owner)
{
    if (!slot)
        slot = new T(owner);
    slot->showNormal();
    slot->raise();
    slot->activateWindow();
    return slot;
}

QPointer<TfMoneyMaster> g_master;
QPointer<TfEndYesNo> g_close;
QPointer<TfEndCancel> g_cancel;

} // namespace

void showMoneyMaster(QWidget* mainWindow) { single(g_master, mainWindow); }

void showEndYesNo(QWidget* mainWindow, const QDate& month)
{
    TfEndYesNo* w = single(g_close, mainWindow);
    if (month.isValid())
        w->setMonth(month);
}

void showEndCancel(QWidget* mainWindow) { single(g_cancel, mainWindow); }

bool CheckMonthClosing(QWidget* mainWindow)
{
    const QString caption = mainWindow ? mainWindow->windowTitle() : QString();
    const MonthClosing::GuardResult g = MonthClosing::guard();
    switch (g.state) {
    case MonthClosing::Guard::Open:
        return true;
    case MonthClosing::Guard::NeedOpening:
        Dialogs::error(caption, QStringLiteral("금전출납 초기값설정을 먼저하세요"), mainWindow);
        if (CashGuardScreens::openMoneyMaster)
            CashGuardScreens::openMoneyMaster();
        else
            showMoneyMaster(mainWindow);
        return false;
    case MonthClosing::Guard::NeedClosing:
        Dialogs::error(caption, cash::dashed(g.month) + QStringLiteral(" 마감작업을 먼저하세요."), mainWindow);
        if (CashGuardScreens::openEndYesNo)
            CashGuardScreens::openEndYesNo(cash::firstDay(g.month));
        else
            showEndYesNo(mainWindow, cash::firstDay(g.month));
        return false;
    }
    return false;
}
