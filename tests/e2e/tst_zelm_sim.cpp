// zelm-sim as a separate process: on a virtual CAN bus with a test device as the other side, and
// as a Modbus RTU slave on one end of a socat pty pair.

#include "BusReader.h"
#include "tests/FreePort.h"

#include "core/Crc16.h"
#include "sim/CanFrameConvert.h"
#include "sim/ModbusRtuSlave.h"

#include "core/DeviceMessage.h"

#include <QCanBus>
#include <QCanBusDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <csignal>
#include <memory>

#ifndef ZELM_SIM_PATH
#error "ZELM_SIM_PATH must name the zelm-sim executable"
#endif

namespace {

// Standard project Line1: rows 0 and 2 in use, RX 0x100 / 0x101, TX 0x110 / 0x111, RS 0 and 7.
// Protocol 3 project "Линия 3": rows 0 and 1, RX 0x01000000 / 0x02000000, TX + 0x10000000.
const char* const ProjectsIni = R"([Projects]
ProjectQua=3
Project1=Line1
Project2=Линия 3
Project3=Empty
ProjectNum=2

[Line1]
Protokol=0
BaseAdr=0x100
Use_0=1
Name_0=Насос 1
Use_2=1
RSadr_2=7
Name_2=Насос 2

[Линия 3]
Protokol=3
Use_0=1
CANadr_0=1
Name_0=Котёл 1
Use_1=1
Name_1=Котёл 2

[Empty]
Protokol=0
)";

// Qt's virtual bus keeps one server per process, on the port of the first connection: every test
// of this executable shares that one port, a port the system had free.
QString BusUrl() {
    static const quint16 port = FreeTcpPort();
    return VirtualBusUrl(port);
}

// The test's side of the virtual bus; it connects first and so hosts the bus.
std::unique_ptr<QCanBusDevice> ConnectPeer() {
    QString error;
    std::unique_ptr<QCanBusDevice> dev(
        QCanBus::instance()->createDevice(QStringLiteral("virtualcan"), BusUrl(), &error));
    if (!dev || !dev->connectDevice()) return {};
    if (!QTest::qWaitFor([&] { return dev->state() == QCanBusDevice::ConnectedState; }, 5000)) return {};
    return dev;
}

// Sends as the tool does: the extended flag is always set.
bool SendAsTool(QCanBusDevice* dev, const TCanFrame& f) {
    QCanBusFrame q = ToQtFrame(f, 0);
    q.setExtendedFrameFormat(true);
    return dev->writeFrame(q);
}

} // namespace

class TestZelmSim : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void playsTheProjectOnCan_data();
    void playsTheProjectOnCan();
    void stopsCleanlyOnSignal_data();
    void stopsCleanlyOnSignal();
    void refusesBadStarts_data();
    void refusesBadStarts();
    void answersModbusOnSerial();

private:
    [[nodiscard]] QProcess* startSim(const QStringList& args);
    [[nodiscard]] bool waitForOutput(QProcess* p, const QByteArray& text, int ms = 10000);

    QTemporaryDir m_dir;
    QString m_ini;
    std::unique_ptr<QProcess> m_sim;
    QByteArray m_output;
    std::unique_ptr<QProcess> m_socat;
};

void TestZelmSim::initTestCase() {
    QVERIFY(QFileInfo::exists(QStringLiteral(ZELM_SIM_PATH)));
    QVERIFY(m_dir.isValid());
    m_ini = m_dir.filePath(QStringLiteral("Projects.ini"));
    QFile f(m_ini);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ProjectsIni);
}

void TestZelmSim::cleanup() {
    for (auto* p : {m_sim.get(), m_socat.get()}) {
        if (p && p->state() != QProcess::NotRunning) {
            p->terminate();
            if (!p->waitForFinished(5000)) p->kill();
            p->waitForFinished(2000);
        }
    }
    m_sim.reset();
    m_socat.reset();
    m_output.clear();
}

QProcess* TestZelmSim::startSim(const QStringList& args) {
    m_sim = std::make_unique<QProcess>();
    m_sim->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_sim.get(), &QProcess::readyRead, this, [this] { m_output += m_sim->readAll(); });
    m_sim->start(QStringLiteral(ZELM_SIM_PATH), args);
    return m_sim.get();
}

bool TestZelmSim::waitForOutput(QProcess* p, const QByteArray& text, int ms) {
    (void)QTest::qWaitFor([&] { return m_output.contains(text) || p->state() == QProcess::NotRunning; }, ms);
    if (p->state() == QProcess::NotRunning) m_output += p->readAll();
    return m_output.contains(text);
}

void TestZelmSim::playsTheProjectOnCan_data() {
    QTest::addColumn<QString>("name"); // empty: the project the file selects
    QTest::addColumn<int>("protokol");
    QTest::addColumn<uint32_t>("rx");
    QTest::addColumn<uint32_t>("tx");
    QTest::addColumn<uint32_t>("otherTx");
    QTest::addColumn<double>("load"); // two devices every 20 ms: 100 frames/s of 135 or 160 bits at 250K
    QTest::newRow("standard layout") << QStringLiteral("Line1") << 0 << 0x101u << 0x111u << 0x110u << 5.4;
    QTest::newRow("protocol 3, selected in the file")
        << QString() << 3 << 0x02000000u << 0x12000000u << 0x11000000u << 6.4;
}

void TestZelmSim::playsTheProjectOnCan() {
    QFETCH(QString, name);
    QFETCH(int, protokol);
    QFETCH(uint32_t, rx);
    QFETCH(uint32_t, tx);
    QFETCH(uint32_t, otherTx);
    QFETCH(double, load);

    auto peer = ConnectPeer();
    QVERIFY(peer);
    BusReader reader(peer.get());
    QStringList args{QStringLiteral("--can"),     QStringLiteral("virtualcan:") + BusUrl(),
                     QStringLiteral("--project"), m_ini,
                     QStringLiteral("--period"),  QStringLiteral("20")};
    if (!name.isEmpty()) args << QStringLiteral("--name") << name;
    QProcess* sim = startSim(args);
    QVERIFY2(waitForOutput(sim, "CAN connected"), m_output.constData());

    // Both devices report, on their TXadr, in the project's frame format.
    QTRY_VERIFY_WITH_TIMEOUT(reader.countKey(tx, protokol) >= 5 && reader.countKey(otherTx, protokol) >= 5,
                             10000);
    for (const QCanBusFrame& q : reader.frames) {
        QCOMPARE(q.hasExtendedFrameFormat(), protokol == 3);
        QCOMPARE(q.payload().size(), 8);
    }

    // A write to register 100 and a command: echoed at once, and the round-robin reports carry them.
    TDeviceMessage msg;
    msg.Address = 100;
    msg.Count = protokol == 3 ? 1 : 3;
    msg.Mask = protokol == 3 ? 0xFF : 4;
    msg.Values[0] = 4321;
    TCanFrame write;
    EncodeRegisterWrite(msg, rx, protokol, write);
    QVERIFY(SendAsTool(peer.get(), write));
    TCanFrame command;
    EncodeCommand(0x0008, rx, command);
    QVERIFY(SendAsTool(peer.get(), command));
    QTRY_VERIFY_WITH_TIMEOUT(reader.sawRegister(tx, rx, protokol, 100, 4321), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(reader.sawRegister(tx, rx, protokol, 127, 0x0008), 10000);
    reader.frames.clear();
    QTRY_VERIFY_WITH_TIMEOUT(reader.sawRegister(tx, rx, protokol, 100, 4321), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(reader.sawRegister(tx, rx, protokol, 127, 0x0008), 10000);
    // The other device was not written.
    QVERIFY(!reader.sawRegister(otherTx, protokol == 3 ? 0x01000000u : 0x100u, protokol, 100, 4321));

    QVERIFY2(waitForOutput(sim, "registers written 2"), m_output.constData());
    // The status line shows the load of the frames it sends and receives.
    const auto loadShown = [this, load] {
        const QRegularExpression figure(
            QStringLiteral("load (\\d+\\.\\d) % \\(peak \\d+\\.\\d %\\) of 250 kbit/s, "
                           "error frames 0, lost 0\n"));
        for (auto m = figure.globalMatch(QString::fromUtf8(m_output)); m.hasNext();)
            if (std::abs(m.next().captured(1).toDouble() - load) <= 0.6) return true;
        return false;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(loadShown(), m_output.constData(), 10000);
    sim->terminate();
    QVERIFY(sim->waitForFinished(5000));
    m_output += sim->readAll();
    QCOMPARE(sim->exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim->exitCode(), 0);
    QVERIFY2(m_output.contains("total: sent="), m_output.constData());
    QVERIFY2(m_output.contains("written=2"), m_output.constData());
    QVERIFY2(m_output.contains(" bus_load_peak_percent="), m_output.constData());
}

void TestZelmSim::stopsCleanlyOnSignal_data() {
    QTest::addColumn<int>("signal"); // 0: --duration ends the run
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("--duration, burst mode") << 0;
}

void TestZelmSim::stopsCleanlyOnSignal() {
    QFETCH(int, signal);
    auto peer = ConnectPeer();
    QVERIFY(peer);
    BusReader reader(peer.get());
    QStringList args{QStringLiteral("--can"),     QStringLiteral("virtualcan:") + BusUrl(),
                     QStringLiteral("--project"), m_ini,
                     QStringLiteral("--name"),    QStringLiteral("Line1")};
    if (signal == 0)
        args << QStringLiteral("--duration") << QStringLiteral("1.5") << QStringLiteral("--burst")
             << QStringLiteral("500");
    QProcess* sim = startSim(args);
    QVERIFY2(waitForOutput(sim, "CAN connected"), m_output.constData());
    QTRY_VERIFY_WITH_TIMEOUT(reader.frames.size() > 10, 10000);
    if (signal != 0) {
        QVERIFY2(waitForOutput(sim, "[   1 s]"), m_output.constData());
        ::kill(static_cast<pid_t>(sim->processId()), signal);
    }
    QVERIFY(sim->waitForFinished(10000));
    m_output += sim->readAll();
    QCOMPARE(sim->exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim->exitCode(), 0);
    QVERIFY2(m_output.contains("total: sent="), m_output.constData());
    // Everything it says it sent went out (the peer may still be reading the last few).
    const qsizetype at = m_output.indexOf("total: sent=") + 12;
    const int sent = m_output.mid(at, m_output.indexOf(' ', at) - at).toInt();
    QVERIFY(sent > 10);
    QTRY_COMPARE_WITH_TIMEOUT(int(reader.frames.size()), sent, 5000);
}

void TestZelmSim::refusesBadStarts_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("message");
    const QString missing = QDir::temp().filePath(QStringLiteral("no-such-dir-zelm/Projects.ini"));
    QTest::newRow("no bus and no port") << QStringList{} << QByteArray("nothing to play on");
    QTest::newRow("--can without interface")
        << QStringList{"--can", "virtualcan"} << QByteArray("PLUGIN:INTERFACE");
    QTest::newRow("project file missing")
        << QStringList{"--can", "virtualcan:can0", "--project", missing} << QByteArray("not found");
    QTest::newRow("project without devices")
        << QStringList{"--can", "virtualcan:can0", "--name", "Empty"} << QByteArray("no device in use");
    QTest::newRow("unknown project") << QStringList{"--can", "virtualcan:can0", "--name", "Nowhere"}
                                     << QByteArray("no device in use");
    QTest::newRow("period not a number")
        << QStringList{"--can", "virtualcan:can0", "--period", "fast"} << QByteArray("--period");
    QTest::newRow("unknown CAN plugin")
        << QStringList{"--can", "nosuchplugin:can0"} << QByteArray("cannot create CAN device");
}

void TestZelmSim::refusesBadStarts() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, message);
    if (!args.contains(QStringLiteral("--project"))) args << QStringLiteral("--project") << m_ini;
    QProcess* sim = startSim(args);
    QVERIFY(sim->waitForFinished(10000));
    m_output += sim->readAll();
    QVERIFY(sim->exitCode() != 0);
    QVERIFY2(m_output.contains(message), m_output.constData());
}

void TestZelmSim::answersModbusOnSerial() {
    const QString socatPath = QStandardPaths::findExecutable(QStringLiteral("socat"));
    if (socatPath.isEmpty()) QSKIP("socat is not installed");
    const QString simEnd = m_dir.filePath(QStringLiteral("ttySim"));
    const QString toolEnd = m_dir.filePath(QStringLiteral("ttyTool"));
    m_socat = std::make_unique<QProcess>();
    m_socat->start(socatPath, {QStringLiteral("pty,raw,echo=0,link=") + simEnd,
                               QStringLiteral("pty,raw,echo=0,link=") + toolEnd});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(simEnd) && QFileInfo::exists(toolEnd), 5000);

    auto peer = ConnectPeer();
    QVERIFY(peer);
    BusReader reader(peer.get());
    QProcess* sim = startSim({QStringLiteral("--can"), QStringLiteral("virtualcan:") + BusUrl(),
                              QStringLiteral("--project"), m_ini, QStringLiteral("--name"),
                              QStringLiteral("Line1"), QStringLiteral("--serial"), simEnd});
    QVERIFY2(waitForOutput(sim, "CAN connected"), m_output.constData());

    QSerialPort tool;
    tool.setPortName(toolEnd);
    QVERIFY(tool.open(QIODevice::ReadWrite));
    tool.setBaudRate(115200);
    auto exchange = [&tool](uint8_t address, int first, int count, int expected) {
        QByteArray req;
        req.append(static_cast<char>(address));
        req.append(char(3));
        req.append(static_cast<char>(first >> 8));
        req.append(static_cast<char>(first & 0xFF));
        req.append(static_cast<char>(count >> 8));
        req.append(static_cast<char>(count & 0xFF));
        ModbusAppendCrc(req);
        req.append(char(0)); // the tool sends one zero byte after each request
        tool.write(req);
        QByteArray answer;
        QElapsedTimer t;
        t.start();
        while (answer.size() < expected && t.elapsed() < 3000) {
            if (tool.waitForReadyRead(50)) answer += tool.readAll();
        }
        if (expected == 0 && tool.waitForReadyRead(300)) answer += tool.readAll();
        return answer;
    };

    // Row 2 (serial address 7), settings registers 89.. hold 10 * k + row; the CRC closes the answer.
    QByteArray a = exchange(7, 89, 4, 2 * 4 + 5);
    QCOMPARE(a.toHex(' '),
             [] {
                 QByteArray e = QByteArray::fromHex("070308"
                                                    "0002"
                                                    "000c"
                                                    "0016"
                                                    "0020");
                 ModbusAppendCrc(e);
                 return e;
             }()
                 .toHex(' '));

    // A register written over CAN reads back over the serial line.
    TDeviceMessage msg;
    msg.Address = 60;
    msg.Count = 3;
    msg.Mask = 6;
    msg.Values[0] = -1000;
    msg.Values[1] = 555;
    TCanFrame write;
    EncodeRegisterWrite(msg, 0x101, 0, write);
    QVERIFY(SendAsTool(peer.get(), write));
    QTRY_VERIFY_WITH_TIMEOUT(reader.sawRegister(0x111, 0x101, 0, 61, 555), 10000);
    a = exchange(7, 60, 2, 2 * 2 + 5);
    QCOMPARE(a.mid(0, 7).toHex(' '), QByteArray::fromHex("070304fc18022b").toHex(' '));
    QCOMPARE(Crc16(reinterpret_cast<const uint8_t*>(a.constData()), a.size()), uint16_t(0));

    // Row 0 answers at serial address 0; nobody answers at address 3.
    QCOMPARE(exchange(0, 88, 1, 7).size(), 7);
    QCOMPARE(exchange(3, 0, 10, 0).size(), 0);
    QVERIFY2(waitForOutput(sim, "modbus answers 3"), m_output.constData());
}

QTEST_GUILESS_MAIN(TestZelmSim)
#include "tst_zelm_sim.moc"
