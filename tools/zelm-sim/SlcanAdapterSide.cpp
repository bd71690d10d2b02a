#include "SlcanAdapterSide.h"

#include "sim/CanFrameConvert.h"

SlcanAdapterSide::SlcanAdapterSide(Options options, QObject* parent)
    : QObject(parent), m_options(std::move(options)) {
    connect(&m_port, &QSerialPort::readyRead, this, &SlcanAdapterSide::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // The port went away (adapter cable pulled, pty pair ended): stop using it.
        if (e != QSerialPort::ResourceError || !m_port.isOpen()) return;
        emit event(QStringLiteral("SLCAN port lost: %1").arg(m_port.errorString()));
        m_port.close();
        m_open = false;
    });
}

bool SlcanAdapterSide::start(QString* error) {
    m_port.setPortName(m_options.path);
    if (!m_port.open(QIODevice::ReadWrite)) {
        *error = QStringLiteral("cannot open serial port %1: %2").arg(m_options.path, m_port.errorString());
        return false;
    }
    m_port.setBaudRate(m_options.baud);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_clock.start();
    return true;
}

void SlcanAdapterSide::onReadyRead() {
    m_reader.append(m_port.readAll());
    QByteArray out;
    SlcanLineReader::Token token;
    while (m_reader.next(token))
        out += token.bell ? QByteArray(1, SlcanBell) : answer(token.line);
    if (!out.isEmpty()) m_port.write(out);
}

QByteArray SlcanAdapterSide::answer(QByteArrayView command) {
    const QByteArray ok(1, SlcanOk);
    const QByteArray bell(1, SlcanBell);
    if (command.isEmpty()) return ok;
    const char c = command[0];
    if (m_options.refuse.contains(QLatin1Char(c))) return bell;
    switch (c) {
    case 'C':
        if (!m_open) return bell;
        m_open = false;
        emit event(QStringLiteral("SLCAN closed"));
        return ok;
    case 'S': {
        const int rate = SlcanBitRateOfCommand(command);
        if (m_open || rate == 0) return bell;
        m_bitRate = rate;
        return ok;
    }
    case 'Z':
        if (m_open || command.size() != 2 || (command[1] != '0' && command[1] != '1')) return bell;
        m_timestamps = command[1] == '1';
        return ok;
    case 'O':
        if (m_open || command.size() != 1) return bell;
        m_open = true;
        emit event(QStringLiteral("SLCAN open at %1 bit/s").arg(m_bitRate));
        return ok;
    case 'F':
        if (!m_open) return bell;
        return QByteArrayLiteral("F") +
               QByteArray::number(m_options.status, 16).toUpper().rightJustified(2, '0') + ok;
    case 'V':
        return QByteArrayLiteral("V1013") + ok;
    case 'N':
        return QByteArrayLiteral("NZSIM") + ok;
    case 't':
    case 'T':
    case 'r':
    case 'R': {
        QCanBusFrame frame;
        if (!m_open || !SlcanDecodeFrame(command, frame)) return bell;
        if (onTraffic) onTraffic(frame, CanTrafficDirection::Received);
        TCanFrame in;
        if (FromQtFrame(frame, in) && onFrameFromTool) onFrameFromTool(in); // remote frames go nowhere
        return QByteArray(1, c == 't' || c == 'r' ? 'z' : 'Z') + ok;
    }
    default:
        return bell;
    }
}

int SlcanAdapterSide::report(const std::vector<TCanFrame>& frames, int32_t protokol) {
    if (!m_open || !m_port.isOpen() || frames.empty()) return 0;
    QByteArray out;
    out.reserve(static_cast<qsizetype>(frames.size()) * 32);
    for (const TCanFrame& f : frames) {
        const QCanBusFrame frame = ToQtFrame(f, protokol);
        if (onTraffic) onTraffic(frame, CanTrafficDirection::Sent);
        QByteArray line = SlcanEncodeFrame(frame);
        if (m_timestamps) {
            // Milliseconds, wrapping at 60000, before the CR.
            const int ms = static_cast<int>(m_clock.elapsed() % 60000);
            line.insert(line.size() - 1, QByteArray::number(ms, 16).toUpper().rightJustified(4, '0'));
        }
        out += line;
    }
    m_port.write(out);
    return static_cast<int>(frames.size());
}
