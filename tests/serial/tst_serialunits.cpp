// The serial link's plain parts: COM port names and event timer ticks.

#include "serial/ComPort.h"
#include "serial/EventTimer.h"

#include <QTest>

#include <chrono>

class TestSerialUnits : public QObject {
    Q_OBJECT
private slots:
    void portName_data();
    void portName();
    void eventTicks_data();
    void eventTicks();
    void timerExpiry();
};

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
