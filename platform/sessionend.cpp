#include "platform/sessionend.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array EndingSignals{SIGTERM, SIGHUP, SIGINT};

// The handler may do no more than write(): it wakes the event loop through a
// socket pair, and the window thread does the rest. Neither end blocks, so a
// burst of signals cannot hang the handler on a full socket.
int signalSockets[2] = {-1, -1};

void onSignal(int signal) {
    const int savedErrno = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : EndingSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace

SessionEnd::SessionEnd(QObject* parent)
    : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::receive);
    setHandler(onSignal);
    // The session manager asks before a logout; no signal follows unless
    // the program stays.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this, &SessionEnd::end);
}

SessionEnd::~SessionEnd() {
    if (!m_notifier)
        return;
    // Only the program's own teardown is left, and a second signal must not
    // cut it short.
    setHandler(SIG_IGN);
    delete m_notifier;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void SessionEnd::receive() {
    char byte = 0;
    [[maybe_unused]] const ssize_t read = ::read(signalSockets[1], &byte, 1);
    end();
}

void SessionEnd::end() {
    emit requested();
    // Also when no window is there to end the program itself, for instance
    // while the program tells the user that it cannot start.
    QCoreApplication::exit(0);
}

void ignoreBrokenPipes() {
    std::signal(SIGPIPE, SIG_IGN);
}
