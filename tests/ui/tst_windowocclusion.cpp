// On a real X server (Xvfb, no window manager): a window covered by another is told so, and told
// again when it is uncovered or the other goes; a child with a window of its own is told as well.
#include "ui/WindowOcclusion.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

class TWindowOcclusionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!TWindowOcclusion::supported()) QSKIP("needs the xcb platform (run under xvfb-run)");
    }

    void coveredAndUncovered_data() {
        QTest::addColumn<QString>("uncover");
        QTest::newRow("the cover moves away") << "move";
        QTest::newRow("the cover is hidden") << "hide";
        QTest::newRow("the covered window is raised") << "raise";
    }
    void coveredAndUncovered() {
        QFETCH(QString, uncover);
        QWidget below, cover;
        below.setGeometry(50, 50, 300, 200);
        cover.setGeometry(40, 40, 400, 300);
        auto* child = new QWidget(&below);
        child->setGeometry(10, 10, 50, 50);
        child->setAttribute(Qt::WA_NativeWindow);
        int belowCovered = -1, childCovered = -1, coverCovered = -1;
        below.show();
        TWindowOcclusion::watch(&below, [&](bool c) { belowCovered = c; });
        TWindowOcclusion::watch(child, [&](bool c) { childCovered = c; });
        QVERIFY(QTest::qWaitForWindowExposed(&below));
        cover.show();
        TWindowOcclusion::watch(&cover, [&](bool c) { coverCovered = c; });
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        QTRY_COMPARE(belowCovered, 1);
        QTRY_COMPARE(childCovered, 1);
        if (uncover == "move") cover.move(600, 400);
        if (uncover == "hide") cover.hide();
        if (uncover == "raise") below.raise();
        QTRY_COMPARE(belowCovered, 0);
        QTRY_COMPARE(childCovered, 0);
        QVERIFY(coverCovered != 1 || uncover == "raise");
    }

    // The part in view of a window and of a widget in it is what no other window lies over.
    void visiblePart_data() { coveredAndUncovered_data(); }
    void visiblePart() {
        QFETCH(QString, uncover);
        QWidget below, cover;
        below.setGeometry(50, 50, 300, 200);
        cover.setGeometry(200, 100, 300, 300);
        auto* child = new QWidget(&below);
        child->setGeometry(150, 20, 100, 100);
        QRegion belowPart, childPart;
        below.show();
        TWindowOcclusion::watchVisiblePart(&below, [&](const QRegion& r) { belowPart = r; });
        TWindowOcclusion::watchVisiblePart(child, [&](const QRegion& r) { childPart = r; });
        QVERIFY(QTest::qWaitForWindowExposed(&below));
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        QTRY_COMPARE(belowPart, QRegion(below.rect()) - QRect(150, 50, 300, 300));
        QTRY_COMPARE(childPart, QRegion(0, 0, 100, 30));
        QCOMPARE(TWindowOcclusion::visiblePart(child), childPart);
        if (uncover == "move") cover.move(600, 400);
        if (uncover == "hide") cover.hide();
        if (uncover == "raise") below.raise();
        QTRY_COMPARE(belowPart, QRegion(below.rect()));
        QTRY_COMPARE(childPart, QRegion(child->rect()));
    }

    // A window never watched, or one gone, is no trouble.
    void windowGoneWhileWatched() {
        auto* w = new QWidget;
        w->show();
        TWindowOcclusion::watch(w, [](bool) {});
        QVERIFY(QTest::qWaitForWindowExposed(w));
        delete w;
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
    }
};

QTEST_MAIN(TWindowOcclusionTest)
#include "tst_windowocclusion.moc"
