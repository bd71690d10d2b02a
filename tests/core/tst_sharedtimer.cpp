// Timers on one shared clock: order, and timers started, stopped or deleted while the clock is
// calling the others.
#include "core/SharedTimer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <QTest>

#include <memory>

class TSharedTimerTest : public QObject {
    Q_OBJECT
private slots:
    void changesDuringATick_data() {
        QTest::addColumn<QString>("action");   // what timer A does on its first timeout
        QTest::addColumn<QString>("expected"); // timeouts in the first two ticks
        QTest::newRow("nothing") << "none"
                                 << "AB|AB";
        QTest::newRow("stop B") << "stop"
                                << "A|A";
        QTest::newRow("delete B") << "delete"
                                  << "A|A";
        QTest::newRow("restart B: it waits for the next tick") << "restart"
                                                               << "A|AB";
        QTest::newRow("A stops itself") << "stopSelf"
                                        << "AB|B";
    }
    void changesDuringATick() {
        QFETCH(QString, action);
        QFETCH(QString, expected);
        QStringList ticks;
        // Opens every tick: started first, it times out first.
        TSharedTimer mark;
        mark.setInterval(10);
        connect(&mark, &TSharedTimer::timeout, this, [&] { ticks.append(QString()); });
        TSharedTimer a;
        auto b = std::make_unique<TSharedTimer>();
        for (TSharedTimer* t : {&a, b.get()})
            t->setInterval(10);
        bool first = true;
        connect(&a, &TSharedTimer::timeout, this, [&] {
            if (ticks.size() > 2) return;
            ticks.back() += QLatin1Char('A');
            if (!first) return;
            first = false;
            if (action == "stop") b->stop();
            if (action == "delete") b.reset();
            if (action == "restart") b->start();
            if (action == "stopSelf") a.stop();
        });
        connect(b.get(), &TSharedTimer::timeout, this, [&] { ticks.back() += QLatin1Char('B'); });
        mark.start();
        a.start();
        b->start();
        QTRY_VERIFY(ticks.size() > 2);
        QCOMPARE(ticks.mid(0, 2).join(QLatin1Char('|')), expected);
        QCOMPARE(a.isActive(), action != "stopSelf");
    }

    // A handler that runs an event loop of its own (a modal dialog) does not stop the others, and
    // is not called again until it returns.
    void handlerWithItsOwnEventLoop() {
        TSharedTimer modal, other;
        modal.setInterval(10);
        other.setInterval(10);
        int modalCalls = 0, modalReentered = 0, otherCalls = 0, otherInside = 0;
        bool inside = false;
        connect(&modal, &TSharedTimer::timeout, this, [&] {
            if (inside) ++modalReentered;
            if (++modalCalls > 1) return;
            inside = true;
            QEventLoop loop;
            connect(&other, &TSharedTimer::timeout, &loop, [&] {
                if (otherInside >= 3) loop.quit();
            });
            QTimer::singleShot(5000, &loop, &QEventLoop::quit); // a clock stuck in the handler
            loop.exec();
            inside = false;
        });
        connect(&other, &TSharedTimer::timeout, this, [&] {
            ++otherCalls;
            if (inside) ++otherInside;
        });
        modal.start();
        other.start();
        QTRY_VERIFY(modalCalls >= 2);
        QCOMPARE(otherInside, 3);
        QCOMPARE(modalReentered, 0);
        QVERIFY(otherCalls > otherInside);
    }

    // Timers of different intervals run on different clocks; a stopped timer stays silent.
    void intervalsAndStop() {
        TSharedTimer fast, slow, stopped;
        fast.setInterval(5);
        slow.setInterval(40);
        stopped.setInterval(5);
        int nFast = 0, nSlow = 0, nStopped = 0;
        connect(&fast, &TSharedTimer::timeout, this, [&] { ++nFast; });
        connect(&slow, &TSharedTimer::timeout, this, [&] { ++nSlow; });
        connect(&stopped, &TSharedTimer::timeout, this, [&] { ++nStopped; });
        stopped.start();
        stopped.stop();
        QVERIFY(!stopped.isActive());
        fast.start();
        slow.start();
        QTRY_VERIFY(nSlow >= 2);
        QVERIFY(nFast > nSlow);
        QCOMPARE(nStopped, 0);
    }

    // A sleeping timer is not called. Woken, it is told the ticks it slept through, also those the
    // clock spent dozing while every timer slept, so that its timeouts and skipped ticks together
    // count the same ticks as those of a timer that never slept. A stop ends the sleep.
    void sleepingTimerCountsTheTicksItMissed() {
        TSharedTimer reference, sleeper;
        reference.setInterval(10);
        sleeper.setInterval(10);
        qint64 ticks = 0, counted = 0, referenceSkipped = 0;
        QList<qint64> mismatches; // ticks at which the sleeper's count differs
        connect(&reference, &TSharedTimer::timeout, this, [&] {
            referenceSkipped += reference.skippedTicks();
            ticks += 1 + reference.skippedTicks();
            if (ticks == 3) sleeper.sleep(); // before its turn: this tick is skipped too
            if (ticks == 8) sleeper.wake();  // before its turn: called in this tick
            if (ticks == 12) {
                reference.sleep(); // all asleep: the clock dozes
                QTimer::singleShot(60, this, [&] {
                    QVERIFY(sleeper.isAsleep() && reference.isAsleep());
                    sleeper.wake();
                    reference.wake();
                });
            }
        });
        connect(&sleeper, &TSharedTimer::timeout, this, [&] {
            counted += 1 + sleeper.skippedTicks();
            if (counted != ticks) mismatches << ticks;
            if (counted == 10) sleeper.sleep(); // in its own handler: from the next tick on
        });
        reference.start();
        sleeper.start();
        QTRY_VERIFY(ticks >= 20);
        QCOMPARE(mismatches, QList<qint64>{});
        QVERIFY(referenceSkipped > 0);       // the clock dozed and counted the ticks it slept through
        QCOMPARE(sleeper.skippedTicks(), 0); // outside its handler
        sleeper.stop();
        QVERIFY(!sleeper.isAsleep() && !sleeper.isActive());
    }
};

QTEST_GUILESS_MAIN(TSharedTimerTest)
#include "tst_sharedtimer.moc"
