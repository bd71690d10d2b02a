#pragma once

// The one CAN adapter the program has open: its Qt CAN bus device, the device's state, the bounded
// queue of what arrived since the last read, and the traffic taps. The adapter layer (ToolsCan
// over QtCanDriver) reads and sends through it; the bus panel, the recorder, the trace view, the
// trace adapter, the network server and the command-line program watch it directly.
//
// Received frames are taken from the device when it signals them: each goes to the taps first
// (so frames the full queue drops are still seen), then into the queue. Error frames, bus-state
// changes and the loss of the device are queued as events of their own.

#include "CanAdapterName.h"
#include "CanTrafficTap.h"
#include "SlCan.h"

#include <QCanBusDevice>
#include <QCanBusFrame>
#include <QMetaObject>
#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class TCanBus : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultQueueCapacity = 65536;
    static constexpr int ConnectWaitMs = 1000;
    // A device whose open takes several steps over the network may ask for a longer wait with an
    // int property of this name (milliseconds).
    static constexpr char ConnectWaitProperty[] = "connectWaitMs";

    explicit TCanBus(QObject* parent = nullptr);
    ~TCanBus() override;
    TCanBus(const TCanBus&) = delete;
    TCanBus& operator=(const TCanBus&) = delete;

    // ---- opening and closing ------------------------------------------------------------------
    // Creates the device of the adapter (a registered factory's, else the Qt plugin's), unconnected;
    // a device open before is closed first. The queue holds queueCapacity events from now on.
    bool open(const CanAdapterName& adapter, int queueCapacity = DefaultQueueCapacity);
    // Asks the device for a bit rate in bit/s before it connects. Plugins that cannot set it (an
    // interface configured by the system) still connect at the rate the interface has.
    void setBitRate(int bitRate);
    // Connects the device, waiting at most ConnectWaitMs (or what the device asks for) for plugins
    // that connect later. The wait
    // runs a local event loop that takes no user input; isOpening() is true meanwhile.
    bool connectDevice();
    void close();

    // True while a bus waits for its device to connect: timers still fire, and whoever would read
    // or send then skips (the bus monitor skips its tick).
    [[nodiscard]] static bool isOpening();

    // ---- what it is now -------------------------------------------------------------------------
    // The device, also an unconnected or lost one, until close(); nullptr when none is open.
    [[nodiscard]] QCanBusDevice* device() const { return m_device; }
    // Connected and not lost.
    [[nodiscard]] bool isConnected() const;
    // The device went away (unplugged, bus host gone) and has not been closed yet.
    [[nodiscard]] bool isLost() const { return m_lost; }
    // "PLUGIN:INTERFACE" of the connected device, empty when none is connected (closed or lost).
    [[nodiscard]] QString adapterName() const;
    [[nodiscard]] const CanAdapterName& adapter() const { return m_adapter; }
    // Why the last open, configuration or connection was refused.
    [[nodiscard]] QString lastError() const { return m_lastError; }
    void setLastError(const QString& text) { m_lastError = text; }
    // The bus a device belongs to (the bus is the parent of the devices it makes), or nullptr.
    [[nodiscard]] static TCanBus* of(const QObject* device);

    // ---- sending and receiving ------------------------------------------------------------------
    // Hands one frame to the connected device; the taps see it as sent. false when there is no
    // connected device, or it refused the frame (an invalid one included).
    bool send(const QCanBusFrame& frame);
    // Moves up to maxCount queued events into events (after taking what the device holds now) and
    // returns how many; never waits.
    uint32_t readEvents(TSlCanEvent* events, uint32_t maxCount);
    // The times of the events the last readEvents() gave, in the same order (microseconds since the
    // epoch): the adapter's time stamp of a frame when it has a plausible one, else the time it was
    // taken from the device; a trace's recorded time while one plays (recordedTime()).
    [[nodiscard]] const std::vector<int64_t>& lastReadTimes() const { return m_readTimes; }
    void clearReadTimes() { m_readTimes.clear(); }
    // The frames' times are a trace's recorded times (the trace adapter plays).
    [[nodiscard]] bool recordedTime() const { return m_recordedTime; }
    // Events dropped because the queue was full, since the last open.
    [[nodiscard]] uint64_t droppedFrames() const { return m_dropped; }
    [[nodiscard]] int queuedEvents() const { return static_cast<int>(m_size); }
    [[nodiscard]] int queueCapacity() const { return static_cast<int>(m_ring.size()); }

    // ---- traffic taps ---------------------------------------------------------------------------
    // Adds an observer (once; a second add of the same one does nothing) or removes it. Observers
    // are not owned; remove one before it is destroyed.
    void addObserver(CanTrafficObserver* observer);
    void removeObserver(CanTrafficObserver* observer);
    [[nodiscard]] bool hasObservers() const { return !m_observers.empty(); }
    // Passes one frame to every observer (the bus does this for its own traffic; other sources of
    // traffic, such as a replay that bypasses the adapter, may too).
    void notify(const QCanBusFrame& frame, const QByteArray& payload, CanTrafficDirection direction);
    void notify(const QCanBusFrame& frame, CanTrafficDirection direction) {
        if (!m_observers.empty()) notify(frame, frame.payload(), direction);
    }

signals:
    // The device connected, or went away while connected (unplugged, its host gone).
    void connected();
    void lost();
    // An error other than the loss of the device, reported after it had connected (errors of a
    // refused open are in lastError()).
    void errorOccurred(QCanBusDevice::CanBusError error);

private:
    void takeFrames();
    void onErrorOccurred(QCanBusDevice::CanBusError error);
    void onStateChanged(QCanBusDevice::CanBusDeviceState state);
    void push(uint8_t eventType, const TSlCanMessage& msg = {}, uint32_t timeStamp = 0, int64_t timeUs = 0);
    void markLost();

    CanAdapterName m_adapter;
    QCanBusDevice* m_device = nullptr;
    std::vector<QMetaObject::Connection> m_connections;
    bool m_connected = false; // reached the connected state since the open
    bool m_lost = false;
    bool m_closing = false;
    QString m_lastError;

    std::vector<TSlCanEvent> m_ring;
    std::vector<int64_t> m_times; // beside m_ring: each event's time in microseconds
    std::vector<int64_t> m_readTimes;
    bool m_recordedTime = false;
    size_t m_head = 0; // oldest queued event
    size_t m_size = 0;
    uint64_t m_dropped = 0;

    std::vector<CanTrafficObserver*> m_observers;
};

// The program's bus, beneath ToolsCan: the one the real adapter driver opens by default and the
// one the windows and tools watch.
[[nodiscard]] TCanBus& CanBus();
