// The serial link's plain parts: the Modbus CRC, COM port names and event timer ticks.

#include "serial/ComPort.h"
#include "serial/EventTimer.h"
#include "serial/ToolsRS.h"

#include <QTest>

#include <chrono>

class TestSerialUnits : public QObject {
    Q_OBJECT
private slots:
    void crc16_data();
    void crc16();
    void crcLowByteFirstInRequest();
    void portName_data();
    void portName();
    void eventTicks_data();
    void eventTicks();
    void timerExpiry();
};

void TestSerialUnits::crc16_data() {
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

void TestSerialUnits::crc16() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, crc);
    QCOMPARE(Crc16(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<int32_t>(bytes.size())),
             crc);
}

void TestSerialUnits::crcLowByteFirstInRequest() {
    // A frame followed by its CRC, low byte first, has the residue 0 under this CRC.
    QByteArray frame = QByteArray::fromHex("01030000000AC5CD");
    QCOMPARE(Crc16(reinterpret_cast<const uint8_t*>(frame.constData()), 8), 0);
    frame[3] = 1;
    QVERIFY(Crc16(reinterpret_cast<const uint8_t*>(frame.constData()), 8) != 0);
}

void TestSerialUnits::portName_data() {
    QTest::addColumn<QString>("override");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
#ifdef Q_OS_WIN
    QTest::newRow("COM1") << QString() << 1 << QStringLiteral("COM1");
    QTest::newRow("COM12") << QString() << 12 << QStringLiteral("COM12");
#else
    QTest::newRow("COM1 is ttyS0") << QString() << 1 << QStringLiteral("/dev/ttyS0");
    QTest::newRow("COM12 is ttyS11") << QString() << 12 << QStringLiteral("/dev/ttyS11");
#endif
    QTest::newRow("COM0 names no port") << QString() << 0 << QString();
    QTest::newRow("override wins") << QStringLiteral("/dev/ttyUSB0") << 3 << QStringLiteral("/dev/ttyUSB0");
}

void TestSerialUnits::portName() {
    QFETCH(QString, override);
    QFETCH(int, number);
    QFETCH(QString, name);
    SetSerialPortOverride(override);
    QCOMPARE(TComPort::PortName(number), name);
    SetSerialPortOverride({});
}

void TestSerialUnits::eventTicks_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("negative counts as none") << -5 << 0;
    QTest::newRow("one tick") << 1 << 54;
    QTest::newRow("TimeWait default 10") << 10 << 549;
    QTest::newRow("182 ticks are 10 s") << 182 << 10000;
}

void TestSerialUnits::eventTicks() {
    QFETCH(int, ticks);
    QFETCH(int, milliseconds);
    QCOMPARE(std::chrono::duration_cast<std::chrono::milliseconds>(EventTicks(ticks)).count(), milliseconds);
}

void TestSerialUnits::timerExpiry() {
    TEventTimer timer;
    NewTimer(timer, 0);
    QVERIFY(TimerExpired(timer));
    NewTimer(timer, 182 * 60); // an hour away
    QVERIFY(!TimerExpired(timer));
}

QTEST_GUILESS_MAIN(TestSerialUnits)
#include "tst_serialunits.moc"
