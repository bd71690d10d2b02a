#include "TraceRecorder.h"

#include "CandumpFormat.h"
#include "TraceFrameConvert.h"
#include "TraceReplayControl.h"

#include "can/CanBus.h"
#include "core/FileCheck.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>

namespace {

// The C runtime of Windows for the calls below: the file is opened in binary mode (lines end in
// LF as everywhere) and not inherited; it never waits, so nothing needs to be non-blocking.
constexpr int O_CLOEXEC = _O_NOINHERIT | _O_BINARY;
constexpr int O_NONBLOCK = 0;
constexpr int F_GETFL = 0;
constexpr int F_SETFL = 0;
int fcntl(int, int, int = 0) {
    return 0;
}
ssize_t pread(int fd, void* buffer, size_t count, off_t offset) {
    if (_lseeki64(fd, offset, SEEK_SET) < 0) return -1;
    const int n = _read(fd, buffer, static_cast<unsigned>(count));
    (void)_lseeki64(fd, 0, SEEK_END);
    return n;
}
// The recording's lines reach the disk.
int fsync(int fd) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE || !FlushFileBuffers(handle)) {
        errno = EIO;
        return -1;
    }
    return 0;
}

} // namespace
#endif

namespace {

constexpr QByteArrayView InterfaceName("can0");

[[nodiscard]] QString errnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

// What the GUI thread and the writer thread share; the writer keeps it alive by itself, so a
// writer stuck on a dead disk may be left behind at program end.
struct TraceRecorder::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable done;
    std::deque<QByteArray> queue;
    qsizetype queuedBytes = 0;
    bool finish = false;
    bool finished = false;
    int fd = -1;
    off_t goodSize = 0; // bytes of whole lines in the file
    QByteArray nativePath;
    QString error; // set by the writer when it stops on a failure
    QString fate;  // what became of the lines written before the failure

    void run();
    [[nodiscard]] bool writeAll(const QByteArray& bytes, qsizetype& written, int& error);
    // Empty while the file is still there under its name; else what happened to it (and fate).
    [[nodiscard]] QString whereIsTheFile();
};

bool TraceRecorder::Shared::writeAll(const QByteArray& bytes, qsizetype& written, int& error) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    written = 0;
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (n == 0) {
            error = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
        written += n;
    }
    return true;
}

QString TraceRecorder::Shared::whereIsTheFile() {
#ifdef Q_OS_WIN
    // The file is open without leave to delete or rename it: it stays where it is.
    return {};
#endif
    struct stat byName {};
    struct stat byHandle {};
    if (::fstat(fd, &byHandle) != 0) return {};
    if (::stat(nativePath.constData(), &byName) == 0 && byName.st_ino == byHandle.st_ino &&
        byName.st_dev == byHandle.st_dev)
        return {};
    if (byHandle.st_nlink == 0) {
        fate = TraceRecorder::tr("The lines recorded into it went with it.");
        return TraceRecorder::tr("the file or its folder was deleted");
    }
    fate = TraceRecorder::tr("The lines recorded so far stay in the file that was moved.");
    return TraceRecorder::tr("the file or its folder was moved or renamed");
}

void TraceRecorder::Shared::run() {
    auto lastCheck = std::chrono::steady_clock::now();
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return finish || !queue.empty(); });
        if (queue.empty()) break; // finish with nothing left
        QByteArray chunk = std::move(queue.front());
        queue.pop_front();
        queuedBytes -= chunk.size();
        lock.unlock();

        int err = 0;
        qsizetype written = 0;
        QString failure;
        if (!writeAll(chunk, written, err)) {
            // Cut back to the last whole line; the lines before stay as they were.
            const qsizetype whole = written > 0 ? chunk.lastIndexOf('\n', written - 1) + 1 : 0;
            (void)::ftruncate(fd, goodSize + static_cast<off_t>(whole));
            failure = errnoText(err);
        } else {
            goodSize += static_cast<off_t>(chunk.size());
            const auto now = std::chrono::steady_clock::now();
            if (now - lastCheck >= std::chrono::seconds(1)) {
                lastCheck = now;
                failure = whereIsTheFile();
            }
        }
        lock.lock();
        if (!failure.isEmpty()) {
            error = failure;
            queue.clear();
            queuedBytes = 0;
            break;
        }
    }
    // The end of a recording: the lines are on the disk, or it is said that the last may be missing
    // (a delayed allocation on a full disk fails only here).
    const bool synced = ::fsync(fd) == 0;
    const int syncError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (error.isEmpty() && (!synced || !closed)) {
        error = errnoText(synced ? closeError : syncError);
        fate = TraceRecorder::tr("The last lines may be missing from the file.");
    }
    fd = -1;
    finished = true;
    done.notify_all();
}

TraceRecorder::TraceRecorder(QObject* parent) : QObject(parent) {
    m_timer.setInterval(HandOverMs);
    connect(&m_timer, &QTimer::timeout, this, &TraceRecorder::handOver);
}

TraceRecorder::~TraceRecorder() {
    stop();
}

QString TraceRecorder::fileNameFor(const QDateTime& start) {
    return QStringLiteral("candump-%1.log").arg(start.toString(QStringLiteral("yyyy-MM-dd_HHmmss")));
}

bool TraceRecorder::start(const QString& path) {
    stop();
    m_error.clear();
    m_frames = 0;
    m_path = path;
    const QString shown = QDir::toNativeSeparators(path);
    // A FIFO or a device is never opened (the open could wait, or do something of its own).
    if (const QString kind = FileCheck::otherKind(path); !kind.isEmpty()) {
        m_error = tr("Cannot record into %1: it is %2, not a regular file.").arg(shown, kind);
        return false;
    }
    if (TraceReplayControl::instance().isPlaying(path)) {
        m_error = tr("Cannot record into %1: it is the trace being played, which would play "
                     "its own recording again and again. Choose another file.")
                      .arg(shown);
        return false;
    }
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) {
        m_error = tr("Cannot record into %1: %2.").arg(shown, errnoText(errno));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        m_error = tr("Cannot record into %1: it is not a regular file.").arg(shown);
        return false;
    }
    if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    auto shared = std::make_shared<Shared>();
    shared->fd = fd;
    shared->nativePath = native;
    shared->goodSize = st.st_size;
    m_pending.clear();
    m_pending.reserve(ChunkBytes + 256);
    if (st.st_size > 0) {
        // Continue an existing file on a line of its own.
        char last = '\n';
        if (::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n') m_pending.append('\n');
    }
    m_shared = shared;
    std::thread([shared] { shared->run(); }).detach();

    const auto now = std::chrono::system_clock::now();
    m_startUs = std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count();
    m_clock.start();
    m_recording = true;
    TraceReplayControl::instance().recordingStarted(m_path);
    CanBus().addObserver(this);
    m_timer.start();
    return true;
}

void TraceRecorder::canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                               CanTrafficDirection direction) {
    if (!m_recording) return;
    TraceFrame f;
    // Data, remote and error frames are recorded (error frames in candump's notation).
    if (!TraceFrameFromQt(frame, payload, f)) return;
    f.timeUs = m_startUs + m_clock.nsecsElapsed() / 1000;
    f.direction = direction == CanTrafficDirection::Sent ? TraceDirection::Sent : TraceDirection::Received;
    AppendCandumpLine(m_pending, f, InterfaceName);
    ++m_frames;
    if (m_pending.size() >= ChunkBytes) handOver();
}

void TraceRecorder::handOver() {
    if (!m_recording) return;
    QString failure;
    QString fate;
    {
        std::lock_guard lock(m_shared->mutex);
        if (!m_shared->error.isEmpty()) {
            failure = m_shared->error;
            fate = m_shared->fate;
        } else if (!m_pending.isEmpty()) {
            if (m_shared->queuedBytes + m_pending.size() > MaxBacklogBytes) {
                failure = tr("the disk did not keep up (%1 MB waiting to be written)")
                              .arg(m_shared->queuedBytes / (1024 * 1024));
            } else {
                m_shared->queuedBytes += m_pending.size();
                m_shared->queue.push_back(std::move(m_pending));
                m_pending = QByteArray();
                m_pending.reserve(ChunkBytes + 256);
                m_shared->wake.notify_one();
            }
        }
    }
    if (!failure.isEmpty()) fail(failure, fate);
}

void TraceRecorder::fail(const QString& reason, const QString& fate) {
    m_pending.clear();
    (void)finishWriter();
    m_error = tr("Recording into %1 stopped: %2. %3")
                  .arg(QDir::toNativeSeparators(m_path), reason,
                       fate.isEmpty() ? tr("The lines written before are kept.") : fate);
    emit stopped(m_error);
}

bool TraceRecorder::finishWriter() {
    CanBus().removeObserver(this);
    m_timer.stop();
    if (m_recording) TraceReplayControl::instance().recordingStopped(m_path);
    m_recording = false;
    if (!m_shared) return true;
    bool finished = false;
    {
        std::unique_lock lock(m_shared->mutex);
        m_shared->finish = true;
        m_shared->wake.notify_one();
        finished = m_shared->done.wait_for(lock, std::chrono::milliseconds(WriterWaitMs),
                                           [this] { return m_shared->finished; });
    }
    m_shared.reset();
    return finished;
}

void TraceRecorder::stop() {
    if (!m_recording) return;
    handOver();
    if (!m_recording) return; // the last hand-over found a failure and said so
    const std::shared_ptr<Shared> shared = m_shared;
    const bool finished = finishWriter();
    QString failure;
    QString fate;
    {
        std::lock_guard lock(shared->mutex);
        failure = shared->error;
        fate = shared->fate;
    }
    if (!finished && failure.isEmpty()) {
        // Not said to be complete when the disk has not taken the last lines yet.
        failure = tr("the disk did not take the last lines within %1 s").arg(WriterWaitMs / 1000);
        fate = tr("They may be missing from the file.");
    }
    if (!failure.isEmpty()) {
        m_error = tr("Recording into %1 stopped: %2. %3")
                      .arg(QDir::toNativeSeparators(m_path), failure,
                           fate.isEmpty() ? tr("The lines written before are kept.") : fate);
        emit stopped(m_error);
        return;
    }
    emit stopped(QString());
}
