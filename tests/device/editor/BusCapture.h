#pragma once

// A second client on a virtual CAN bus that records every frame it sees, and the installation of
// the real adapter driver on the same bus, so a test sees exactly the frames the window sends.

#include <QCanBusDevice>
#include <QCanBusFrame>
#include <QList>
#include <QString>

#include <cstdint>
#include <memory>

class BusCapture {
public:
    // The bus lives on tcp://127.0.0.1:port/can0; the capturing client connects first and hosts it.
    explicit BusCapture(uint16_t port);
    ~BusCapture();
    BusCapture(const BusCapture&) = delete;
    BusCapture& operator=(const BusCapture&) = delete;

    // Connects the capturing client, installs the adapter driver for the same bus and opens it
    // through the CAN layer. False (with why()) when any step fails.
    [[nodiscard]] bool start();
    // Reopens the adapter after a test closed it.
    [[nodiscard]] bool reopen();
    [[nodiscard]] const QString& why() const { return m_why; }

    // Waits (event loop running) until at least n frames were captured; false after a generous
    // time-out.
    [[nodiscard]] bool waitFrames(int n);
    [[nodiscard]] QList<QCanBusFrame>& frames() { return m_frames; }
    void clear() { m_frames.clear(); }

private:
    QString m_url;
    std::unique_ptr<QCanBusDevice> m_listener;
    QList<QCanBusFrame> m_frames;
    QString m_why;
};
