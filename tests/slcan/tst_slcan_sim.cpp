// The serial-line CAN device against zelm-sim acting as the adapter, on a socat pty pair, through
// the adapter layer's driver as the tool uses it: open at the switch's rates, frames both ways, the
// bus state and error frames from the status flags, a refused or silent open, the port vanishing
// and coming back; and zelm-sim's adapter side against python-can's own SLCAN client.

#include "slcan/SlcanCanBusDevice.h"
#include "slcan/SlcanCanBusFactory.h"

#include "core/DeviceMessage.h"
#include "can/QtCanDriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

#ifndef ZELM_SIM_PATH
#error "ZELM_SIM_PATH must name the zelm-sim executable"
#endif

namespace {

// Rows 0 and 2 in use: RX 0x100 / 0x101, TX 0x110 / 0x111.
const char* const ProjectsIni = R"([Projects]
ProjectQua=1
Project1=Line1
ProjectNum=1

[Line1]
Protokol=0
BaseAdr=0x100
Use_0=1
Use_2=1
)";

constexpr uint16_t Code125K = 0x8004;
constexpr uint16_t Code250K = 0x8003;

// Helpers die with the test, also when it crashes.
void dieWithParent(QProcess& process) {
#ifdef Q_OS_LINUX
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#else
    Q_UNUSED(process);
#endif
}

void stop(std::unique_ptr<QProcess>& p) {
    if (p && p->state() != QProcess::NotRunning) {
        p->terminate();
        if (!p->waitForFinished(5000)) p->kill();
        p->waitForFinished(2000);
    }
    p.reset();
}

// A register write of the tool to the device on RX 0x101: register 100 := 4321.
TCanFrame RegisterWrite() {
    TDeviceMessage msg;
    msg.Address = 100;
    msg.Count = 3;
    msg.Mask = 4; // Values[0] only
    msg.Values[0] = 4321;
    TCanFrame f;
    EncodeRegisterWrite(msg, 0x101, 0, f);
    return f;
}

} // namespace

class TestSlcanSim : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void opensAndCarriesFrames_data();
    void opensAndCarriesFrames();
    void refusedOrSilentOpen_data();
    void refusedOrSilentOpen();
    void portVanishesAndComesBack();
    void pythonCanClientTalksToTheSimulator();

private:
    bool startLine();
    bool startSim(const QStringList& extra = {});
    bool waitForSim(const QByteArray& text, int ms = 10000);
    // Opens the adapter through the driver as the switch does; false with the driver's reason.
    bool openDriver(QtCanDriver& driver, uint16_t code);
    void drain(QtCanDriver& driver);
    [[nodiscard]] bool sawRegister(uint32_t txAdr, int reg, int value) const;

    QTemporaryDir m_dir;
    QString m_ini;
    QString m_near; // the tool's end
    QString m_far;  // zelm-sim's end
    std::unique_ptr<QProcess> m_socat;
    std::unique_ptr<QProcess> m_sim;
    QByteArray m_simOutput;
    std::vector<TSlCanEvent> m_events;
};

void TestSlcanSim::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty())
        QSKIP("socat is not installed (Debian package socat)");
    QVERIFY(QFileInfo::exists(QStringLiteral(ZELM_SIM_PATH)));
    QVERIFY(m_dir.isValid());
    m_ini = m_dir.filePath(QStringLiteral("Projects.ini"));
    QFile f(m_ini);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ProjectsIni);
    f.close();
    m_near = m_dir.filePath(QStringLiteral("ttyTool"));
    m_far = m_dir.filePath(QStringLiteral("ttyAdapter"));
    RegisterSlcanBus();
}

void TestSlcanSim::cleanup() {
    stop(m_sim);
    stop(m_socat);
    m_simOutput.clear();
    m_events.clear();
}

bool TestSlcanSim::startLine() {
    QFile::remove(m_near);
    QFile::remove(m_far);
    m_socat = std::make_unique<QProcess>();
    dieWithParent(*m_socat);
    m_socat->start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + m_near,
                                             QStringLiteral("pty,raw,echo=0,link=") + m_far});
    QElapsedTimer t;
    t.start();
    while (!(QFileInfo::exists(m_near) && QFileInfo::exists(m_far)) && t.elapsed() < 5000)
        QTest::qWait(10);
    return QFileInfo::exists(m_near) && QFileInfo::exists(m_far);
}

bool TestSlcanSim::startSim(const QStringList& extra) {
    m_sim = std::make_unique<QProcess>();
    m_sim->setProcessChannelMode(QProcess::MergedChannels);
    dieWithParent(*m_sim);
    connect(m_sim.get(), &QProcess::readyRead, this, [this] { m_simOutput += m_sim->readAll(); });
    m_sim->start(QStringLiteral(ZELM_SIM_PATH),
                 QStringList{QStringLiteral("--slcan"), m_far, QStringLiteral("--project"), m_ini,
                             QStringLiteral("--period"), QStringLiteral("20")} +
                     extra);
    return waitForSim("SLCAN adapter on");
}

bool TestSlcanSim::waitForSim(const QByteArray& text, int ms) {
    QElapsedTimer t;
    t.start();
    while (!m_simOutput.contains(text) && t.elapsed() < ms && m_sim->state() != QProcess::NotRunning)
        QTest::qWait(10);
    return m_simOutput.contains(text);
}

bool TestSlcanSim::openDriver(QtCanDriver& driver, uint16_t code) {
    TSlCanBitRate rate;
    rate.BRP = code;
    return driver.DeviceOpen(0) && driver.DeviceSetBitRate(0, rate) && driver.DeviceSetMode(0, 1) &&
           driver.DeviceSetTXTimeOut(0, 100);
}

void TestSlcanSim::drain(QtCanDriver& driver) {
    TSlCanEvent events[1000];
    uint32_t count = 0;
    if (driver.DeviceReadEvents(0, 10, events, 1000, &count))
        m_events.insert(m_events.end(), events, events + count);
}

bool TestSlcanSim::sawRegister(uint32_t txAdr, int reg, int value) const {
    for (const TSlCanEvent& e : m_events) {
        if (e.EventType != SLCAN_EVT_FRAME || e.Msg.ID != txAdr) continue;
        TCanFrame f;
        f.ID = e.Msg.ID;
        f.DLC = e.Msg.DataCount;
        std::memcpy(f.Data, e.Msg.Data, 8);
        const TDeviceMessage m = DecodeDeviceFrame(f, 0, txAdr - 0x10, txAdr);
        for (int i = 0; i < 4; ++i)
            if (m.present(i) && m.Address + i == reg && static_cast<uint16_t>(m.Values[i]) == value)
                return true;
    }
    return false;
}

void TestSlcanSim::opensAndCarriesFrames_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("opened");
    QTest::addColumn<QString>("flags"); // the flags the adapter reports to F
    QTest::newRow("125K is S4, bus good")
        << int(Code125K) << QByteArray("SLCAN open at 125000 bit/s") << QStringLiteral("00");
    QTest::newRow("250K is S5, error passive and a bus error")
        << int(Code250K) << QByteArray("SLCAN open at 250000 bit/s") << QStringLiteral("A4");
}

void TestSlcanSim::opensAndCarriesFrames() {
    QFETCH(int, code);
    QFETCH(QByteArray, opened);
    QFETCH(QString, flags);
    QVERIFY(startLine());
    QVERIFY2(startSim({QStringLiteral("--slcan-status"), flags}), m_simOutput.constData());
    QtCanDriver driver({CanAdapterName{QStringLiteral("slcan"), m_near}});
    QVERIFY2(openDriver(driver, static_cast<uint16_t>(code)), qPrintable(driver.lastError()));
    QVERIFY2(waitForSim(opened), m_simOutput.constData());
    QCOMPARE(driver.openAdapterName(), QStringLiteral("slcan:") + m_near);

    // The devices' reports arrive as standard eight-byte frames on their TXadr.
    QTRY_VERIFY_WITH_TIMEOUT((drain(driver), std::count_if(m_events.begin(), m_events.end(),
                                                           [](const TSlCanEvent& e) {
                                                               return e.EventType == SLCAN_EVT_FRAME &&
                                                                      e.Msg.ID == 0x111 &&
                                                                      e.Msg.DataCount == 8 &&
                                                                      e.Msg.Flags == 0;
                                                           }) >= 3),
                             5000);

    // The tool's write (extended, as the tool always sends) reaches the device, which reports it.
    const TCanFrame write = RegisterWrite();
    TSlCanMessage msg;
    msg.Flags = 1;
    msg.ID = write.ID;
    msg.DataCount = write.DLC;
    std::memcpy(msg.Data, write.Data, 8);
    uint8_t status = 0xFF;
    QSignalSpy written(driver.device(), &QCanBusDevice::framesWritten);
    QVERIFY(driver.DeviceWriteMessages(0, &msg, 1, &status));
    QCOMPARE(status, uint8_t(0));
    QTRY_VERIFY_WITH_TIMEOUT((drain(driver), sawRegister(0x111, 100, 4321)), 5000);
    QVERIFY(!sawRegister(0x110, 100, 4321));
    QVERIFY(!written.isEmpty()); // the adapter's z acknowledged it
    QVERIFY2(waitForSim("registers written 1"), m_simOutput.constData());
    auto* device = qobject_cast<SlcanCanBusDevice*>(driver.device());
    QVERIFY(device);
    QCOMPARE(device->malformedLines(), uint64_t(0));

    // The status poll: the bus state, and the flags as an error frame among the received frames
    // (error passive and warning as controller problems, the bus error as its class).
    QVERIFY(device->hasBusStatus());
    const bool faulty = flags != QLatin1String("00");
    QTRY_COMPARE_WITH_TIMEOUT(device->busStatus(),
                              faulty ? QCanBusDevice::CanBusStatus::Error : QCanBusDevice::CanBusStatus::Good,
                              5000);
    drain(driver);
    const auto error = std::find_if(m_events.begin(), m_events.end(), [](const TSlCanEvent& e) {
        return e.EventType == SLCAN_EVT_ERROR_FRAME;
    });
    QCOMPARE(error != m_events.end(), faulty);
    if (faulty) {
        QCOMPARE(error->Msg.ID, uint32_t(QCanBusFrame::ControllerError | QCanBusFrame::BusError));
        QCOMPARE(int(error->Msg.Data[1]), 0x3C);
    }

    QVERIFY(driver.DeviceClose(0));
    QVERIFY2(waitForSim("SLCAN closed"), m_simOutput.constData());
}

void TestSlcanSim::refusedOrSilentOpen_data() {
    QTest::addColumn<QString>("refuse"); // empty: no adapter answers at all
    QTest::addColumn<QString>("message");
    QTest::newRow("BEL to O") << QStringLiteral("O")
                              << QStringLiteral("step \"open (O)\": the adapter refused it (BEL)");
    QTest::newRow("BEL to the bit rate")
        << QStringLiteral("S") << QStringLiteral("step \"bit rate (S5)\": the adapter refused it (BEL)");
    QTest::newRow("nobody answers") << QString()
                                    << QStringLiteral("step \"bit rate (S5)\": no answer within 250 ms");
}

void TestSlcanSim::refusedOrSilentOpen() {
    QFETCH(QString, refuse);
    QFETCH(QString, message);
    QVERIFY(startLine());
    if (!refuse.isEmpty())
        QVERIFY2(startSim({QStringLiteral("--slcan-refuse"), refuse}), m_simOutput.constData());
    QtCanDriver driver({CanAdapterName{QStringLiteral("slcan"), m_near}});
    QVERIFY(!openDriver(driver, Code250K));
    QVERIFY2(driver.lastError().contains(message), qPrintable(driver.lastError()));
    QVERIFY(driver.lastError().contains(m_near));
    QVERIFY(driver.openAdapterName().isEmpty());
    // Nothing was opened on the adapter's side.
    if (!refuse.isEmpty()) QVERIFY(!m_simOutput.contains("SLCAN open"));
}

void TestSlcanSim::portVanishesAndComesBack() {
    QVERIFY(startLine());
    QVERIFY2(startSim(), m_simOutput.constData());
    QtCanDriver driver({CanAdapterName{QStringLiteral("slcan"), m_near}});
    QVERIFY2(openDriver(driver, Code125K), qPrintable(driver.lastError()));
    QTRY_VERIFY_WITH_TIMEOUT((drain(driver), !m_events.empty()), 5000);

    // The adapter goes away mid-run: the device ends unconnected with a message, the driver
    // reports the loss, nothing hangs.
    QSignalSpy errors(driver.device(), &QCanBusDevice::errorOccurred);
    stop(m_socat);
    QTRY_VERIFY_WITH_TIMEOUT(driver.deviceLost(), 5000);
    QCOMPARE(driver.device()->state(), QCanBusDevice::UnconnectedState);
    QVERIFY(errors.contains(QList<QVariant>{QVariant::fromValue(QCanBusDevice::ConnectionError)}));
    QVERIFY2(driver.device()->errorString().contains(m_near), qPrintable(driver.device()->errorString()));
    m_events.clear();
    drain(driver);
    QVERIFY(std::any_of(m_events.begin(), m_events.end(),
                        [](const TSlCanEvent& e) { return e.EventType == SLCAN_EVT_DEVICE_LOST; }));

    // Switched off, plugged back in (the same port name), switched on: it works again.
    QVERIFY(driver.DeviceClose(0));
    stop(m_sim);
    m_simOutput.clear();
    QVERIFY(startLine());
    QVERIFY2(startSim(), m_simOutput.constData());
    QVERIFY2(openDriver(driver, Code125K), qPrintable(driver.lastError()));
    m_events.clear();
    QTRY_VERIFY_WITH_TIMEOUT((drain(driver), std::any_of(m_events.begin(), m_events.end(),
                                                         [](const TSlCanEvent& e) {
                                                             return e.EventType == SLCAN_EVT_FRAME &&
                                                                    e.Msg.ID == 0x110;
                                                         })),
                             5000);
    QVERIFY(!driver.deviceLost());
}

void TestSlcanSim::pythonCanClientTalksToTheSimulator() {
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QStringLiteral("import can.interfaces.slcan, serial")});
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        QSKIP("python-can is missing for /usr/bin/python3 (Debian package python3-can)");
    QVERIFY(startLine());
    QVERIFY2(startSim(), m_simOutput.constData());

    const TCanFrame write = RegisterWrite();
    QProcess client;
    client.setProcessChannelMode(QProcess::MergedChannels);
    dieWithParent(client);
    client.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(SLCAN_TEST_DIR "/slcan_client.py"), m_near, QString::number(write.ID, 16),
         QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(write.Data), write.DLC).toHex())});
    QVERIFY(client.waitForFinished(30000));
    const QByteArray out = client.readAll();
    QVERIFY2(client.exitCode() == 0 && out.contains("done"), out.constData());
    // It opened at its bit rate, got both devices' reports as standard eight-byte frames, and its
    // frame reached the device.
    QVERIFY2(waitForSim("SLCAN open at 250000 bit/s"), m_simOutput.constData());
    QVERIFY2(out.contains("frame 110 ext=0 len=8") && out.contains("frame 111 ext=0 len=8"), out.constData());
    QVERIFY2(waitForSim("registers written 1"), m_simOutput.constData());
    QVERIFY2(waitForSim("SLCAN closed"), m_simOutput.constData());
}

QTEST_GUILESS_MAIN(TestSlcanSim)
#include "tst_slcan_sim.moc"
