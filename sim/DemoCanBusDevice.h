#pragma once

// The built-in demo bus: a CAN bus device inside the tool's own process on which the devices of
// the selected project answer like real ones. It connects at once, takes the tool's frames as
// writes (a sent frame is not received back, as with a real adapter) and delivers the devices'
// reports and echoes as received frames.

#include "ZelmBus.h"

#include <QCanBusDevice>
#include <QElapsedTimer>
#include <QTimer>

#include <vector>

struct TProject;

class DemoCanBusDevice : public QCanBusDevice {
    Q_OBJECT
public:
    // Interval of the timer that moves the devices on and delivers their frames.
    static constexpr int TickMs = 5;

    explicit DemoCanBusDevice(QObject* parent = nullptr);

    // The project whose devices play on every demo bus; called on each project selection. Open
    // demo buses switch to the new project on their next tick.
    static void setProject(const TProject& project);

    bool writeFrame(const QCanBusFrame& frame) override;
    QString interpretErrorFrame(const QCanBusFrame& errorFrame) override;
    // The demo bus has no errors: its controller is always error active.
    [[nodiscard]] bool hasBusStatus() const override { return true; }
    [[nodiscard]] CanBusStatus busStatus() override { return CanBusStatus::Good; }

    [[nodiscard]] const ZelmBus& bus() const { return m_bus; }

protected:
    bool open() override;
    void close() override;

private:
    void tick();
    void syncProject();

    ZelmBus m_bus;
    unsigned m_projectGeneration = 0;
    QTimer m_timer;
    QElapsedTimer m_clock;
    std::vector<TCanFrame> m_pending; // echoes waiting for the next tick
    qint64 m_written = 0;             // frames taken since the last tick
};

// Makes "demo" a CAN plugin name of the tool's CAN layer (`--can demo`).
void RegisterDemoBus();
