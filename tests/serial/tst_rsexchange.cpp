// RsExchange against real peers on a pseudo-terminal pair: the pymodbus server and a scripted
// device that stays silent, stalls, corrupts a byte or floods the line.

#include "SerialPeer.h"

#include "app/UartPanel.h"
#include "serial/ComPort.h"
#include "serial/EventTimer.h"
#include "serial/ToolsRS.h"
#include "ui/SpinEdit.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTemporaryFile>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <memory>

namespace {

// Builds a read-holding-registers request in RsTxBuf.
void buildRead(int address, int first, int count) {
    RsTxBuf[0] = static_cast<uint8_t>(address);
    RsTxBuf[1] = 3;
    RsTxBuf[2] = static_cast<uint8_t>(first >> 8);
    RsTxBuf[3] = static_cast<uint8_t>(first);
    RsTxBuf[4] = static_cast<uint8_t>(count >> 8);
    RsTxBuf[5] = static_cast<uint8_t>(count);
    const uint16_t crc = Crc16(RsTxBuf.data(), 6);
    RsTxBuf[6] = static_cast<uint8_t>(crc);
    RsTxBuf[7] = static_cast<uint8_t>(crc >> 8);
}

QByteArray rxBytes(int from, int count) {
    return QByteArray(reinterpret_cast<const char*>(RsRxBuf.data() + from), count);
}

// Register r of the peers holds 1000 + r unless set otherwise.
QByteArray defaultRegs(int first, int count) {
    QByteArray out;
    for (int r = first; r < first + count; ++r) {
        out.append(static_cast<char>((1000 + r) >> 8));
        out.append(static_cast<char>(1000 + r));
    }
    return out;
}

double ticksOf(qint64 ms) {
    return ms * EventTicksPerSecond / 1000.0;
}

} // namespace

class TestRsExchange : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void modbusServer_data();
    void modbusServer();
    void requestOnTheWire();
    void misbehavingDevice_data();
    void misbehavingDevice();
    void longRequestInBlocks();
    void lockRsKeepsPortOpen_data();
    void lockRsKeepsPortOpen();
    void rcomChangeWhileLockedLeavesPortClosed();
    void unopenablePort_data();
    void unopenablePort();
    void outputBufferBusy();
    void nestedExchangeRefused();
    void abortKeyEndsExchange();
    void panelGoneDuringExchange();

private:
    // Starts the line and a peer; QFAILs the test on trouble.
    bool startPeer(const QString& script, const QStringList& args);

    std::unique_ptr<TUartPanel> m_panel;
    std::unique_ptr<SerialPeer> m_peer;
};

void TestRsExchange::initTestCase() {
    const QString missing = SerialPeer::missingTools();
    if (!missing.isEmpty()) QSKIP(qPrintable(QStringLiteral("serial peers unavailable: ") + missing));
}

void TestRsExchange::init() {
    m_panel = std::make_unique<TUartPanel>();
    m_panel->show();
    m_panel->TimeWait->setValue(10);
    RsSetPanel(m_panel.get());
    m_peer = std::make_unique<SerialPeer>();
    SetSerialPortOverride(m_peer->nearPath());
}

void TestRsExchange::cleanup() {
    RsSetPanel(nullptr);
    m_panel.reset();
    m_peer.reset();
    SetSerialPortOverride({});
}

bool TestRsExchange::startPeer(const QString& script, const QStringList& args) {
    if (!m_peer->startLine() || !m_peer->startPeer(script, args)) {
        qWarning("%s", qPrintable(m_peer->error()));
        return false;
    }
    return true;
}

void TestRsExchange::modbusServer_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("analog block 24+64, address 1") << 1 << 24 << 64;
    QTest::newRow("ten registers at 0, address 1") << 1 << 0 << 10;
    QTest::newRow("one register at 127, address 247") << 247 << 127 << 1;
}

void TestRsExchange::modbusServer() {
    QFETCH(int, unit);
    QFETCH(int, first);
    QFETCH(int, count);
    QVERIFY(startPeer(QStringLiteral("modbus_server.py"),
                      {QStringLiteral("--unit"), QString::number(unit), QStringLiteral("--set"),
                       QStringLiteral("%1=0xFFFE").arg(first + count - 1)}));
    buildRead(unit, first, count);
    const int expect = 2 * count + 5;
    QCOMPARE(RsExchange(8, expect), RsOk);
    QCOMPARE(rxBytes(0, 3), QByteArray::fromHex(QByteArray::number(unit, 16).rightJustified(2, '0') + "03") +
                                QByteArray(1, static_cast<char>(2 * count)));
    QByteArray regs = defaultRegs(first, count);
    regs[2 * count - 2] = '\xFF';
    regs[2 * count - 1] = '\xFE';
    QCOMPARE(rxBytes(3, 2 * count), regs);
    QVERIFY(!m_panel->MyCommPort->open());
    QVERIFY(m_panel->AbortKey->isHidden());
    QCOMPARE(m_panel->PBRs->maximum(), 8 + expect);
    QCOMPARE(m_panel->PBRs->value(), 8 + expect);
}

void TestRsExchange::requestOnTheWire() {
    QVERIFY(startPeer(QStringLiteral("raw_peer.py"), {}));
    RsRxBuf.fill(0xAA);
    buildRead(1, 24, 64);
    QCOMPARE(RsExchange(8, 133), RsOk);
    // Nine bytes leave the port: the request and one zero byte.
    QCOMPARE(m_peer->requests(), QStringList{QStringLiteral("010300180040c43d00")});
    QCOMPARE(rxBytes(3, 128), defaultRegs(24, 64));
    QCOMPARE(RsRxBuf[133], uint8_t{0xAA});
}

void TestRsExchange::misbehavingDevice_data() {
    QTest::addColumn<QStringList>("peerArgs");
    QTest::addColumn<int>("expect");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("arrived"); // answer bytes that must be in RsRxBuf
    QTest::addColumn<bool>("timed");  // the result comes from a time-out

    QTest::newRow("silent device") << QStringList{QStringLiteral("--silent")} << 133 << int(RsNoAnswer) << 0
                                   << true;
    QTest::newRow("answer stalls after 40 bytes")
        << QStringList{QStringLiteral("--stall-after"), QStringLiteral("40")} << 133 << int(RsNoAnswer) << 40
        << true;
    // One byte every 0.15 s keeps inside TimeWait (4 ticks, 0.22 s) but would need 20 s for the
    // whole answer: the overall deadline ends the exchange long before.
    QTest::newRow("answer trickles in just inside the time-out")
        << QStringList{QStringLiteral("--trickle"), QStringLiteral("0.15")} << 133 << int(RsNoAnswer) << 0
        << true;
    QTest::newRow("corrupted data byte") << QStringList{QStringLiteral("--corrupt-at"), QStringLiteral("10")}
                                         << 133 << int(RsBadCrc) << 0 << false;
    QTest::newRow("corrupted CRC byte") << QStringList{QStringLiteral("--corrupt-at"), QStringLiteral("132")}
                                        << 133 << int(RsBadCrc) << 0 << false;
    QTest::newRow("2000 bytes more than expected")
        << QStringList{QStringLiteral("--extra"), QStringLiteral("2000")} << 133 << int(RsOk) << 133 << false;
    QTest::newRow("3000-byte answer read in blocks")
        << QStringList{QStringLiteral("--blob"), QStringLiteral("3000")} << 3000 << int(RsOk) << 3000
        << false;
}

void TestRsExchange::misbehavingDevice() {
    QFETCH(QStringList, peerArgs);
    QFETCH(int, expect);
    QFETCH(int, result);
    QFETCH(int, arrived);
    QFETCH(bool, timed);
    QVERIFY(startPeer(QStringLiteral("raw_peer.py"), peerArgs));
    constexpr int timeWait = 4;
    m_panel->TimeWait->setValue(timeWait);
    RsRxBuf.fill(0xAA);
    buildRead(1, 24, 64);

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(RsExchange(8, expect), uint8_t(result));
    const qint64 elapsed = clock.elapsed();

    if (peerArgs.contains(QStringLiteral("--blob"))) {
        for (int i = 0; i < arrived - 2; ++i)
            QCOMPARE(RsRxBuf[i], uint8_t((i * 7 + 1) & 0xFF));
    } else if (arrived > 0) {
        const int data = std::min(arrived, 131) - 3; // the register bytes that arrived
        QCOMPARE(rxBytes(0, 3), QByteArray::fromHex("010380"));
        QCOMPARE(rxBytes(3, data), defaultRegs(24, 64).left(data));
    }
    // Nothing is written past the expected answer.
    QCOMPARE(RsRxBuf[expect], uint8_t{0xAA});
    QVERIFY(!m_panel->MyCommPort->open());
    QVERIFY(m_panel->AbortKey->isHidden());
    if (timed) {
        // Sanity bounds only: the time-out is one TimeWait for the first character or the gap
        // after the last one, never a whole answer's worth of them.
        QVERIFY2(ticksOf(elapsed) >= timeWait, qPrintable(QString::number(elapsed)));
        QVERIFY2(ticksOf(elapsed) < 20 * timeWait, qPrintable(QString::number(elapsed)));
    }
}

void TestRsExchange::longRequestInBlocks() {
    QVERIFY(startPeer(QStringLiteral("raw_peer.py"), {QStringLiteral("--req-len"), QStringLiteral("4097"),
                                                      QStringLiteral("--blob"), QStringLiteral("5")}));
    for (int i = 0; i < 4096; ++i)
        RsTxBuf[i] = static_cast<uint8_t>(i * 13 + 5);
    QCOMPARE(RsExchange(4096, 5), RsOk);
    const QStringList got = m_peer->requests();
    QCOMPARE(got.size(), 1);
    QByteArray sent(reinterpret_cast<const char*>(RsTxBuf.data()), 4096);
    sent.append('\0');
    QCOMPARE(got.first().toLatin1(), sent.toHex());
}

void TestRsExchange::lockRsKeepsPortOpen_data() {
    QTest::addColumn<bool>("locked");
    QTest::newRow("LockRS ticked: stays open") << true;
    QTest::newRow("LockRS not ticked: closed again") << false;
}

void TestRsExchange::lockRsKeepsPortOpen() {
    QFETCH(bool, locked);
    QVERIFY(startPeer(QStringLiteral("raw_peer.py"), {}));
    if (locked) QTest::mouseClick(m_panel->CBLockRS, Qt::LeftButton);
    QCOMPARE(m_panel->CBLockRS->isChecked(), locked);
    QCOMPARE(m_panel->MyCommPort->open(), locked);
    for (int round = 0; round < 2; ++round) {
        buildRead(1, 24 + round, 8);
        QCOMPARE(RsExchange(8, 21), RsOk);
        QCOMPARE(rxBytes(3, 16), defaultRegs(24 + round, 8));
        QCOMPARE(m_panel->MyCommPort->open(), locked);
    }
    if (locked) {
        QTest::mouseClick(m_panel->CBLockRS, Qt::LeftButton);
        QVERIFY(!m_panel->MyCommPort->open());
    }
}

void TestRsExchange::rcomChangeWhileLockedLeavesPortClosed() {
    QVERIFY(startPeer(QStringLiteral("raw_peer.py"), {}));
    m_panel->CBLockRS->setChecked(true);
    QVERIFY(m_panel->MyCommPort->open());
    m_panel->RCom->setValue(2);
    QCOMPARE(m_panel->MyCommPort->comNumber(), 2);
    QVERIFY(!m_panel->MyCommPort->open());
    QVERIFY(m_panel->CBLockRS->isChecked());
    // An exchange opens the port for its own duration only.
    buildRead(1, 0, 10);
    QCOMPARE(RsExchange(8, 25), RsOk);
    QVERIFY(!m_panel->MyCommPort->open());
    // Clicking LockRS off and on again opens it.
    QTest::mouseClick(m_panel->CBLockRS, Qt::LeftButton);
    QTest::mouseClick(m_panel->CBLockRS, Qt::LeftButton);
    QVERIFY(m_panel->MyCommPort->open());
}

void TestRsExchange::unopenablePort_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing device") << QStringLiteral("missing");
    QTest::newRow("regular file, not a terminal") << QStringLiteral("file");
    QTest::newRow("COM0, no port at all") << QStringLiteral("none");
}

void TestRsExchange::unopenablePort() {
    QFETCH(QString, kind);
    QTemporaryFile file;
    if (kind == QLatin1String("missing")) {
        SetSerialPortOverride(QStringLiteral("/nonexistent/qvx-tty"));
    } else if (kind == QLatin1String("file")) {
        QVERIFY(file.open());
        SetSerialPortOverride(file.fileName());
    } else {
        SetSerialPortOverride({});
        m_panel->RCom->setValue(0);
    }
    m_panel->CBLockRS->setChecked(true); // the attempt to open fails quietly
    QVERIFY(!m_panel->MyCommPort->open());
    buildRead(1, 24, 64);
    QCOMPARE(RsExchange(8, 133), RsNoAnswer);
    QVERIFY(!m_panel->MyCommPort->open());
    QVERIFY(m_panel->AbortKey->isHidden());
    QVERIFY(!m_panel->MyCommPort->lastError().isEmpty());
}

void TestRsExchange::outputBufferBusy() {
    QVERIFY(startPeer(QStringLiteral("raw_peer.py"), {QStringLiteral("--deaf")}));
    m_panel->CBLockRS->setChecked(true);
    TComPort& port = *m_panel->MyCommPort;
    QVERIFY(port.open());
    // Far more than the line can hold while nobody reads.
    const QByteArray flood(1 << 20, '\x11');
    QCOMPARE(port.PutBlock(reinterpret_cast<const uint8_t*>(flood.constData()),
                           static_cast<int32_t>(flood.size())),
             static_cast<int32_t>(flood.size()));
    QVERIFY(port.OutBuffUsed() > 0);
    buildRead(1, 24, 64);
    QCOMPARE(RsExchange(8, 133), RsBusy);
    QVERIFY(port.OutBuffUsed() > 0); // nothing was flushed or sent
    QVERIFY(m_panel->AbortKey->isHidden());

    // A line that never drains ends the exchange instead of holding the program.
    m_panel->TimeWait->setValue(2);
    port.FlushOutBuffer();
    QCOMPARE(port.OutBuffUsed(), 0);
    for (int i = 0; i < RsBufSize; ++i)
        RsTxBuf[i] = 0x22;
    QCOMPARE(RsExchange(RsBufSize - 4, 5), RsNoAnswer);
    // It stopped in the send phase: not all blocks went out.
    QVERIFY2(m_panel->PBRs->value() < RsBufSize - 4, qPrintable(QString::number(m_panel->PBRs->value())));
    QVERIFY(port.open()); // LockRS is ticked
}

void TestRsExchange::nestedExchangeRefused() {
    QVERIFY(startPeer(QStringLiteral("raw_peer.py"), {}));
    buildRead(1, 24, 64);
    int inner = -1;
    // Runs in the send phase, where window messages are handled.
    QMetaObject::invokeMethod(
        m_panel.get(), [&inner] { inner = RsExchange(8, 133); }, Qt::QueuedConnection);
    QCOMPARE(RsExchange(8, 133), RsOk);
    QCOMPARE(inner, int(RsNested));
    QCOMPARE(m_peer->requests().size(), 1);
    // Once the exchange is over a new one runs.
    QCOMPARE(RsExchange(8, 133), RsOk);
}

void TestRsExchange::abortKeyEndsExchange() {
    QVERIFY(startPeer(QStringLiteral("raw_peer.py"), {QStringLiteral("--silent")}));
    m_panel->TimeWait->setValue(100); // the abort must not wait for this
    buildRead(1, 24, 64);
    bool shown = false;
    QMetaObject::invokeMethod(
        m_panel.get(),
        [this, &shown] {
            shown = m_panel->AbortKey->isVisible();
            QTest::mouseClick(m_panel->AbortKey, Qt::LeftButton);
        },
        Qt::QueuedConnection);
    QCOMPARE(RsExchange(8, 133), RsAborted);
    QVERIFY(shown);
    QVERIFY(m_panel->AbortKey->isHidden());
    QVERIFY(!m_panel->MyCommPort->open());
    QVERIFY(!m_panel->AbortRequested);
}

void TestRsExchange::panelGoneDuringExchange() {
    QVERIFY(startPeer(QStringLiteral("raw_peer.py"), {}));
    buildRead(1, 24, 64);
    QMetaObject::invokeMethod(
        qApp, [this] { m_panel.reset(); }, Qt::QueuedConnection);
    QCOMPARE(RsExchange(8, 133), RsNoAnswer);
    QCOMPARE(RsPanel(), nullptr);
    QCOMPARE(RsExchange(8, 133), RsNoAnswer);
}

QTEST_MAIN(TestRsExchange)
#include "tst_rsexchange.moc"
