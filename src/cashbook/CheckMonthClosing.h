#pragma once
#include <QDate>

class QWidget;

// The guard every cash-book menu entry runs first: true when the cash book may open. Otherwise it
// explains why and opens the opening-balance window or the closing dialog at the month to close.
bool CheckMonthClosing(QWidget* mainWindow);

// Opens the opening-balance window or the closing dialog (at a month) through the main window's
// single-instance rule; without a main window (tests, tools) each is kept once on its own.
void showMoneyMaster(QWidget* mainWindow);
void showEndYesNo(QWidget* mainWindow, const QDate& month);
