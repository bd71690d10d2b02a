#pragma once

// An in-process CAN bus device for driver tests: connects at once, later or never, keeps what is
// written, and lets the test feed received frames, raise errors and pull the plug.

#include <QCanBusDevice>
#include <QCanBusFrame>
#include <QList>
#include <QTimer>

#include <functional>

class FakeCanBusDevice : public QCanBusDevice {
public:
    enum class Connect { AtOnce, Later, Never, Refuse };

    explicit FakeCanBusDevice(QString interfaceName, Connect mode = Connect::AtOnce, int delayMs = 30)
        : interfaceName(std::move(interfaceName)), mode(mode), delayMs(delayMs) {}

    QString interfaceName;
    Connect mode = Connect::AtOnce;
    int delayMs = 30;
    bool writeResult = true;
    QList<QCanBusFrame> written;
    // Runs while a later connection is pending (inside the driver's wait).
    std::function<void()> duringConnect;

    void receive(const QList<QCanBusFrame>& frames) { enqueueReceivedFrames(frames); }
    void raise(QCanBusDevice::CanBusError error) { setError(QStringLiteral("test error"), error); }
    // The adapter goes away: some plugins report a connection error first, all end unconnected.
    void vanish(bool withError) {
        if (withError) setError(QStringLiteral("adapter gone"), QCanBusDevice::ConnectionError);
        setState(QCanBusDevice::UnconnectedState);
    }

    bool writeFrame(const QCanBusFrame& frame) override {
        if (!writeResult || state() != ConnectedState) return false;
        written << frame;
        return true;
    }
    QString interpretErrorFrame(const QCanBusFrame&) override { return {}; }

protected:
    bool open() override {
        switch (mode) {
        case Connect::AtOnce:
            setState(ConnectedState);
            return true;
        case Connect::Refuse:
            setError(QStringLiteral("refused"), ConnectionError);
            return false;
        case Connect::Never:
            return true;
        case Connect::Later:
            QTimer::singleShot(delayMs, this, [this] {
                if (duringConnect) duringConnect();
                if (state() == ConnectingState) setState(ConnectedState);
            });
            return true;
        }
        return false;
    }
    void close() override { setState(UnconnectedState); }
};
