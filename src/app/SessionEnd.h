#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

// The desktop session ending the program (logout, shutdown: SIGTERM; a closed terminal: SIGHUP) is
// turned into an ordinary call in the event loop, so the program ends as when the user closes it:
// the automatic backup is taken and the database closes cleanly.
class SessionEnd : public QObject {
    Q_OBJECT
public:
    // Calls `onEnd` once per signal, in the event loop. A later install replaces the call.
    static void install(std::function<void()> onEnd);

private:
    explicit SessionEnd(QObject* parent);
    void arrived();
    static void handler(int);

    QSocketNotifier* m_notifier = nullptr;
    std::function<void()> m_onEnd;
    static int s_fds[2];
    static SessionEnd* s_self;
};
