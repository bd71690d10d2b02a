#include "SimRunner.h"

#include "can/CanDeviceFactory.h"
#include "core/CanIdText.h"
#include "sim/CanFrameConvert.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QVariant>

#include <cstdio>

SimRunner::SimRunner(SimOptions options, ZelmBus bus, QObject* parent)
    : QObject(parent), m_options(std::move(options)), m_bus(std::move(bus)), m_stdout(stdout) {
    m_bus.setPeriodMs(m_options.periodMs);
    if (m_options.burstFps > 0) m_bus.setBurstRate(m_options.burstFps);
    m_tick.setInterval(TickMs);
    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &SimRunner::tick);
    m_report.setInterval(1000);
    connect(&m_report, &QTimer::timeout, this, &SimRunner::report);
}

SimRunner::~SimRunner() {
    if (m_can) {
        m_can->disconnect(this);
        if (m_can->state() != QCanBusDevice::UnconnectedState) m_can->disconnectDevice();
    }
}

bool SimRunner::start() {
    QTextStream err(stderr);
    m_stdout << "zelm-sim: project \"" << m_bus.projectName() << "\", protocol " << m_bus.protokol() << " ("
             << (m_bus.protokol() == Protocol3 ? "protocol 3 layout" : "standard layout") << "), "
             << m_bus.deviceCount() << " device(s)\n";
    for (int i = 0; i < m_bus.deviceCount(); ++i) {
        const ZelmDevice& d = m_bus.device(i);
        m_stdout << QStringLiteral("  row %1  RX %2  TX %3  RS %4  %5\n")
                        .arg(d.row(), 2)
                        .arg(CanIdText(d.rxAdr()), CanIdText(d.txAdr()))
                        .arg(d.rsAdr())
                        .arg(d.name());
    }
    if (m_options.burstFps > 0)
        m_stdout << "burst mode: " << m_options.burstFps << " frames/s over all devices\n";
    else
        m_stdout << "period mode: one report per device every " << m_options.periodMs << " ms\n";

    if (!m_options.canPlugin.isEmpty()) {
        QString error;
        m_can.reset(CreateCanBusDevice(m_options.canPlugin, m_options.canInterface, &error));
        if (!m_can) {
            err << "zelm-sim: cannot create CAN device " << m_options.canPlugin << ":"
                << m_options.canInterface << ": " << error << Qt::endl;
            return false;
        }
        if (m_options.bitRate > 0)
            m_can->setConfigurationParameter(QCanBusDevice::BitRateKey, QVariant(m_options.bitRate));
        connect(m_can.get(), &QCanBusDevice::framesReceived, this, &SimRunner::onFramesReceived);
        connect(m_can.get(), &QCanBusDevice::stateChanged, this, &SimRunner::onCanState);
        connect(m_can.get(), &QCanBusDevice::errorOccurred, this, &SimRunner::onCanError);
        if (!m_can->connectDevice()) {
            err << "zelm-sim: cannot connect " << m_options.canPlugin << ":" << m_options.canInterface << ": "
                << m_can->errorString() << Qt::endl;
            return false;
        }
        m_stdout << "CAN: " << m_options.canPlugin << ":" << m_options.canInterface << "\n";
    }

    if (!m_options.slcanPath.isEmpty()) {
        SlcanAdapterSide::Options o;
        o.path = m_options.slcanPath;
        o.baud = m_options.baud;
        o.refuse = m_options.slcanRefuse;
        o.status = static_cast<uint8_t>(m_options.slcanStatus);
        m_slcan = std::make_unique<SlcanAdapterSide>(o);
        QString error;
        if (!m_slcan->start(&error)) {
            err << "zelm-sim: " << error << Qt::endl;
            return false;
        }
        m_slcan->onFrameFromTool = [this](const TCanFrame& f) { onFrameFromSlcan(f); };
        m_slcan->onTraffic = [this](const QCanBusFrame& f, CanTrafficDirection d) {
            m_health.canTraffic(f, d);
            // The tool's frames are on the bus for the socketcand clients too (the devices' frames
            // are passed on where they are sent).
            if (m_socketcand && d == CanTrafficDirection::Received) m_socketcand->publish(f);
        };
        connect(m_slcan.get(), &SlcanAdapterSide::event, this, [this](const QString& text) {
            // The bus behind the adapter is counted afresh each time the tool opens the channel.
            if (m_slcan->isChannelOpen() && !m_slcanOpen) m_health.restart(m_clock.elapsed(), busBitRate());
            m_slcanOpen = m_slcan->isChannelOpen();
            m_stdout << text << "\n" << Qt::flush;
        });
        m_stdout << "SLCAN adapter on " << m_options.slcanPath << "\n";
    }

    if (!m_options.serialPath.isEmpty()) {
        m_serial = std::make_unique<QSerialPort>();
        m_serial->setPortName(m_options.serialPath);
        if (!m_serial->open(QIODevice::ReadWrite)) {
            err << "zelm-sim: cannot open serial port " << m_options.serialPath << ": "
                << m_serial->errorString() << Qt::endl;
            return false;
        }
        // The tool's settings: 8 data bits, no parity, two stop bits.
        m_serial->setBaudRate(m_options.baud);
        m_serial->setDataBits(QSerialPort::Data8);
        m_serial->setParity(QSerialPort::NoParity);
        m_serial->setStopBits(QSerialPort::TwoStop);
        m_serial->setFlowControl(QSerialPort::NoFlowControl);
        connect(m_serial.get(), &QSerialPort::readyRead, this, &SimRunner::onSerialData);
        connect(m_serial.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
            // The port went away (adapter unplugged, pty closed): stop using it, keep the bus going.
            if (e != QSerialPort::ResourceError || !m_serial->isOpen()) return;
            QTextStream(stderr) << "zelm-sim: serial port lost: " << m_serial->errorString() << Qt::endl;
            m_serial->close();
        });
        m_stdout << "Modbus RTU slave on " << m_options.serialPath << " at " << m_options.baud << " baud\n";
    }
    if (!m_options.socketcand.isEmpty() && !startSocketcand()) return false;
    m_stdout << Qt::flush;

    m_clock.start();
    if (m_socketcand) m_health.restart(0, busBitRate());
    m_tick.start();
    m_report.start();
    return true;
}

bool SimRunner::startSocketcand() {
    QHostAddress address;
    quint16 port = 0;
    QString error;
    m_socketcand = std::make_unique<SocketcandServer>();
    if (!SocketcandServer::parseListenAddress(m_options.socketcand, &address, &port, &error) ||
        !m_socketcand->listen(address, port, &error)) {
        QTextStream(stderr) << "zelm-sim: socketcand: " << error << Qt::endl;
        m_socketcand.reset();
        return false;
    }
    m_socketcand->setSink([this](const QCanBusFrame& frame) { return onFrameFromClient(frame); });
    connect(m_socketcand.get(), &SocketcandServer::event, this, [this](const QString& text) {
        m_stdout << text << "\n" << Qt::flush;
    });
    m_stdout << "socketcand server on " << m_socketcand->listenName() << ", bus " << m_socketcand->busName()
             << "\n";
    return true;
}

QString SimRunner::onFrameFromClient(const QCanBusFrame& frame) {
    TCanFrame in;
    if (!FromQtFrame(frame, in)) return QStringLiteral("only data frames reach the simulated devices");
    m_health.canTraffic(frame, CanTrafficDirection::Received);
    ++m_busFrames;
    // On the bus for everyone: the other clients (the sender is left out), the bus the simulator
    // plays on, and the devices, whose echoes go out at once.
    m_socketcand->publish(frame);
    if (m_can && m_connected) (void)m_can->writeFrame(frame);
    (void)m_bus.receive(in, m_out);
    send(m_out);
    return {};
}

void SimRunner::onCanState(QCanBusDevice::CanBusDeviceState state) {
    if (state == QCanBusDevice::ConnectedState) {
        m_connected = true;
        m_health.restart(m_clock.elapsed(), busBitRate());
        m_stdout << "CAN connected\n" << Qt::flush;
    } else if (state == QCanBusDevice::UnconnectedState && m_connected && !m_stopping) {
        m_connected = false;
        QTextStream(stderr) << "zelm-sim: the CAN bus went away" << Qt::endl;
        emit failed(1);
    }
}

void SimRunner::onCanError(QCanBusDevice::CanBusError error) {
    if (error == QCanBusDevice::NoError || !m_can) return;
    QTextStream(stderr) << "zelm-sim: CAN error: " << m_can->errorString() << Qt::endl;
    if (!m_connected && error == QCanBusDevice::ConnectionError) emit failed(1);
}

void SimRunner::onFramesReceived() {
    if (!m_can) return;
    while (m_can->framesAvailable() > 0) {
        const QCanBusFrame frame = m_can->readFrame();
        m_health.canTraffic(frame, CanTrafficDirection::Received);
        if (m_socketcand) m_socketcand->publish(frame);
        TCanFrame in;
        if (!FromQtFrame(frame, in)) continue;
        ++m_busFrames;
        (void)m_bus.receive(in, m_out);
    }
    // Echoes go out at once.
    send(m_out);
}

void SimRunner::onFrameFromSlcan(const TCanFrame& frame) {
    ++m_busFrames;
    (void)m_bus.receive(frame, m_out);
    // Echoes go out at once.
    send(m_out);
}

void SimRunner::onSerialData() {
    const QByteArray reply = m_slave.feed(m_serial->readAll());
    if (!reply.isEmpty()) m_serial->write(reply);
}

void SimRunner::tick() {
    if (!m_busClock.isValid()) {
        if (m_clock.elapsed() < static_cast<qint64>(m_options.delayS * 1000.0)) return;
        m_busClock.start();
        if (m_options.delayS > 0) m_stdout << "reporting starts\n" << Qt::flush;
    }
    m_bus.produce(m_busClock.elapsed(), m_out);
    send(m_out);
}

void SimRunner::send(std::vector<TCanFrame>& frames) {
    const bool toCan = m_can && m_connected;
    if (toCan || m_socketcand) {
        for (const TCanFrame& f : frames) {
            const QCanBusFrame q = ToQtFrame(f, m_bus.protokol());
            if (m_socketcand) m_socketcand->publish(q);
            if (toCan) {
                if (m_can->writeFrame(q)) {
                    ++m_sent;
                    m_health.canTraffic(q, CanTrafficDirection::Sent);
                } else {
                    ++m_sendErrors;
                }
            } else if (!m_slcan) {
                // Served over socketcand only: that is where the frames go.
                ++m_sent;
                m_health.canTraffic(q, CanTrafficDirection::Sent);
            }
        }
    }
    if (m_slcan) m_sent += m_slcan->report(frames, m_bus.protokol());
    frames.clear();
}

void SimRunner::report() {
    const qint64 seconds = (m_clock.elapsed() + 500) / 1000;
    m_stdout << QStringLiteral("[%1 s]").arg(seconds, 4);
    if (m_can || m_slcan || m_socketcand) {
        m_stdout << QStringLiteral(" sent %1 (%2/s), received %3, for devices %4, registers written %5")
                        .arg(m_sent)
                        .arg(m_sent - m_lastSent)
                        .arg(m_busFrames)
                        .arg(m_bus.framesForDevices())
                        .arg(m_bus.registersWritten());
        if (m_sendErrors > 0) m_stdout << ", send errors " << m_sendErrors;
        if (m_bus.framesDropped() > 0) m_stdout << ", late " << m_bus.framesDropped();
        if (m_connected || m_slcanOpen || m_socketcand) reportBusHealth();
        if (m_socketcand)
            m_stdout << QStringLiteral(", socketcand %1 client(s), dropped %2")
                            .arg(m_socketcand->clientCount())
                            .arg(m_socketcand->droppedFrames());
    }
    if (m_serial) m_stdout << (m_can || m_slcan ? "," : "") << " modbus answers " << m_slave.answered();
    if (m_can && !m_connected) m_stdout << ", CAN not connected";
    if (m_slcan && !m_slcan->isChannelOpen()) m_stdout << ", SLCAN channel closed";
    m_stdout << "\n" << Qt::flush;
    m_lastSent = m_sent;
}

int SimRunner::busBitRate() const {
    if (m_slcan && m_slcan->bitRate() > 0) return m_slcan->bitRate();
    if (m_can) {
        const QVariant configured = m_can->configurationParameter(QCanBusDevice::BitRateKey);
        if (configured.isValid() && configured.toInt() > 0) return configured.toInt();
    }
    return m_options.bitRate > 0 ? m_options.bitRate : AssumedBitRate;
}

void SimRunner::reportBusHealth() {
    m_health.sample(m_clock.elapsed());
    m_stdout << QStringLiteral(", load %1 % (peak %2 %) of %3 kbit/s, error frames %4")
                    .arg(m_health.loadPercent(), 0, 'f', 1)
                    .arg(m_health.peakLoadPercent(), 0, 'f', 1)
                    .arg(m_health.bitRate() / 1000.0)
                    .arg(m_health.errorFrames());
    if (m_health.errorFrames() > 0) m_stdout << " (last: " << BusErrorText(m_health.lastError()) << ")";
    m_stdout << ", lost " << m_health.overruns();
    BusState state = m_health.errorFrameState();
    if (m_can && m_can->hasBusStatus())
        if (const BusState reported = BusStateOf(m_can->busStatus()); reported != BusState::Unknown)
            state = reported;
    if (state != BusState::Unknown) m_stdout << ", bus " << BusStateText(state);
}

void SimRunner::stop() {
    m_stopping = true;
    m_tick.stop();
    m_report.stop();
    // The clients get what was sent before they are let go.
    if (m_socketcand) m_socketcand->finish(1000);
    if (!m_can || m_can->state() == QCanBusDevice::UnconnectedState) return;
    QEventLoop loop;
    connect(m_can.get(), &QCanBusDevice::stateChanged, &loop, [&loop](QCanBusDevice::CanBusDeviceState s) {
        if (s == QCanBusDevice::UnconnectedState) loop.quit();
    });
    QTimer::singleShot(1000, &loop, &QEventLoop::quit);
    m_can->disconnectDevice();
    if (m_can->state() != QCanBusDevice::UnconnectedState) loop.exec();
    m_connected = false;
}

void SimRunner::printTotals() {
    m_stdout << QStringLiteral("total: sent=%1 received=%2 for_devices=%3 written=%4 send_errors=%5 late=%6 "
                               "modbus_answers=%7 seconds=%8 bus_load_peak_percent=%9 error_frames=%10 "
                               "frames_dropped=%11")
                    .arg(m_sent)
                    .arg(m_busFrames)
                    .arg(m_bus.framesForDevices())
                    .arg(m_bus.registersWritten())
                    .arg(m_sendErrors)
                    .arg(m_bus.framesDropped())
                    .arg(m_slave.answered())
                    .arg(static_cast<double>(m_clock.elapsed()) / 1000.0, 0, 'f', 1)
                    .arg(m_health.peakLoadPercent(), 0, 'f', 1)
                    .arg(m_health.errorFrames())
                    .arg(m_health.overruns());
    if (m_socketcand)
        m_stdout << QStringLiteral(" socketcand_accepted=%1 socketcand_dropped=%2")
                        .arg(m_socketcand->acceptedFrames())
                        .arg(m_socketcand->droppedFrames());
    m_stdout << Qt::endl;
}
