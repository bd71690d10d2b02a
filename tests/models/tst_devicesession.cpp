// The device session as plain code: the frames of its writes and commands as the adapter gets
// them, the echo into the image, and the automatic repetition counted in clock events.

#include "can/ToolsCan.h"
#include "session/DeviceSession.h"
#include "tests/can/FakeBus.h"

#include <QTest>

using Bytes = QList<int>;

class TstDeviceSession : public QObject {
    Q_OBJECT

    FakeSlCanDriver* m_driver = nullptr;

    void openFake() { m_driver = OpenFakeBus(); }

private slots:
    void init() { openFake(); }
    void cleanup() {
        SlCanInstallDriver(nullptr);
        CanResetState();
    }

    void writeFrames_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("towardsDevice");
        QTest::addColumn<uint>("id");
        QTest::addColumn<Bytes>("data");
        // Values 0x0102, 0x0304, 0x0506, 0x0708 at register 5; RX 0x100, TX 0x110.
        QTest::newRow("standard, one value, Dn") << 0 << 1 << true << 0x100u
                                                 << Bytes{3, 4, 5, 6, 0x80, 5, 1, 2};
        QTest::newRow("standard, three values, Up") << 0 << 3 << false << 0x110u
                                                    << Bytes{3, 4, 5, 6, 0xE0, 5, 1, 2};
        QTest::newRow("standard, no value") << 0 << 0 << true << 0x100u << Bytes{3, 4, 5, 6, 0, 5, 1, 2};
        QTest::newRow("protocol 3, two values, Up") << 3 << 2 << false << 0x110u + 5 << Bytes{1, 2, 3, 4};
        QTest::newRow("protocol 3, four values, Dn") << 3 << 4 << true << 0x100u + 5
                                                     << Bytes{1, 2, 3, 4, 5, 6, 7, 8};
    }
    void writeFrames() {
        QFETCH(int, protokol);
        QFETCH(int, count);
        QFETCH(bool, towardsDevice);
        QFETCH(uint, id);
        QFETCH(Bytes, data);
        TDeviceSession s;
        s.RXadr = 0x100;
        s.TXadr = 0x110;
        s.Protokol = protokol;
        const TDeviceMessage req = TDeviceSession::writeRequest(5, count, {0x0102, 0x0304, 0x0506, 0x0708}, towardsDevice);
        QVERIFY(!s.write(req).failed());
        QCOMPARE(m_driver->sent.size(), size_t(1));
        const TSlCanMessage& m = m_driver->sent.front();
        QCOMPARE(uint(m.ID), id);
        Bytes got;
        for (int i = 0; i < m.DataCount; ++i)
            got << m.Data[i];
        QCOMPARE(got, data);
        // The echo shows the words the request marks, in its direction, and is no report.
        for (int i = 0; i < count; ++i)
            QCOMPARE(s.image().cell(5 + i).Value, 0x0102 + 0x0202 * i);
        QCOMPARE(s.image().cell(5 + count).Value, 0);
        if (count > 0) QCOMPARE(s.image().cell(5).Direction, towardsDevice ? 1 : 0);
        QVERIFY(s.reported().none());
        QCOMPARE(s.msgCount(), 1);
    }

    void commands_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("word");
        QTest::newRow("button 0") << 0 << 0x0001;
        QTest::newRow("button 15") << 15 << 0x8000;
        QTest::newRow("the wide button") << 16 << 0;
    }
    void commands() {
        QFETCH(int, button);
        QFETCH(int, word);
        TDeviceSession s;
        s.RXadr = 0x100;
        s.Protokol = 3; // a command keeps the standard layout
        QVERIFY(!s.command(button).failed());
        const TSlCanMessage& m = m_driver->sent.front();
        QCOMPARE(uint(m.ID), 0x100u);
        QCOMPARE(Bytes({m.Data[4], m.Data[5], m.Data[6], m.Data[7]}), Bytes({0x80, 0x7F, word >> 8, word & 0xFF}));
        QCOMPARE(uint16_t(s.image().cell(127).Value), uint16_t(word));
        QCOMPARE(s.image().cell(127).Direction, 1);
    }

    void refusedSendStillEchoes() {
        m_driver->writeResult = false;
        TDeviceSession s;
        const TCanSendStatus st = s.write(TDeviceSession::writeRequest(7, 1, {42, 0, 0, 0}, true));
        QVERIFY(st.failed());
        QCOMPARE(s.image().cell(7).Value, 42);
    }

    // Events at which the repetition fires; period -1 leaves the period of a new session (100).
    void autoRepeat_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<QList<int>>("fires");
        QTest::newRow("never edited: the first at once") << -1 << QList<int>{1};
        QTest::newRow("after an edit a whole period first") << 3 << QList<int>{3, 6, 9};
        QTest::newRow("period 0 never fires") << 0 << QList<int>{};
    }
    void autoRepeat() {
        QFETCH(int, period);
        QFETCH(QList<int>, fires);
        TDeviceSession s;
        if (period >= 0) s.setAutoPeriod(period);
        QList<int> got;
        int event = 0;
        s.onAutoRepeat = [&] { got << event; };
        s.setAutoRepeat(true);
        for (event = 1; event <= 9; ++event)
            s.autoRepeatStep();
        QCOMPARE(got, fires);
        s.setAutoRepeat(false); // off: the countdown is frozen
        const int frozen = s.autoCountdown();
        s.autoRepeatStep();
        QCOMPARE(s.autoCountdown(), frozen);
    }

    // Ticks the clock skipped while nothing could change are caught up exactly: the session then
    // fades a new message on the very ticks it would have faded it on had every tick come.
    void skippedTicksCaughtUp_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("settle"); // ticks after the highlight has gone, before the skip
        QTest::addColumn<int>("skipped");
        for (const int speed : {0, 1, 2, 5, int(FadeHold)})
            for (const int skipped : {1, 10, 11, 12, 131, 100000})
                QTest::addRow("speed %d, %d skipped", speed, skipped)
                    << speed << (skipped * 7 % 13) << skipped;
    }
    void skippedTicksCaughtUp() {
        QFETCH(int, speed);
        QFETCH(int, settle);
        QFETCH(int, skipped);
        TDeviceSession slept, ticked;
        TDeviceMessage msg;
        msg.Mask = 4;
        msg.Count = 1;
        msg.Address = 9;
        for (TDeviceSession* s : {&slept, &ticked}) {
            s->image().setFadeSpeed(speed);
            s->receive(msg);
            for (int t = 0; t < 2000 && s->clockNeeded(); ++t)
                (void)s->tick();
            QVERIFY(!s->clockNeeded());
            for (int t = 0; t < settle; ++t)
                (void)s->tick();
        }
        slept.skipTicks(skipped);
        for (int t = 0; t < skipped; ++t)
            (void)ticked.tick();
        QCOMPARE(slept.fadeCountdown(), ticked.fadeCountdown());
        QCOMPARE(slept.image().fade().Tick, ticked.image().fade().Tick);
        msg.Address = 20;
        slept.receive(msg);
        ticked.receive(msg);
        for (int t = 0; t < 500; ++t) {
            QVERIFY(slept.tick() == ticked.tick());
            QCOMPARE(slept.image().cell(20).Age, ticked.image().cell(20).Age);
        }
    }
};

QTEST_GUILESS_MAIN(TstDeviceSession)
#include "tst_devicesession.moc"
