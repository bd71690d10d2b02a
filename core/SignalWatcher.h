#pragma once

// Turns the requests to end the program into a Qt signal on the GUI thread.
// - Unix: termination signals (SIGTERM at logout or kill, SIGINT, SIGHUP). The handler only writes
//   the signal's number into a pipe; a socket notifier on the pipe's other end emits `signalled`
//   from the event loop, where anything may be done.
// - Windows: Ctrl+C and Ctrl+Break (reported as SIGINT), closing the console window, logoff and
//   shutdown (reported as SIGTERM). The console's handler runs on a thread of its own and hands the
//   request to the GUI thread; for the close, logoff and shutdown events, after which the system
//   ends the process, it then waits until the watcher is gone (the program's end has been written)
//   or a few seconds have passed. A program with windows is told of logoff and shutdown by
//   WM_ENDSESSION instead: `signalled` is emitted at once, inside that message, because the process
//   may be ended as soon as it has been answered.

#include <QObject>

#include <initializer_list>
#include <vector>

class QSocketNotifier;

class TSignalWatcher : public QObject {
    Q_OBJECT
public:
    // The requests to end the program of this platform (on Unix SIGTERM, SIGINT and SIGHUP).
    explicit TSignalWatcher(QObject* parent = nullptr);
    // One watcher at a time; a second one watches nothing (isWatching() is false). On Windows the
    // numbers choose among SIGINT (Ctrl+C, Ctrl+Break) and SIGTERM (the other requests).
    explicit TSignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    ~TSignalWatcher() override;
    TSignalWatcher(const TSignalWatcher&) = delete;
    TSignalWatcher& operator=(const TSignalWatcher&) = delete;

    [[nodiscard]] bool isWatching() const { return m_watching; }

signals:
    void signalled(int signalNumber);

private:
    void watch(std::initializer_list<int> signalNumbers);
    void readPipe();

    std::vector<int> m_signals;
    bool m_watching = false;
    int m_readFd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
