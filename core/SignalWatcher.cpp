#include "SignalWatcher.h"

#include <csignal>

#ifdef Q_OS_WIN

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <mutex>

#include <windows.h>

namespace {

// The watcher the console's handler reports to, guarded: the handler runs on a thread of its own.
std::mutex g_mutex;
TSignalWatcher* g_watcher = nullptr;
bool g_watchInterrupt = false;
bool g_watchTerminate = false;
// Set when the watcher is gone: the program has done what it does at its end.
HANDLE g_ended = nullptr;
// The system ends a console program about five seconds after a close, logoff or shutdown event.
constexpr DWORD EndWaitMs = 4500;

BOOL WINAPI onConsoleEvent(DWORD type) {
    const bool interrupt = type == CTRL_C_EVENT || type == CTRL_BREAK_EVENT;
    HANDLE ended = nullptr;
    {
        const std::lock_guard lock(g_mutex);
        if (g_watcher == nullptr || !(interrupt ? g_watchInterrupt : g_watchTerminate)) return FALSE;
        TSignalWatcher* watcher = g_watcher;
        const int number = interrupt ? SIGINT : SIGTERM;
        QMetaObject::invokeMethod(
            watcher, [watcher, number] { emit watcher->signalled(number); }, Qt::QueuedConnection);
        ended = g_ended;
    }
    // After these the process ends when the handler returns: first let the program finish.
    if (!interrupt && ended != nullptr) (void)WaitForSingleObject(ended, EndWaitMs);
    return TRUE;
}

// Logoff and shutdown for a program with windows: the session ends once WM_ENDSESSION is answered.
class EndSessionFilter : public QAbstractNativeEventFilter {
public:
    explicit EndSessionFilter(TSignalWatcher* watcher) : m_watcher(watcher) {}
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override {
        if (eventType != "windows_generic_MSG" || message == nullptr) return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_ENDSESSION || msg->wParam == FALSE) return false;
        if (!m_told) {
            m_told = true;
            emit m_watcher->signalled(SIGTERM);
        }
        if (result != nullptr) *result = 0;
        return true;
    }

private:
    TSignalWatcher* m_watcher;
    bool m_told = false;
};

EndSessionFilter* g_filter = nullptr;

} // namespace

void TSignalWatcher::watch(std::initializer_list<int> signalNumbers) {
    {
        const std::lock_guard lock(g_mutex);
        if (g_watcher != nullptr) return;
        g_watcher = this;
        for (int number : signalNumbers) {
            if (number == SIGINT) g_watchInterrupt = true;
            if (number == SIGTERM) g_watchTerminate = true;
            m_signals.push_back(number);
        }
        g_ended = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    }
    m_watching = true;
    (void)SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    if (g_watchTerminate && QCoreApplication::instance() != nullptr) {
        g_filter = new EndSessionFilter(this);
        QCoreApplication::instance()->installNativeEventFilter(g_filter);
    }
}

TSignalWatcher::~TSignalWatcher() {
    if (!m_watching) return;
    if (g_filter != nullptr) {
        if (QCoreApplication::instance() != nullptr)
            QCoreApplication::instance()->removeNativeEventFilter(g_filter);
        delete g_filter;
        g_filter = nullptr;
    }
    const std::lock_guard lock(g_mutex);
    g_watcher = nullptr;
    g_watchInterrupt = g_watchTerminate = false;
    // A handler that waits for the end lets the system end the process now. The event stays: a
    // handler may still hold it.
    if (g_ended != nullptr) (void)SetEvent(g_ended);
    g_ended = nullptr;
}

void TSignalWatcher::readPipe() {}

TSignalWatcher::TSignalWatcher(QObject* parent) : QObject(parent) {
    watch({SIGINT, SIGTERM});
}

#else

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t g_writeFd = -1;

extern "C" void onSignal(int signalNumber) {
    // Only async-signal-safe calls here: one write of one byte, errno left as it was.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    if (g_writeFd >= 0) (void)!::write(g_writeFd, &byte, 1);
    errno = savedErrno;
}

} // namespace

void TSignalWatcher::watch(std::initializer_list<int> signalNumbers) {
    if (g_writeFd >= 0) return;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_readFd = fds[0];
    g_writeFd = fds[1];
    m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TSignalWatcher::readPipe);
    m_watching = true;

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : signalNumbers) {
        if (::sigaction(number, &action, nullptr) == 0) m_signals.push_back(number);
    }
}

TSignalWatcher::~TSignalWatcher() {
    if (!m_watching) return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int number : m_signals)
        (void)::sigaction(number, &action, nullptr);
    const int writeFd = g_writeFd;
    g_writeFd = -1;
    ::close(writeFd);
    ::close(m_readFd);
}

void TSignalWatcher::readPipe() {
    unsigned char bytes[16];
    ssize_t n = 0;
    while ((n = ::read(m_readFd, bytes, sizeof bytes)) > 0) {
        for (ssize_t i = 0; i < n; ++i)
            emit signalled(bytes[i]);
    }
}

TSignalWatcher::TSignalWatcher(QObject* parent) : QObject(parent) {
    watch({SIGTERM, SIGINT, SIGHUP});
}

#endif

TSignalWatcher::TSignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent) : QObject(parent) {
    watch(signalNumbers);
}
