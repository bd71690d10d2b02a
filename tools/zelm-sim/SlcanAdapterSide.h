#pragma once

// zelm-sim as a serial-line CAN adapter: on a serial port (or one end of a pty pair) it answers
// the adapter commands (C, S0-S8, Z0/Z1, O, F, V, N, t/T/r/R) as such an adapter does, reports the
// devices' frames as t/T lines while open, and hands the frames the tool sends to the devices.
// For tests it can refuse commands (answer BEL) and report chosen status flags.

#include "can/CanTrafficTap.h"
#include "core/CanFrame.h"
#include "slcan/SlcanCodec.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <functional>
#include <vector>

class SlcanAdapterSide : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString path;
        int baud = 115200;
        QString refuse;     // commands starting with one of these letters are answered with BEL
        uint8_t status = 0; // the flags F reports
    };

    explicit SlcanAdapterSide(Options options, QObject* parent = nullptr);

    // Opens the port; false with a message when it cannot.
    [[nodiscard]] bool start(QString* error);

    // Frames the tool sent, for the devices.
    std::function<void(const TCanFrame&)> onFrameFromTool;
    // Every frame on the bus behind the adapter: from the tool (Received) and to it (Sent).
    std::function<void(const QCanBusFrame&, CanTrafficDirection)> onTraffic;

    // Reports the devices' frames to the tool while the channel is open; returns how many went out.
    int report(const std::vector<TCanFrame>& frames, int32_t protokol);

    [[nodiscard]] bool isChannelOpen() const { return m_open; }
    [[nodiscard]] int bitRate() const { return m_bitRate; }

signals:
    // One line for the status output ("SLCAN open at 250000 bit/s", "SLCAN closed", …).
    void event(const QString& text);

private:
    void onReadyRead();
    [[nodiscard]] QByteArray answer(QByteArrayView command);

    Options m_options;
    QSerialPort m_port;
    SlcanLineReader m_reader;
    bool m_open = false;
    int m_bitRate = 0;
    bool m_timestamps = false;
    QElapsedTimer m_clock;
};
