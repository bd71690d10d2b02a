// The simulated devices without a bus: writes and commands, echoes, report cycles, live
// behaviour and the report schedules.

#include "SimTestProjects.h"

#include "sim/FrameRateSchedule.h"
#include "sim/ZelmBus.h"
#include "sim/ZelmDevice.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QTest>

#include <cstring>
#include <vector>

using RegValues = QList<QPair<int, int>>; // (register, value)

namespace {

TCanFrame FrameOf(uint32_t id, int dlc, const QByteArray& hex) {
    TCanFrame f;
    f.ID = id;
    f.DLC = static_cast<uint8_t>(dlc);
    const QByteArray bytes = QByteArray::fromHex(hex);
    std::memcpy(f.Data, bytes.constData(), static_cast<size_t>(std::min<qsizetype>(bytes.size(), 8)));
    return f;
}

// Every register value the frames carry, decoded as the tool decodes messages from the device.
QMap<int, int> DecodeReports(const std::vector<TCanFrame>& frames, const ZelmDevice& device,
                             int* foreign = nullptr) {
    QMap<int, int> seen;
    for (const TCanFrame& f : frames) {
        if (CanKey(f.ID, device.protokol()) != device.txAdr()) {
            if (foreign) ++*foreign;
            continue;
        }
        const TDeviceMessage m = DecodeDeviceFrame(f, device.protokol(), device.rxAdr(), device.txAdr());
        if (m.Direction != 0 && foreign) ++*foreign;
        for (int i = 0; i < 4; ++i)
            if (m.present(i)) seen.insert(m.Address + i, static_cast<uint16_t>(m.Values[i]));
    }
    return seen;
}

} // namespace

class TestZelmDevice : public QObject {
    Q_OBJECT
private slots:
    void busTakesRowsInUse();
    void writes_data();
    void writes();
    void framesNotForTheDevice_data();
    void framesNotForTheDevice();
    void commands_data();
    void commands();
    void reportCycle_data();
    void reportCycle();
    void liveBehaviour();
    void burstSpreadsOverDevices_data();
    void burstSpreadsOverDevices();
    void burstCatchesUpOnlyALittle();
    void periodMode();
};

void TestZelmDevice::busTakesRowsInUse() {
    TProject p = MakeSimProject(0, {0, 2, 15}, QStringLiteral("Линия"));
    p.Devices[1].RXadr = 0x555; // not in use: ignored whatever it holds
    p.Devices[2].Name = QStringLiteral("Насос 2");
    const ZelmBus bus(p);
    QCOMPARE(bus.projectName(), QStringLiteral("Линия"));
    QCOMPARE(bus.deviceCount(), 3);
    QCOMPARE(bus.device(0).row(), 0);
    QCOMPARE(bus.device(1).row(), 2);
    QCOMPARE(bus.device(1).name(), QStringLiteral("Насос 2"));
    QCOMPARE(bus.device(1).rxAdr(), 0x101u);
    QCOMPARE(bus.device(1).txAdr(), 0x111u);
    QCOMPARE(bus.device(2).row(), 15);
    QCOMPARE(bus.deviceBySerialAddress(15), &bus.device(2));
    QVERIFY(bus.deviceBySerialAddress(1) == nullptr);
}

void TestZelmDevice::writes_data() {
    QTest::addColumn<int>("protokol");
    QTest::addColumn<uint32_t>("idOffset"); // added to the device's RXadr
    QTest::addColumn<int>("dlc");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<RegValues>("written");

    // Standard layout: bytes 0-1 second value, 2-3 third, 4 mask and address high, 5 address, 6-7 first.
    QTest::newRow("standard, mask 7 at 10")
        << 0 << 0u << 8 << QByteArray("00020003e00a0001") << RegValues{{10, 1}, {11, 2}, {12, 3}};
    QTest::newRow("standard, mask 4 at 100")
        << 0 << 0u << 8 << QByteArray("ffffffff8064ff9c") << RegValues{{100, 0xFF9C}};
    QTest::newRow("standard, mask 5 skips the middle slot")
        << 0 << 0u << 8 << QByteArray("00070009a0140005") << RegValues{{20, 5}, {22, 9}};
    QTest::newRow("standard, mask 0 writes nothing")
        << 0 << 0u << 8 << QByteArray("000100020014000f") << RegValues{};
    QTest::newRow("standard, at 126 stops at 127")
        << 0 << 0u << 8 << QByteArray("00020003e07e0001") << RegValues{{126, 1}, {127, 2}};
    QTest::newRow("standard, register 150 does not exist")
        << 0 << 0u << 8 << QByteArray("0002000380960001") << RegValues{};
    QTest::newRow("standard, 13-bit address 0x1F05 does not exist")
        << 0 << 0u << 8 << QByteArray("000200039f050001") << RegValues{};
    QTest::newRow("protocol 3, four values at 0x23")
        << 3 << 0x23u << 8 << QByteArray("000affff12340001")
        << RegValues{{0x23, 10}, {0x24, 0xFFFF}, {0x25, 0x1234}, {0x26, 1}};
    QTest::newRow("protocol 3, DLC 3 is one value")
        << 3 << 0x40u << 3 << QByteArray("0102030405060708") << RegValues{{0x40, 0x0102}};
    QTest::newRow("protocol 3, DLC 0 writes nothing")
        << 3 << 0x40u << 0 << QByteArray("0102030405060708") << RegValues{};
    QTest::newRow("protocol 3, address 130 lands on 2")
        << 3 << 130u << 2 << QByteArray("4321") << RegValues{{2, 0x4321}};
    QTest::newRow("protocol 3, at 126 stops at 127")
        << 3 << 126u << 8 << QByteArray("0001000200030004") << RegValues{{126, 1}, {127, 2}};
}

void TestZelmDevice::writes() {
    QFETCH(int, protokol);
    QFETCH(uint32_t, idOffset);
    QFETCH(int, dlc);
    QFETCH(QByteArray, data);
    QFETCH(RegValues, written);

    ZelmBus bus(MakeSimProject(protokol, {0, 1}));
    ZelmDevice& target = bus.device(1);
    const ZelmDevice& other = bus.device(0);
    std::vector<TCanFrame> reports;
    bus.produce(0, reports);
    std::array<uint16_t, 128> before{}, otherBefore{};
    for (int r = 0; r < 128; ++r)
        before[static_cast<size_t>(r)] = target.reg(r);
    for (int r = 0; r < 128; ++r)
        otherBefore[static_cast<size_t>(r)] = other.reg(r);

    std::vector<TCanFrame> echo;
    const int n = bus.receive(FrameOf(target.rxAdr() + idOffset, dlc, data), echo);
    QCOMPARE(n, written.size());
    QCOMPARE(bus.registersWritten(), written.size());

    QMap<int, int> expected;
    for (const auto& [r, v] : written)
        expected.insert(r, v);
    for (int r = 0; r < 128; ++r) {
        const bool w = expected.contains(r);
        QCOMPARE(target.held(r), w);
        QCOMPARE(int(target.reg(r)), w ? expected.value(r) : int(before[static_cast<size_t>(r)]));
        QCOMPARE(other.reg(r), otherBefore[static_cast<size_t>(r)]);
    }

    // The echo reports exactly the written registers, from the device, on its TXadr.
    int foreign = 0;
    QCOMPARE(DecodeReports(echo, target, &foreign), expected);
    QCOMPARE(foreign, 0);
}

void TestZelmDevice::framesNotForTheDevice_data() {
    QTest::addColumn<int>("protokol");
    QTest::addColumn<uint32_t>("id");
    QTest::newRow("standard, on the device's TXadr") << 0 << 0x110u;
    QTest::newRow("standard, unknown identifier") << 0 << 0x120u;
    QTest::newRow("standard, RXadr with bit 24 set") << 0 << 0x01000100u;
    QTest::newRow("protocol 3, on TXadr plus address") << 3 << 0x10000005u;
    QTest::newRow("protocol 3, device number 2 is not in the project") << 3 << 0x02000005u;
}

void TestZelmDevice::framesNotForTheDevice() {
    QFETCH(int, protokol);
    QFETCH(uint32_t, id);
    ZelmBus bus(MakeSimProject(protokol, {0, 1}));
    std::vector<TCanFrame> echo;
    QCOMPARE(bus.receive(FrameOf(id, 8, "00020003e00a0001"), echo), 0);
    QVERIFY(echo.empty());
    QCOMPARE(bus.framesReceived(), 1);
    QCOMPARE(bus.framesForDevices(), 0);
    for (int d = 0; d < bus.deviceCount(); ++d)
        for (int r = 0; r < 128; ++r)
            QVERIFY(!bus.device(d).held(r));
}

void TestZelmDevice::commands_data() {
    QTest::addColumn<int>("protokol");
    QTest::addColumn<uint16_t>("word");
    QTest::newRow("standard, button 3") << 0 << uint16_t(0x0008);
    QTest::newRow("standard, wide button") << 0 << uint16_t(0xFFFF);
    QTest::newRow("protocol 3, button 3") << 3 << uint16_t(0x0008);
    QTest::newRow("protocol 3, button 0") << 3 << uint16_t(0x0001);
    QTest::newRow("protocol 3, word 0") << 3 << uint16_t(0);
}

void TestZelmDevice::commands() {
    QFETCH(int, protokol);
    QFETCH(uint16_t, word);
    ZelmBus bus(MakeSimProject(protokol, {0, 1}));
    ZelmDevice& d = bus.device(1);
    // Register 127 holds something else first, so a command word 0 is a change too.
    std::vector<TCanFrame> echo;
    TCanFrame set;
    TDeviceMessage msg;
    msg.Count = protokol == 3 ? 1 : 3;
    msg.Mask = protokol == 3 ? 0xFF : 4;
    msg.Address = 127;
    msg.Values[0] = 0x5555;
    EncodeRegisterWrite(msg, d.rxAdr(), protokol, set);
    QCOMPARE(bus.receive(set, echo), 1);
    QCOMPARE(d.reg(127), uint16_t(0x5555));
    echo.clear();

    TCanFrame command;
    EncodeCommand(word, d.rxAdr(), command);
    QCOMPARE(bus.receive(command, echo), 1);
    QCOMPARE(d.reg(CommandRegister), word);
    for (int r = 0; r < 127; ++r)
        QVERIFY2(!d.held(r), qPrintable(QString::number(r)));
    QCOMPARE(DecodeReports(echo, d), (QMap<int, int>{{127, word}}));
}

void TestZelmDevice::reportCycle_data() {
    QTest::addColumn<int>("protokol");
    QTest::addColumn<int>("frames");
    QTest::newRow("standard layout") << 0 << 43;
    QTest::newRow("protocol 3") << 3 << 32;
}

void TestZelmDevice::reportCycle() {
    QFETCH(int, protokol);
    QFETCH(int, frames);
    ZelmBus bus(MakeSimProject(protokol, {0, 4}));
    ZelmDevice& d = bus.device(1);
    d.advance(1234);
    QCOMPARE(d.reportsPerCycle(), frames);

    std::vector<TCanFrame> cycle;
    for (int i = 0; i < frames; ++i)
        cycle.push_back(d.nextReport());
    QMap<int, int> expected;
    for (int r = 0; r < 128; ++r)
        expected.insert(r, d.reg(r));
    int foreign = 0;
    QCOMPARE(DecodeReports(cycle, d, &foreign), expected);
    QCOMPARE(foreign, 0);

    // Each register exactly once per cycle, and the next cycle starts again at register 0.
    int slotCount = 0;
    for (const TCanFrame& f : cycle) {
        const TDeviceMessage m = DecodeDeviceFrame(f, protokol, d.rxAdr(), d.txAdr());
        for (int i = 0; i < 4; ++i)
            slotCount += m.present(i) ? 1 : 0;
    }
    QCOMPARE(slotCount, 128);
    const TCanFrame next = d.nextReport();
    if (protokol == 3) {
        QCOMPARE(cycle.front().ID, d.txAdr());
        QCOMPARE(cycle.back().ID, d.txAdr() + 124);
        QCOMPARE(int(cycle.back().DLC), 8);
        QCOMPARE(next.ID, d.txAdr());
    } else {
        // Mask 7, address 0 on the first frame; the last one carries 126 and 127 with mask 6.
        QCOMPARE(int(cycle.front().Data[4]), 0xE0);
        QCOMPARE(int(cycle.front().Data[5]), 0);
        QCOMPARE(int(cycle.back().Data[4]), 0xC0);
        QCOMPARE(int(cycle.back().Data[5]), 126);
        QCOMPARE(int(cycle.back().DLC), 8);
        QCOMPARE(cycle.back().ID, d.txAdr());
        QCOMPARE(int(next.Data[5]), 0);
    }
}

void TestZelmDevice::liveBehaviour() {
    ZelmDevice d(3, QStringLiteral("ZELM_3"), 0x103, 0x113, 0, 3);
    d.advance(0);
    std::array<uint16_t, 128> start{};
    for (int r = 0; r < 128; ++r)
        start[static_cast<size_t>(r)] = d.reg(r);

    // A held register keeps its written value while the behaviour moves on.
    std::vector<TCanFrame> echo;
    TDeviceMessage w;
    w.Mask = 4;
    w.Count = 3;
    w.Address = 30;
    w.Values[0] = 777;
    QCOMPARE(d.apply(w, echo), 1);

    d.advance(5000);
    int analogChanged = 0;
    for (int r = ZelmDevice::AnalogFirst; r < ZelmDevice::AnalogFirst + ZelmDevice::AnalogCount; ++r)
        if (r != 30 && d.reg(r) != start[static_cast<size_t>(r)]) ++analogChanged;
    QVERIFY2(analogChanged > 40, qPrintable(QString::number(analogChanged)));
    QCOMPARE(d.reg(30), uint16_t(777));
    QCOMPARE(d.reg(ZelmDevice::CounterRegister), uint16_t(5));
    QVERIFY(d.reg(1) != start[1]);    // the walking bit moved
    QCOMPARE(d.reg(100), start[100]); // settings stay
    int discreteChanged = 0;
    for (int t = 5000; t < 10000; t += 250) {
        d.advance(t);
        for (int r = 3; r < 8; ++r)
            discreteChanged += d.reg(r) != start[static_cast<size_t>(r)] ? 1 : 0;
    }
    QVERIFY(discreteChanged > 0);
    // Measurements stay plausible: around their set values, not wrapping through the 16-bit range.
    for (int r = ZelmDevice::AnalogFirst; r < ZelmDevice::AnalogFirst + ZelmDevice::AnalogCount; ++r) {
        const int v = static_cast<int16_t>(d.reg(r));
        QVERIFY2(v > -200 && v < 1000, qPrintable(QString::number(r)));
    }
}

void TestZelmDevice::burstSpreadsOverDevices_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("tickMs");
    QTest::addColumn<int>("durationMs");
    QTest::newRow("2300 fps, 5 ms ticks, 1 s") << 2300 << 5 << 1000;
    QTest::newRow("2300 fps, 7 ms ticks, 3.5 s") << 2300 << 7 << 3500;
    QTest::newRow("100 fps, 3 ms ticks, 2 s") << 100 << 3 << 2000;
    QTest::newRow("10 fps, 1 ms ticks, 1 s") << 10 << 1 << 1000;
}

void TestZelmDevice::burstSpreadsOverDevices() {
    QFETCH(int, rate);
    QFETCH(int, tickMs);
    QFETCH(int, durationMs);
    ZelmBus bus(MakeSimProject16(0));
    bus.setBurstRate(rate);
    std::vector<TCanFrame> out;
    int t = 0;
    for (; t + tickMs <= durationMs; t += tickMs)
        bus.produce(t, out);
    bus.produce(durationMs, out);

    const int expected = rate * durationMs / 1000;
    QCOMPARE(int(out.size()), expected);
    QCOMPARE(bus.framesProduced(), expected);
    QMap<uint32_t, int> perDevice;
    for (const TCanFrame& f : out)
        perDevice[f.ID]++;
    const int each = expected / 16;
    for (int d = 0; d < 16; ++d) {
        const int n = perDevice.value(bus.device(d).txAdr());
        QVERIFY2(n == each || n == each + 1, qPrintable(QStringLiteral("device %1: %2").arg(d).arg(n)));
    }
}

void TestZelmDevice::burstCatchesUpOnlyALittle() {
    FrameRateSchedule s(1000);
    QCOMPARE(s.due(0), 0);
    QCOMPARE(s.due(10), 10);
    QCOMPARE(s.due(10), 0);
    QCOMPARE(s.due(5010), 100); // a 5 s stall: a tenth of a second's worth, the rest dropped
    QCOMPARE(s.dropped(), 4900);
    QCOMPARE(s.due(5020), 10);
    QCOMPARE(FrameRateSchedule(0).due(1000), 0);
}

void TestZelmDevice::periodMode() {
    ZelmBus bus(MakeSimProject16(3));
    bus.setPeriodMs(100);
    std::vector<TCanFrame> out;
    QMap<uint32_t, int> perDevice;
    int busiestTick = 0;
    for (int t = 0; t < 1000; ++t) {
        out.clear();
        bus.produce(t, out);
        busiestTick = std::max(busiestTick, int(out.size()));
        for (const TCanFrame& f : out)
            perDevice[CanKey(f.ID, 3)]++;
    }
    QCOMPARE(perDevice.size(), 16);
    for (int d = 0; d < 16; ++d)
        QCOMPARE(perDevice.value(bus.device(d).txAdr()), 10);
    QVERIFY2(busiestTick == 1, "reports are spread over the period");

    // After a stall each device sends one report, not its backlog.
    out.clear();
    bus.produce(5000, out);
    QCOMPARE(int(out.size()), 16);
}

QTEST_GUILESS_MAIN(TestZelmDevice)
#include "tst_zelm_device.moc"
