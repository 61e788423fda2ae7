#include "app/QuitRequests.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#endif

namespace {

#ifdef Q_OS_UNIX
constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};
// The socket pair: the handler writes into [0], the event loop reads [1].
int g_pair[2] = {-1, -1};

extern "C" void WriteQuitRequest(int) {
    const int saved = errno;
    const char byte = 1;
    // A full socket already holds a request; the byte is then not needed.
    [[maybe_unused]] const ssize_t written = ::write(g_pair[0], &byte, 1);
    errno = saved;
}
#endif

}  // namespace

QuitRequests::QuitRequests(std::function<void()> quit, QObject* parent)
    : QObject(parent), m_quit(std::move(quit)) {
#ifdef Q_OS_UNIX
    if (g_pair[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pair) != 0) return;
    ::fcntl(g_pair[0], F_SETFL, ::fcntl(g_pair[0], F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_pair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitRequests::Arrived);
    struct sigaction action = {};
    action.sa_handler = WriteQuitRequest;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
#endif
}

QuitRequests::~QuitRequests() {
#ifdef Q_OS_UNIX
    if (!m_notifier) return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(g_pair[0]);
    ::close(g_pair[1]);
    g_pair[0] = g_pair[1] = -1;
#endif
}

void QuitRequests::Arrived() {
#ifdef Q_OS_UNIX
    char bytes[16];
    while (::read(g_pair[1], bytes, sizeof bytes) == static_cast<ssize_t>(sizeof bytes)) {
    }
#endif
    if (m_quit) m_quit();
}
