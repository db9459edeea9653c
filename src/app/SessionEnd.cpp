#include "app/SessionEnd.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

int SessionEnd::s_fds[2] = {-1, -1};
SessionEnd* SessionEnd::s_self = nullptr;

void SessionEnd::handler(int)
{
    // Only a write is safe inside a signal handler; the event loop does the rest.
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(s_fds[0], &c, 1);
}

SessionEnd::SessionEnd(QObject* parent) : QObject(parent)
{
    ::socketpair(AF_UNIX, SOCK_STREAM, 0, s_fds);
    m_notifier = new QSocketNotifier(s_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::arrived);
    struct sigaction sa = {};
    sa.sa_handler = &SessionEnd::handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
}

void SessionEnd::install(std::function<void()> onEnd)
{
    if (!s_self)
        s_self = new SessionEnd(QCoreApplication::instance());
    s_self->m_onEnd = std::move(onEnd);
}

void SessionEnd::arrived()
{
    char c = 0;
    [[maybe_unused]] const ssize_t n = ::read(s_fds[1], &c, 1);
    if (m_onEnd)
        m_onEnd();
}
