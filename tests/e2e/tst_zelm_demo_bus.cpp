// The built-in demo bus in the tool's process: reached through the CAN layer's factory, it plays
// the selected project's devices, takes writes and never hands the tool's own frames back.

#include "BusReader.h"
#include "SimTestProjects.h"

#include "can/CanDeviceFactory.h"
#include "sim/CanFrameConvert.h"
#include "sim/DemoCanBusDevice.h"

#include <QCanBusFrame>
#include <QList>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<QCanBusDevice> CreateDemo() {
    const CanDeviceFactory factory = FindCanDeviceFactory(QStringLiteral("demo"));
    if (!factory) return {};
    QString error;
    return std::unique_ptr<QCanBusDevice>(factory(QStringLiteral("demo0"), &error));
}

} // namespace

class TestZelmDemoBus : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void opensAtOnceAndReports();
    void writesAreAppliedAndNotLoopedBack_data();
    void writesAreAppliedAndNotLoopedBack();
    void followsTheSelectedProject();
    void refusesFramesWhenClosed();
};

void TestZelmDemoBus::initTestCase() {
    RegisterDemoBus();
    QVERIFY(RegisteredCanDeviceFactories().contains(QStringLiteral("demo")));
}

void TestZelmDemoBus::opensAtOnceAndReports() {
    DemoCanBusDevice::setProject(MakeSimProject(0, {0, 3}));
    auto demo = CreateDemo();
    QVERIFY(demo);
    QVERIFY(qobject_cast<DemoCanBusDevice*>(demo.get()) != nullptr);
    BusReader rx(demo.get());
    QVERIFY(demo->connectDevice());
    QCOMPARE(demo->state(), QCanBusDevice::ConnectedState);

    QTRY_VERIFY_WITH_TIMEOUT(rx.countKey(0x110, 0) >= 3 && rx.countKey(0x111, 0) >= 3, 5000);
    for (const QCanBusFrame& f : rx.frames) {
        QCOMPARE(f.frameType(), QCanBusFrame::DataFrame);
        QVERIFY(f.frameId() == 0x110 || f.frameId() == 0x111);
        QVERIFY(!f.hasExtendedFrameFormat());
        QCOMPARE(f.payload().size(), 8);
    }
    demo->disconnectDevice();
    QCOMPARE(demo->state(), QCanBusDevice::UnconnectedState);
}

void TestZelmDemoBus::writesAreAppliedAndNotLoopedBack_data() {
    QTest::addColumn<int>("protokol");
    QTest::newRow("standard layout") << 0;
    QTest::newRow("protocol 3") << 3;
}

void TestZelmDemoBus::writesAreAppliedAndNotLoopedBack() {
    QFETCH(int, protokol);
    const TProject project = MakeSimProject(protokol, {0, 1});
    DemoCanBusDevice::setProject(project);
    auto demo = CreateDemo();
    QVERIFY(demo);
    QVERIFY(demo->connectDevice());
    BusReader rx(demo.get());
    QSignalSpy written(demo.get(), &QCanBusDevice::framesWritten);
    const TZELM& row = project.Devices[1];

    TDeviceMessage msg;
    msg.Address = 40;
    msg.Count = protokol == 3 ? 2 : 3;
    msg.Mask = protokol == 3 ? 0xFF : 6;
    msg.Values[0] = 1234;
    msg.Values[1] = -2;
    TCanFrame f;
    EncodeRegisterWrite(msg, row.RXadr, protokol, f);
    QVERIFY(demo->writeFrame(ToQtFrame(f, protokol)));
    TCanFrame command;
    EncodeCommand(0x0400, row.RXadr, command);
    QVERIFY(demo->writeFrame(ToQtFrame(command, protokol)));

    QTRY_VERIFY_WITH_TIMEOUT(rx.sawRegister(row.TXadr, row.RXadr, protokol, 40, 1234), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(rx.sawRegister(row.TXadr, row.RXadr, protokol, 41, 0xFFFE), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(rx.sawRegister(row.TXadr, row.RXadr, protokol, 127, 0x0400), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!written.isEmpty(), 5000);
    // The round-robin reports carry the written value from now on; the tool's frames never come back.
    rx.frames.clear();
    QTRY_VERIFY_WITH_TIMEOUT(rx.sawRegister(row.TXadr, row.RXadr, protokol, 40, 1234), 10000);
    QCOMPARE(rx.countKey(row.RXadr, protokol), 0);
    QCOMPARE(rx.countKey(project.Devices[0].RXadr, protokol), 0);
}

void TestZelmDemoBus::followsTheSelectedProject() {
    DemoCanBusDevice::setProject(MakeSimProject(0, {0}));
    auto demo = CreateDemo();
    QVERIFY(demo->connectDevice());
    BusReader rx(demo.get());
    QTRY_VERIFY_WITH_TIMEOUT(rx.countKey(0x110, 0) > 0, 5000);

    DemoCanBusDevice::setProject(MakeSimProject(3, {0, 1, 2}));
    QTRY_VERIFY_WITH_TIMEOUT(rx.countKey(0x12000000, 3) > 0, 5000);
    rx.frames.clear();
    QTRY_VERIFY_WITH_TIMEOUT(rx.frames.size() > 20, 5000);
    for (const QCanBusFrame& q : rx.frames) {
        QVERIFY(q.hasExtendedFrameFormat());
        const uint32_t key = CanKey(q.frameId(), 3);
        QVERIFY2(key == 0x10000000 || key == 0x11000000 || key == 0x12000000,
                 qPrintable(QString::number(key, 16)));
    }
    QCOMPARE(static_cast<DemoCanBusDevice*>(demo.get())->bus().deviceCount(), 3);
}

void TestZelmDemoBus::refusesFramesWhenClosed() {
    DemoCanBusDevice::setProject(MakeSimProject(0, {0}));
    auto demo = CreateDemo();
    TCanFrame f;
    EncodeCommand(1, 0x100, f);
    QVERIFY(!demo->writeFrame(ToQtFrame(f, 0)));
    QCOMPARE(demo->error(), QCanBusDevice::OperationError);
}

QTEST_GUILESS_MAIN(TestZelmDemoBus)
#include "tst_zelm_demo_bus.moc"
