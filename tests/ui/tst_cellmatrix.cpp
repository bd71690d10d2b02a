// Numbers in cells are laid out once per value and kept: they must look exactly like the same
// text set as text, in whatever font the matrix has now. A change out of view is drawn when it
// comes into view, and then the screen shows exactly a fresh rendering.
#include "ui/CellMatrix.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>

class TCellMatrixTest : public QObject {
    Q_OBJECT

    static void build(TCellMatrix& m) {
        for (int i = 0; i < 6; ++i)
            m.addCell(QRect(1 + 46 * i, 1, 45, 22));
        m.resize(m.sizeHint());
    }

private slots:
    void numbersLookLikeTheirText_data() {
        QTest::addColumn<int>("pixelSize");
        QTest::newRow("design font") << 11;
        QTest::newRow("after a font change") << 17;
    }
    void numbersLookLikeTheirText() {
        QFETCH(int, pixelSize);
        TCellMatrix numbers, texts;
        build(numbers);
        build(texts);
        const int values[] = {0, -1, 32767, -32768, 512, 512};
        for (int i = 0; i < 6; ++i)
            numbers.setCellNumber(i, values[i]);
        (void)numbers.grab(); // the first font's layouts are made and kept
        for (TCellMatrix* m : {&numbers, &texts}) {
            QFont f = m->font();
            f.setPixelSize(pixelSize);
            m->setFont(f);
        }
        for (int i = 0; i < 6; ++i) {
            numbers.setCellNumber(i, values[(i + 1) % 6]); // a value shown before, in a new cell
            texts.setCellText(i, QString::number(values[(i + 1) % 6]));
        }
        QCOMPARE(numbers.cellText(2), QStringLiteral("-32768"));
        QCOMPARE(numbers.grab().toImage(), texts.grab().toImage());
    }

    void changesOutOfViewAreDrawnWhenInView() {
        TCellMatrix m;
        build(m);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        const auto onScreen = [&m] {
            (void)QTest::qWaitFor([&m] { return !m.repaintPending(); });
            QCoreApplication::processEvents();
            return m.screen()->grabWindow(m.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QRgb before = onScreen().pixel(m.cellRect(4).center());
        m.setVisiblePart(QRect(0, 0, m.cellRect(3).right() + 1, m.height())); // cells 0-2 in view
        m.setCellColor(1, qRgb(255, 0, 0));
        m.setCellColor(4, qRgb(0, 0, 255));
        m.setCellNumber(5, 77);
        QImage shown = onScreen();
        QCOMPARE(shown.pixel(m.cellRect(1).center()), qRgb(255, 0, 0));
        QCOMPARE(shown.pixel(m.cellRect(4).center()), before); // not drawn while out of view
        m.setVisiblePart(m.rect());
        shown = onScreen();
        QCOMPARE(shown.pixel(m.cellRect(4).center()), qRgb(0, 0, 255));
        QCOMPARE(shown, m.grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(TCellMatrixTest)
#include "tst_cellmatrix.moc"
