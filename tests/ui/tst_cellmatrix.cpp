// Numbers in cells are laid out once per value and kept: they must look exactly like the same
// text set as text, in whatever font the matrix has now.
#include "ui/CellMatrix.h"

#include <QApplication>
#include <QImage>
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
};

QTEST_MAIN(TCellMatrixTest)
#include "tst_cellmatrix.moc"
