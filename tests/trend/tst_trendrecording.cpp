// The trend's recording as plain code: the bounded ring, the model fed by a register image, and the
// CSV file made from the rings.

#include "core/RegisterImage.h"
#include "trend/TrendBudget.h"
#include "trend/TrendCsv.h"
#include "trend/TrendModel.h"
#include "trend/TrendRing.h"

#include <QDateTime>
#include <QTest>
#include <QTimeZone>

namespace {

using Samples = QList<QPair<qint64, int>>;

TDeviceMessage message(int address, std::array<int, 4> values, int count = 4) {
    TDeviceMessage m;
    m.Address = static_cast<uint16_t>(address);
    m.Count = count;
    m.Mask = 7; // every value present
    for (int i = 0; i < 4; ++i)
        m.Values[i] = static_cast<int16_t>(values[static_cast<size_t>(i)]);
    return m;
}

Samples contents(const TTrendRing& ring) {
    Samples out;
    for (int i = 0; i < ring.size(); ++i)
        out.append({ring.at(i).TimeMs, ring.at(i).Value});
    return out;
}

} // namespace

class TTrendRecordingTest : public QObject {
    Q_OBJECT
private slots:
    void ringKeepsTheNewest_data() {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<Samples>("appended");
        QTest::addColumn<Samples>("held");
        QTest::newRow("under capacity") << 4 << Samples{{10, 1}, {20, -2}} << Samples{{10, 1}, {20, -2}};
        QTest::newRow("exactly full")
            << 3 << Samples{{10, 1}, {20, 2}, {30, 3}} << Samples{{10, 1}, {20, 2}, {30, 3}};
        QTest::newRow("gone round twice")
            << 2 << Samples{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}} << Samples{{4, 4}, {5, 5}};
        QTest::newRow("a clock stepping back keeps the order")
            << 4 << Samples{{100, 1}, {90, 2}, {120, 3}} << Samples{{100, 1}, {100, 2}, {120, 3}};
        Samples many;
        for (int i = 0; i < 3 * TTrendRing::ChunkSamples; ++i)
            many.append({i, i});
        QTest::newRow("over chunk ends") << 5000 << many << many.mid(many.size() - 5000);
    }
    void ringKeepsTheNewest() {
        QFETCH(int, capacity);
        QFETCH(Samples, appended);
        QFETCH(Samples, held);
        TTrendRing ring(capacity);
        for (const auto& [t, v] : appended)
            ring.append(t, v);
        QCOMPARE(contents(ring), held);
        QCOMPARE(ring.appended(), appended.size());
    }

    void ringFindsTimes_data() {
        QTest::addColumn<qint64>("time");
        QTest::addColumn<int>("lowerBound");
        QTest::addColumn<int>("indexAt");
        // Ring of capacity 4 after 10, 20, 20, 30, 40, 50: holds 20, 30, 40, 50.
        QTest::newRow("before all") << qint64{5} << 0 << -1;
        QTest::newRow("on the oldest") << qint64{20} << 0 << 0;
        QTest::newRow("between") << qint64{35} << 2 << 1;
        QTest::newRow("on the newest") << qint64{50} << 3 << 3;
        QTest::newRow("after all") << qint64{99} << 4 << 3;
    }
    void ringFindsTimes() {
        QFETCH(qint64, time);
        QFETCH(int, lowerBound);
        QFETCH(int, indexAt);
        TTrendRing ring(4);
        for (qint64 t : {10, 20, 20, 30, 40, 50})
            ring.append(t, static_cast<int>(t));
        QCOMPARE(ring.lowerBound(time), lowerBound);
        QCOMPARE(ring.indexAt(time), indexAt);
    }

    void ringHoldsAnHourAtAHundredASecond() { QVERIFY(TTrendRing().capacity() >= 100 * 3600); }

    void modelRecordsItsRegistersOnly() {
        TRegisterImage image;
        image.apply(message(30, {-7, 0, 0, 0}, 1));
        TTrendModel model(image, 16);
        QCOMPARE(model.addRegister(30), 0);
        QCOMPARE(model.addRegister(31, 2), 1);
        QCOMPARE(model.addRegister(30), 0); // recorded already
        QCOMPARE(model.addRegister(128), -1);
        QCOMPARE(model.addRegister(5, 16), -1);
        image.apply(message(29, {1, 5, 4, 9})); // 29 is not recorded; 31 = 4 has bit 2 set
        image.apply(message(31, {3}, 1));
        const TTrendChannel* value = model.channel(0);
        const TTrendChannel* bit = model.channel(1);
        QVERIFY(value && bit);
        // The first sample is the value the image held when recording started.
        QCOMPARE(value->Ring.size(), 2);
        QCOMPARE(value->Ring.at(0).Value, -7);
        QCOMPARE(value->Ring.at(1).Value, 5);
        QCOMPARE(bit->Ring.size(), 3);
        QList<int> bits;
        for (int i = 0; i < bit->Ring.size(); ++i)
            bits.append(bit->plotted(bit->Ring.at(i).Value));
        QCOMPARE(bits, (QList<int>{0, 1, 0}));

        model.removeChannel(0);
        image.apply(message(30, {8}, 1));
        QCOMPARE(model.channel(0), nullptr);
        QCOMPARE(model.addRegister(30), 0); // the free slot again, history started afresh
        QCOMPARE(model.channel(0)->Ring.size(), 1);
        QCOMPARE(model.channel(0)->Ring.at(0).Value, 8);
    }

    void modelTakesEightRegisters() {
        TRegisterImage image;
        TTrendModel model(image, 4);
        for (int r = 0; r < TTrendModel::MaxChannels; ++r)
            QCOMPARE(model.addRegister(r), r);
        QCOMPARE(model.addRegister(100), -1);
        QCOMPARE(model.channelCount(), 8);
    }

    void labels_data() {
        QTest::addColumn<int>("reg");
        QTest::addColumn<int>("bit");
        QTest::addColumn<QString>("label");
        QTest::newRow("two hex digits") << 30 << -1 << "0x1E (30)";
        QTest::newRow("leading zero") << 5 << -1 << "0x05 (5)";
        QTest::newRow("last register") << 127 << -1 << "0x7F (127)";
        QTest::newRow("a bit") << 10 << 15 << "0x0A (10) bit 15";
    }
    void labels() {
        QFETCH(int, reg);
        QFETCH(int, bit);
        QFETCH(QString, label);
        QCOMPARE(TTrendModel::channelLabel(reg, bit), label);
    }

    void csv_data() {
        QTest::addColumn<Samples>("a");
        QTest::addColumn<Samples>("b");
        QTest::addColumn<int>("bitOfB");
        QTest::addColumn<QString>("expected");
        // Origin 2026-01-02 03:04:05.000 UTC.
        QTest::newRow("nothing recorded") << Samples{} << Samples{} << -1 << "time_s,time,A,B\n";
        QTest::newRow("held values, empty before the first")
            << Samples{{1000, -5}, {3500, 7}} << Samples{{2000, 300}} << -1
            << "time_s,time,A,B\n"
               "1.000,2026-01-02T03:04:06.000+00:00,-5,\n"
               "2.000,2026-01-02T03:04:07.000+00:00,-5,300\n"
               "3.500,2026-01-02T03:04:08.500+00:00,7,300\n";
        QTest::newRow("one millisecond shared, one taken twice")
            << Samples{{10, 1}, {10, 2}} << Samples{{10, 9}} << -1
            << "time_s,time,A,B\n"
               "0.010,2026-01-02T03:04:05.010+00:00,1,9\n"
               "0.010,2026-01-02T03:04:05.010+00:00,2,9\n";
        QTest::newRow("a bit column, before the origin")
            << Samples{{-250, 0}} << Samples{{-250, 6}, {5, 1}} << 1
            << "time_s,time,A,B\n"
               "-0.250,2026-01-02T03:04:04.750+00:00,0,1\n"
               "0.005,2026-01-02T03:04:05.005+00:00,0,0\n";
    }
    void csv() {
        QFETCH(Samples, a);
        QFETCH(Samples, b);
        QFETCH(int, bitOfB);
        QFETCH(QString, expected);
        const qint64 origin =
            QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), QTimeZone::utc()).toMSecsSinceEpoch();
        TTrendRing ra(16);
        TTrendRing rb(16);
        for (const auto& [t, v] : a)
            ra.append(origin + t, v);
        for (const auto& [t, v] : b)
            rb.append(origin + t, v);
        const std::vector<TTrendColumn> columns{{QStringLiteral("A"), &ra, -1},
                                                {QStringLiteral("B"), &rb, bitOfB}};
        QCOMPARE(QString::fromUtf8(TTrendCsv::toCsv(columns, origin, QTimeZone::utc())), expected);
    }

    // One memory budget for all rings: the limit holds, the oldest samples of all go first (the
    // rings' spans differ by at most the last chunk the later one gave up), a ring keeps its newest.
    void budgetDropsTheOldestOfAll_data() {
        QTest::addColumn<int>("budgetChunks");
        QTest::addColumn<int>("everyA"); // ring A takes a sample every so many steps (0: once, at first)
        QTest::addColumn<int>("everyB");
        QTest::newRow("within the budget") << 20 << 1 << 3;
        QTest::newRow("two rings alike beyond it") << 3 << 1 << 1;
        QTest::newRow("a fast and a slow ring") << 6 << 1 << 4;
        QTest::newRow("a ring that changed once") << 4 << 0 << 1;
    }
    void budgetDropsTheOldestOfAll() {
        QFETCH(int, budgetChunks);
        QFETCH(int, everyA);
        QFETCH(int, everyB);
        TTrendBudget budget(budgetChunks * TTrendRing::ChunkBytes);
        TTrendRing a(TTrendRing::DefaultCapacity, &budget);
        TTrendRing b(TTrendRing::DefaultCapacity, &budget);
        const int steps = 60000;
        for (int t = 0; t < steps; ++t) {
            if (everyA == 0 ? t == 0 : t % everyA == 0) a.append(t, t);
            if (t % everyB == 0) b.append(t, t);
        }
        QVERIFY(budget.usedBytes() <= budget.limitBytes());
        QCOMPARE(a.last().TimeMs, everyA == 0 ? 0 : (steps - 1) / everyA * everyA);
        QCOMPARE(b.last().TimeMs, (steps - 1) / everyB * everyB);
        QCOMPARE(a.droppedToBudget() + b.droppedToBudget() > 0, budgetChunks < 20);
        const qint64 ahead = a.at(0).TimeMs - b.at(0).TimeMs;
        if (everyA == 0)
            QCOMPARE(a.size(), 1);
        else if (budget.exhausted())
            QVERIFY2(std::abs(ahead) <= qint64(ahead > 0 ? everyA : everyB) * TTrendRing::ChunkSamples,
                     qPrintable(QString::number(ahead)));
    }

    void csvOfALongRecordingHasEveryRow() {
        // More rows than one write chunk holds.
        TTrendRing ring(5000);
        for (int i = 0; i < 5000; ++i)
            ring.append(1000 + 10 * i, i);
        const QByteArray csv = TTrendCsv::toCsv({{QStringLiteral("R"), &ring, -1}}, 1000, QTimeZone::utc());
        const QList<QByteArray> lines = csv.trimmed().split('\n');
        QCOMPARE(lines.size(), 5001);
        QCOMPARE(lines.last(), QByteArray("49.990,1970-01-01T00:00:50.990+00:00,4999"));
    }
};

QTEST_GUILESS_MAIN(TTrendRecordingTest)
#include "tst_trendrecording.moc"
