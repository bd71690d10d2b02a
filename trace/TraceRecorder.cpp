#include "TraceRecorder.h"

#include "CandumpFormat.h"
#include "TraceFrameConvert.h"

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

    void run();
    [[nodiscard]] bool writeAll(const QByteArray& bytes, qsizetype& written, int& error);
    [[nodiscard]] bool stillThere() const;
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

bool TraceRecorder::Shared::stillThere() const {
    struct stat byName {};
    struct stat byHandle {};
    return ::stat(nativePath.constData(), &byName) == 0 && ::fstat(fd, &byHandle) == 0 &&
           byName.st_ino == byHandle.st_ino && byName.st_dev == byHandle.st_dev;
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
                if (!stillThere()) failure = QStringLiteral("the file or its folder was removed");
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
    ::close(fd);
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
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = QStringLiteral("Cannot record into %1: %2.").arg(shown, errnoText(errno));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        m_error = QStringLiteral("Cannot record into %1: it is not a regular file.").arg(shown);
        return false;
    }
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
    CanTrafficAddObserver(this);
    m_timer.start();
    return true;
}

void TraceRecorder::canTraffic(const QCanBusFrame& frame, const QByteArray& payload,
                               CanTrafficDirection direction) {
    if (!m_recording) return;
    TraceFrame f;
    // Error frames are not frames of the monitor; only data and remote frames are recorded.
    if (!TraceFrameFromQt(frame, payload, f) || f.error) return;
    f.timeUs = m_startUs + m_clock.nsecsElapsed() / 1000;
    f.direction = direction == CanTrafficDirection::Sent ? TraceDirection::Sent : TraceDirection::Received;
    AppendCandumpLine(m_pending, f, InterfaceName);
    ++m_frames;
    if (m_pending.size() >= ChunkBytes) handOver();
}

void TraceRecorder::handOver() {
    if (!m_recording) return;
    QString failure;
    {
        std::lock_guard lock(m_shared->mutex);
        if (!m_shared->error.isEmpty()) {
            failure = m_shared->error;
        } else if (!m_pending.isEmpty()) {
            if (m_shared->queuedBytes + m_pending.size() > MaxBacklogBytes) {
                failure = QStringLiteral("the disk did not keep up (%1 MB waiting to be written)")
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
    if (!failure.isEmpty()) fail(failure);
}

void TraceRecorder::fail(const QString& reason) {
    m_pending.clear();
    finishWriter();
    m_error = QStringLiteral("Recording into %1 stopped: %2. The lines written before are kept.")
                  .arg(QDir::toNativeSeparators(m_path), reason);
    emit stopped(m_error);
}

void TraceRecorder::finishWriter() {
    CanTrafficRemoveObserver(this);
    m_timer.stop();
    m_recording = false;
    if (!m_shared) return;
    {
        std::unique_lock lock(m_shared->mutex);
        m_shared->finish = true;
        m_shared->wake.notify_one();
        m_shared->done.wait_for(lock, std::chrono::milliseconds(WriterWaitMs),
                                [this] { return m_shared->finished; });
    }
    m_shared.reset();
}

void TraceRecorder::stop() {
    if (!m_recording) return;
    handOver();
    if (!m_recording) return; // the last hand-over found a failure and said so
    const std::shared_ptr<Shared> shared = m_shared;
    finishWriter();
    QString failure;
    {
        std::lock_guard lock(shared->mutex);
        failure = shared->error;
    }
    if (!failure.isEmpty()) {
        m_error = QStringLiteral("Recording into %1 stopped: %2. The lines written before are kept.")
                      .arg(QDir::toNativeSeparators(m_path), failure);
        emit stopped(m_error);
        return;
    }
    emit stopped(QString());
}
