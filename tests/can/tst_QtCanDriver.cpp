// The Qt CAN bus driver with in-process devices: adapter lists, configuration, the event queue, a
// connection that completes later or never, and an adapter that goes away.

#include "FakeCanBusDevice.h"
#include "can/CanAdapterName.h"
#include "can/CanBus.h"
#include "can/QtCanDriver.h"
#include "can/ToolsCan.h"

#include <QCanBus>
#include <QPointer>
#include <QtTest>

namespace {

const QString FakePlugin = QStringLiteral("fakebus");

FakeCanBusDevice::Connect g_mode = FakeCanBusDevice::Connect::AtOnce;
QPointer<FakeCanBusDevice> g_last;
QStringList g_created; // interface names the factory was asked for

QCanBusFrame dataFrame(quint32 id, const QByteArray& payload, bool extended) {
    QCanBusFrame f(id, payload);
    f.setExtendedFrameFormat(extended);
    return f;
}

TSlCanMessage messageOf(uint8_t flags, uint32_t id, uint8_t count, const QByteArray& data) {
    TSlCanMessage m;
    m.Flags = flags;
    m.ID = id;
    m.DataCount = count;
    for (int i = 0; i < 8 && i < data.size(); ++i)
        m.Data[i] = static_cast<uint8_t>(data[i]);
    return m;
}

QList<CanAdapterName> fakeAdapters(int n) {
    QList<CanAdapterName> list;
    for (int i = 0; i < n; ++i)
        list << CanAdapterName{FakePlugin, QStringLiteral("fake%1").arg(i)};
    return list;
}

} // namespace

class TestQtCanDriver : public QObject {
    Q_OBJECT

    QtCanDriver* driver = nullptr;

    void install(int adapters, int capacity = QtCanDriver::DefaultQueueCapacity) {
        auto d = std::make_unique<QtCanDriver>(fakeAdapters(adapters), capacity);
        driver = d.get();
        SlCanInstallDriver(std::move(d));
        CanLoad();
    }
    // Drains the driver's queue: the event types in order, and the frames' identifiers.
    QString drain(uint32_t maxCount = 1000) {
        TSlCanEvent events[1000];
        uint32_t count = 0;
        if (!driver->DeviceReadEvents(CanHandle, 10, events, maxCount, &count))
            return QStringLiteral("refused");
        QStringList out;
        for (uint32_t i = 0; i < count; ++i)
            out << (events[i].EventType == SLCAN_EVT_FRAME ? QString::number(events[i].Msg.ID, 16)
                                                           : QStringLiteral("E%1").arg(events[i].EventType));
        return out.join(QLatin1Char(' '));
    }

private slots:
    void initTestCase() {
        RegisterCanDeviceFactory(FakePlugin, [](const QString& iface, QString*) -> QCanBusDevice* {
            g_created << iface;
            auto* d = new FakeCanBusDevice(iface, g_mode);
            g_last = d;
            return d;
        });
    }
    void init() {
        CanResetState();
        g_mode = FakeCanBusDevice::Connect::AtOnce;
        g_created.clear();
    }
    void cleanup() {
        SlCanInstallDriver(nullptr);
        driver = nullptr;
        QVERIFY(g_last.isNull()); // the driver deletes its device
    }

    void parseSpec_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<QString>("interfaceName");
        QTest::newRow("plain") << "socketcan:can0" << true << "socketcan"
                               << "can0";
        QTest::newRow("URL keeps its colons")
            << "virtualcan:tcp://127.0.0.1:35100/can0" << true << "virtualcan"
            << "tcp://127.0.0.1:35100/can0";
        QTest::newRow("demo alone") << "demo" << true << "demo"
                                    << "demo0";
        QTest::newRow("demo with interface") << "demo:demo1" << true << "demo"
                                             << "demo1";
        QTest::newRow("surrounding blanks") << "  peakcan:usb0 " << true << "peakcan"
                                            << "usb0";
        QTest::newRow("no colon") << "socketcan" << false << ""
                                  << "";
        QTest::newRow("empty") << "" << false << ""
                               << "";
        QTest::newRow("no plugin") << ":can0" << false << ""
                                   << "";
        QTest::newRow("no interface") << "socketcan:" << false << ""
                                      << "";
    }
    void parseSpec() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<CanAdapterName> adapter = ParseCanAdapterName(text);
        QCOMPARE(adapter.has_value(), valid);
        if (!valid) return;
        QTEST(adapter->plugin, "plugin");
        QTEST(adapter->interfaceName, "interfaceName");
    }

    void discoveryLeavesOutVirtualAndInProcessAdapters() {
        for (const CanAdapterName& adapter : DiscoverHardwareAdapters()) {
            QVERIFY(adapter.plugin != QLatin1String("virtualcan"));
            QVERIFY(adapter.plugin != FakePlugin);
            QVERIFY(!adapter.interfaceName.isEmpty());
        }
        const QString help = DescribeCanPlugins();
        for (const QString& plugin : QCanBus::instance()->plugins())
            QVERIFY2(help.contains(plugin), qPrintable(plugin));
        QVERIFY(help.contains(FakePlugin));
    }

    void handles_data() {
        QTest::addColumn<int>("adapters");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("handle");
        QTest::newRow("none configured") << 0 << 0 << -1;
        QTest::newRow("first of two") << 2 << 0 << 0;
        QTest::newRow("last of two") << 2 << 1 << 1;
        QTest::newRow("past the end") << 2 << 2 << -1;
        QTest::newRow("negative") << 2 << -1 << -1;
    }
    void handles() {
        QFETCH(int, adapters);
        QFETCH(int, index);
        install(adapters);
        QCOMPARE(SlCan_GetDeviceCount(), adapters);
        QTEST(int(SlCan_GetDevice(index)), "handle");
        QVERIFY(!SlCan_DeviceOpen(adapters)); // a handle no adapter stands for
    }

    void opensTheChosenAdapterThroughItsFactory() {
        install(3);
        CanOpen(1, 2);
        QVERIFY(CanOpened);
        QCOMPARE(g_created, QStringList{QStringLiteral("fake1")});
        QCOMPARE(driver->openAdapterName(), FakePlugin + QStringLiteral(":fake1"));
        CanClose();
        QVERIFY(!CanOpened);
        QVERIFY(driver->openAdapterName().isEmpty());
    }

    void unknownPluginIsRefused() {
        auto d = std::make_unique<QtCanDriver>(
            QList<CanAdapterName>{{QStringLiteral("nosuchplugin"), QStringLiteral("x0")}});
        driver = d.get();
        SlCanInstallDriver(std::move(d));
        QVERIFY(!driver->DeviceOpen(0));
        QVERIFY(!driver->lastError().isEmpty());
        QVERIFY(driver->device() == nullptr);
    }

    void bitRate_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("bitRate"); // 0: refused
        QTest::newRow("0x8004, 125K") << 0x8004 << 125000;
        QTest::newRow("0x8003, 250K") << 0x8003 << 250000;
        QTest::newRow("0x8002") << 0x8002 << 500000;
        QTest::newRow("0x8000") << 0x8000 << 1000000;
        QTest::newRow("0x800A") << 0x800A << 10000;
        QTest::newRow("unknown code") << 0x8001 << 0;
        QTest::newRow("zero") << 0 << 0;
    }
    void bitRate() {
        QFETCH(int, code);
        QFETCH(int, bitRate);
        install(1);
        QVERIFY(SlCan_DeviceOpen(0));
        TSlCanBitRate record;
        record.BRP = static_cast<uint16_t>(code);
        QCOMPARE(SlCan_DeviceSetBitRate(0, &record), bitRate != 0);
        QCOMPARE(g_last->state(), QCanBusDevice::UnconnectedState); // set before the device connects
        if (bitRate != 0)
            QCOMPARE(g_last->configurationParameter(QCanBusDevice::BitRateKey).toInt(), bitRate);
    }

    void configurationNeedsAnOpenDevice() {
        install(2);
        TSlCanBitRate record;
        record.BRP = 0x8004;
        QVERIFY(!SlCan_DeviceSetBitRate(0, &record));
        QVERIFY(!SlCan_DeviceSetMode(0, 1));
        QVERIFY(SlCan_DeviceOpen(0));
        QVERIFY(!SlCan_DeviceSetBitRate(1, &record)); // another handle than the open one
        QVERIFY(!SlCan_DeviceSetTXTimeOut(0, 100));   // not connected yet
        QVERIFY(SlCan_DeviceSetBitRate(0, &record));
        QVERIFY(SlCan_DeviceSetEventLevel(0, 1));
        QVERIFY(SlCan_DeviceSetMode(0, 1));
        QCOMPARE(g_last->state(), QCanBusDevice::ConnectedState);
        QVERIFY(SlCan_DeviceSetTXTimeOut(0, 100));
    }

    void connection_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("opened");
        QTest::newRow("connects at once") << int(FakeCanBusDevice::Connect::AtOnce) << true;
        QTest::newRow("connects later") << int(FakeCanBusDevice::Connect::Later) << true;
        QTest::newRow("never connects: refused after the wait")
            << int(FakeCanBusDevice::Connect::Never) << false;
        QTest::newRow("connection refused") << int(FakeCanBusDevice::Connect::Refuse) << false;
    }
    void connection() {
        QFETCH(int, mode);
        QFETCH(bool, opened);
        g_mode = static_cast<FakeCanBusDevice::Connect>(mode);
        install(1);
        CanOpen(1, 8);
        QCOMPARE(CanOpened, opened);
        QVERIFY(!QtCanDriver::isOpening());
        if (!opened) QVERIFY(!driver->lastError().isEmpty());
        // Switching on again after a refusal starts from a fresh device.
        g_mode = FakeCanBusDevice::Connect::AtOnce;
        CanOpen(1, 8);
        QVERIFY(CanOpened);
        QCOMPARE(g_created.size(), opened ? 1 : 2);
    }

    void callsDuringTheConnectWaitAreRefused() {
        g_mode = FakeCanBusDevice::Connect::Later;
        install(1);
        QVERIFY(SlCan_DeviceOpen(0));
        bool sawOpening = false;
        QString during;
        g_last->duringConnect = [&] {
            sawOpening = QtCanDriver::isOpening();
            TSlCanMessage m = messageOf(1, 0x10, 0, {});
            uint8_t status = 9;
            TSlCanEvent events[4];
            uint32_t count = 5;
            const bool wrote = SlCan_DeviceWriteMessages(0, &m, 1, &status);
            const bool read = SlCan_DeviceReadEvents(0, 10, events, 4, &count);
            during = QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(wrote)
                         .arg(read)
                         .arg(count)
                         .arg(SlCan_DeviceClose(0))
                         .arg(SlCan_DeviceOpen(0));
        };
        QVERIFY(SlCan_DeviceSetMode(0, 1));
        QVERIFY(sawOpening);
        QCOMPARE(during, QStringLiteral("0 0 0 0 0"));
        QVERIFY(!QtCanDriver::isOpening());
        QCOMPARE(g_created.size(), 1);
        QCOMPARE(g_last->state(), QCanBusDevice::ConnectedState);
    }

    void events_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("events");
        QTest::newRow("frames in order") << "f101 f7ff x1f000001"
                                         << "101 7ff 1f000001";
        QTest::newRow("error frame between frames") << "f1 err f2"
                                                    << "1 E1 2";
        QTest::newRow("bus error") << "f1 buserror f2"
                                   << "1 E2 2";
        QTest::newRow("remote request is a frame") << "rtr55"
                                                   << "55";
        QTest::newRow("own echo is not traffic") << "echo f3"
                                                 << "3";
        QTest::newRow("lost with a connection error: one event") << "f1 lostwitherror"
                                                                 << "1 E3";
        QTest::newRow("lost without an error") << "f1 lost"
                                               << "1 E3";
    }
    void events() {
        QFETCH(QString, script);
        install(1);
        CanOpen(1, 8);
        QVERIFY(CanOpened);
        for (const QString& step : script.split(QLatin1Char(' '))) {
            if (step.startsWith(QLatin1Char('f')))
                g_last->receive({dataFrame(step.mid(1).toUInt(nullptr, 16), QByteArray(2, '\x01'), false)});
            else if (step.startsWith(QLatin1Char('x')))
                g_last->receive({dataFrame(step.mid(1).toUInt(nullptr, 16), QByteArray(), true)});
            else if (step.startsWith(QLatin1String("rtr"))) {
                QCanBusFrame f(QCanBusFrame::RemoteRequestFrame);
                f.setFrameId(step.mid(3).toUInt(nullptr, 16));
                g_last->receive({f});
            } else if (step == QLatin1String("err")) {
                QCanBusFrame f(QCanBusFrame::ErrorFrame);
                f.setError(QCanBusFrame::BusOffError);
                g_last->receive({f});
            } else if (step == QLatin1String("echo")) {
                QCanBusFrame f = dataFrame(0x99, QByteArray(1, 'a'), false);
                f.setLocalEcho(true);
                g_last->receive({f});
            } else if (step == QLatin1String("buserror"))
                g_last->raise(QCanBusDevice::ReadError);
            else if (step == QLatin1String("lostwitherror"))
                g_last->vanish(true);
            else if (step == QLatin1String("lost"))
                g_last->vanish(false);
        }
        QTEST(drain(), "events");
        QCOMPARE(drain(), QString());
    }

    void receivedFrameRecord() {
        install(1);
        CanOpen(1, 8);
        g_last->receive({dataFrame(0x1ABCDEF0, QByteArray::fromHex("0102030405060708"), true),
                         dataFrame(0x123, QByteArray::fromHex("AABB"), false)});
        QCOMPARE(CanRead(10), 2);
        QCOMPARE(CanRx[0].ID, 0x1ABCDEF0u);
        QCOMPARE(int(CanRx[0].DLC), 8);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(CanRx[0].Data), 8),
                 QByteArray::fromHex("0102030405060708"));
        QCOMPARE(CanRx[1].ID, 0x123u);
        QCOMPARE(int(CanRx[1].DLC), 2);
        QCOMPARE(int(CanRx[1].Data[1]), 0xBB);
    }

    void trafficTapSeesEveryFramePassingTheAdapter() {
        struct Tap : CanTrafficObserver {
            QStringList seen;
            void canTraffic(const QCanBusFrame& f, const QByteArray&, CanTrafficDirection d) override {
                seen << QStringLiteral("%1%2")
                            .arg(d == CanTrafficDirection::Sent ? 'T' : 'R')
                            .arg(f.frameId(), 0, 16);
            }
        } tap;
        CanBus().addObserver(&tap);
        CanBus().addObserver(&tap); // added once only
        install(1, 2);
        CanOpen(1, 8);
        QCanBusFrame echo = dataFrame(0x99, {}, false);
        echo.setLocalEcho(true);
        g_last->receive(
            {dataFrame(0x10, {}, false), echo, dataFrame(0x11, {}, false), dataFrame(0x12, {}, false)});
        QCOMPARE(drain(), QStringLiteral("10 11")); // the queue holds two, the tap saw all three
        TSlCanMessage m = messageOf(1, 0x1F000000, 2, QByteArray::fromHex("AABB"));
        QVERIFY(SlCan_DeviceWriteMessages(0, &m, 1, nullptr));
        CanBus().removeObserver(&tap);
        g_last->receive({dataFrame(0x13, {}, false)});
        (void)drain();
        QCOMPARE(tap.seen, QStringList({"R10", "R11", "R12", "T1f000000"}));
    }

    void readTakesAtMostMaxCount() {
        install(1);
        CanOpen(1, 8);
        for (int i = 0; i < 7; ++i)
            g_last->receive({dataFrame(0x10 + i, {}, false)});
        QCOMPARE(drain(3), QStringLiteral("10 11 12"));
        QCOMPARE(drain(3), QStringLiteral("13 14 15"));
        QCOMPARE(drain(3), QStringLiteral("16"));
    }

    void queueIsBounded() {
        install(1, 5);
        CanOpen(1, 8);
        for (int i = 0; i < 8; ++i)
            g_last->receive({dataFrame(0x20 + i, {}, false)});
        QCOMPARE(driver->queuedEvents(), 5);
        QCOMPARE(driver->droppedFrames(), uint64_t(3));
        QCOMPARE(drain(), QStringLiteral("20 21 22 23 24")); // the oldest are kept
        g_last->receive({dataFrame(0x30, {}, false)});
        QCOMPARE(drain(), QStringLiteral("30"));
        QCOMPARE(QtCanDriver(fakeAdapters(1)).queueCapacity(), QtCanDriver::DefaultQueueCapacity);
        QVERIFY(QtCanDriver::DefaultQueueCapacity >= 60000);
    }

    void write_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<uint>("id");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QByteArray>("payload");
        const QByteArray data = QByteArray::fromHex("1122334455667788");
        QTest::newRow("extended, 8 bytes") << 1 << 0x1F000023u << 8 << true << true << data;
        QTest::newRow("extended flag on a short identifier")
            << 1 << 0x201u << 2 << true << true << data.left(2);
        QTest::newRow("standard") << 0 << 0x7FFu << 3 << true << false << data.left(3);
        QTest::newRow("data count 0") << 1 << 0x5u << 0 << true << true << QByteArray();
        QTest::newRow("data count 12 clamped to 8") << 1 << 0x5u << 12 << true << true << data;
        QTest::newRow("standard with a 29-bit identifier: refused")
            << 0 << 0x1F000023u << 1 << false << false << QByteArray();
        QTest::newRow("identifier beyond 29 bits: refused")
            << 1 << 0x20000000u << 1 << false << false << QByteArray();
    }
    void write() {
        QFETCH(int, flags);
        QFETCH(uint, id);
        QFETCH(int, count);
        QFETCH(bool, accepted);
        install(1);
        CanOpen(1, 8);
        TSlCanMessage m = messageOf(static_cast<uint8_t>(flags), id, static_cast<uint8_t>(count),
                                    QByteArray::fromHex("1122334455667788"));
        uint8_t status = 0xAA;
        QCOMPARE(SlCan_DeviceWriteMessages(0, &m, 1, &status), accepted);
        QCOMPARE(g_last->written.size(), accepted ? 1 : 0);
        if (!accepted) return;
        QCOMPARE(int(status), 0);
        const QCanBusFrame& f = g_last->written.first();
        QCOMPARE(uint(f.frameId()), id);
        QTEST(f.hasExtendedFrameFormat(), "extended");
        QTEST(f.payload(), "payload");
    }

    void writeFailures() {
        install(1);
        TSlCanMessage m = messageOf(1, 0x10, 1, QByteArray(1, 'x'));
        uint8_t status = 0;
        QVERIFY(!SlCan_DeviceWriteMessages(0, &m, 1, &status)); // nothing open
        QVERIFY(SlCan_DeviceOpen(0));
        QVERIFY(!SlCan_DeviceWriteMessages(0, &m, 1, &status)); // open, not connected
        CanOpen(1, 8);
        g_last->writeResult = false;
        QCOMPARE(CanSend(1).text(), QStringLiteral("  Transmit error"));
    }

    void adapterGoneThenSwitchedOffAndOn() {
        install(1);
        CanOpen(1, 8);
        QVERIFY(CanOpened);
        g_last->receive({dataFrame(0x42, {}, false)});
        g_last->vanish(true);
        QVERIFY(driver->deviceLost());
        QVERIFY(driver->openAdapterName().isEmpty());
        QCOMPARE(CanRead(10), 1); // the frame that came before; the loss is a non-frame event
        QCOMPARE(CanRx[0].ID, 0x42u);
        QCOMPARE(CanRead(10), 0);
        QCOMPARE(CanSend(1).text(), QStringLiteral("  Transmit error"));
        g_last->raise(QCanBusDevice::ConnectionError); // late errors of a lost device add nothing
        QCOMPARE(drain(), QString());

        CanClose();
        QVERIFY(!CanOpened);
        QVERIFY(g_last.isNull());
        CanOpen(2, 8);
        QVERIFY(CanOpened);
        QVERIFY(!driver->deviceLost());
        QCOMPARE(g_created.size(), 2);
        g_last->receive({dataFrame(0x43, {}, false)});
        QCOMPARE(CanRead(10), 1);
        QCOMPARE(CanRx[0].ID, 0x43u);
    }

    void freeClosesTheDevice() {
        install(1);
        CanOpen(1, 8);
        QVERIFY(!g_last.isNull());
        CanClose();
        CanOpen(1, 8);
        CanFree();
        QVERIFY(g_last.isNull());
    }
};

QTEST_GUILESS_MAIN(TestQtCanDriver)
#include "tst_QtCanDriver.moc"
