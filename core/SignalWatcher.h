#pragma once

// Turns termination signals (SIGTERM at logout or kill, SIGINT, SIGHUP) into a Qt signal on the
// GUI thread. The handler only writes the signal's number into a pipe; a socket notifier on the
// pipe's other end emits `signalled` from the event loop, where anything may be done.

#include <QObject>

#include <initializer_list>
#include <vector>

class QSocketNotifier;

class TSignalWatcher : public QObject {
    Q_OBJECT
public:
    // One watcher at a time; a second one watches nothing (isWatching() is false).
    explicit TSignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    ~TSignalWatcher() override;
    TSignalWatcher(const TSignalWatcher&) = delete;
    TSignalWatcher& operator=(const TSignalWatcher&) = delete;

    [[nodiscard]] bool isWatching() const { return m_notifier != nullptr; }

signals:
    void signalled(int signalNumber);

private:
    void readPipe();

    std::vector<int> m_signals;
    int m_readFd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
