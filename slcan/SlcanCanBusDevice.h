#pragma once

// A serial-line USB-CAN adapter as a Qt CAN bus device, on QSerialPort.
// connectDevice() starts the open sequence and returns at once (the device is "connecting"):
//   C (close whatever an earlier session left open; its answer does not matter),
//   Sn (the bit rate), Z0 (time stamps off), O (on the bus);
// each step waits at most StepTimeoutMs for its CR, and a BEL or the silence ends the open with an
// error naming the step. An adapter that refuses Z0 has no time stamps to switch off and is opened
// all the same. While open, received lines become frames (framesReceived, one batch per read),
// status is polled with F once a second (bus state and error frames), and a port that fails or
// goes away ends in the unconnected state with a ConnectionError. disconnectDevice() sends C and
// closes the port.

#include "SlcanCodec.h"

#include <QCanBusDevice>
#include <QCanBusDeviceInfo>
#include <QSerialPort>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <optional>

class SlcanCanBusDevice : public QCanBusDevice {
    Q_OBJECT
public:
    static constexpr int DefaultBaud = 115200;
    static constexpr int DefaultBitRate = 125000; // when no BitRateKey is set
    static constexpr int CloseWaitMs = 100;
    static constexpr int StepTimeoutMs = 250;
    static constexpr int StatusPollMs = 1000;
    // Status polls left unanswered, by an adapter that has answered them before, until it counts
    // as gone.
    static constexpr int SilentPollsUntilLost = 3;

    // The interface is the serial port ("/dev/ttyACM0", "ttyACM0", "COM5"), optionally with the
    // serial speed for adapters on a real UART ("/dev/ttyUSB0@115200"). False with a reason for
    // an empty port or a bad speed.
    [[nodiscard]] static bool parseInterfaceName(const QString& interfaceName, QString* portName, int* baud,
                                                 QString* errorMessage);
    [[nodiscard]] static QCanBusDeviceInfo
    makeDeviceInfo(const QString& interfaceName, const QString& description, const QString& serialNumber);

    SlcanCanBusDevice(const QString& portName, int baud, QObject* parent = nullptr);
    ~SlcanCanBusDevice() override;

    bool writeFrame(const QCanBusFrame& frame) override;
    QString interpretErrorFrame(const QCanBusFrame& errorFrame) override;
    [[nodiscard]] bool hasBusStatus() const override;
    [[nodiscard]] CanBusStatus busStatus() override;
    [[nodiscard]] QCanBusDeviceInfo deviceInfo() const override;

    // Lines from the adapter that were neither a frame nor an answer, since the open.
    [[nodiscard]] uint64_t malformedLines() const {
        return m_malformed + m_reader.overlongLines() - m_overlongAtOpen;
    }
    // The adapter answered Z0 with BEL (it has no time stamps to switch off).
    [[nodiscard]] bool timestampCommandRefused() const { return m_timestampRefused; }
    [[nodiscard]] QString portName() const { return m_portName; }

protected:
    bool open() override;
    void close() override;

private:
    enum class Step : uint8_t { Idle, Close, BitRate, Timestamps, Open, Running };
    enum class Pending : uint8_t { Transmit, Status };

    void onReadyRead();
    void onPortError(QSerialPort::SerialPortError error);
    void onStepTimeout();
    void pollStatus();
    void sendStep(Step step);
    void stepAnswered(bool ok);
    void failOpen(const QString& why);
    void lose(const QString& why);
    // Takes a status answer: the bus state, and the error frame that reports its flags.
    [[nodiscard]] std::optional<QCanBusFrame> handleStatus(uint8_t flags);
    void popPending(Pending kind);
    [[nodiscard]] QString stepName(Step step) const;
    bool sendLine(const QByteArray& line);

    QString m_portName;
    int m_baud = DefaultBaud;
    QSerialPort m_port;
    SlcanLineReader m_reader;
    QTimer m_stepTimer;
    QTimer m_statusTimer;
    Step m_step = Step::Idle;
    int m_closeAttempts = 0;
    QByteArray m_bitRateCommand;
    bool m_timestampRefused = false;
    std::deque<Pending> m_pending; // commands sent while open whose answer has not come yet
    bool m_statusSupported = true;
    bool m_statusAnswered = false; // the adapter has answered F since the open
    int m_silentPolls = 0;
    CanBusStatus m_busStatus = CanBusStatus::Unknown;
    uint64_t m_malformed = 0;
    uint64_t m_overlongAtOpen = 0;
};
