#pragma once

// The COM port component of the serial link on QSerialPort: the port is opened and closed through
// the Open property and serviced by polling, so bytes move without the GUI event loop running.
// Port settings: 8 data bits, no parity, 2 stop bits, no flow control, DTR off, not opened
// automatically. COM port n is "COMn" on Windows and /dev/ttyS<n-1> elsewhere, unless a port path
// was given on the command line (SetSerialPortOverride).

#include <QObject>
#include <QSerialPort>
#include <QString>

#include <cstdint>

// Makes every COM port component use this port instead of the one its number names (the
// --serial PATH option). An empty path returns to the numbered ports.
void SetSerialPortOverride(const QString& path);

class TComPort : public QObject {
    Q_OBJECT
public:
    explicit TComPort(QObject* parent = nullptr);
    ~TComPort() override;

    // Size of the input buffer.
    static constexpr int InSize = 65500;

    // Platform name of COM port n (empty for numbers below 1); the override wins when set.
    [[nodiscard]] static QString PortName(int32_t comNumber);

    // The Open property. Opening a port that is missing, busy or not allowed leaves it closed.
    [[nodiscard]] bool open() const { return m_port.isOpen(); }
    void setOpen(bool value);

    // Baud rate and port number. A change while open applies to the open port (the number by
    // reopening on the new port).
    [[nodiscard]] int32_t baud() const { return m_baud; }
    void setBaud(int32_t baud);
    [[nodiscard]] int32_t comNumber() const { return m_comNumber; }
    void setComNumber(int32_t number);

    // Lets the port move bytes between the line and its buffers, waiting at most waitMs for
    // something to arrive when nothing waits in the input buffer. Does nothing when closed.
    void ServiceLine(int waitMs = 2);

    // Bytes waiting in the output and input buffers (0 for a closed port). Both service the line.
    [[nodiscard]] int32_t OutBuffUsed();
    [[nodiscard]] int32_t InBuffUsed();
    void FlushInBuffer();
    void FlushOutBuffer();

    // Queues len bytes for sending; returns the number queued (0 when closed).
    int32_t PutBlock(const uint8_t* bytes, int32_t len);
    // Takes up to len bytes from the input buffer; returns the number taken.
    int32_t GetBlock(uint8_t* bytes, int32_t len);
    [[nodiscard]] bool CharReady();
    // Takes one byte from the input buffer (0 when none waits).
    [[nodiscard]] uint8_t GetChar();

    // Text of the last failure to open, for diagnostics.
    [[nodiscard]] QString lastError() const { return m_lastError; }

private:
    bool openPort();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    int32_t m_baud = 115200;
    int32_t m_comNumber = 1;
    QString m_lastError;
};
