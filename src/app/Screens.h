#pragma once
#include "ui/ScreenHost.h"

// What the menu, the toolbar and the launch screens can open. The tables themselves are in Screens.cpp
// (read the comment at its top to add a screen); ScreenHost (ui/) applies them.
namespace screens {

const QList<Entry>& entries();
const QList<Factory>& factories();
const QList<NamedGuard>& guards();
const QList<NamedAction>& actions();

// The top menus in menu-bar order.
const QStringList& topMenus();

// Sets the text of the button `objectName` of the opened screen (the withdrawal screen's action button).
std::function<void(QWidget*)> buttonCaption(const QString& objectName, const QString& caption);

} // namespace screens
