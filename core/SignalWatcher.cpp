#include "SignalWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
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

TSignalWatcher::TSignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent) : QObject(parent) {
    if (g_writeFd >= 0) return;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_readFd = fds[0];
    g_writeFd = fds[1];
    m_notifier = new QSocketNotifier(m_readFd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TSignalWatcher::readPipe);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : signalNumbers) {
        if (::sigaction(number, &action, nullptr) == 0) m_signals.push_back(number);
    }
}

TSignalWatcher::~TSignalWatcher() {
    if (m_notifier == nullptr) return;
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
