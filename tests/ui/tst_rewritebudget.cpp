// The rewrites that partly covered texts share: their interval grows with their number, texts
// wholly in view keep their own, and a text that goes or comes wholly into view gives its turn back.
#include "ui/RewriteBudget.h"

#include <QTest>

#include <vector>

class TstRewriteBudget : public QObject {
    Q_OBJECT
private slots:
    void intervals_data() {
        QTest::addColumn<int>("others");      // other texts partly covered
        QTest::addColumn<bool>("partly");     // the text asked is partly covered
        QTest::addColumn<qint64>("expected"); // its interval, its own being 100 ms
        QTest::newRow("wholly in view among fifteen partly covered") << 15 << false << qint64{100};
        QTest::newRow("partly covered alone") << 0 << true << qint64{100};
        QTest::newRow("four partly covered: each still every 100 ms") << 3 << true << qint64{100};
        QTest::newRow("sixteen partly covered: forty a second in all") << 15 << true << qint64{400};
    }
    void intervals() {
        QFETCH(int, others);
        QFETCH(bool, partly);
        QFETCH(qint64, expected);
        TRewriteBudget asked;
        {
            std::vector<TRewriteBudget> texts(static_cast<size_t>(others));
            for (TRewriteBudget& t : texts)
                for (int told = 0; told < 2; ++told)
                    t.setPartlyCovered(true); // counted once
            asked.setPartlyCovered(partly);
            QCOMPARE(asked.intervalMs(100), expected);
            QCOMPARE(TRewriteBudget::partlyCoveredCount(), others + (partly ? 1 : 0));
            if (others > 0) texts.front().setPartlyCovered(false); // wholly in view or covered now
        }                                                          // and the others gone
        QCOMPARE(TRewriteBudget::partlyCoveredCount(), partly ? 1 : 0);
        QCOMPARE(asked.intervalMs(100), qint64{100});
    }
};

QTEST_GUILESS_MAIN(TstRewriteBudget)
#include "tst_rewritebudget.moc"
