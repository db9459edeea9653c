#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include "app/Screens.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

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
    ScreenHost(QWidget* mainWindow, QMdiArea* area, QList<screens::Factory> factories = screens::factories(),
               QList<screens::NamedGuard> guards = screens::guards(), QList<screens::NamedAction> actions = screens::actions());
    ~ScreenHost() override;

    static ScreenHost* current();

    // Runs one menu item or launch-screen button. Returns the screen shown, or nullptr when nothing
    // was opened (guard said no, action, or no screen for it).
    QWidget* run(const screens::Entry& entry);
    // Opens a screen without choosing a page.
    QWidget* open(const QString& className);

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
