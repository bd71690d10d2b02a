#pragma once

// The settings and the progress of trace replay, shared by the trace adapter that plays and the
// window where the user chooses speed and pause. One for the process, like the one trace adapter
// that can be open at a time.

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>

class TraceReplayControl : public QObject {
    Q_OBJECT
public:
    enum class Speed : uint8_t { RealTime, Ten, Max };

    struct Status {
        QString path;
        uint64_t frames = 0; // frames played so far
        uint64_t badLines = 0;
        uint64_t canFdLines = 0;
        qint64 bytesRead = 0;
        qint64 size = 0;
        bool playing = false; // a trace adapter is open on the file
        bool finished = false;
        QString error; // why the file could not be opened or read on
    };

    [[nodiscard]] static TraceReplayControl& instance();

    [[nodiscard]] Speed speed() const { return m_speed; }
    void setSpeed(Speed speed);
    [[nodiscard]] bool paused() const { return m_paused; }
    void setPaused(bool paused);
    // How many times faster than recorded the trace plays (0 for as fast as the monitor takes it).
    [[nodiscard]] static int factor(Speed speed);

    [[nodiscard]] const Status& status() const { return m_status; }
    // Progress of the playing adapter; changed() is emitted when more than the counts changed.
    void report(const Status& status);

    // "trace finished: N frames" once the end is reached, otherwise how far the replay got.
    [[nodiscard]] QString statusText() const;

    // The files being recorded into, as the recorders tell them, so that none of them is played:
    // a replay of the file being recorded would record its own frames again and again.
    void recordingStarted(const QString& path);
    void recordingStopped(const QString& path);
    // The recording that is the same file as path (by any name), or empty.
    [[nodiscard]] QString recordingOf(const QString& path) const;
    // True when a trace adapter plays path (by any name).
    [[nodiscard]] bool isPlaying(const QString& path) const;

signals:
    void changed();

private:
    Speed m_speed = Speed::RealTime;
    bool m_paused = false;
    Status m_status;
    QStringList m_recordings;
};
