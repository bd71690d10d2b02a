// The Modbus RTU slave of the simulated devices: CRC, answers to "read holding registers", and
// the bytes around a request that it must step over.

#include "SimTestProjects.h"

#include "sim/ModbusRtuSlave.h"
#include "sim/ZelmBus.h"

#include <QByteArray>
#include <QList>
#include <QTest>

namespace {

// A request as the tool builds it: address, 3, first register, count, CRC low byte first.
QByteArray Request(uint8_t address, int first, int count) {
    QByteArray r;
    r.append(static_cast<char>(address));
    r.append(char(3));
    r.append(static_cast<char>(first >> 8));
    r.append(static_cast<char>(first & 0xFF));
    r.append(static_cast<char>(count >> 8));
    r.append(static_cast<char>(count & 0xFF));
    ModbusAppendCrc(r);
    return r;
}

QByteArray Answer(const ZelmDevice& d, uint8_t address, int first, int count) {
    QByteArray a;
    a.append(static_cast<char>(address));
    a.append(char(3));
    a.append(static_cast<char>(2 * count));
    for (int r = first; r < first + count; ++r) {
        a.append(static_cast<char>(d.reg(r) >> 8));
        a.append(static_cast<char>(d.reg(r) & 0xFF));
    }
    ModbusAppendCrc(a);
    return a;
}

} // namespace

class TestZelmModbus : public QObject {
    Q_OBJECT
private slots:
    void crc_data();
    void crc();
    void answers_data();
    void answers();
    void exceptionForMissingRegisters_data();
    void exceptionForMissingRegisters();
};

void TestZelmModbus::crc_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("crcLowFirst");
    QTest::newRow("check value of 123456789") << QByteArray("123456789") << QByteArray::fromHex("374b");
    QTest::newRow("read 10 registers from 0 at address 1")
        << QByteArray::fromHex("01030000000a") << QByteArray::fromHex("c5cd");
    QTest::newRow("read 3 registers from 107 at address 17")
        << QByteArray::fromHex("1103006b0003") << QByteArray::fromHex("7687");
}

void TestZelmModbus::crc() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, crcLowFirst);
    QByteArray framed = bytes;
    ModbusAppendCrc(framed);
    QCOMPARE(framed.mid(bytes.size()).toHex(), crcLowFirst.toHex());
}

void TestZelmModbus::answers_data() {
    QTest::addColumn<QList<QByteArray>>("chunks"); // bytes as they arrive on the line
    QTest::addColumn<QList<int>>("reads");         // expected answers: triples (row, first, count)

    const QByteArray r1 = Request(1, 0, 10);
    const QByteArray r5 = Request(5, 24, 64);
    const QByteArray zero(1, '\0');
    QTest::newRow("one request") << QList<QByteArray>{r1} << QList<int>{1, 0, 10};
    QTest::newRow("request and the tool's zero byte") << QList<QByteArray>{r1 + zero} << QList<int>{1, 0, 10};
    QTest::newRow("split over three reads")
        << QList<QByteArray>{r1.left(3), r1.mid(3, 4), r1.mid(7) + zero} << QList<int>{1, 0, 10};
    QTest::newRow("two requests, each with its zero byte")
        << QList<QByteArray>{r1 + zero, r5 + zero} << QList<int>{1, 0, 10, 5, 24, 64};
    QTest::newRow("zero byte of the last request before the next")
        << QList<QByteArray>{r1, zero + r5} << QList<int>{1, 0, 10, 5, 24, 64};
    QTest::newRow("noise before the request")
        << QList<QByteArray>{QByteArray::fromHex("ff0103") + r5} << QList<int>{5, 24, 64};
    QTest::newRow("row 0 has serial address 0")
        << QList<QByteArray>{Request(0, 88, 1) + zero} << QList<int>{0, 88, 1};
    QTest::newRow("all 125 registers a request may ask")
        << QList<QByteArray>{Request(1, 3, 125) + zero} << QList<int>{1, 3, 125};
    QTest::newRow("unknown address stays silent")
        << QList<QByteArray>{Request(9, 0, 10) + zero} << QList<int>{};
    QByteArray corrupt = r1;
    corrupt[3] = 1;
    QTest::newRow("wrong CRC stays silent") << QList<QByteArray>{corrupt + zero} << QList<int>{};
    QByteArray otherFunction = QByteArray::fromHex("010400000001");
    ModbusAppendCrc(otherFunction);
    QTest::newRow("other function codes stay silent") << QList<QByteArray>{otherFunction} << QList<int>{};
}

void TestZelmModbus::answers() {
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<int>, reads);
    ZelmBus bus(MakeSimProject(0, {0, 1, 5}));
    std::vector<TCanFrame> out;
    bus.produce(2500, out);
    ModbusRtuSlave slave(bus);

    QByteArray replies;
    for (const QByteArray& c : chunks)
        replies += slave.feed(c);
    QByteArray expected;
    for (int i = 0; i + 2 < reads.size(); i += 3) {
        const ZelmDevice* d = bus.deviceBySerialAddress(static_cast<uint8_t>(reads[i]));
        QVERIFY(d != nullptr);
        expected += Answer(*d, static_cast<uint8_t>(reads[i]), reads[i + 1], reads[i + 2]);
    }
    QCOMPARE(replies.toHex(' '), expected.toHex(' '));
    QCOMPARE(slave.answered(), reads.size() / 3);
}

void TestZelmModbus::exceptionForMissingRegisters_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("beyond register 127") << 120 << 10;
    QTest::newRow("first register 128") << 128 << 1;
    QTest::newRow("no register") << 0 << 0;
    QTest::newRow("more than 125") << 0 << 126;
}

void TestZelmModbus::exceptionForMissingRegisters() {
    QFETCH(int, first);
    QFETCH(int, count);
    const ZelmBus bus(MakeSimProject(0, {0, 1}));
    ModbusRtuSlave slave(bus);
    QByteArray expected = QByteArray::fromHex("018302");
    ModbusAppendCrc(expected);
    QCOMPARE(slave.feed(Request(1, first, count)).toHex(' '), expected.toHex(' '));
    // The slave is in step for the next request.
    QCOMPARE(slave.feed(Request(1, 0, 1)).size(), 7);
}

QTEST_GUILESS_MAIN(TestZelmModbus)
#include "tst_zelm_modbus.moc"
