// The bus health arithmetic: frame lengths on the wire, load and frame rates over the last second,
// and what error frames say.

#include "BusHealthMeter.h"
#include "CanFrameBits.h"

#include <QCanBusFrame>
#include <QTest>

namespace {

QCanBusFrame dataFrame(int bytes, bool extended) {
    QCanBusFrame f(extended ? 0x1ABCDEFu : 0x123u, QByteArray(bytes, '\x55'));
    f.setExtendedFrameFormat(extended);
    return f;
}

QCanBusFrame errorFrame(uint32_t classes, const QByteArray& payload) {
    QCanBusFrame f(QCanBusFrame::ErrorFrame);
    f.setError(QCanBusFrame::FrameErrors::fromInt(static_cast<int>(classes)));
    f.setPayload(payload);
    return f;
}

} // namespace

class TestBusHealth : public QObject {
    Q_OBJECT
private slots:
    void frameBits_data();
    void frameBits();
    void loadAndRates_data();
    void loadAndRates();
    void errorFrames_data();
    void errorFrames();
};

void TestBusHealth::frameBits_data() {
    QTest::addColumn<QCanBusFrame>("frame");
    QTest::addColumn<int>("bits");
    const int standard[] = {55, 65, 75, 85, 95, 105, 115, 125, 135};
    const int extended[] = {80, 90, 100, 110, 120, 130, 140, 150, 160};
    for (int n = 0; n <= 8; ++n) {
        QTest::addRow("standard, %d bytes", n) << dataFrame(n, false) << standard[n];
        QTest::addRow("extended, %d bytes", n) << dataFrame(n, true) << extended[n];
    }
    QCanBusFrame remote(QCanBusFrame::RemoteRequestFrame);
    remote.setFrameId(0x100);
    remote.setPayload(QByteArray(8, '\0')); // the length code asks for 8 bytes, none travel
    QTest::newRow("standard remote, length code 8") << remote << 55;
    remote.setFrameId(0x10000000);
    remote.setExtendedFrameFormat(true);
    remote.setPayload(QByteArray(3, '\0'));
    QTest::newRow("extended remote, length code 3") << remote << 80;
    QTest::newRow("error frame") << errorFrame(QCanBusFrame::BusError, QByteArray(8, '\0')) << 0;
}

void TestBusHealth::frameBits() {
    QFETCH(QCanBusFrame, frame);
    QFETCH(int, bits);
    QCOMPARE(WorstCaseFrameBits(frame), bits);
}

void TestBusHealth::loadAndRates_data() {
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<int>("receivedPerSecond");
    QTest::addColumn<int>("sentPerSecond");
    QTest::addColumn<QList<int>>("slotMs"); // the moments of the samples, 1 s in all
    QTest::addColumn<double>("load");
    QTest::addColumn<double>("counted"); // what the frames add up to, unbounded
    const QList<int> even{250, 250, 250, 250};
    QTest::newRow("1000 standard 8-byte frames/s at 250K")
        << 250000 << 8 << false << 1000 << 0 << even << 54.0 << 54.0;
    QTest::newRow("received and sent, extended 8 bytes at 125K")
        << 125000 << 8 << true << 300 << 200 << even << 64.0 << 64.0;
    QTest::newRow("uneven samples") << 250000 << 8 << false << 1000 << 0 << QList<int>{200, 300, 240, 260}
                                    << 54.0 << 54.0;
    // A serial line hands over far more frames than the bus can carry: the load is what the bus can.
    QTest::newRow("flood from a serial-line adapter at 125K")
        << 125000 << 8 << false << 10000 << 0 << even << 100.0 << 1080.0;
}

void TestBusHealth::loadAndRates() {
    QFETCH(int, bitRate);
    QFETCH(int, bytes);
    QFETCH(bool, extended);
    QFETCH(int, receivedPerSecond);
    QFETCH(int, sentPerSecond);
    QFETCH(QList<int>, slotMs);
    QFETCH(double, load);
    QFETCH(double, counted);

    BusHealthMeter meter(4);
    const qint64 start = 5000;
    meter.restart(start, bitRate);
    const QCanBusFrame frame = dataFrame(bytes, extended);
    qint64 now = start;
    for (int ms : slotMs) {
        for (int i = 0; i < receivedPerSecond * ms / 1000; ++i)
            meter.canTraffic(frame, CanTrafficDirection::Received);
        for (int i = 0; i < sentPerSecond * ms / 1000; ++i)
            meter.canTraffic(frame, CanTrafficDirection::Sent);
        now += ms;
        meter.sample(now);
    }
    QCOMPARE(meter.loadPercent(), load);
    QCOMPARE(meter.countedPercent(), counted);
    QCOMPARE(meter.peakLoadPercent(), load);
    QCOMPARE(meter.receivedPerSecond(), double(receivedPerSecond));
    QCOMPARE(meter.sentPerSecond(), double(sentPerSecond));

    // A quiet second: the last second has nothing, the peak stays.
    for (int i = 1; i <= 4; ++i)
        meter.sample(now + 250 * i);
    QCOMPARE(meter.loadPercent(), 0.0);
    QCOMPARE(meter.receivedPerSecond(), 0.0);
    QCOMPARE(meter.peakLoadPercent(), load);
}

void TestBusHealth::errorFrames_data() {
    QTest::addColumn<uint32_t>("classes");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("text");
    QTest::addColumn<BusState>("before");
    QTest::addColumn<BusState>("state"); // after this frame
    QTest::addColumn<bool>("overrun");
    using E = QCanBusFrame;
    const auto bytes = [](std::initializer_list<uint8_t> b) {
        QByteArray a(8, '\0');
        int i = 0;
        for (uint8_t x : b)
            a[i++] = static_cast<char>(x);
        return a;
    };
    const uint32_t protocol = E::ProtocolViolationError | E::BusError;
    QTest::newRow("bit error") << protocol << bytes({0, 0, 0x01}) << "bit error" << BusState::ErrorPassive
                               << BusState::ErrorPassive << false;
    QTest::newRow("CRC error, by its place") << protocol << bytes({0, 0, 0, 0x08}) << "CRC error"
                                             << BusState::Unknown << BusState::Unknown << false;
    QTest::newRow("ACK missing") << uint32_t(E::MissingAcknowledgmentError | E::BusError) << bytes({})
                                 << "ACK missing" << BusState::Unknown << BusState::Unknown << false;
    QTest::newRow("bus off") << uint32_t(E::BusOffError) << bytes({}) << "bus off" << BusState::Unknown
                             << BusState::BusOff << false;
    QTest::newRow("warning") << uint32_t(E::ControllerError) << bytes({0, 0x04}) << "warning"
                             << BusState::Unknown << BusState::Warning << false;
    QTest::newRow("error passive on sending")
        << uint32_t(E::ControllerError) << bytes({0, 0x28}) << "error passive" << BusState::Unknown
        << BusState::ErrorPassive << false;
    QTest::newRow("receive overrun") << uint32_t(E::ControllerError) << bytes({0, 0x01}) << "receive overrun"
                                     << BusState::Warning << BusState::Warning << true;
    QTest::newRow("transmit overrun while error passive")
        << uint32_t(E::ControllerError) << bytes({0, 0x12}) << "transmit overrun, error passive"
        << BusState::Unknown << BusState::ErrorPassive << true;
    QTest::newRow("back to error active")
        << uint32_t(E::ControllerError) << bytes({0, 0x40}) << "error active again" << BusState::BusOff
        << BusState::ErrorActive << false;
    QTest::newRow("controller, no details")
        << uint32_t(E::ControllerError) << QByteArray() << "controller problem" << BusState::Unknown
        << BusState::Unknown << false;
    QTest::newRow("no class") << uint32_t(0) << bytes({}) << "unknown error" << BusState::Unknown
                              << BusState::Unknown << false;
}

void TestBusHealth::errorFrames() {
    QFETCH(uint32_t, classes);
    QFETCH(QByteArray, payload);
    QFETCH(QString, text);
    QFETCH(BusState, before);
    QFETCH(BusState, state);
    QFETCH(bool, overrun);

    BusHealthMeter meter;
    meter.restart(0, 250000);
    meter.canTraffic(errorFrame(classes, payload), CanTrafficDirection::Received);
    QCOMPARE(meter.errorFrames(), 1u);
    QCOMPARE(BusErrorText(meter.lastError()), text);
    QCOMPARE(BusStateAfter(before, meter.lastError()), state);
    if (before == BusState::Unknown) QCOMPARE(meter.errorFrameState(), state);
    QCOMPARE(meter.overruns(), overrun ? 1u : 0u);
    // An error frame is no traffic; an overrun is told for the second it came in.
    meter.sample(1000);
    QCOMPARE(meter.loadPercent(), 0.0);
    QCOMPARE(meter.framesReceived(), 0u);
    QCOMPARE(meter.overrunInLastSecond(), overrun);
    for (int ms = 1250; ms <= 2000; ms += 250)
        meter.sample(ms);
    QVERIFY(!meter.overrunInLastSecond());
}

QTEST_GUILESS_MAIN(TestBusHealth)
#include "tst_bushealth.moc"
