// The trend window reached through a real device window: registers chosen in the blocks' menus and
// with Ctrl+P, messages handed to the device window found in the plotted series and in the CSV
// file, recording while the trend window is closed.

#include "core/Project.h"
#include "device/ModbusForm.h"
#include "tests/device/FormControls.h"
#include "device/TrendForm.h"
#include "trend/TrendModel.h"
#include "ui/CellMatrix.h"
#include "ui/SpinEdit.h"

#include <qcustomplot.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

TDeviceMessage value(int reg, int v) {
    TDeviceMessage m;
    m.Address = static_cast<uint16_t>(reg);
    m.Count = 1;
    m.Mask = 4; // the first value is present
    m.Values[0] = static_cast<int16_t>(v);
    return m;
}

bool menuOpened = false;

// Opens the context menu of cell i of a block and triggers the entry with the given text; returns
// the entries the menu offered (menuOpened tells whether there was a menu).
QStringList chooseFromCellMenu(TCellMatrix* matrix, int i, const QString& entry) {
    QStringList offered;
    menuOpened = false;
    QTimer::singleShot(0, matrix, [&offered, entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        menuOpened = menu != nullptr;
        if (!menu) return;
        QAction* chosen = nullptr;
        for (QAction* a : menu->actions()) {
            if (!a->isVisible() || a->isSeparator()) continue;
            offered.append(a->text());
            if (a->text() == entry) chosen = a;
        }
        menu->close();
        if (chosen) chosen->trigger();
    });
    const QPoint pos = matrix->cellRect(i).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, matrix->mapToGlobal(pos));
    QCoreApplication::sendEvent(matrix, &event);
    QCoreApplication::processEvents(); // no menu opened: the look for it runs here
    return offered;
}

QList<double> plotted(const TTrendForm& form, int slot) {
    QList<double> values;
    const QCPGraph* g = form.graph(slot);
    if (!g) return values;
    for (auto it = g->data()->constBegin(); it != g->data()->constEnd(); ++it)
        values.append(it->value);
    return values;
}

} // namespace

class TTrendFormTest : public QObject {
    Q_OBJECT
    TProject project;
    QTemporaryDir programDir; // Quorvex.ini of the device windows goes here

private slots:
    void messagesReachSeriesAndCsv() {
        TModbusForm w(project, programDir.path() + QLatin1Char('/'));
        w.setWindowTitle(QStringLiteral("Line2: Pump"));
        w.show();
        w.ReceiveCanData(value(30, 11));

        // Register 30 is analog cell 6 (the block starts at 24); the menu keeps the serial read.
        const QStringList offered =
            chooseFromCellMenu(ui(w).AnaCells, 6, QStringLiteral("Plot register 0x1E (30)"));
        QCOMPARE(offered,
                 (QStringList{QStringLiteral("Plot register 0x1E (30)"), w.ReadAnalogAction->text()}));
        QVERIFY(w.trendForm());
        QVERIFY(w.trendForm()->isVisible());
        QCOMPARE(w.trendForm()->windowTitle(), QStringLiteral("Trend - Line2: Pump"));
        QCOMPARE(w.trendForm()->spanSeconds(), 60);

        // A silver column of the discrete block (it shows 24 registers) offers no menu.
        (void)chooseFromCellMenu(ui(w).DigiCells, 16 * 30, QString());
        QVERIFY(!menuOpened);
        // Bit 3 of register 5: discrete column 5, bit cell 16 * 5 + 3.
        QCOMPARE(chooseFromCellMenu(ui(w).DigiCells, 16 * 5 + 3, QStringLiteral("Plot register 0x05 (5), bit 3")),
                 (QStringList{QStringLiteral("Plot register 0x05 (5)"),
                              QStringLiteral("Plot register 0x05 (5), bit 3")}));

        for (int v : {100, -200, 300})
            w.ReceiveCanData(value(30, v));
        w.ReceiveCanData(value(5, 8));
        w.ReceiveCanData(value(5, 7));
        // Closed, the trend window's device window records on.
        w.trendForm()->close();
        w.ReceiveCanData(value(30, -32768));
        w.showTrend();
        w.trendForm()->redraw();

        QCOMPARE(plotted(*w.trendForm(), 0), (QList<double>{11, 100, -200, 300, -32768}));
        QCOMPARE(plotted(*w.trendForm(), 1), (QList<double>{0, 1, 0}));
        QCOMPARE(w.trendForm()->graph(0)->name(), QStringLiteral("0x1E (30)"));
        QCOMPARE(w.trendForm()->graph(1)->name(), QStringLiteral("0x05 (5) bit 3"));
        QVERIFY(w.trendForm()->graph(0)->pen().color() != w.trendForm()->graph(1)->pen().color());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trend.csv"));
        QString error;
        QVERIFY2(w.trendForm()->saveCsv(path, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
        QCOMPARE(lines.first(), QByteArray("time_s,time,0x1E (30),0x05 (5) bit 3"));
        // Each register's column changes where its messages came, in their order.
        QList<QByteArray> reg30;
        QList<QByteArray> bit3;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> cells = lines[i].split(',');
            QCOMPARE(cells.size(), 4);
            if (reg30.isEmpty() || reg30.last() != cells[2]) reg30.append(cells[2]);
            if (bit3.isEmpty() || bit3.last() != cells[3]) bit3.append(cells[3]);
        }
        QCOMPARE(reg30, (QList<QByteArray>{"11", "100", "-200", "300", "-32768"}));
        QCOMPARE(bit3.mid(bit3.size() - 3), (QList<QByteArray>{"0", "1", "0"}));

        QVERIFY(w.trendForm()->savePng(dir.filePath(QStringLiteral("trend.png")), &error));
        QVERIFY(!QImage(dir.filePath(QStringLiteral("trend.png"))).isNull());
        QVERIFY(!w.trendForm()->saveCsv(dir.filePath(QStringLiteral("missing/trend.csv")), &error));
        QVERIFY(!error.isEmpty());
    }

    void ctrlPPlotsTheSelection() {
        TModbusForm w(project, programDir.path() + QLatin1Char('/'));
        w.show();
        QCOMPARE(w.PlotAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        // Ctrl+click: analog cells 0 and 2, the bit cells of register 9 twice; a plain click ends
        // a selection.
        QTest::mouseClick(ui(w).AnaCells, Qt::LeftButton, Qt::NoModifier, ui(w).AnaCells->cellRect(5).center());
        QTest::mouseClick(ui(w).AnaCells, Qt::LeftButton, Qt::ControlModifier, ui(w).AnaCells->cellRect(0).center());
        QTest::mouseClick(ui(w).AnaCells, Qt::LeftButton, Qt::ControlModifier, ui(w).AnaCells->cellRect(2).center());
        QTest::mouseClick(ui(w).DigiCells, Qt::LeftButton, Qt::ControlModifier,
                          ui(w).DigiCells->cellRect(16 * 9).center());
        QTest::mouseClick(ui(w).DigiCells, Qt::LeftButton, Qt::ControlModifier,
                          ui(w).DigiCells->cellRect(16 * 9 + 4).center());
        QCOMPARE(w.selectedRegisters(), (QList<int>{24, 26, 9}));
        w.PlotAction->trigger();
        QVERIFY(w.trendForm() && w.trendForm()->isVisible());
        QList<int> plottedRegs;
        for (int s = 0; s < TTrendModel::MaxChannels; ++s)
            if (const TTrendChannel* c = w.trendModel()->channel(s)) plottedRegs.append(c->Register);
        QCOMPARE(plottedRegs, (QList<int>{24, 26, 9}));

        // Nothing selected: the first four of the analog block.
        QTest::mouseClick(ui(w).AnaCells, Qt::LeftButton, Qt::NoModifier, ui(w).AnaCells->cellRect(7).center());
        QVERIFY(w.selectedRegisters().isEmpty());
        ui(w).AnaStart->setValue(40);
        w.trendModel()->clear();
        w.PlotAction->trigger();
        plottedRegs.clear();
        for (int s = 0; s < TTrendModel::MaxChannels; ++s)
            if (const TTrendChannel* c = w.trendModel()->channel(s)) plottedRegs.append(c->Register);
        QCOMPARE(plottedRegs, (QList<int>{40, 41, 42, 43}));
    }
};

QTEST_MAIN(TTrendFormTest)
#include "tst_trendform.moc"
