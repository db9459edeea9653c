#pragma once
#include <QDate>
#include <functional>

class QWidget;

// The guard every cash-book menu entry runs first: true when the cash book may open. Otherwise it
// explains why and opens the opening-balance window or the closing dialog at the month to close.
bool CheckMonthClosing(QWidget* mainWindow);

// How the guard opens its windows. The main window may route them through its own single-instance
// table; by default each is kept once and brought to the front.
struct CashGuardScreens {
    static inline std::function<void()> openMoneyMaster;
    static inline std::function<void(const QDate& month)> openEndYesNo;
};

// The default openers, also usable by the menu.
void showMoneyMaster(QWidget* mainWindow);
void showEndYesNo(QWidget* mainWindow, const QDate& month);
void showEndCancel(QWidget* mainWindow);
