#pragma once

// Runs the simulated devices of one project: on a CAN bus (any Qt CAN plugin), behind a simulated
// serial-line CAN adapter and/or as a Modbus RTU slave on a serial port, printing one status line
// per second and the totals at the end.

#include "SimOptions.h"
#include "SlcanAdapterSide.h"

#include "sim/ModbusRtuSlave.h"
#include "sim/ZelmBus.h"

#include "BusHealthMeter.h"

#include "socketcand/SocketcandServer.h"

#include <QCanBusDevice>
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QTextStream>
#include <QTimer>

#include <memory>
#include <vector>

class SimRunner : public QObject {
    Q_OBJECT
public:
    static constexpr int TickMs = 5;
    // The bit rate the load is counted against when the interface does not tell its own.
    static constexpr int AssumedBitRate = 250000;

    SimRunner(SimOptions options, ZelmBus bus, QObject* parent = nullptr);
    ~SimRunner() override;

    // Opens the bus and the serial port; false (with a message printed) when either fails.
    [[nodiscard]] bool start();
    // Stops producing and disconnects from the bus, giving the frames already written up to a
    // second to leave; called once when the event loop has ended.
    void stop();
    // Prints the totals.
    void printTotals();

signals:
    // Something went wrong that ends the run (the bus went away); the code is the exit status.
    void failed(int exitCode);

private:
    void tick();
    void report();
    void reportBusHealth();
    void onFramesReceived();
    void onCanState(QCanBusDevice::CanBusDeviceState state);
    void onCanError(QCanBusDevice::CanBusError error);
    void onSerialData();
    void onFrameFromSlcan(const TCanFrame& frame);
    // A frame a socketcand client sent: onto the simulated bus; empty when taken, else why not.
    [[nodiscard]] QString onFrameFromClient(const QCanBusFrame& frame);
    [[nodiscard]] bool startSocketcand();
    void send(std::vector<TCanFrame>& frames);
    // The bit rate the bus load is counted against: the one the tool set on the simulated adapter, or
    // the interface's, else the one asked for, else the tool's usual 250 kbit/s.
    [[nodiscard]] int busBitRate() const;

    SimOptions m_options;
    ZelmBus m_bus;
    ModbusRtuSlave m_slave{m_bus};
    std::unique_ptr<QCanBusDevice> m_can;
    std::unique_ptr<QSerialPort> m_serial;
    std::unique_ptr<SlcanAdapterSide> m_slcan;
    std::unique_ptr<SocketcandServer> m_socketcand;
    bool m_connected = false;
    bool m_stopping = false;
    QTimer m_tick;
    QTimer m_report;
    QElapsedTimer m_clock;    // since the start
    QElapsedTimer m_busClock; // since the devices started reporting
    std::vector<TCanFrame> m_out;
    QTextStream m_stdout;
    int64_t m_sent = 0;
    int64_t m_sendErrors = 0;
    int64_t m_lastSent = 0;
    int64_t m_busFrames = 0; // every data frame received from the bus
    // Load, errors, state and overruns of the bus, one slot per status line.
    BusHealthMeter m_health{1};
    bool m_slcanOpen = false; // the tool has opened the channel of the simulated adapter
};
