// The Modbus RTU layout as plain code: the CRC against published vectors, and a read request as
// the tool writes it and the slave reads it.

#include "core/Crc16.h"
#include "core/ModbusRtu.h"

#include <QTest>

#include <array>

class TModbusRtuTest : public QObject {
    Q_OBJECT
private slots:
    void crc16_data();
    void crc16();
    void crcLowByteFirstInRequest();
    void readRequest_data();
    void readRequest();
};

void TModbusRtuTest::crc16_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("crc");
    // Check value of CRC-16/MODBUS.
    QTest::newRow("check value 123456789") << QByteArray("123456789") << 0x4B37;
    // Wire bytes C5 CD, low byte first.
    QTest::newRow("read 10 registers at 0, address 1") << QByteArray::fromHex("01030000000A") << 0xCDC5;
    // Wire bytes from pymodbus' computeCRC: C4 3D.
    QTest::newRow("read 64 registers at 24, address 1") << QByteArray::fromHex("010300180040") << 0x3DC4;
    QTest::newRow("one zero byte") << QByteArray::fromHex("00") << 0x40BF;
    QTest::newRow("one FF byte") << QByteArray::fromHex("FF") << 0x00FF;
}

void TModbusRtuTest::crc16() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, crc);
    QCOMPARE(Crc16(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<int32_t>(bytes.size())),
             crc);
}

void TModbusRtuTest::crcLowByteFirstInRequest() {
    // A frame followed by its CRC, low byte first, has the residue 0 under this CRC.
    QByteArray frame = QByteArray::fromHex("01030000000AC5CD");
    QCOMPARE(Crc16(reinterpret_cast<const uint8_t*>(frame.constData()), 8), 0);
    frame[3] = 1;
    QVERIFY(Crc16(reinterpret_cast<const uint8_t*>(frame.constData()), 8) != 0);
}

void TModbusRtuTest::readRequest_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("wire");
    // The same bytes as the CRC vectors above.
    QTest::newRow("10 registers at 0, address 1") << 1 << 0 << 10 << QByteArray::fromHex("01030000000AC5CD");
    QTest::newRow("64 registers at 24, address 1")
        << 1 << 24 << 64 << QByteArray::fromHex("010300180040C43D");
}

void TModbusRtuTest::readRequest() {
    QFETCH(int, address);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(QByteArray, wire);
    std::array<uint8_t, ModbusRequestLength> out{};
    ModbusPutReadRequest(
        {static_cast<uint8_t>(address), static_cast<uint16_t>(first), static_cast<uint16_t>(count)},
        out.data());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), ModbusRequestLength), wire);
    const std::optional<TModbusReadRequest> parsed = ModbusParseReadRequest(out.data());
    QVERIFY(parsed);
    QCOMPARE(parsed->Address, address);
    QCOMPARE(parsed->First, first);
    QCOMPARE(parsed->Count, count);
    out[7] ^= 1; // a damaged CRC is no request
    QVERIFY(!ModbusParseReadRequest(out.data()));
}

QTEST_GUILESS_MAIN(TModbusRtuTest)
#include "tst_modbusrtu.moc"
