#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <QList>
#include <QStringList>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// What a menu item or button can open and how; the program's own tables live in app/Screens.cpp.
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

// The tables a host takes when it is not given its own (the program registers them at load).
struct Tables {
    QList<Entry> entries;
    QList<Factory> factories;
    QList<NamedGuard> guards;
    QList<NamedAction> actions;
};
using TableSource = const Tables& (*)();

} // namespace screens

// Opens screens by class name with the single-instance rule: a screen is created on first request and
// afterwards only restored and brought to the front; a closed screen is destroyed, so the next request
// creates it anew. Entries choose a page as their table row says (see Screens.cpp). A screen with a
// Q_INVOKABLE FormActivate() gets it each time it is opened or brought to the front.
//
//   ScreenHost::current()->open("TfPer0020");                  // open or bring to the front
//   ScreenHost::current()->screen("TfPer0020");                // the open instance, or nullptr
class ScreenHost : public QObject {
    Q_OBJECT
public:
    // mainWindow owns the top-level screens; area holds the child screens. Uses the program's tables
    // unless others are given (tests).
    ScreenHost(QWidget* mainWindow, QMdiArea* area, QList<screens::Factory> factories = programTables().factories,
               QList<screens::NamedGuard> guards = programTables().guards, QList<screens::NamedAction> actions = programTables().actions);
    ~ScreenHost() override;

    static ScreenHost* current();

    // The program's screen tables: the layer above registers them, so screens of every area can open each
    // other through the host without knowing the program's table.
    static void setProgramTables(screens::TableSource source);
    static const screens::Tables& programTables();
    // The program's menu item or launch button at a place ({"개인관리", "신상명세서"}), or null.
    static const screens::Entry* programEntry(const QStringList& place);

    // Runs one menu item or launch-screen button. Returns the screen shown, or nullptr when nothing
    // was opened (guard said no, action, or no screen for it).
    QWidget* run(const screens::Entry& entry);
    // Opens a screen without choosing a page.
    QWidget* open(const QString& className);
    // The personal screen on one member, as every list opens it on a double click. Null without a host.
    static QWidget* showMember(const QString& memberNo);

    // Whether the entry can do anything: its screen, guard or action exists.
    bool available(const screens::Entry& entry) const;
    bool hasFactory(const QString& className) const;

    QWidget* screen(const QString& className) const;
    // Data a screen shows changed elsewhere: an open screen with a Q_INVOKABLE Refresh() reads again.
    void refresh(const QStringList& classNames) const;
    // The size a screen asked for when it was created (its own resize(), else its size hint).
    static QSize designedSize(const QWidget* screen);
    QStringList openScreens() const;
    // Asks every open screen to close, as its own close button would; false when one keeps itself open
    // (unsaved work the user chose to keep).
    bool askToCloseAll();
    void closeAll(); // destroys every open screen at once (shut-down)

signals:
    void screenOpened(const QString& className, QWidget* screen);

private:
    const screens::Factory* factory(const QString& className) const;
    QWidget* create(const screens::Factory& f);
    void bringToFront(const screens::Factory& f, QWidget* w);
    void fitInArea(QMdiSubWindow* sub, const QSize& designed);

    QWidget* m_main;
    QMdiArea* m_area;
    QList<screens::Factory> m_factories;
    QList<screens::NamedGuard> m_guards;
    QList<screens::NamedAction> m_actions;
    QHash<QString, QPointer<QWidget>> m_open;
};
