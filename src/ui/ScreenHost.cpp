#include "ui/ScreenHost.h"

#include "db/Session.h"
#include "ui/ScreenPages.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QWidget>

using namespace screens;

namespace {
ScreenHost* g_current = nullptr;
screens::TableSource g_tables = nullptr;
const char* const kDesignedSize = "tamrinDesignedSize";
const char* const kFillsWidth = "tamrinFillsWidth";
const char* const kFillsHeight = "tamrinFillsHeight";

// The cursor goes back to normal however the request ends.
class BusyCursor {
public:
    explicit BusyCursor(bool on) : m_on(on)
    {
        if (m_on)
            QApplication::setOverrideCursor(Qt::BusyCursor);
    }
    ~BusyCursor()
    {
        if (m_on)
            QApplication::restoreOverrideCursor();
    }

private:
    bool m_on;
};
}

void ScreenHost::setProgramTables(screens::TableSource source) { g_tables = source; }

const screens::Tables& ScreenHost::programTables()
{
    static const screens::Tables none;
    return g_tables ? g_tables() : none;
}

const screens::Entry* ScreenHost::programEntry(const QStringList& place)
{
    for (const Entry& e : programTables().entries)
        if (e.place == place)
            return &e;
    return nullptr;
}

namespace {

// Screens that fill the area in a direction keep filling it: their grids get the room of a larger or
// maximised main window. Screens smaller than the area keep their size; a smaller area bounds all.
void followArea(QMdiArea* area)
{
    const QSize room = area->viewport()->size();
    if (room.isEmpty())
        return;
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (sub->isMaximized() || sub->isMinimized())
            continue;
        QRect g = sub->geometry();
        if (sub->property(kFillsWidth).toBool()) {
            g.setLeft(0);
            g.setWidth(room.width());
        }
        if (sub->property(kFillsHeight).toBool()) {
            g.setTop(0);
            g.setHeight(room.height());
        }
        g.setSize(g.size().boundedTo(room).expandedTo(sub->minimumSizeHint().boundedTo(room)));
        if (g.right() >= room.width())
            g.moveLeft(std::max(0, room.width() - g.width()));
        if (g.bottom() >= room.height())
            g.moveTop(std::max(0, room.height() - g.height()));
        if (g != sub->geometry())
            sub->setGeometry(g);
        // Once it reaches an edge of the area, a screen follows it from then on.
        if (g.width() >= room.width())
            sub->setProperty(kFillsWidth, true);
        if (g.height() >= room.height())
            sub->setProperty(kFillsHeight, true);
    }
}

// Watches the work area's size for followArea.
class AreaFollower : public QObject {
public:
    explicit AreaFollower(QMdiArea* area) : QObject(area), m_area(area) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == m_area->viewport() && e->type() == QEvent::Resize)
            followArea(m_area);
        return QObject::eventFilter(watched, e);
    }

private:
    QMdiArea* m_area;
};

} // namespace

QSize ScreenHost::designedSize(const QWidget* screen) { return screen->property(kDesignedSize).toSize(); }

void ScreenHost::fitInArea(QMdiSubWindow* sub, const QSize& designed)
{
    // A screen's size is its outer size, frame included, as the screens were designed; never less than
    // its layout needs, never more than the work area. It moves to the top left when it would not fit
    // where the area put it.
    QSize want = designed.expandedTo(sub->minimumSizeHint());
    const QSize room = m_area->viewport()->size();
    // A screen made for the whole work area (nine tenths of it or more, or more than it) follows the
    // area when the main window grows or shrinks (followArea).
    sub->setProperty(kFillsWidth, !room.isEmpty() && want.width() * 10 >= room.width() * 9);
    sub->setProperty(kFillsHeight, !room.isEmpty() && want.height() * 10 >= room.height() * 9);
    if (!room.isEmpty())
        want = want.boundedTo(room);
    sub->resize(want);
    QPoint at = sub->pos();
    if (!room.isEmpty() && (at.x() + want.width() > room.width() || at.y() + want.height() > room.height()))
        at = QPoint(0, 0);
    sub->move(at);
}

ScreenHost::ScreenHost(QWidget* mainWindow, QMdiArea* area, QList<Factory> factories, QList<NamedGuard> guards,
                       QList<NamedAction> actions)
    : QObject(mainWindow), m_main(mainWindow), m_area(area), m_factories(std::move(factories)), m_guards(std::move(guards)),
      m_actions(std::move(actions))
{
    g_current = this;
    m_area->viewport()->installEventFilter(new AreaFollower(m_area));
}


ScreenHost::~ScreenHost()
{
    if (g_current == this)
        g_current = nullptr;
}

ScreenHost* ScreenHost::current() { return g_current; }

const Factory* ScreenHost::factory(const QString& className) const
{
    for (const Factory& f : m_factories)
        if (f.className == className)
            return &f;
    return nullptr;
}

bool ScreenHost::hasFactory(const QString& className) const { return factory(className) != nullptr; }

bool ScreenHost::available(const Entry& entry) const
{
    if (!entry.guard.isEmpty()) {
        bool found = false;
        for (const NamedGuard& g : m_guards)
            found = found || g.name == entry.guard;
        if (!found)
            return false;
    }
    if (entry.target.startsWith(u'@')) {
        for (const NamedAction& a : m_actions)
            if (a.name == entry.target)
                return true;
        return false;
    }
    return hasFactory(entry.target);
}

QWidget* ScreenHost::screen(const QString& className) const
{
    const QPointer<QWidget> p = m_open.value(className);
    return p.data();
}

void ScreenHost::refresh(const QStringList& classNames) const
{
    for (const QString& name : classNames)
        if (QWidget* w = screen(name); w && w->metaObject()->indexOfMethod("Refresh()") >= 0)
            QMetaObject::invokeMethod(w, "Refresh");
}

QStringList ScreenHost::openScreens() const
{
    QStringList out;
    for (auto it = m_open.cbegin(); it != m_open.cend(); ++it)
        if (it.value())
            out.append(it.key());
    out.sort();
    return out;
}

QWidget* ScreenHost::create(const Factory& f)
{
    // No half-built window flickers on the caller while the screen sets itself up. Drawing comes back
    // however the set-up ends: a screen that fails to start must not leave the main window frozen.
    struct Redraw {
        QWidget* main;
        bool on;
        ~Redraw() { main->setUpdatesEnabled(on); }
    } redraw{m_main, m_main->updatesEnabled()};
    m_main->setUpdatesEnabled(false);
    QWidget* w = f.create();
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setObjectName(f.className);
    // The size the screen asked for; the smoke test holds every screen to it.
    const QSize designed = w->testAttribute(Qt::WA_Resized) ? w->size() : w->sizeHint();
    w->setProperty(kDesignedSize, designed);
    switch (f.kind) {
    case Kind::Child: {
        // Launch screens and the closing picture have no title bar of their own.
        const Qt::WindowFlags flags = w->property("tamrinFrameless").toBool() ? Qt::FramelessWindowHint : Qt::WindowFlags();
        QMdiSubWindow* sub = m_area->addSubWindow(w, flags);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        fitInArea(sub, designed);
        // The screen's own close() ends the whole child window, not only its content.
        connect(w, &QObject::destroyed, this, [frame = QPointer<QMdiSubWindow>(sub)] {
            if (frame)
                frame->close();
        }, Qt::QueuedConnection);
        break;
    }
    case Kind::StayOnTop:
        w->setParent(m_main, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                 | Qt::WindowSystemMenuHint);
        break;
    case Kind::Separate:
        w->setParent(m_main, Qt::Window);
        break;
    }
    m_open.insert(f.className, w);
    return w;
}

void ScreenHost::bringToFront(const Factory& f, QWidget* w)
{
    QWidget* frame = w;
    if (f.kind == Kind::Child && w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            frame = sub;
    if (f.maximised)
        frame->showMaximized();
    else if (frame->isMinimized() || frame->isMaximized() || !frame->isVisible())
        frame->showNormal();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame))
        m_area->setActiveSubWindow(sub);
    frame->raise();
    frame->activateWindow();
}

QWidget* ScreenHost::open(const QString& className)
{
    Entry e;
    e.target = className;
    return run(e);
}

QWidget* ScreenHost::run(const Entry& entry)
{
    if (entry.target.startsWith(u'@')) {
        for (const NamedAction& a : m_actions)
            if (a.name == entry.target) {
                a.run(m_main);
                break;
            }
        return nullptr;
    }
    const Factory* f = factory(entry.target);
    if (!f)
        return nullptr;
    if (!entry.guard.isEmpty()) {
        const NamedGuard* guard = nullptr;
        for (const NamedGuard& g : m_guards)
            if (g.name == entry.guard)
                guard = &g;
        if (!guard || !guard->run(m_main))
            return nullptr;
    }
    BusyCursor busy(entry.busy);
    QWidget* w = screen(entry.target);
    const bool isNew = !w;
    if (isNew)
        w = create(*f);
    bringToFront(*f, w);
    if (w->metaObject()->indexOfMethod("FormActivate()") >= 0)
        QMetaObject::invokeMethod(w, "FormActivate");
    const bool select = entry.page >= 0
                        && (entry.select == Select::Always || (entry.select == Select::NewOnly && isNew));
    if (select) {
        if (auto* pages = dynamic_cast<IScreenPages*>(w)) {
            const bool change = entry.change == Change::Always || (entry.change == Change::WhenNew && isNew)
                                || (entry.change == Change::WhenExisting && !isNew);
            pages->selectPage(entry.page, change);
        }
    }
    if (entry.after)
        entry.after(w);
    if (isNew)
        emit screenOpened(entry.target, w);
    return w;
}

QWidget* ScreenHost::showMember(const QString& memberNo)
{
    // The screen reads the chosen member when it is activated, and open() activates it every time.
    Session::setSelectedMemberNo(memberNo.trimmed());
    return g_current ? g_current->open(QStringLiteral("TfPer0020")) : nullptr;
}

bool ScreenHost::askToCloseAll()
{
    const auto open = m_open;
    for (const QPointer<QWidget>& p : open)
        if (p && !p->close())
            return false;
    return true;
}

void ScreenHost::closeAll()
{
    // A cell still open in a grid writes its text while its screen is whole, not halfway through
    // the screen's destruction.
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    const auto open = m_open;
    m_open.clear();
    for (const QPointer<QWidget>& p : open) {
        if (!p)
            continue;
        QWidget* frame = p->parentWidget();
        if (qobject_cast<QMdiSubWindow*>(frame))
            delete frame;
        else
            delete p.data();
    }
}
