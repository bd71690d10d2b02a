// The colour tables of the parameter display against the sample columns of their formulas.

#include "core/ColorTables.h"

#include <QColor>
#include <QTest>

class TColorTablesTest : public QObject {
    Q_OBJECT
private slots:
    void colourTables_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<QList<QRgb>>("expected"); // Ana0, Ana1, One, Zero0, Zero1
        QTest::newRow("a=20") << 20
                              << QList<QRgb>{qRgb(180, 255, 160), qRgb(160, 220, 255), qRgb(255, 0, 0),
                                             qRgb(160, 255, 140), qRgb(150, 210, 255)};
        QTest::newRow("a=10") << 10
                              << QList<QRgb>{qRgb(210, 255, 200), qRgb(200, 230, 255), qRgb(224, 96, 96),
                                             qRgb(200, 255, 190), qRgb(200, 230, 255)};
        QTest::newRow("a=0") << 0
                             << QList<QRgb>{qRgb(240, 255, 240), qRgb(240, 240, 255), qRgb(192, 192, 192),
                                            qRgb(240, 255, 240), qRgb(250, 250, 255)};
    }
    void colourTables() {
        QFETCH(int, a);
        QFETCH(QList<QRgb>, expected);
        const TColorTables& t = ColorTables();
        const auto i = static_cast<size_t>(a);
        const QList<QRgb> got{t.AnaColor[i][0], t.AnaColor[i][1], t.OneColor[i], t.ZeroColor[i][0],
                              t.ZeroColor[i][1]};
        QCOMPARE(got, expected);
    }

    // Every level lies between the fresh and the pale colour, moving one way only.
    void levelsMoveOneWay() {
        const TColorTables& t = ColorTables();
        for (size_t a = 1; a <= ColorLevels; ++a) {
            QVERIFY(qRed(t.OneColor[a]) >= qRed(t.OneColor[a - 1]));
            QVERIFY(qGreen(t.OneColor[a]) <= qGreen(t.OneColor[a - 1]));
            QVERIFY(qRed(t.AnaColor[a][0]) <= qRed(t.AnaColor[a - 1][0]));
            QVERIFY(qBlue(t.ZeroColor[a][0]) <= qBlue(t.ZeroColor[a - 1][0]));
            QVERIFY(qRed(t.ZeroColor[a][1]) <= qRed(t.ZeroColor[a - 1][1]));
        }
    }
};

QTEST_GUILESS_MAIN(TColorTablesTest)
#include "tst_colortables.moc"
