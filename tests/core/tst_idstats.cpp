#include "core/IdStats.h"

#include <QTest>

#include <vector>

class TstIdStats : public QObject {
    Q_OBJECT
private slots:
    void order_data();
    void order();
    void hitLimitRestartsFromThatIdentifier();
    void capacityRestartsOnTheHundredAndFirst();
    void resetZeroesEverything();
};

using Ids = std::vector<uint32_t>;
Q_DECLARE_METATYPE(Ids)

void TstIdStats::order_data() {
    QTest::addColumn<Ids>("frames");
    QTest::addColumn<QString>("text");
    const uint32_t A = 0x100, B = 0x110, C = 0x120;
    QTest::newRow("B overtakes A on its third frame") << Ids{A, A, B, B, B} << "0x00000110(3) 0x00000100(2) ";
    QTest::newRow("A B B: B moves ahead") << Ids{A, B, B} << "0x00000110(2) 0x00000100(1) ";
    QTest::newRow("equal counts do not swap") << Ids{A, B} << "0x00000100(1) 0x00000110(1) ";
    QTest::newRow("equal after catching up do not swap") << Ids{A, A, B, B} << "0x00000100(2) 0x00000110(2) ";
    QTest::newRow("one place per frame")
        << Ids{A, A, B, C, C} << "0x00000100(2) 0x00000120(2) 0x00000110(1) ";
    QTest::newRow("moves on over two frames")
        << Ids{A, A, B, C, C, C} << "0x00000120(3) 0x00000100(2) 0x00000110(1) ";
    QTest::newRow("empty") << Ids{} << "";
    QTest::newRow("full 32-bit identifier")
        << Ids{0x1F000000u, 0xFFFFFFFFu} << "0x1F000000(1) 0xFFFFFFFF(1) ";
}

void TstIdStats::order() {
    QFETCH(Ids, frames);
    QFETCH(QString, text);
    TIdStats s;
    for (uint32_t id : frames)
        s.count(id);
    QCOMPARE(s.text(), text);
}

void TstIdStats::hitLimitRestartsFromThatIdentifier() {
    TIdStats s;
    s.count(0x200);
    for (int i = 0; i < 1000; ++i)
        s.count(0x100);
    QCOMPARE(s.used(), 2);
    QCOMPARE(s.entry(1).Id, 0x100u);
    QCOMPARE(s.entry(1).Hits, 1000u);
    s.count(0x100); // the 1001st frame
    QCOMPARE(s.used(), 1);
    QCOMPARE(s.entry(1).Id, 0x100u);
    QCOMPARE(s.entry(1).Hits, 1u);
    QCOMPARE(s.text(), QStringLiteral("0x00000100(1) "));
}

void TstIdStats::capacityRestartsOnTheHundredAndFirst() {
    TIdStats s;
    for (uint32_t id = 1; id <= 100; ++id)
        s.count(id);
    QCOMPARE(s.used(), 100);
    QCOMPARE(s.entry(100).Id, 100u);
    s.count(50); // a known identifier still counts while full
    QCOMPARE(s.used(), 100);
    s.count(101);
    QCOMPARE(s.used(), 1);
    QCOMPARE(s.entry(1).Id, 101u);
    QCOMPARE(s.entry(1).Hits, 1u);
}

void TstIdStats::resetZeroesEverything() {
    TIdStats s;
    s.count(7);
    s.count(8);
    s.reset();
    QCOMPARE(s.used(), 0);
    QCOMPARE(s.text(), QString());
    s.count(9);
    QCOMPARE(s.entry(1).Id, 9u);
    QCOMPARE(s.entry(2).Id, 0u); // zeroed, not stale
    s.clearUsed();
    QCOMPARE(s.used(), 0);
}

QTEST_GUILESS_MAIN(TstIdStats)
#include "tst_idstats.moc"
