// The bus monitor as plain code: which cells a tick's frames light, how the lights fade, and which
// sessions get which messages in which order, with the ticks passed in.

#include "monitor/BusMonitor.h"
#include "session/DeviceSession.h"

#include <QTest>

#include <vector>

using Frames = std::vector<TCanFrame>;
using Lights = QList<int>; // per row 0..3: Rx light, Tx light as TCellLight
Q_DECLARE_METATYPE(Frames)

namespace {

TCanFrame frame(uint32_t id, std::initializer_list<uint8_t> data = {0, 0, 0, 0, 0x80, 5, 0x12, 0x34}) {
    TCanFrame f;
    f.ID = id;
    f.DLC = static_cast<uint8_t>(data.size());
    int i = 0;
    for (uint8_t b : data)
        f.Data[i++] = b;
    return f;
}

// Rows 0..3 in use with RX 0x100+r and TX 0x110+r; row 3 shares row 0's TX; row 2 is not in use.
TProject project(int protokol = 0) {
    TProject p;
    p.Protokol = protokol;
    for (int r = 0; r < 4; ++r) {
        TZELM& z = p.Devices[static_cast<size_t>(r)];
        z.Use = r != 2;
        z.RXadr = protokol == 3 ? static_cast<uint32_t>(r + 1) << 24 : 0x100u + static_cast<uint32_t>(r);
        z.TXadr = protokol == 3 ? z.RXadr + 0x10000000u : 0x110u + static_cast<uint32_t>(r);
    }
    p.Devices[3].TXadr = p.Devices[0].TXadr;
    return p;
}

} // namespace

class TstBusMonitor : public QObject {
    Q_OBJECT
private slots:
    void lights_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<Frames>("frames");
        QTest::addColumn<Lights>("lights");
        const int I = int(TCellLight::Idle), L = int(TCellLight::Light), O = int(TCellLight::Off);
        QTest::newRow("rx of row 1") << 0 << Frames{frame(0x101)} << Lights{I, I, L, I, O, O, I, I};
        QTest::newRow("shared tx lights both rows") << 0 << Frames{frame(0x110)} << Lights{I, L, I, I, O, O, I, L};
        QTest::newRow("row not in use is never lit") << 0 << Frames{frame(0x102), frame(0x112)}
                                                     << Lights{I, I, I, I, O, O, I, I};
        QTest::newRow("unknown identifier only counted") << 0 << Frames{frame(0x555)} << Lights{I, I, I, I, O, O, I, I};
        QTest::newRow("protocol 3 keys by bits 24-28") << 3 << Frames{frame(0x01000023), frame(0x12000005)}
                                                       << Lights{L, I, I, L, O, O, I, I};
    }
    void lights() {
        QFETCH(int, protokol);
        QFETCH(Frames, frames);
        QFETCH(Lights, lights);
        const TProject p = project(protokol);
        TBusMonitor m(p);
        m.projectShown();
        (void)m.takeChangedRows();
        m.takeFrames(frames.data(), static_cast<int>(frames.size()));
        m.fadePass();
        Lights got;
        for (int r = 0; r < 4; ++r)
            got << int(m.lights(r).Rx.Light) << int(m.lights(r).Tx.Light);
        QCOMPARE(got, lights);
        QCOMPARE(m.stats().used() > 0, !frames.empty());
    }

    void fadeTimeline_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("light");
        QTest::newRow("light for the first second") << 100 << int(TCellLight::Light);
        QTest::newRow("pale after it") << 101 << int(TCellLight::Pale);
        QTest::newRow("pale until five seconds") << 500 << int(TCellLight::Pale);
        QTest::newRow("idle after five seconds") << 501 << int(TCellLight::Idle);
    }
    void fadeTimeline() {
        QFETCH(int, ticks);
        QFETCH(int, light);
        const TProject p = project();
        TBusMonitor m(p);
        m.projectShown();
        const TCanFrame f = frame(0x111);
        m.takeFrames(&f, 1);
        // fading() tells exactly whether a pass changes anything (the clock sleeps on it).
        const auto cells = [&m] {
            QList<int> c;
            for (int r = 0; r < 4; ++r)
                c << m.lights(r).Rx.FadeCount << int(m.lights(r).Rx.Light) << m.lights(r).Tx.FadeCount
                  << int(m.lights(r).Tx.Light);
            return c;
        };
        for (int t = 0; t < ticks; ++t) {
            const bool fading = m.fading();
            const QList<int> before = cells();
            m.fadePass();
            QCOMPARE(fading, cells() != before);
        }
        QCOMPARE(int(m.lights(1).Tx.Light), light);
        QCOMPARE(m.fading(), light != int(TCellLight::Idle));
        m.switchedOff();
        QCOMPARE(int(m.lights(1).Tx.Light), int(TCellLight::Off));
        QCOMPARE(m.stats().used(), 0);
    }

    // Sessions get the messages in frame order, and for one frame in row order, with the direction
    // of the identifier they came on; a row without a session gets nothing.
    void handOver() {
        const TProject p = project();
        TBusMonitor m(p);
        TDeviceSession s0, s3;
        m.setSession(0, &s0);
        m.setSession(3, &s3);
        std::vector<int> order;
        m.onRowFrame = [&](const TCanFrame&, int row, const TDeviceMessage& msg) {
            order.push_back(row * 10 + msg.Direction);
        };
        const Frames frames{frame(0x110), frame(0x100), frame(0x101), frame(0x103)};
        m.takeFrames(frames.data(), static_cast<int>(frames.size()));
        QCOMPARE(order, (std::vector<int>{0, 30, 1, 11, 31}));
        QCOMPARE(s0.msgCount(), 2);
        QCOMPARE(s3.msgCount(), 2);
        QCOMPARE(s0.image().cell(5).Value, 0x1234);
        QVERIFY(s0.reported().test(5)); // the frame on TX is the device's report
        QCOMPARE(s0.reports(), uint64_t(1));
        m.setSession(0, nullptr);
        m.takeFrames(frames.data(), 1);
        QCOMPARE(s0.msgCount(), 2);
        QCOMPARE(s3.msgCount(), 3);
    }
};

QTEST_GUILESS_MAIN(TstBusMonitor)
#include "tst_busmonitor.moc"
