// The Qt CAN bus driver on a real virtual bus between two devices over loopback TCP.

#include "can/CanAdapterName.h"
#include "can/QtCanDriver.h"
#include "can/ToolsCan.h"
#include "tests/FreePort.h"

#include <QCanBus>
#include <QCanBusDevice>
#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

namespace {

// The bus hosted in this process by the first virtual device (the plugin hosts one port per
// process), on a port the system has free.
QString BusUrl;

// The host side of the virtual bus's line protocol: clients announce "connect:can0" and send
// "can0:ID#FLAGS#HEX"; the host passes "ID#FLAGS#HEX" to the other clients. The test hosts it
// itself, so that the host can go away; it listens on a port the system gives it, and comes back
// on the same port.
class BusHost {
public:
    bool start() {
        server = std::make_unique<QTcpServer>();
        if (!server->listen(QHostAddress::LocalHost, port)) return false;
        port = server->serverPort();
        QObject::connect(server.get(), &QTcpServer::newConnection, server.get(), [this] {
            while (QTcpSocket* s = server->nextPendingConnection()) {
                clients << s;
                QObject::connect(s, &QIODevice::readyRead, s, [this, s] { readFrom(s); });
                QObject::connect(s, &QTcpSocket::disconnected, s, [this, s] {
                    clients.removeAll(s);
                    s->deleteLater();
                });
            }
        });
        return true;
    }
    // The hosting peer goes away: every client is disconnected and nobody listens any more.
    void stop() {
        for (QTcpSocket* s : std::as_const(clients)) {
            s->disconnect();
            s->disconnectFromHost();
            s->deleteLater();
        }
        clients.clear();
        server.reset();
    }
    void send(quint32 id, const QByteArray& data, bool extended) {
        const QByteArray line =
            QByteArray::number(id) + '#' + (extended ? "X" : "") + '#' + data.toHex() + '\n';
        for (QTcpSocket* s : std::as_const(clients))
            s->write(line);
    }
    [[nodiscard]] QString url() const { return VirtualBusUrl(port); }
    QList<QByteArray> received; // frames clients sent, as "ID#FLAGS#HEX"
    quint16 port = 0;           // 0 until the first start
    [[nodiscard]] int clientCount() const { return int(clients.size()); }

private:
    void readFrom(QTcpSocket* s) {
        while (s->canReadLine()) {
            const QByteArray line = s->readLine().trimmed();
            if (line.startsWith("connect:") || line.startsWith("disconnect:")) continue;
            received << line.mid(line.indexOf(':') + 1);
        }
    }
    std::unique_ptr<QTcpServer> server;
    QList<QTcpSocket*> clients;
};

std::unique_ptr<QCanBusDevice> connectedPeer(const QString& url) {
    std::unique_ptr<QCanBusDevice> d(QCanBus::instance()->createDevice(QStringLiteral("virtualcan"), url));
    if (d && d->connectDevice()) {
        QElapsedTimer t;
        t.start();
        while (d->state() != QCanBusDevice::ConnectedState && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return d;
}

// Reads until `want` frames arrived (or the events stop coming); returns what CanRead delivered.
QList<TCanFrame> readFrames(int want) {
    QList<TCanFrame> got;
    QElapsedTimer t;
    t.start();
    while (got.size() < want && t.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        const int n = CanRead(10);
        for (int i = 0; i < n; ++i)
            got << CanRx[i];
    }
    return got;
}

} // namespace

class TestQtCanDriverBus : public QObject {
    Q_OBJECT

    std::unique_ptr<QCanBusDevice> peer;
    QtCanDriver* driver = nullptr;

    // The bus host registers a client only when it has read the client's first line, a little after
    // the client counts as connected. A frame from the driver that reached the peer proves it.
    void syncWithPeer() {
        TSlCanMessage probe;
        probe.ID = 0x7EE;
        uint8_t status = 0;
        QVERIFY(SlCan_DeviceWriteMessages(CanHandle, &probe, 1, &status));
        QTRY_VERIFY(peer->framesAvailable() > 0);
        peer->readAllFrames();
    }

    void installOn(const QString& url, int capacity = QtCanDriver::DefaultQueueCapacity) {
        auto d = std::make_unique<QtCanDriver>(QList<CanAdapterName>{{QStringLiteral("virtualcan"), url}},
                                               capacity);
        driver = d.get();
        SlCanInstallDriver(std::move(d));
        CanResetState();
        CanLoad();
    }

private slots:
    void initTestCase() {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.canbus.plugins.virtualcan.info=false"));
        // The first device on the port hosts the bus in this process.
        const quint16 port = FreeTcpPort();
        QVERIFY(port != 0);
        BusUrl = VirtualBusUrl(port);
        peer = connectedPeer(BusUrl);
        QVERIFY(peer);
        QCOMPARE(peer->state(), QCanBusDevice::ConnectedState);
    }
    void cleanup() {
        SlCanInstallDriver(nullptr);
        driver = nullptr;
        peer->readAllFrames();
    }
    void cleanupTestCase() {
        peer->disconnectDevice();
        peer.reset();
    }

    void framesArriveInOrder() {
        installOn(BusUrl);
        CanOpen(1, 8);
        QVERIFY(CanOpened);
        QCOMPARE(driver->openAdapterName(), QStringLiteral("virtualcan:") + BusUrl);
        syncWithPeer();
        constexpr int N = 1500; // more than one read takes
        for (int i = 0; i < N; ++i) {
            QCanBusFrame f(static_cast<quint32>(i % 2 ? 0x1F000000 + i : 0x100 + i % 0x600),
                           QByteArray(i % 9, static_cast<char>(i & 0xFF)));
            f.setExtendedFrameFormat(i % 2 != 0);
            QVERIFY(peer->writeFrame(f));
        }
        const QList<TCanFrame> got = readFrames(N);
        QCOMPARE(got.size(), N);
        for (int i = 0; i < N; ++i) {
            const TCanFrame& f = got[i];
            QCOMPARE(f.ID, static_cast<uint32_t>(i % 2 ? 0x1F000000 + i : 0x100 + i % 0x600));
            QCOMPARE(int(f.DLC), i % 9);
            for (int b = 0; b < f.DLC; ++b)
                QCOMPARE(int(f.Data[b]), i & 0xFF);
        }
        QCOMPARE(driver->droppedFrames(), uint64_t(0));
    }

    void sentFramesArriveIntact_data() {
        QTest::addColumn<uint>("id");
        QTest::addColumn<int>("dlc");
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("protocol 3 write") << 0x01000023u << 4 << QByteArray::fromHex("000AFFFF00000000");
        QTest::newRow("standard layout, 8 bytes") << 0x201u << 8 << QByteArray::fromHex("00010002C0051234");
        QTest::newRow("data count 0") << 0x1FFFFFFFu << 0 << QByteArray::fromHex("1122334455667788");
        QTest::newRow("data count 3: only three bytes go out")
            << 0x7u << 3 << QByteArray::fromHex("A1A2A3A4A5A6A7A8");
    }
    void sentFramesArriveIntact() {
        QFETCH(uint, id);
        QFETCH(int, dlc);
        QFETCH(QByteArray, data);
        installOn(BusUrl);
        CanOpen(2, 8);
        QVERIFY(CanOpened);
        CanTx[0].ID = id;
        CanTx[0].DLC = static_cast<uint8_t>(dlc);
        std::copy(data.begin(), data.end(), CanTx[0].Data);
        const TCanSendStatus status = CanSend(1);
        QCOMPARE(int(status.Code), 0);
        QCOMPARE(status.text(), QStringLiteral("Status CAN = OK."));
        QTRY_VERIFY(peer->framesAvailable() > 0);
        const QCanBusFrame f = peer->readFrame();
        QCOMPARE(uint(f.frameId()), id);
        QVERIFY(f.hasExtendedFrameFormat()); // every frame is sent with the extended flag
        QCOMPARE(f.payload(), data.left(dlc));
    }

    void standardFrameFromTheDriver() {
        installOn(BusUrl);
        CanOpen(1, 8);
        QVERIFY(CanOpened);
        TSlCanMessage msgs[2];
        msgs[0].ID = 0x123;
        msgs[0].DataCount = 2;
        msgs[0].Data[0] = 0xBE;
        msgs[0].Data[1] = 0xEF;
        msgs[1].Flags = 1;
        msgs[1].ID = 0x123;
        uint8_t status = 0xFF;
        QVERIFY(SlCan_DeviceWriteMessages(CanHandle, msgs, 2, &status));
        QCOMPARE(int(status), 0);
        QTRY_COMPARE(peer->framesAvailable(), qint64(2));
        const QCanBusFrame a = peer->readFrame();
        const QCanBusFrame b = peer->readFrame();
        QVERIFY(!a.hasExtendedFrameFormat());
        QCOMPARE(a.payload(), QByteArray::fromHex("BEEF"));
        QVERIFY(b.hasExtendedFrameFormat());
        QCOMPARE(b.payload(), QByteArray());
    }

    void queueBoundDropsAndCounts() {
        installOn(BusUrl, 100);
        CanOpen(1, 8);
        QVERIFY(CanOpened);
        syncWithPeer();
        for (int i = 0; i < 150; ++i)
            QVERIFY(peer->writeFrame(QCanBusFrame(0x300u + i, QByteArray(1, 'q'))));
        QTRY_COMPARE(uint64_t(driver->queuedEvents()) + driver->droppedFrames(), uint64_t(150));
        QCOMPARE(driver->droppedFrames(), uint64_t(50));
        QCOMPARE(CanRead(10), 100);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(CanRx[i].ID, 0x300u + i); // the first hundred were kept
        QCOMPARE(CanRead(10), 0);
    }

    void hostGoesAwayThenSwitchedOffAndOn() {
        BusHost host;
        QVERIFY(host.start());
        installOn(host.url());
        CanOpen(1, 8);
        QVERIFY(CanOpened);
        QTRY_COMPARE(host.clientCount(), 1);
        host.send(0x123, QByteArray::fromHex("1122"), false);
        QList<TCanFrame> got = readFrames(1);
        QCOMPARE(got.size(), 1);
        QCOMPARE(got[0].ID, 0x123u);

        host.stop();
        QTRY_VERIFY(driver->deviceLost());
        QCOMPARE(CanRead(10), 0);
        QCOMPARE(CanSend(1).text(), QStringLiteral("  Transmit error"));
        QVERIFY(driver->openAdapterName().isEmpty());

        // Switched off, and on again while nobody hosts the bus: the open gives up after its wait.
        CanClose();
        QVERIFY(!CanOpened);
        CanOpen(1, 8);
        QVERIFY(!CanOpened);
        QVERIFY(!QtCanDriver::isOpening());
        CanClose();

        // The host is back: off and on again works and frames flow both ways.
        QVERIFY(host.start());
        CanOpen(1, 8);
        QVERIFY(CanOpened);
        QTRY_COMPARE(host.clientCount(), 1);
        host.send(0x1F000042, QByteArray::fromHex("01"), true);
        got = readFrames(1);
        QCOMPARE(got.size(), 1);
        QCOMPARE(got[0].ID, 0x1F000042u);
        CanTx[0] = TCanFrame{0x55, 1, {0x99}};
        QCOMPARE(int(CanSend(1).Code), 0);
        QTRY_COMPARE(host.received.size(), qsizetype(1));
        QCOMPARE(host.received.first(), QByteArray("85#X#99"));
        CanClose();
        QVERIFY(!CanOpened);
        host.stop();
    }
};

QTEST_GUILESS_MAIN(TestQtCanDriverBus)
#include "tst_QtCanDriverBus.moc"
