#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// What the menu, the toolbar and the launch screens can open. The tables themselves are in Screens.cpp
// (read the comment at its top to add a screen); ScreenHost applies them.
namespace screens {

// Window kind of a screen class.
enum class Kind {
    Child,      // inside the main window's work area
    StayOnTop,  // small window that stays above the main window
    Separate    // ordinary window of its own
};

// When an entry chooses a page of a screen with pages (see ui/ScreenPages.h).
enum class Select {
    None,     // never: a new screen shows its first page, an open one keeps its page
    Always,   // every time
    NewOnly   // only when the screen had to be created
};

// Whether the screen's page-change handling runs after the page was chosen.
enum class Change {
    Never,
    Always,
    WhenNew,      // only when the screen was created by this request
    WhenExisting  // only when the screen was already open
};

// One menu item or launch-screen button.
struct Entry {
    // Menu items: the captions from the top menu down, {"개인관리", "신규등록", "입관원서"}.
    // Launch-screen buttons: the launch screen's class first, {"TfSM_input", "입관원서작성"}.
    QStringList place;
    // The screen class to open, or an action name starting with "@" ("@close", "@backup" ...).
    QString target;
    int page = -1;
    Select select = Select::None;
    Change change = Change::Never;
    bool busy = false;       // busy cursor until the screen is shown
    QString guard;           // a guard of guards(): answering false opens nothing
    std::function<void(QWidget* screen)> after = {}; // extra set-up once the screen is in front
};

// How to create one screen class.
struct Factory {
    QString className;
    Kind kind = Kind::Child;
    bool maximised = false;
    std::function<QWidget*()> create;
};

using Guard = std::function<bool(QWidget* mainWindow)>;
using Action = std::function<void(QWidget* mainWindow)>;

struct NamedGuard {
    QString name;
    Guard run;
};
struct NamedAction {
    QString name;
    Action run;
};

const QList<Entry>& entries();
const QList<Factory>& factories();
const QList<NamedGuard>& guards();
const QList<NamedAction>& actions();

// The top menus in menu-bar order.
const QStringList& topMenus();

// Sets the text of the button `objectName` of the opened screen (the withdrawal screen's action button).
std::function<void(QWidget*)> buttonCaption(const QString& objectName, const QString& caption);

} // namespace screens
