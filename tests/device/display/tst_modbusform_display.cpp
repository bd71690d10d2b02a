// The parameter display of the device window, driven through the real widgets: cells, labels,
// ranges, Hex/Dec, highlight modes, fading, the memo summary and clicks on the cells.

#include "core/ColorTables.h"
#include "core/Project.h"
#include "device/ModbusForm.h"
#include "tests/device/FormControls.h"
#include "ui/CellMatrix.h"
#include "ui/FixedLayoutArea.h"
#include "ui/RewriteBudget.h"
#include "ui/SpinEdit.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <memory>
#include <vector>

namespace {

const QRgb Fresh0 = qRgb(240, 255, 240); // level 0, from the device: analog and zero bits alike

TDeviceMessage message(int address, int count, int mask, std::array<int, 4> values, int direction = 0) {
    TDeviceMessage m;
    m.Address = static_cast<uint16_t>(address);
    m.Count = count;
    m.Mask = static_cast<uint8_t>(mask);
    for (int i = 0; i < 4; ++i)
        m.Values[i] = static_cast<int16_t>(values[static_cast<size_t>(i)]);
    m.Direction = direction;
    return m;
}

int memoLines(const QPlainTextEdit* memo) {
    return memo->document()->isEmpty() ? 0 : memo->document()->blockCount();
}

QString memoLine(const QPlainTextEdit* memo, int i) {
    return memo->document()->findBlockByNumber(i).text();
}

} // namespace

class TModbusFormTest : public QObject {
    Q_OBJECT

    TProject project;
    std::unique_ptr<TModbusForm> w;

    // A shown window whose own timer is stopped, so the tests alone drive the fade.
    TModbusForm& shownWindow() {
        w = std::make_unique<TModbusForm>(project, QString());
        w->show();
        ui(w).myTimer->stop();
        return *w;
    }
    // Runs fade ticks (eleven timer events each).
    static void fadeTicks(TModbusForm& f, int ticks) {
        for (int t = 0; t < ticks * 11; ++t)
            f.myTimerTimer();
    }
    // Puts the fade counters just after a step, with no forced step pending.
    static void syncFade(TModbusForm& f) {
        f.image().fade().Tick = 1;
        f.image().fade().Force = false;
        f.session().setFadeCountdown(0);
    }
    static QString grid(const TModbusForm& f, int row) { return ui(f).DataGrid->item(row, 0)->text(); }

private slots:
    void initTestCase() {
        for (int k = 0; k < CommandCount; ++k)
            project.DigiBut[static_cast<size_t>(k)] = QStringLiteral("Cmd%1").arg(k);
    }
    void cleanup() { w.reset(); }

    void freshWindow() {
        TModbusForm& f = shownWindow();
        // The controls' page has the design size; the window is no larger.
        QCOMPARE(f.findChild<TFixedLayoutArea*>()->layoutSize(), QSize(856, 610));
        QVERIFY(f.width() <= 856 && f.height() <= 610);
        for (int k = 0; k < 64; ++k) {
            QCOMPARE(ui(f).AnaCells->cellText(k), QStringLiteral("0"));
            QCOMPARE(ui(f).AnaCells->cellColor(k), Fresh0);
        }
        for (int j = 0; j < 512; ++j)
            QCOMPARE(ui(f).DigiCells->cellColor(j), j < 24 * 16 ? Fresh0 : SilverColor);
        QCOMPARE(ui(f).AnaLab[0]->text(), QStringLiteral("0x18"));
        QCOMPARE(ui(f).AnaLab[7]->text(), QStringLiteral("0x50"));
        QCOMPARE(ui(f).DigiLab[0]->text(), QStringLiteral("00"));
        QCOMPARE(ui(f).DigiLab[31]->text(), QStringLiteral("1F"));
        QCOMPARE(ui(f).AnaStartLaba->text(), QStringLiteral("Начало анал. HEX"));
        QCOMPARE(ui(f).AnaStart24->text(), QStringLiteral("18"));
        QCOMPARE(ui(f).AnaStart->text(), QStringLiteral("18"));
    }

    void geometry() {
        TModbusForm& f = shownWindow();
        QCOMPARE(ui(f).DigiCells->parentWidget(), ui(f).GroupBox);
        QCOMPARE(ui(f).AnaCells->parentWidget(), ui(f).GroupBox);
        const auto digi = [&](int j) { return ui(f).DigiCells->cellRect(j).translated(ui(f).DigiCells->pos()); };
        const auto ana = [&](int k) { return ui(f).AnaCells->cellRect(k).translated(ui(f).AnaCells->pos()); };
        QCOMPARE(digi(0), QRect(10, 30, 13, 13));
        QCOMPARE(digi(8), QRect(10, 161, 13, 13));         // gap between bits 7 and 8
        QCOMPARE(digi(16 * 4 + 1), QRect(77, 46, 13, 13)); // gap after the fourth column
        QCOMPARE(digi(16 * 31 + 15), QRect(527, 273, 13, 13));
        QCOMPARE(ana(0), QRect(10, 305, 61, 25));
        QCOMPARE(ana(7), QRect(10, 529, 61, 25));
        QCOMPARE(ana(9), QRect(77, 337, 61, 25));
        QCOMPARE(ana(63), QRect(479, 529, 61, 25));
        QCOMPARE(ui(f).DigiLab[5]->pos(), QPoint(93, 15));
        QCOMPARE(ui(f).AnaLab[2]->geometry().topLeft(), QPoint(144, 290));
        QCOMPARE(ui(f).AnaLab[2]->width(), 61);
        QCOMPARE(ui(f).Memo1->geometry(), QRect(7, 536, 258, 65));
        QCOMPARE(ui(f).GroupBox->geometry(), QRect(280, 5, 569, 596));
        QCOMPARE(ui(f).DigiLen->geometry(), QRect(130, 80, 50, 24));
        QCOMPARE(ui(f).FadeSpin->geometry(), QRect(130, 125, 60, 24));
        QCOMPARE(ui(f).DecLab->geometry(), QRect(68, 565, 50, 17));
    }

    void formShowSettings() {
        TModbusForm& f = shownWindow();
        QCOMPARE(ui(f).DigiBox[5]->geometry(), QRect(75, 40, 60, 20));
        QCOMPARE(ui(f).DigiBox[5]->text(), QStringLiteral("Bit 5"));
        QCOMPARE(ui(f).DigiBox[5]->toolTip(), QStringLiteral("Cmd5"));
        QCOMPARE(ui(f).CommButt[5]->geometry(), QRect(75, 45, 50, 20));
        QCOMPARE(ui(f).CommButt[16]->geometry(), QRect(75, 120, 105, 20));
        QVERIFY(ui(f).BitBut[0]->isChecked());
        QCOMPARE(ui(f).DataLenEdit->maximum(), 3);
        f.close();
        f.Protokol = 3;
        f.show();
        QCOMPARE(ui(f).DataLenEdit->maximum(), 4);
    }

    void cellMatrixHitTest() {
        TCellMatrix m;
        m.addCell({0, 0, 13, 13});
        m.addCell({16, 0, 13, 13});
        QCOMPARE(m.cellAt({12, 12}), 0);
        QCOMPARE(m.cellAt({13, 5}), -1); // the gap
        QCOMPARE(m.cellAt({16, 0}), 1);
        m.setCellColor(5, qRgb(1, 2, 3)); // out of range: ignored
        QCOMPARE(m.cellColor(5), QRgb(0));
        m.setCellNumber(1, -7);
        QCOMPARE(m.cellText(1), QStringLiteral("-7"));
        m.setCellText(1, QString());
        QCOMPARE(m.cellText(1), QString());
    }

    void messages_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QList<int>>("written"); // registers that take Values[register - address]
        QTest::newRow("count 4 writes all, mask 0") << 30 << 4 << 0 << 0 << QList<int>{30, 31, 32, 33};
        QTest::newRow("count 3 mask 5 skips the middle") << 40 << 3 << 5 << 1 << QList<int>{40, 42};
        QTest::newRow("count 2 mask 4") << 10 << 2 << 4 << 0 << QList<int>{10};
        QTest::newRow("count 3 mask 1 last only") << 20 << 3 << 1 << 1 << QList<int>{22};
        QTest::newRow("at 126, 128 and 129 dropped") << 126 << 4 << 0 << 0 << QList<int>{126, 127};
        QTest::newRow("at 127 mask 7") << 127 << 3 << 7 << 0 << QList<int>{127};
        QTest::newRow("address past the image") << 200 << 4 << 0 << 0 << QList<int>{};
        QTest::newRow("count 0") << 5 << 0 << 7 << 0 << QList<int>{};
        QTest::newRow("count -1") << 5 << -1 << 7 << 0 << QList<int>{};
        QTest::newRow("count 1 mask 0") << 5 << 1 << 0 << 0 << QList<int>{};
        QTest::newRow("count 7 is as count 4") << 50 << 7 << 0 << 1 << QList<int>{50, 51, 52, 53};
    }
    void messages() {
        QFETCH(int, address);
        QFETCH(int, count);
        QFETCH(int, mask);
        QFETCH(int, direction);
        QFETCH(QList<int>, written);
        TModbusForm& f = shownWindow();
        const std::array<int, 4> values{-300, 0x5A5A, 7, -1};
        f.ReceiveCanData(message(address, count, mask, values, direction));
        QCOMPARE(f.msgCount(), 1);
        const TColorTables& t = ColorTables();
        for (int r = 0; r < RegisterCount; ++r) {
            const TRegCell& c = f.regs()[static_cast<size_t>(r)];
            const bool w = written.contains(r);
            const int v = w ? static_cast<int16_t>(values[static_cast<size_t>(r - address)]) : 0;
            QCOMPARE(c.Value, v);
            QCOMPARE(c.Age, w ? FadeLevels : 0);
            QCOMPARE(c.Direction, w ? direction : 0);
            const auto dir = static_cast<size_t>(w ? direction : 0);
            if (r >= 24 && r < 88) {
                QCOMPARE(ui(f).AnaCells->cellText(r - 24), QString::number(v));
                QCOMPARE(ui(f).AnaCells->cellColor(r - 24), t.AnaColor[w ? FadeLevels : 0][dir]);
            }
            if (r < 24) {
                for (int b = 0; b < 16; ++b) {
                    const size_t a = w ? FadeLevels : 0;
                    const QRgb expected = ((v >> b) & 1) ? t.OneColor[a] : t.ZeroColor[a][dir];
                    QCOMPARE(ui(f).DigiCells->cellColor(16 * r + b), expected);
                }
            }
        }
    }

    void registerInBothBlocks() {
        TModbusForm& f = shownWindow();
        ui(f).DigiStart->setValue(24); // discrete 24..47, analog 24..87
        f.ReceiveCanData(message(30, 1, 4, {-1, 0, 0, 0}));
        QCOMPARE(ui(f).AnaCells->cellText(6), QStringLiteral("-1"));
        for (int b = 0; b < 16; ++b)
            QCOMPARE(ui(f).DigiCells->cellColor(16 * 6 + b), ColorTables().OneColor[FadeLevels]);
        QCOMPARE(ui(f).DigiCells->cellColor(16 * 5), Fresh0);
    }

    void memoSummary() {
        TModbusForm& f = shownWindow();
        for (int i = 0; i < 56; ++i)
            f.ReceiveCanData(message(i, 0, 0, {0, 0, 0, 0}));
        f.ReceiveCanData(message(0x19, 4, 0, {1, -1, 0x1234, 0x7777}));
        QCoreApplication::processEvents();
        QCOMPARE(memoLines(ui(f).Memo1), 1);
        QCOMPARE(memoLine(ui(f).Memo1, 0), QStringLiteral("19 0001 FFFF 1234 - 57"));
        f.ReceiveCanData(message(0x7F, 1, 4, {2, 0, 0, 0}));
        f.memoAdd(QStringLiteral("Setting settings...")); // the summary is written before the line is added
        QCOMPARE(memoLine(ui(f).Memo1, 0), QStringLiteral("7F 0002 0000 0000 - 58"));
        QCOMPARE(memoLine(ui(f).Memo1, 1), QStringLiteral("Setting settings..."));
    }

    // A memo that other windows partly cover takes turns with the other partly covered texts: the
    // summary held back is written exactly once the messages stop, and at once when the memo comes
    // wholly into view.
    void partlyCoveredMemoCatchesUp() {
        TModbusForm& f = shownWindow();
        std::vector<TRewriteBudget> others(15); // fifteen windows cascaded over it
        for (TRewriteBudget& o : others)
            o.setPartlyCovered(true);
        f.memoPartInView(QRegion(0, 0, 8, 8));
        f.ReceiveCanData(message(1, 1, 0, {1, 0, 0, 0}));
        QTRY_COMPARE(memoLine(ui(f).Memo1, 0), QStringLiteral("01 0001 0000 0000 - 1"));
        f.ReceiveCanData(message(2, 1, 0, {2, 0, 0, 0}));
        f.ReceiveCanData(message(3, 1, 0, {3, 0, 0, 0}));
        QTRY_COMPARE(memoLine(ui(f).Memo1, 0), QStringLiteral("03 0003 0000 0000 - 3"));
        f.ReceiveCanData(message(4, 1, 0, {4, 0, 0, 0}));
        f.memoPartInView(QRegion(ui(f).Memo1->rect()));
        QCOMPARE(memoLine(ui(f).Memo1, 0), QStringLiteral("04 0004 0000 0000 - 4"));
        QCOMPARE(memoLines(ui(f).Memo1), 1);
    }

    void memoLimitAndClear() {
        TModbusForm& f = shownWindow();
        for (int i = 0; i < 100; ++i)
            f.memoAdd(QStringLiteral("line %1").arg(i));
        QCOMPARE(memoLines(ui(f).Memo1), 100);
        f.memoAdd(QStringLiteral("one too many"));
        QCOMPARE(memoLines(ui(f).Memo1), 0);
        f.memoAdd(QStringLiteral("Setting settings..."));
        f.ReceiveCanData(message(3, 1, 4, {5, 0, 0, 0}));
        f.flushMemo();
        QCOMPARE(memoLines(ui(f).Memo1), 1);
        QCOMPARE(memoLine(ui(f).Memo1, 0), QStringLiteral("03 0005 0000 0000 - 1"));
        f.memoAdd(QStringLiteral("x"));
        QTest::mouseDClick(ui(f).Memo1->viewport(), Qt::LeftButton);
        QCOMPARE(memoLines(ui(f).Memo1), 0);
    }

    void ranges_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("expected"); // AnaStart, AnaLen, DigiStart, DigiLen
        QTest::newRow("AnaStart 100 lowers AnaLen") << "AnaStart" << 100 << QList<int>{100, 28, 0, 24};
        QTest::newRow("AnaStart 64 fits") << "AnaStart" << 64 << QList<int>{64, 64, 0, 24};
        QTest::newRow("DigiStart 120 lowers DigiLen") << "DigiStart" << 120 << QList<int>{24, 64, 120, 8};
        QTest::newRow("DigiStart 127") << "DigiStart" << 127 << QList<int>{24, 64, 127, 1};
        QTest::newRow("AnaStart 127") << "AnaStart" << 127 << QList<int>{127, 1, 0, 24};
    }
    void ranges() {
        QFETCH(QString, edit);
        QFETCH(int, value);
        QFETCH(QList<int>, expected);
        TModbusForm& f = shownWindow();
        (edit == QLatin1String("AnaStart") ? ui(f).AnaStart : ui(f).DigiStart)->setValue(value);
        QCOMPARE(
            (QList<int>{ui(f).AnaStart->value(), ui(f).AnaLen->value(), ui(f).DigiStart->value(), ui(f).DigiLen->value()}),
            expected);
        QCOMPARE((QList<int>{f.anaStartNum(), f.anaLenNum(), f.digiStartNum(), f.digiLenNum()}), expected);
        for (int k = 0; k < 64; ++k)
            QCOMPARE(ui(f).AnaCells->cellColor(k) == SilverColor, k >= expected[1]);
        for (int m = 0; m < 32; ++m) {
            QCOMPARE(ui(f).DigiCells->cellColor(16 * m + 15) == SilverColor, m >= expected[3]);
            QCOMPARE(ui(f).DigiLab[static_cast<size_t>(m)]->text().isEmpty(), expected[2] + m > 127);
        }
        for (int i = 0; i < 8; ++i)
            QCOMPARE(ui(f).AnaLab[static_cast<size_t>(i)]->text().isEmpty(), expected[0] + 8 * i > 127);
    }

    void rangesTheOtherWay() {
        TModbusForm& f = shownWindow();
        ui(f).AnaStart->setValue(100);
        QTest::mouseClick(ui(f).AnaLen64, Qt::LeftButton); // the length wins: the start moves down
        QCOMPARE(ui(f).AnaLen->value(), 64);
        QCOMPARE(ui(f).AnaStart->value(), 64);
        QCOMPARE(ui(f).AnaLab[0]->text(), QStringLiteral("0x40"));
        ui(f).DigiStart->setValue(120);
        QTest::mouseClick(ui(f).DigiLen32, Qt::LeftButton);
        QCOMPARE(ui(f).DigiStart->value(), 96);
        QCOMPARE(f.digiLenNum(), 32);
        QCOMPARE(ui(f).DigiCells->cellColor(16 * 31), Fresh0);
        QTest::mouseClick(ui(f).AnaStart24, Qt::LeftButton);
        QCOMPARE(ui(f).AnaStart->value(), 24);
    }

    void hexDec() {
        TModbusForm& f = shownWindow();
        ui(f).AnaStart->setValue(40);
        ui(f).AnaLen->setValue(20);
        ui(f).DigiStart->setValue(5);
        ui(f).DigiLen->setValue(17);
        ui(f).DiggAddrEdit->setValue(100);
        const QList<int> before{ui(f).DiggAddrEdit->value(), 40, 20, 5, 17};
        const auto values = [&] {
            return QList<int>{ui(f).DiggAddrEdit->value(), ui(f).AnaStart->value(), ui(f).AnaLen->value(),
                              ui(f).DigiStart->value(), ui(f).DigiLen->value()};
        };
        QCOMPARE(ui(f).AnaStart->text(), QStringLiteral("28"));
        QTest::mouseClick(ui(f).DecLab, Qt::LeftButton);
        QVERIFY(ui(f).DecLab->isChecked());
        QCOMPARE(values(), before);
        QCOMPARE(ui(f).AnaStart->text(), QStringLiteral("40"));
        QCOMPARE(ui(f).DiggAddrEdit->text(), QStringLiteral("100"));
        QCOMPARE(ui(f).AnaLab[0]->text(), QStringLiteral("40"));
        QCOMPARE(ui(f).DigiLab[10]->text(), QStringLiteral("15"));
        QCOMPARE(ui(f).AdreLaba->text(), QStringLiteral("Adres.DEC"));
        QCOMPARE(ui(f).DigiLenLaba->text(), QStringLiteral("Длина дискр. DEC"));
        const auto quick = [&] {
            return QStringList{ui(f).AnaStart24->text(), ui(f).AnaStart64->text(), ui(f).AnaLen64->text(),
                               ui(f).DigiStart0->text(), ui(f).DigiLen24->text(),  ui(f).DigiLen32->text()};
        };
        QCOMPARE(quick(), (QStringList{"24", "64", "64", "0", "24", "32"}));
        QTest::mouseClick(ui(f).HexLab, Qt::LeftButton);
        QCOMPARE(values(), before);
        QCOMPARE(ui(f).DiggAddrEdit->text(), QStringLiteral("64"));
        QCOMPARE(ui(f).AnaLab[1]->text(), QStringLiteral("0x30"));
        QCOMPARE(ui(f).DigiLab[10]->text(), QStringLiteral("0F"));
        QCOMPARE(ui(f).AdreLaba->text(), QStringLiteral("Adres.HEX"));
        QCOMPARE(ui(f).dataLaba->text(), QStringLiteral("Data.DEC"));
        QCOMPARE(quick(), (QStringList{"18", "40", "40", "0", "18", "20"}));
    }

    void highlightModes_data() {
        QTest::addColumn<QStringList>("steps");   // "color", "fade" toggle a box; a number sets FadeSpin
        QTest::addColumn<QList<int>>("expected"); // FadeSpin, ColorBox, FadeBox, FadeStart
        QTest::newRow("design state") << QStringList{} << QList<int>{5, 1, 1, 20};
        QTest::newRow("uncheck highlight: off") << QStringList{"color"} << QList<int>{0, 0, 0, 0};
        QTest::newRow("off, check highlight: hold")
            << QStringList{"color", "color"} << QList<int>{10, 1, 0, 20};
        QTest::newRow("hold, check fading: fading 5")
            << QStringList{"color", "color", "fade"} << QList<int>{5, 1, 1, 20};
        QTest::newRow("off, check fading: fading 5")
            << QStringList{"color", "fade"} << QList<int>{5, 1, 1, 20};
        QTest::newRow("uncheck fading: hold") << QStringList{"fade"} << QList<int>{10, 1, 0, 20};
        QTest::newRow("spin 1 to 0: off") << QStringList{"1", "0"} << QList<int>{0, 0, 0, 0};
        QTest::newRow("spin 9 to 10: hold") << QStringList{"9", "10"} << QList<int>{10, 1, 0, 20};
        QTest::newRow("spin 10 to 9: fading") << QStringList{"fade", "9"} << QList<int>{9, 1, 1, 20};
        QTest::newRow("spin 0 to 1: fading") << QStringList{"color", "1"} << QList<int>{1, 1, 1, 20};
    }
    void highlightModes() {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, expected);
        TModbusForm& f = shownWindow();
        for (const QString& s : steps) {
            if (s == QLatin1String("color"))
                QTest::mouseClick(ui(f).ColorBox, Qt::LeftButton, {}, QPoint(6, ui(f).ColorBox->height() / 2));
            else if (s == QLatin1String("fade"))
                QTest::mouseClick(ui(f).FadeBox, Qt::LeftButton, {}, QPoint(6, ui(f).FadeBox->height() / 2));
            else
                ui(f).FadeSpin->setValue(s.toInt());
        }
        QCOMPARE(
            (QList<int>{ui(f).FadeSpin->value(), ui(f).ColorBox->isChecked(), ui(f).FadeBox->isChecked(), f.image().fade().Start}),
            expected);
        QCOMPARE(f.image().fade().Speed, expected[0]);
    }

    void fadeSpeeds_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("ticksToZero"); // -1: never
        QTest::newRow("speed 5") << 5 << 80;
        QTest::newRow("speed 2") << 2 << 20;
        QTest::newRow("speed 1") << 1 << 10;
        QTest::newRow("speed 10 holds") << 10 << -1;
    }
    void fadeSpeeds() {
        QFETCH(int, speed);
        QFETCH(int, ticksToZero);
        TModbusForm& f = shownWindow();
        ui(f).FadeSpin->setValue(speed);
        syncFade(f);
        f.ReceiveCanData(message(30, 1, 4, {9, 0, 0, 0}, 1)); // analog cell 6
        const TRegCell& c = f.regs()[30];
        int ticks = 0;
        while (c.Age > 0 && ticks < 400) {
            fadeTicks(f, 1);
            ++ticks;
            QCOMPARE(ui(f).AnaCells->cellColor(6), ColorTables().AnaColor[static_cast<size_t>(c.Age)][1]);
        }
        QCOMPARE(ticks < 400 ? ticks : -1, ticksToZero);
        QCOMPARE(ui(f).AnaCells->cellText(6), QStringLiteral("9"));
    }

    void fadeFirstTickAndOff() {
        TModbusForm& f = shownWindow();
        f.session().setFadeCountdown(TDeviceSession::FadeEvery - 1); // as after creation: the first fade tick comes with the 11th event
        f.ReceiveCanData(message(3, 1, 4, {1, 0, 0, 0}));
        for (int e = 0; e < 10; ++e)
            f.myTimerTimer();
        QCOMPARE(f.regs()[3].Age, FadeLevels);
        f.myTimerTimer(); // the showing forced a step
        QCOMPARE(f.regs()[3].Age, FadeLevels - 1);
        QTest::mouseClick(ui(f).ColorBox, Qt::LeftButton, {}, QPoint(6, ui(f).ColorBox->height() / 2)); // off
        QCOMPARE(f.regs()[3].Age, FadeLevels - 1);
        fadeTicks(f, 1);
        QCOMPARE(f.regs()[3].Age, 0);
        QCOMPARE(ui(f).DigiCells->cellColor(16 * 3), ColorTables().OneColor[0]);
        f.ReceiveCanData(message(4, 1, 4, {0, 0, 0, 0})); // painted pale at once
        QCOMPARE(f.regs()[4].Age, 0);
        QCOMPARE(ui(f).DigiCells->cellColor(16 * 4), Fresh0);
    }

    void holdThenFade() {
        TModbusForm& f = shownWindow();
        ui(f).FadeSpin->setValue(10);
        syncFade(f);
        f.ReceiveCanData(message(50, 1, 4, {1, 0, 0, 0}));
        fadeTicks(f, 50);
        QCOMPARE(f.regs()[50].Age, FadeLevels);
        ui(f).FadeSpin->setValue(1);
        syncFade(f);
        fadeTicks(f, 3);
        QCOMPARE(f.regs()[50].Age, FadeLevels - 6);
    }

    void hiddenWindowKeepsImage() {
        TModbusForm& f = shownWindow();
        f.close();
        QVERIFY(!f.isVisible());
        QVERIFY(!ui(f).myTimer->isActive());
        f.ReceiveCanData(message(10, 1, 4, {77, 0, 0, 0}));
        QCOMPARE(ui(f).DigiCells->cellColor(16 * 10), ColorTables().OneColor[FadeLevels]);
        f.show();
        QVERIFY(ui(f).myTimer->isActive());
        QCOMPARE(f.regs()[10].Value, 77);
        QVERIFY(f.image().fade().Force);
    }

    void clicks_data() {
        QTest::addColumn<QString>("block");
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("address"); // -1: nothing happens
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("bit cell, -1 reads 65535")
            << "digi" << 16 * 5 + 9 << 5 << QStringList{"65535", "0", "0", "3"};
        QTest::newRow("analog cell keeps the sign") << "ana" << 1 << 25 << QStringList{"-2", "0", "0", "0"};
        QTest::newRow("silver bit cell") << "digi" << 16 * 30 << -1 << QStringList{};
        QTest::newRow("gap between cells") << "gap" << 0 << -1 << QStringList{};
    }
    void clicks() {
        QFETCH(QString, block);
        QFETCH(int, cell);
        QFETCH(int, address);
        QFETCH(QStringList, rows);
        TModbusForm& f = shownWindow();
        f.ReceiveCanData(message(5, 4, 0, {-1, 0, 0, 3}));
        f.ReceiveCanData(message(25, 1, 4, {-2, 0, 0, 0}));
        ui(f).DiggAddrEdit->setValue(99);
        ui(f).DataGrid->item(0, 0)->setText(QStringLiteral("42"));
        TCellMatrix* m = block == QLatin1String("ana") ? ui(f).AnaCells : ui(f).DigiCells;
        const QPoint at = block == QLatin1String("gap") ? QPoint(14, 5) : m->cellRect(cell).center();
        QTest::mouseClick(m, Qt::LeftButton, {}, at);
        if (address < 0) {
            QCOMPARE(ui(f).DiggAddrEdit->value(), 99);
            QCOMPARE(grid(f, 0), QStringLiteral("42"));
            return;
        }
        QCOMPARE(ui(f).DiggAddrEdit->value(), address);
        for (int r = 0; r < 4; ++r)
            QCOMPARE(grid(f, r), rows[r]);
        QCOMPARE(ui(f).DigiBox[15]->isChecked(), true); // row 0 is the bit row
    }

    void clickNearTheEnd() {
        TModbusForm& f = shownWindow();
        ui(f).AnaStart->setValue(100);
        f.ReceiveCanData(message(126, 2, 6, {12, 13, 0, 0}));
        for (int r = 0; r < 4; ++r)
            ui(f).DataGrid->item(r, 0)->setText(QStringLiteral("5"));
        QTest::mouseClick(ui(f).AnaCells, Qt::LeftButton, {}, ui(f).AnaCells->cellRect(26).center());
        QCOMPARE(ui(f).DiggAddrEdit->value(), 126);
        QCOMPARE((QStringList{grid(f, 0), grid(f, 1), grid(f, 2), grid(f, 3)}),
                 (QStringList{"12", "13", "0", "0"}));
        // A cell past the block (silver) is not register 128.
        QTest::mouseClick(ui(f).AnaCells, Qt::LeftButton, {}, ui(f).AnaCells->cellRect(28).center());
        QCOMPARE(ui(f).DiggAddrEdit->value(), 126);
        f.DigValue(-1);
        f.DigValue(512);
        f.AnaValue(64);
        QCOMPARE(ui(f).DiggAddrEdit->value(), 126);
    }

    // Changes reach the screen at most every MinRepaintIntervalMs: wait for the held-back repaint.
    static void waitForRepaints(TModbusForm& f) {
        QTRY_VERIFY(!ui(f).DigiCells->repaintPending() && !ui(f).AnaCells->repaintPending());
        QCoreApplication::processEvents();
    }

    void paintedColours() {
        TModbusForm& f = shownWindow();
        f.ReceiveCanData(message(2, 1, 4, {1, 0, 0, 0}, 1));
        const QImage img = ui(f).DigiCells->grab().toImage();
        const QPoint one = ui(f).DigiCells->cellRect(16 * 2).center();
        const QPoint zero = ui(f).DigiCells->cellRect(16 * 2 + 1).center();
        const QPoint silver = ui(f).DigiCells->cellRect(16 * 31).center();
        QCOMPARE(QColor(img.pixel(one)), QColor(255, 0, 0));
        QCOMPARE(QColor(img.pixel(zero)), QColor(150, 210, 255));
        QCOMPARE(QColor(img.pixel(silver)), QColor(192, 192, 192));
    }

    // The cells repainted after each batch of messages, and those left as they were, together look
    // exactly like the matrices painted afresh.
    void partialRepaintsMatchFullPaint() {
        TModbusForm& f = shownWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCoreApplication::processEvents();
        uint32_t seed = 7;
        const auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 8) & 0xFFFF; };
        for (int batch = 0; batch < 12; ++batch) {
            for (int i = 0; i < 1 + batch; ++i)
                f.ReceiveCanData(message(static_cast<int>(next() % 128), 1 + static_cast<int>(next() % 4),
                                         static_cast<int>(next() % 8),
                                         {static_cast<int>(next()), static_cast<int>(next()), 3, 4},
                                         static_cast<int>(next() % 2)));
            if (batch % 3 == 0) fadeTicks(f, 1);
            QCoreApplication::processEvents();
        }
        waitForRepaints(f);
        const QImage onScreen = f.screen()->grabWindow(f.winId()).toImage();
        for (TCellMatrix* m : {ui(f).DigiCells, ui(f).AnaCells}) {
            const QRect area(m->mapTo(&f, QPoint(0, 0)), m->size());
            const QImage fresh = m->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage got = onScreen.copy(area).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(got, fresh);
        }
    }

    // A minimised window keeps what arrives without drawing it, and shows all of it when restored:
    // the blocks on screen look as if painted afresh, and the memo has the last summary.
    void outOfSightWindowCatchesUpWhenBack() {
        TModbusForm& f = shownWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        waitForRepaints(f);
        f.showMinimized();
        QTRY_VERIFY(ui(f).DigiCells->drawingSuspended() && ui(f).AnaCells->drawingSuspended());
        f.ReceiveCanData(message(5, 1, 4, {-1, 0, 0, 0}));
        f.ReceiveCanData(message(0x20, 4, 0, {7, 8, 9, 10}));
        QTest::qWait(2 * TCellMatrix::MinRepaintIntervalMs); // the shared clock runs meanwhile
        QCOMPARE(memoLines(ui(f).Memo1), 0);
        QVERIFY(!ui(f).DigiCells->repaintPending());
        f.showNormal();
        QTRY_VERIFY(!ui(f).DigiCells->drawingSuspended());
        QCOMPARE(memoLine(ui(f).Memo1, 0), QStringLiteral("20 0007 0008 0009 - 2"));
        waitForRepaints(f);
        const QImage onScreen = f.screen()->grabWindow(f.winId()).toImage();
        for (TCellMatrix* m : {ui(f).DigiCells, ui(f).AnaCells}) {
            const QRect area(m->mapTo(&f, QPoint(0, 0)), m->size());
            QCOMPARE(onScreen.copy(area).convertToFormat(QImage::Format_RGB32),
                     m->grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }

    // A rendering of the matrix into a picture between a change and the next paint is no paint of
    // the screen: the change still reaches the screen.
    void grabBetweenChangeAndPaint() {
        TModbusForm& f = shownWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCoreApplication::processEvents();
        f.ReceiveCanData(message(5, 1, 4, {-1, 0, 0, 0}));
        (void)ui(f).DigiCells->grab();
        f.ReceiveCanData(message(2, 1, 4, {1, 0, 0, 0}));
        f.ReceiveCanData(message(8, 1, 4, {1 << 10, 0, 0, 0}));
        QCoreApplication::processEvents();
        waitForRepaints(f);
        const QImage onScreen = f.screen()->grabWindow(f.winId()).toImage();
        const QPoint at = ui(f).DigiCells->mapTo(&f, ui(f).DigiCells->cellRect(16 * 5 + 3).center());
        QCOMPARE(QColor(onScreen.pixel(at)), QColor(255, 0, 0));
    }
};

QTEST_MAIN(TModbusFormTest)
#include "tst_modbusform_display.moc"
