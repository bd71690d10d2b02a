#pragma once

// The trace adapter: a CAN bus device inside the tool's process that plays a trace file (candump
// log or ASC) as the bus. Every frame of the file, received or sent when it was recorded, arrives
// as a received frame, with the recorded timing scaled by the chosen speed, or as fast as the
// monitor takes them. The file is read as it plays, never as a whole. Frames the tool sends are
// accepted and go nowhere. Speed and pause come from TraceReplayControl, and so does the progress.

#include "TraceFileReader.h"
#include "TraceFrame.h"

#include <QCanBusDevice>
#include <QElapsedTimer>
#include <QTimer>

class TraceCanBusDevice : public QCanBusDevice {
    Q_OBJECT
public:
    static constexpr int TickMs = 2;
    // At most this many frames wait for the monitor (in this device and in the driver's queue);
    // the replay holds back beyond that, so memory stays bounded and nothing is dropped.
    static constexpr int MaxWaiting = 8000;
    static constexpr int LinesPerTick = 20000;

    explicit TraceCanBusDevice(QString path, QObject* parent = nullptr);

    bool writeFrame(const QCanBusFrame& frame) override;
    QString interpretErrorFrame(const QCanBusFrame& errorFrame) override;

protected:
    bool open() override;
    void close() override;

private:
    void tick();
    void report();
    [[nodiscard]] int waitingFrames() const;

    QString m_path;
    TraceFileReader m_reader;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int64_t m_lastWallUs = 0;
    int64_t m_traceNowUs = 0; // how far the replay has got in the trace's own time
    bool m_started = false;   // the first frame set the trace clock
    bool m_haveNext = false;
    TraceFrame m_next;
    uint64_t m_played = 0;
    bool m_finished = false;
    QString m_error;
};

// Makes "trace" a CAN plugin name of the tool's CAN layer (`--can trace:PATH`).
void RegisterTraceBus();
