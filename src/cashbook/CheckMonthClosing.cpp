#include "cashbook/CheckMonthClosing.h"

#include "ui/ScreenHost.h"
#include "db/MonthKey.h"
#include "cashbook/MonthClosing.h"
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

} // namespace

void showMoneyMaster(QWidget* mainWindow)
{
    if (ScreenHost* host = ScreenHost::current(); host && host->hasFactory(QStringLiteral("TfMoneyMaster")))
        host->open(QStringLiteral("TfMoneyMaster"));
    else
        single(g_master, mainWindow);
}

void showEndYesNo(QWidget* mainWindow, const QDate& month)
{
    TfEndYesNo* w = nullptr;
    if (ScreenHost* host = ScreenHost::current(); host && host->hasFactory(QStringLiteral("TfEndYesNo")))
        w = qobject_cast<TfEndYesNo*>(host->open(QStringLiteral("TfEndYesNo")));
    else
        w = single(g_close, mainWindow);
    if (w && month.isValid())
        w->setMonth(month);
}

bool CheckMonthClosing(QWidget* mainWindow)
{
    const QString caption = mainWindow ? mainWindow->windowTitle() : QString();
    const MonthClosing::GuardResult g = MonthClosing::guard();
    if (Dialogs::show(g.answer(caption), mainWindow))
        return true;
    if (g.state == MonthClosing::Guard::NeedOpening)
        showMoneyMaster(mainWindow);
    else
        showEndYesNo(mainWindow, monthkey::firstDay(g.month));
    return false;
}
