// Remote buses over socketcand, against independent peers, on loopback ports from the system:
// python-can's own client against zelm-sim's server and against the tool's --serve-socketcand
// (a send refused, and taken with --serve-socketcand-write); the plugin, through the adapter layer
// as the tool uses it, against zelm-sim's server (frames both ways, the server killed mid-run,
// reconnecting) and against servers that refuse or are none; a client that stops reading never
// holds the bus up.

#include "socketcand/SocketcandCanBusFactory.h"
#include "socketcand/SocketcandCodec.h"
#include "socketcand/SocketcandServer.h"
#include "socketcand/SocketcandTokenizer.h"

#include "can/QtCanDriver.h"
#include "core/DeviceMessage.h"
#include "tests/ChildProcess.h"
#include "tests/FileBytes.h"
#include "tests/FreePort.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

namespace {

// Rows 0 and 2 in use: RX 0x100 / 0x101, TX 0x110 / 0x111.
const QByteArray ProjectsIni = "[Projects]\nProjectQua=1\nProject1=Line1\nProjectNum=1\n\n"
                               "[Line1]\nProtokol=0\nBaseAdr=0x100\nUse_0=1\nUse_2=1\n";

// A register write to the device on RX 0x101: register 100 := 4321.
TCanFrame registerWrite() {
    TDeviceMessage msg;
    msg.Address = 100;
    msg.Count = 3;
    msg.Mask = 4; // Values[0] only
    msg.Values[0] = 4321;
    TCanFrame f;
    EncodeRegisterWrite(msg, 0x101, 0, f);
    return f;
}

// The device on TX 0x111 reports register 100 = 4321 in this frame.
bool reportsTheWrite(uint32_t id, const QByteArray& data) {
    if (id != 0x111) return false;
    TCanFrame f;
    f.ID = id;
    f.DLC = static_cast<uint8_t>(std::min<qsizetype>(data.size(), 8));
    std::memcpy(f.Data, data.constData(), f.DLC);
    const TDeviceMessage m = DecodeDeviceFrame(f, 0, 0x101, 0x111);
    for (int i = 0; i < 4; ++i)
        if (m.present(i) && m.Address + i == 100 && static_cast<uint16_t>(m.Values[i]) == 4321) return true;
    return false;
}

// What python-can printed after its send: "after 111 <hex>" lines.
bool clientSawTheWrite(const QByteArray& out) {
    for (const QByteArray& line : out.split('\n'))
        if (line.startsWith("after 111 ") &&
            reportsTheWrite(0x111, QByteArray::fromHex(line.mid(10).trimmed())))
            return true;
    return false;
}

QStringList clientArguments(const QString& port, bool send) {
    QStringList args{QStringLiteral(SOCKETCAND_TEST_DIR "/socketcand_client.py"), port,
                     QStringLiteral("1.5")};
    if (send) {
        const TCanFrame w = registerWrite();
        args << QString::number(w.ID, 16)
             << QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(w.Data), w.DLC).toHex());
    }
    return args;
}

const QRegularExpression SimPort(QStringLiteral("socketcand server on 127\\.0\\.0\\.1:(\\d+)"));
const QRegularExpression ToolPort(QStringLiteral("socketcand on 127\\.0\\.0\\.1:(\\d+)"));

} // namespace

class TestSocketcandPeers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pythonClientAgainstZelmSim();
    void pythonClientAgainstTheTool_data();
    void pythonClientAgainstTheTool();
    void pluginAgainstZelmSim();
    void refusedOpen_data();
    void refusedOpen();
    void slowClientNeverHoldsTheBusUp();
    void serverKeepsItsFramingAndSlots();

private:
    // zelm-sim serving its devices; the port it listens on, or empty.
    QString startSim(ChildProcess& sim, const QString& listen = QStringLiteral("127.0.0.1:0"));
    bool openDriver(QtCanDriver& driver);
    void drain(QtCanDriver& driver);
    [[nodiscard]] int framesFrom(uint32_t id) const;

    QTemporaryDir m_dir;
    QString m_ini;
    bool m_python = false;
    std::vector<TSlCanEvent> m_events;
};

void TestSocketcandPeers::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_ini = m_dir.filePath(QStringLiteral("Projects.ini"));
    QVERIFY(WriteFileBytes(m_ini, ProjectsIni));
    RegisterSocketcandBus();
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-c"), QStringLiteral("import can.interfaces.socketcand")});
    m_python =
        probe.waitForFinished(30000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
}

QString TestSocketcandPeers::startSim(ChildProcess& sim, const QString& listen) {
    if (!sim.start(QStringLiteral(ZELM_SIM_PATH),
                   {QStringLiteral("--socketcand"), listen, QStringLiteral("--project"), m_ini,
                    QStringLiteral("--period"), QStringLiteral("20")}))
        return {};
    return sim.waitForMatch(SimPort);
}

bool TestSocketcandPeers::openDriver(QtCanDriver& driver) {
    TSlCanBitRate rate;
    rate.BRP = 0x8003; // 250K: not sent, the server owns the speed
    return driver.DeviceOpen(0) && driver.DeviceSetBitRate(0, rate) && driver.DeviceSetMode(0, 1) &&
           driver.DeviceSetTXTimeOut(0, 100);
}

void TestSocketcandPeers::drain(QtCanDriver& driver) {
    TSlCanEvent events[1000];
    uint32_t count = 0;
    if (driver.DeviceReadEvents(0, 10, events, 1000, &count))
        m_events.insert(m_events.end(), events, events + count);
}

int TestSocketcandPeers::framesFrom(uint32_t id) const {
    return static_cast<int>(std::count_if(m_events.begin(), m_events.end(), [id](const TSlCanEvent& e) {
        return e.EventType == SLCAN_EVT_FRAME && e.Msg.ID == id && e.Msg.DataCount == 8;
    }));
}

void TestSocketcandPeers::pythonClientAgainstZelmSim() {
    if (!m_python) QSKIP("python-can is missing for /usr/bin/python3 (Debian package python3-can)");
    ChildProcess sim;
    const QString port = startSim(sim);
    QVERIFY2(!port.isEmpty(), sim.output().constData());
    ChildProcess client;
    QVERIFY(client.start(QStringLiteral("/usr/bin/python3"), clientArguments(port, true)));
    QVERIFY2(client.waitFor("done", 30000), client.output().constData());
    // Both devices' reports, standard eight-byte frames; the client's write reached the device,
    // which wrote the register and reported it.
    QVERIFY2(client.output().contains("frame 110 len=8") && client.output().contains("frame 111 len=8"),
             client.output().constData());
    QVERIFY2(sim.waitFor("registers written 1"), sim.output().constData());
    QVERIFY2(clientSawTheWrite(client.output()), client.output().constData());
    QVERIFY2(!client.output().contains("server < error"), client.output().constData());
}

void TestSocketcandPeers::pythonClientAgainstTheTool_data() {
    QTest::addColumn<bool>("write");
    QTest::newRow("read only: the send is refused") << false;
    QTest::newRow("--serve-socketcand-write: the send is taken") << true;
}

void TestSocketcandPeers::pythonClientAgainstTheTool() {
    QFETCH(bool, write);
    if (!m_python) QSKIP("python-can is missing for /usr/bin/python3 (Debian package python3-can)");
    // The tool reads Projects.ini beside itself: a copy in a folder of its own, on the demo bus.
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("canquorvex"));
    QVERIFY(QFile::copy(QStringLiteral(CANQUORVEX_PATH), program));
    QVERIFY(WriteFileBytes(dir.filePath(QStringLiteral("Projects.ini")), ProjectsIni));
    const QString trace = dir.filePath(QStringLiteral("bus.log"));
    const QString stats = dir.filePath(QStringLiteral("stats.txt"));
    QStringList args{QStringLiteral("--can"),
                     QStringLiteral("demo"),
                     QStringLiteral("--auto-on"),
                     QStringLiteral("--record"),
                     trace,
                     QStringLiteral("--stats-file"),
                     stats,
                     QStringLiteral("--serve-socketcand"),
                     QStringLiteral("127.0.0.1:0")};
    if (write) args << QStringLiteral("--serve-socketcand-write");
    ChildProcess tool;
    QVERIFY(tool.start(program, args));
    const QString port = tool.waitForMatch(ToolPort);
    QVERIFY2(!port.isEmpty(), tool.output().constData());

    ChildProcess client;
    QVERIFY(client.start(QStringLiteral("/usr/bin/python3"), clientArguments(port, true)));
    QVERIFY2(client.waitFor("done", 30000), client.output().constData());
    QVERIFY2(client.output().contains("frame 110 len=8") && client.output().contains("frame 111 len=8"),
             client.output().constData());
    QVERIFY2(tool.waitFor("client 127.0.0.1"), tool.output().constData());
    tool.stop();
    QCOMPARE(tool.process().exitCode(), 0);

    // Refused: the client is told, and the frame is on the bus neither for the devices nor in the
    // recording. Taken: the device reports the register, and the tool recorded the frame as sent.
    const QByteArray out = client.output();
    QCOMPARE(out.contains("server < error sending is not allowed on this server >"), !write);
    QCOMPARE(clientSawTheWrite(out), write);
    const QByteArray recorded = ReadFileBytes(trace);
    QVERIFY(recorded.contains(" can0 110#"));
    QCOMPARE(recorded.contains(" can0 101#"), write);
    QVERIFY2(ReadFileBytes(stats).contains(write ? "socketcand_accepted=1 socketcand_refused=0"
                                                 : "socketcand_accepted=0 socketcand_refused=1"),
             ReadFileBytes(stats).constData());
}

void TestSocketcandPeers::pluginAgainstZelmSim() {
    ChildProcess sim;
    const QString port = startSim(sim);
    QVERIFY2(!port.isEmpty(), sim.output().constData());
    const QString server = QStringLiteral("127.0.0.1:") + port;
    QtCanDriver driver({CanAdapterName{QStringLiteral("socketcand"), server + QStringLiteral("/can0")}});
    QVERIFY2(openDriver(driver), qPrintable(driver.lastError()));
    QCOMPARE(driver.device()->property("linkState").toString(), QStringLiteral("connected"));

    // The devices' reports arrive; the tool's write (extended, as the tool sends) reaches the
    // device, which reports it back.
    QTRY_VERIFY_WITH_TIMEOUT((drain(driver), framesFrom(0x110) >= 3 && framesFrom(0x111) >= 3), 5000);
    const TCanFrame w = registerWrite();
    TSlCanMessage msg;
    msg.Flags = 1;
    msg.ID = w.ID;
    msg.DataCount = w.DLC;
    std::memcpy(msg.Data, w.Data, 8);
    uint8_t status = 0xFF;
    QVERIFY(driver.DeviceWriteMessages(0, &msg, 1, &status));
    QVERIFY2(sim.waitFor("registers written 1"), sim.output().constData());
    QTRY_VERIFY_WITH_TIMEOUT(
        (drain(driver), std::any_of(m_events.begin(), m_events.end(),
                                    [](const TSlCanEvent& e) {
                                        return reportsTheWrite(
                                            e.Msg.ID, QByteArray(reinterpret_cast<const char*>(e.Msg.Data),
                                                                 e.Msg.DataCount));
                                    })),
        5000);

    // The server dies mid-run: unconnected with a ConnectionError naming the server, the loss
    // reported to the adapter layer, nothing hangs.
    QSignalSpy errors(driver.device(), &QCanBusDevice::errorOccurred);
    sim.kill();
    QTRY_VERIFY_WITH_TIMEOUT(driver.deviceLost(), 5000);
    QCOMPARE(driver.device()->state(), QCanBusDevice::UnconnectedState);
    QVERIFY(errors.contains(QList<QVariant>{QVariant::fromValue(QCanBusDevice::ConnectionError)}));
    const QString why = driver.device()->errorString();
    QVERIFY2(why.contains(QStringLiteral("socketcand server ") + server) &&
                 why.contains(QStringLiteral("lost")),
             qPrintable(why));
    QCOMPARE(driver.device()->property("linkState").toString(), QStringLiteral("link lost"));
    m_events.clear();
    drain(driver);
    QVERIFY(std::any_of(m_events.begin(), m_events.end(),
                        [](const TSlCanEvent& e) { return e.EventType == SLCAN_EVT_DEVICE_LOST; }));

    // The server is back on the same port; switched off and on, the plugin connects again.
    QVERIFY(driver.DeviceClose(0));
    QCOMPARE(startSim(sim, server), port);
    QVERIFY2(openDriver(driver), qPrintable(driver.lastError()));
    m_events.clear();
    QTRY_VERIFY_WITH_TIMEOUT((drain(driver), framesFrom(0x110) >= 1), 5000);
    QVERIFY(!driver.deviceLost());
}

void TestSocketcandPeers::refusedOpen_data() {
    QTest::addColumn<QString>("peer"); // what listens: zelm-sim, nothing, another server, a silent one
    QTest::addColumn<QString>("bus");
    QTest::addColumn<QString>("message");
    QTest::newRow("a bus the server does not have")
        << QStringLiteral("zelm-sim") << QStringLiteral("can1")
        << QStringLiteral(
               "step \"open (< open can1 >)\": the server answered \"< error could not open bus >\"");
    QTest::newRow("nobody listens") << QString() << QStringLiteral("can0")
                                    << QStringLiteral("step \"connect\": Connection refused");
    QTest::newRow("not a socketcand server")
        << QStringLiteral("SSH-2.0-OpenSSH_9.2\r\n") << QStringLiteral("can0")
        << QStringLiteral(
               "step \"greeting (< hi >)\": the server sent \"SSH-2.0-OpenSSH_9.2\\x0d\\x0a\", which is not");
    QTest::newRow("a silent server") << QStringLiteral("silent") << QStringLiteral("can0")
                                     << QStringLiteral(
                                            "step \"greeting (< hi >)\": no answer within 1000 ms");
    QTest::newRow("a wrong greeting") << QStringLiteral("< hello >") << QStringLiteral("can0")
                                      << QStringLiteral("answered \"< hello >\" instead of \"< hi >\"");
    QTest::newRow("bytes that are no text after the greeting")
        << QStringLiteral("< hi ><\x01\x02>") << QStringLiteral("can0")
        << QStringLiteral("answered \"< \\x01\\x02 >\" instead of \"< ok >\"");
}

void TestSocketcandPeers::refusedOpen() {
    QFETCH(QString, peer);
    QFETCH(QString, bus);
    QFETCH(QString, message);
    ChildProcess sim;
    QTcpServer other;
    QString port = QString::number(FreeTcpPort());
    if (peer == QLatin1String("zelm-sim")) {
        port = startSim(sim);
        QVERIFY2(!port.isEmpty(), sim.output().constData());
    } else if (!peer.isEmpty()) {
        QVERIFY(other.listen(QHostAddress::LocalHost, 0));
        port = QString::number(other.serverPort());
        connect(&other, &QTcpServer::newConnection, &other, [&other, peer] {
            QTcpSocket* s = other.nextPendingConnection();
            if (peer != QLatin1String("silent")) s->write(peer.toLatin1());
        });
    }
    const QString server = QStringLiteral("127.0.0.1:") + port;
    QtCanDriver driver({CanAdapterName{QStringLiteral("socketcand"), server + QLatin1Char('/') + bus}});
    QVERIFY(!openDriver(driver));
    QVERIFY2(driver.lastError().startsWith(QStringLiteral("socketcand server %1, bus %2: ").arg(server, bus)),
             qPrintable(driver.lastError()));
    QVERIFY2(driver.lastError().contains(message), qPrintable(driver.lastError()));
    QVERIFY(driver.openAdapterName().isEmpty());
}

void TestSocketcandPeers::slowClientNeverHoldsTheBusUp() {
    SocketcandServer server;
    server.setMaxBehindMs(300);
    QString error;
    QVERIFY2(server.listen(QHostAddress::LocalHost, 0, &error), qPrintable(error));
    // Two clients in raw mode; the stalled one takes nothing from its socket.
    QTcpSocket reader;
    QTcpSocket stalled;
    stalled.setReadBufferSize(1);
    SocketcandTokenizer tokenizer;
    int probes = 0;
    int frames = 0;
    connect(&reader, &QTcpSocket::readyRead, &reader, [&] {
        tokenizer.feed(reader.readAll(), [&](QByteArrayView m) {
            probes += m.endsWith("5555555555555555");
            frames += m.endsWith("AAAAAAAAAAAAAAAA");
        });
    });
    for (QTcpSocket* s : {&reader, &stalled}) {
        s->connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(s->waitForConnected(5000));
        s->write("< open can0 >< rawmode >");
    }
    QTRY_COMPARE_WITH_TIMEOUT(server.clientCount(), 2, 5000);
    const QCanBusFrame probe(0x123, QByteArray(8, '\x55'));
    QTRY_VERIFY_WITH_TIMEOUT((server.publish(probe), probes > 0), 5000); // past the raw mode's start
    const QCanBusFrame frame(0x123, QByteArray(8, '\xAA'));
    // Far more than the stalled client's socket and queue hold, in portions the reader keeps up with.
    constexpr int Published = 30000;
    for (int i = 0; i < Published; i += 300) {
        for (int k = 0; k < 300; ++k)
            server.publish(frame);
        QTest::qWait(1);
    }
    QTRY_COMPARE_WITH_TIMEOUT(frames, Published, 10000);
    QVERIFY2(server.droppedFrames() > 0, qPrintable(server.statusText()));
    QVERIFY(server.droppedFrames() <= uint64_t(Published));
    // Too far behind: disconnected; the reader stays.
    QTRY_COMPARE_WITH_TIMEOUT(server.clientCount(), 1, 5000);
    QCOMPARE(server.slowClientsDropped(), uint64_t(1));
    QCOMPARE(reader.state(), QAbstractSocket::ConnectedState);
}

// The server's answer to a malformed message is one message a tokenizer reads back; a client that
// idles before raw mode gives its slot back with a reason, one in raw mode that only listens stays.
void TestSocketcandPeers::serverKeepsItsFramingAndSlots() {
    SocketcandServer server;
    server.setHandshakeMs(400);
    QStringList log;
    connect(&server, &SocketcandServer::event, &server, [&log](const QString& line) { log << line; });
    QString error;
    QVERIFY2(server.listen(QHostAddress::LocalHost, 0, &error), qPrintable(error));
    QTcpSocket idle;
    QTcpSocket listener;
    SocketcandTokenizer tokenizer;
    QByteArrayList said;
    connect(&idle, &QTcpSocket::readyRead, &idle,
            [&] { tokenizer.feed(idle.readAll(), [&](QByteArrayView m) { said << m.toByteArray(); }); });
    for (QTcpSocket* s : {&idle, &listener}) {
        s->connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(s->waitForConnected(5000));
    }
    idle.write("< send 123 >");
    listener.write("< open can0 >< rawmode >");
    QTRY_COMPARE_WITH_TIMEOUT(said.size(), 2, 5000);
    QCOMPARE(said, (QByteArrayList{"hi", "error syntax error in \"send 123\""}));
    QCOMPARE(tokenizer.garbage(), uint64_t(0));
    // Past the handshake time the idle client is closed, told why; the listener keeps its slot.
    QTRY_COMPARE_WITH_TIMEOUT(said.size(), 3, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(idle.state(), QAbstractSocket::UnconnectedState, 5000);
    QVERIFY2(said.last().startsWith("error open and rawmode not given"), said.last().constData());
    QTRY_COMPARE_WITH_TIMEOUT(server.clientCount(), 1, 5000);
    QVERIFY2(log.join('\n').contains("left: open and rawmode not given"), qPrintable(log.join('\n')));
    QCOMPARE(listener.state(), QAbstractSocket::ConnectedState);
}

QTEST_GUILESS_MAIN(TestSocketcandPeers)
#include "tst_socketcand_peers.moc"
