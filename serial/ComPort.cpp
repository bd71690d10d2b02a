#include "ComPort.h"

#include <QByteArray>

namespace {

QString& overridePath() {
    static QString path;
    return path;
}

} // namespace

void SetSerialPortOverride(const QString& path) {
    overridePath() = path;
}

TComPort::TComPort(QObject* parent) : QObject(parent) {
    connect(&m_port, &QSerialPort::errorOccurred, this, &TComPort::onError);
}

TComPort::~TComPort() {
    if (m_port.isOpen()) m_port.close();
}

QString TComPort::PortName(int32_t comNumber) {
    if (!overridePath().isEmpty()) return overridePath();
    if (comNumber < 1) return {};
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(comNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(comNumber - 1);
#endif
}

void TComPort::setOpen(bool value) {
    if (value == m_port.isOpen()) return;
    if (value) {
        openPort();
    } else {
        m_port.close();
    }
}

bool TComPort::openPort() {
    const QString name = PortName(m_comNumber);
    if (name.isEmpty()) {
        m_lastError = tr("no port for COM%1").arg(m_comNumber);
        return false;
    }
    m_port.setPortName(name);
    m_port.setBaudRate(m_baud);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::TwoStop);
    // No flow control: the buffer full / resume thresholds (58500 / 5850 bytes) would only
    // matter with hardware or software handshaking.
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    // The component's input buffer; bytes beyond it stay in the system's driver buffer.
    m_port.setReadBufferSize(InSize);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_lastError = m_port.errorString();
        m_port.clearError();
        return false;
    }
    // Lines that have no modem control (pseudo terminals, some adapters) refuse this quietly.
    m_port.setDataTerminalReady(false);
    m_port.clearError();
    m_lastError.clear();
    return true;
}

void TComPort::onError(QSerialPort::SerialPortError error) {
    // The line went away (adapter unplugged, peer of a pseudo terminal gone): the port closes,
    // so the exchange sees an idle line instead of failing reads on every poll.
    if (error == QSerialPort::ResourceError && m_port.isOpen()) {
        m_lastError = m_port.errorString();
        m_port.close();
    }
}

void TComPort::setBaud(int32_t baud) {
    m_baud = baud;
    if (m_port.isOpen()) m_port.setBaudRate(baud);
}

void TComPort::setComNumber(int32_t number) {
    if (number == m_comNumber) return;
    m_comNumber = number;
    if (m_port.isOpen()) {
        m_port.close();
        openPort();
    }
}

void TComPort::ServiceLine(int waitMs) {
    if (!m_port.isOpen()) return;
    // waitForReadyRead also writes what waits in the output buffer. It returns as soon as
    // something was read; with bytes already buffered it only picks up what the driver holds.
    m_port.waitForReadyRead(m_port.bytesAvailable() > 0 ? 0 : waitMs);
}

int32_t TComPort::OutBuffUsed() {
    if (!m_port.isOpen()) return 0;
    if (m_port.bytesToWrite() > 0) m_port.waitForBytesWritten(2);
    if (!m_port.isOpen()) return 0;
    return static_cast<int32_t>(m_port.bytesToWrite());
}

int32_t TComPort::InBuffUsed() {
    if (!m_port.isOpen()) return 0;
    if (m_port.bytesAvailable() < InSize) m_port.waitForReadyRead(0);
    if (!m_port.isOpen()) return 0;
    return static_cast<int32_t>(m_port.bytesAvailable());
}

void TComPort::FlushInBuffer() {
    if (!m_port.isOpen()) return;
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
}

void TComPort::FlushOutBuffer() {
    if (!m_port.isOpen()) return;
    m_port.clear(QSerialPort::Output);
}

int32_t TComPort::PutBlock(const uint8_t* bytes, int32_t len) {
    if (!m_port.isOpen() || len <= 0) return 0;
    const qint64 n = m_port.write(reinterpret_cast<const char*>(bytes), len);
    return n > 0 ? static_cast<int32_t>(n) : 0;
}

int32_t TComPort::GetBlock(uint8_t* bytes, int32_t len) {
    if (!m_port.isOpen() || len <= 0) return 0;
    const qint64 n = m_port.read(reinterpret_cast<char*>(bytes), len);
    return n > 0 ? static_cast<int32_t>(n) : 0;
}

bool TComPort::CharReady() {
    if (!m_port.isOpen()) return false;
    if (m_port.bytesAvailable() == 0) m_port.waitForReadyRead(0);
    return m_port.isOpen() && m_port.bytesAvailable() > 0;
}

uint8_t TComPort::GetChar() {
    char c = 0;
    if (m_port.isOpen() && m_port.getChar(&c)) return static_cast<uint8_t>(c);
    return 0;
}
