// The register write editor of the device window: the frames SET puts on the bus, the editing
// rules of the data grid under real key presses, data length, bit boxes, auto repeat and the
// report of a failed transmission.

#include "BusCapture.h"
#include "tests/FreePort.h"
#include "tests/can/FakeSlCanDriver.h"

#include "can/SlCanDriver.h"
#include "can/ToolsCan.h"
#include "core/Project.h"
#include "device/ModbusForm.h"
#include "tests/device/FormControls.h"
#include "ui/CellMatrix.h"
#include "ui/SpinEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr int32_t StdRx = 0x123;
constexpr int32_t StdTx = 0x321;
constexpr int32_t P3Rx = 0x01000000;
constexpr int32_t P3Tx = 0x02000000;


int memoCount(const TModbusForm& w, const QString& line) {
    return static_cast<int>(ui(w).Memo1->toPlainText().split(QLatin1Char('\n')).count(line));
}

int32_t boxesValue(const TModbusForm& w) {
    int32_t v = 0;
    for (int k = 0; k < 16; ++k)
        if (ui(w).DigiBox[static_cast<size_t>(k)]->isChecked()) v |= 1 << k;
    return v;
}

QString cell(const TModbusForm& w, int row) {
    return ui(w).DataGrid->item(row, 0)->text();
}

// The cell editor open in the grid, or nullptr.
QLineEdit* openCellEditor(const TModbusForm& w) {
    for (QLineEdit* e : ui(w).DataGrid->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible()) return e;
    return nullptr;
}

} // namespace

class TModbusFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void setFrames_data();
    void setFrames();
    void failedSendIsReported_data();
    void failedSendIsReported();

    void typing_data();
    void typing();
    void clearingLeavesZero();
    void clipboardKeys();
    void discardedKeyOpensNoEditor();
    void editingRowBecomesBitRow();
    void tabMovesToTheNextRow();
    void cellsShowNoSelection();
    void analogCellClickFillsTheEditor();

    void shorterLengthMovesBitRow();
    void lengthZeroHidesSelectors();
    void bitBoxesWriteCurrentRow();
    void bitBoxLoadDoesNotWriteBack();

    void autoRepeatPeriod_data();
    void autoRepeatPeriod();
    void autoPeriodZeroUnchecks();
    void autoFreezesWhileUncheckedAndHidden();

private:
    // Opens the cell editor of a row with F2 and returns it.
    QLineEdit* openEditor(int row);
    void makeWindow(int32_t protokol);

    TProject m_project;
    std::unique_ptr<BusCapture> m_bus;
    std::unique_ptr<TModbusForm> m_form;
};

void TModbusFormTest::initTestCase() {
    for (int k = 0; k < CommandCount; ++k)
        m_project.DigiBut[static_cast<size_t>(k)] = QStringLiteral("Cmd%1").arg(k);
    m_bus = std::make_unique<BusCapture>(FreeTcpPort());
    QVERIFY2(m_bus->start(), qPrintable(m_bus->why()));
}

void TModbusFormTest::init() {
    if (!CanOpened) QVERIFY2(m_bus->reopen(), qPrintable(m_bus->why()));
    m_bus->clear();
    makeWindow(0);
}

void TModbusFormTest::cleanup() {
    m_form.reset();
}

void TModbusFormTest::makeWindow(int32_t protokol) {
    m_form.reset();
    m_form = std::make_unique<TModbusForm>(m_project, QString());
    m_form->RXadr = protokol == 3 ? P3Rx : StdRx;
    m_form->TXadr = protokol == 3 ? P3Tx : StdTx;
    m_form->Protokol = protokol;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    ui(m_form).myTimer->stop(); // the tests drive the ticks themselves
    // The first memo line is the summary of the last message shown; progress lines follow it.
    m_form->memoAdd(QStringLiteral("-"));
}

QLineEdit* TModbusFormTest::openEditor(int row) {
    QTableWidget* grid = ui(m_form).DataGrid;
    grid->setFocus();
    grid->setCurrentCell(row, 0);
    QTest::keyClick(grid, Qt::Key_F2);
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (edit && edit->parentWidget() == grid->viewport()) return edit;
    return nullptr;
}

// ---- SET on the bus -------------------------------------------------------------------------------

void TModbusFormTest::setFrames_data() {
    QTest::addColumn<int>("protokol");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<uint>("id");
    QTest::addColumn<QByteArray>("payload");

    const QStringList rows{"258", "772", "1286", "1800"}; // 0102 0304 0506 0708
    QTest::newRow("standard, length 0, Dn")
        << 0 << false << 0x10 << 0 << rows << uint(StdRx) << QByteArray::fromHex("0304050600100102");
    QTest::newRow("standard, length 1, Dn")
        << 0 << false << 0x10 << 1 << rows << uint(StdRx) << QByteArray::fromHex("0304050680100102");
    QTest::newRow("standard, length 2, Dn")
        << 0 << false << 0x10 << 2 << rows << uint(StdRx) << QByteArray::fromHex("03040506c0100102");
    QTest::newRow("standard, length 3, Up")
        << 0 << true << 0x10 << 3 << rows << uint(StdTx) << QByteArray::fromHex("03040506e0100102");
    QTest::newRow("standard, address 130 in byte 5")
        << 0 << false << 130 << 1 << rows << uint(StdRx) << QByteArray::fromHex("0304050680820102");
    QTest::newRow("standard, negative cell goes out as its low 16 bits")
        << 0 << false << 0 << 1 << QStringList{"-1", "0", "70000", "0"} << uint(StdRx)
        << QByteArray::fromHex("0000117080"
                               "00ffff");
    QTest::newRow("protocol 3, Up, address 5, length 2")
        << 3 << true << 5 << 2 << rows << uint(P3Tx + 5) << QByteArray::fromHex("01020304");
    QTest::newRow("protocol 3, Dn, address 127, length 4")
        << 3 << false << 127 << 4 << rows << uint(P3Rx + 127) << QByteArray::fromHex("0102030405060708");
    // The address rides on the identifier: 130 goes out as identifier + 130 (registers from 128
    // on are beyond the window's own image, so the echo shows nothing).
    QTest::newRow("protocol 3, address 130")
        << 3 << false << 130 << 1 << rows << uint(P3Rx + 130) << QByteArray::fromHex("0102");
    QTest::newRow("protocol 3, length 0 has no data")
        << 3 << false << 3 << 0 << rows << uint(P3Rx + 3) << QByteArray();
}

void TModbusFormTest::setFrames() {
    QFETCH(int, protokol);
    QFETCH(bool, up);
    QFETCH(int, address);
    QFETCH(int, length);
    QFETCH(QStringList, rows);
    QFETCH(uint, id);
    QFETCH(QByteArray, payload);

    makeWindow(protokol);
    TModbusForm& w = *m_form;
    ui(w).DiggAddrEdit->setValue(address);
    ui(w).DataLenEdit->setValue(length);
    QCOMPARE(ui(w).DataLenEdit->value(), length);
    for (int r = 0; r < 4; ++r)
        ui(w).DataGrid->item(r, 0)->setText(rows[r]);
    (up ? ui(w).RadioUp : ui(w).RadioDn)->setChecked(true);

    QTest::mouseClick(ui(w).SetButton, Qt::LeftButton);

    QVERIFY(m_bus->waitFrames(1));
    const QCanBusFrame f = m_bus->frames().first();
    QCOMPARE(f.frameId(), id);
    QCOMPARE(f.payload().toHex(), payload.toHex());
    QCOMPARE(memoCount(w, QStringLiteral("Setting settings...")), 1);

    // The echo shows the marked words in the window's own image, in the colours of the direction.
    for (int i = 0; i < 4; ++i) {
        const int r = address + i;
        if (r >= RegisterCount) break;
        const bool written = i < length;
        const int32_t expected = written ? static_cast<int16_t>(rows[i].toInt() & 0xFFFF) : 0;
        QCOMPARE(w.regs()[static_cast<size_t>(r)].Value, expected);
        if (written) QCOMPARE(w.regs()[static_cast<size_t>(r)].Direction, up ? 0 : 1);
    }
}


void TModbusFormTest::failedSendIsReported_data() {
    QTest::addColumn<int>("status"); // -1: the adapter refuses the write
    QTest::addColumn<QString>("line");
    QTest::newRow("refused write") << -1 << QStringLiteral("  Transmit error");
    QTest::newRow("bus off") << 2 << QStringLiteral("Status CAN = BusOff.");
    QTest::newRow("time-out") << 1 << QStringLiteral("Status CAN = TimeOut.");
    QTest::newRow("success adds nothing") << 0 << QString();
}

void TModbusFormTest::failedSendIsReported() {
    QFETCH(int, status);
    QFETCH(QString, line);
    TModbusForm& w = *m_form;

    std::unique_ptr<SlCanDriver> busDriver;
    if (status < 0) {
        CanClose();
    } else {
        auto fake = std::make_unique<FakeSlCanDriver>();  // accepts every write with this status byte
        fake->writeStatus = static_cast<uint8_t>(status);
        busDriver = SlCanInstallDriver(std::move(fake));
    }

    ui(w).DataGrid->item(0, 0)->setText(QStringLiteral("4660"));
    QTest::mouseClick(ui(w).SetButton, Qt::LeftButton);
    QTest::mouseClick(ui(w).CommButt[1], Qt::LeftButton);

    if (busDriver) (void)SlCanInstallDriver(std::move(busDriver));

    const QStringList memo = ui(w).Memo1->toPlainText().split(QLatin1Char('\n')).mid(1);
    if (line.isEmpty()) {
        QCOMPARE(memo, (QStringList{"Setting settings...", "Command commands..."}));
    } else {
        QCOMPARE(memo, (QStringList{"Setting settings...", line, "Command commands...", line}));
    }
    // The echo shows what was meant to go out either way.
    QCOMPARE(w.regs()[0].Value, 4660);
    QCOMPARE(w.regs()[127].Value, 2);
}

// ---- the grid under the keyboard --------------------------------------------------------------------

void TModbusFormTest::typing_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("atFront");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("corrected"); // the last key made a rule replace the text

    QTest::newRow("0 then 7 gives 7") << "0" << false << "07"
                                      << "7" << true;
    QTest::newRow("digits append") << "12" << false << "34"
                                   << "1234" << false;
    QTest::newRow("sixth digit after 65535 is undone") << "65535" << false << "5"
                                                       << "65535" << true;
    QTest::newRow("6 after 6553 gives 6553") << "6553" << false << "6"
                                             << "6553" << true;
    QTest::newRow("1 in front of 65535 gives 16553") << "65535" << true << "1"
                                                     << "16553" << true;
    QTest::newRow("9 in front of 65535 cuts until it fits") << "65535" << true << "9"
                                                            << "9655" << true;
    QTest::newRow("letters, minus and space are discarded") << "12" << false << "a-x Z+"
                                                            << "12" << false;
    QTest::newRow("65535 itself stays") << "6553" << false << "5"
                                        << "65535" << false;
}

void TModbusFormTest::typing() {
    QFETCH(QString, start);
    QFETCH(bool, atFront);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, corrected);
    TModbusForm& w = *m_form;

    ui(w).DataGrid->item(2, 0)->setText(start);
    QLineEdit* edit = openEditor(2);
    QVERIFY(edit);
    QCOMPARE(edit->text(), start);
    QTest::keyClick(edit, atFront ? Qt::Key_Home : Qt::Key_End);
    QTest::keyClicks(edit, typed);

    QCOMPARE(edit->text(), expected);
    QCOMPARE(cell(w, 2), expected);
    QCOMPARE(boxesValue(w), expected.toInt());
    if (corrected) {
        QCOMPARE(edit->cursorPosition(), expected.size());
        QVERIFY(!edit->hasSelectedText());
    }
}

void TModbusFormTest::clearingLeavesZero() {
    TModbusForm& w = *m_form;
    ui(w).DataGrid->item(0, 0)->setText(QStringLiteral("4321"));
    QLineEdit* edit = openEditor(0);
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("0"));
    QCOMPARE(cell(w, 0), QStringLiteral("0"));
    QCOMPARE(edit->cursorPosition(), 1);
    // The caret stands after the "0", so the next digit replaces it instead of being refused.
    QTest::keyClick(edit, Qt::Key_8);
    QCOMPARE(cell(w, 0), QStringLiteral("8"));
    QCOMPARE(boxesValue(w), 8);
}

void TModbusFormTest::clipboardKeys() {
    TModbusForm& w = *m_form;
    QClipboard* clip = QGuiApplication::clipboard();
    ui(w).DataGrid->item(1, 0)->setText(QStringLiteral("12"));
    QLineEdit* edit = openEditor(1);
    QVERIFY(edit);

    // Ctrl+X is discarded: the text stays and nothing reaches the clipboard.
    clip->setText(QStringLiteral("none"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("12"));
    QCOMPARE(clip->text(), QStringLiteral("none"));

    // Ctrl+C copies.
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clip->text(), QStringLiteral("12"));

    // Ctrl+V pastes, and the rules apply to the pasted text.
    clip->setText(QStringLiteral("99999"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell(w, 1), QStringLiteral("12999"));
    clip->setText(QStringLiteral("-70000"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell(w, 1), QStringLiteral("-7000"));
    QCOMPARE(boxesValue(w), -7000 & 0xFFFF);
    clip->setText(QStringLiteral("abc"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell(w, 1), QStringLiteral("0"));
}

void TModbusFormTest::discardedKeyOpensNoEditor() {
    TModbusForm& w = *m_form;
    QTableWidget* grid = ui(w).DataGrid;
    grid->setFocus();
    grid->setCurrentCell(1, 0);
    QTest::keyClick(grid, Qt::Key_A);
    QTest::keyClick(grid, Qt::Key_Minus);
    QVERIFY(openCellEditor(w) == nullptr);
    QCOMPARE(cell(w, 1), QStringLiteral("0"));

    QTest::keyClick(grid, Qt::Key_5);
    QVERIFY(openCellEditor(w) != nullptr);
    QCOMPARE(cell(w, 1), QStringLiteral("5"));
}

void TModbusFormTest::editingRowBecomesBitRow() {
    TModbusForm& w = *m_form;
    ui(w).DataLenEdit->setValue(3);
    ui(w).DataGrid->item(2, 0)->setText(QStringLiteral("5"));
    QCOMPARE(w.BitRow(), 0);
    QLineEdit* edit = openEditor(2);
    QVERIFY(edit);
    QCOMPARE(w.BitRow(), 2);
    QVERIFY(ui(w).BitBut[2]->isChecked());
    QCOMPARE(boxesValue(w), 5);

    // A bit box now writes into the edited row (the click ends the editing), and the editor
    // opened again shows the new value.
    QTest::mouseClick(ui(w).DigiBox[1], Qt::LeftButton);
    QCOMPARE(cell(w, 2), QStringLiteral("7"));
    QLineEdit* again = openEditor(2);
    QVERIFY(again);
    QCOMPARE(again->text(), QStringLiteral("7"));
}

void TModbusFormTest::tabMovesToTheNextRow() {
    TModbusForm& w = *m_form;
    ui(w).DataLenEdit->setValue(3);
    ui(w).DataGrid->item(1, 0)->setText(QStringLiteral("9"));
    QLineEdit* edit = openEditor(0);
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_Tab);
    QCOMPARE(ui(w).DataGrid->currentRow(), 1);
    QCOMPARE(w.BitRow(), 1);
    QCOMPARE(boxesValue(w), 9);
}

void TModbusFormTest::cellsShowNoSelection() {
    TModbusForm& w = *m_form;
    QTableWidget* grid = ui(w).DataGrid;
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QVERIFY(grid->item(0, 0)->isSelected());
    const QImage image = grid->viewport()->grab().toImage();
    const QRect r = grid->visualItemRect(grid->item(0, 0));
    // Right of the text, inside the cell: the plain window background, no highlight.
    const QColor base = grid->palette().color(QPalette::Base);
    QCOMPARE(image.pixelColor(r.left() + 40, r.center().y()).rgb(), base.rgb());
    // The text starts 2 pixels from the cell's left edge: the column left of it is background.
    QCOMPARE(image.pixelColor(r.left() + 1, r.center().y()).rgb(), base.rgb());
    bool inked = false;
    for (int x = r.left() + 2; x < r.left() + 12; ++x)
        for (int y = r.top() + 2; y < r.bottom(); ++y)
            if (image.pixelColor(x, y).rgb() != base.rgb()) inked = true;
    QVERIFY(inked);
}

void TModbusFormTest::analogCellClickFillsTheEditor() {
    TModbusForm& w = *m_form;
    TDeviceMessage msg;
    msg.Mask = 7;
    msg.Address = 24;
    msg.Count = 3;
    msg.Values[0] = -1;
    msg.Values[1] = 5;
    msg.Values[2] = 0x1234;
    w.ReceiveCanData(msg);

    // The first analog cell shows register 24; a click loads it and the three after it.
    QTest::mouseClick(ui(w).AnaCells, Qt::LeftButton, {}, ui(w).AnaCells->cellRect(0).center());
    QCOMPARE(ui(w).DiggAddrEdit->value(), 24);
    QCOMPARE((QStringList{cell(w, 0), cell(w, 1), cell(w, 2), cell(w, 3)}),
             (QStringList{"-1", "5", "4660", "0"}));
    QCOMPARE(boxesValue(w), 0xFFFF);
    QVERIFY(m_bus->frames().isEmpty());

    ui(w).DataLenEdit->setValue(3);
    QTest::mouseClick(ui(w).SetButton, Qt::LeftButton);
    QVERIFY(m_bus->waitFrames(1));
    QCOMPARE(m_bus->frames().first().payload().toHex(), QByteArray("00051234e018ffff"));
}

// ---- data length and bit boxes -------------------------------------------------------------------

void TModbusFormTest::shorterLengthMovesBitRow() {
    makeWindow(3);
    TModbusForm& w = *m_form;
    QCOMPARE(ui(w).DataLenEdit->maximum(), 4);
    ui(w).DataLenEdit->setValue(4);
    const QStringList texts{"1", "2", "3", "4"};
    for (int r = 0; r < 4; ++r)
        ui(w).DataGrid->item(r, 0)->setText(texts[r]);
    QTest::mouseClick(ui(w).BitBut[3], Qt::LeftButton);
    ui(w).DataGrid->setCurrentCell(3, 0);
    QCOMPARE(w.BitRow(), 3);
    QCOMPARE(boxesValue(w), 4);

    ui(w).DataLenEdit->setValue(2);
    QCOMPARE(w.BitRow(), 1);
    QVERIFY(ui(w).BitBut[1]->isChecked());
    QCOMPARE(boxesValue(w), 2);
    QCOMPARE(ui(w).DataGrid->currentRow(), 1);
    QVERIFY(ui(w).DataGrid->isRowHidden(2) && ui(w).DataGrid->isRowHidden(3));
    QVERIFY(!ui(w).BitBut[2]->isVisible() && !ui(w).BitBut[3]->isVisible());

    ui(w).DataLenEdit->setValue(4);
    // Four rows of 16 pixels fit the 72-pixel grid without scrolling.
    QCOMPARE(ui(w).DataGrid->rowHeight(3), 16);
    QVERIFY(ui(w).DataGrid->visualItemRect(ui(w).DataGrid->item(3, 0)).bottom() < ui(w).DataGrid->viewport()->height());
    for (int r = 0; r < 4; ++r) {
        QVERIFY(!ui(w).DataGrid->isRowHidden(r));
        QVERIFY(ui(w).BitBut[static_cast<size_t>(r)]->isVisible());
        QCOMPARE(cell(w, r), texts[r]);
    }
}

void TModbusFormTest::lengthZeroHidesSelectors() {
    TModbusForm& w = *m_form;
    QCOMPARE(ui(w).DataLenEdit->maximum(), 3);
    ui(w).DataLenEdit->setValue(0);
    for (int r = 0; r < 4; ++r) {
        QVERIFY(!ui(w).BitBut[static_cast<size_t>(r)]->isVisible());
        QVERIFY(!ui(w).BitBut[static_cast<size_t>(r)]->isEnabled());
    }
    QVERIFY(!ui(w).DataGrid->isRowHidden(0));
    QVERIFY(ui(w).DataGrid->isRowHidden(1));

    ui(w).DataGrid->item(0, 0)->setText(QStringLiteral("77"));
    QTest::mouseClick(ui(w).SetButton, Qt::LeftButton);
    QVERIFY(m_bus->waitFrames(1));
    QCOMPARE(static_cast<uint8_t>(m_bus->frames().first().payload().at(4)), uint8_t(0x00));
    QCOMPARE(w.regs()[0].Value, 0); // the echo shows nothing
}

void TModbusFormTest::bitBoxesWriteCurrentRow() {
    TModbusForm& w = *m_form;
    QCOMPARE(boxesValue(w), 0);
    QTest::mouseClick(ui(w).DigiBox[15], Qt::LeftButton);
    QCOMPARE(cell(w, 0), QStringLiteral("32768"));
    QTest::mouseClick(ui(w).DigiBox[0], Qt::LeftButton);
    QCOMPARE(cell(w, 0), QStringLiteral("32769"));
    QTest::mouseClick(ui(w).DigiBox[15], Qt::LeftButton);
    QCOMPARE(cell(w, 0), QStringLiteral("1"));

    // The value goes out with the next SET.
    ui(w).DataLenEdit->setValue(1);
    QTest::mouseClick(ui(w).DigiBox[15], Qt::LeftButton);
    QTest::mouseClick(ui(w).SetButton, Qt::LeftButton);
    QVERIFY(m_bus->waitFrames(1));
    QCOMPARE(m_bus->frames().first().payload().mid(6).toHex(), QByteArray("8001"));
}

void TModbusFormTest::bitBoxLoadDoesNotWriteBack() {
    TModbusForm& w = *m_form;
    ui(w).DataLenEdit->setValue(2);
    ui(w).DataGrid->item(1, 0)->setText(QStringLiteral("-1")); // as an analog cell click leaves it
    QTest::mouseClick(ui(w).BitBut[1], Qt::LeftButton);
    QCOMPARE(w.BitRow(), 1);
    QCOMPARE(boxesValue(w), 0xFFFF);
    QCOMPARE(cell(w, 1), QStringLiteral("-1"));
    w.DigiBoxWrite(0x0005);
    QCOMPARE(boxesValue(w), 5);
    QCOMPARE(cell(w, 1), QStringLiteral("-1"));
    QCOMPARE(cell(w, 0), QStringLiteral("0"));
}

// ---- auto repeat --------------------------------------------------------------------------------------

void TModbusFormTest::autoRepeatPeriod_data() {
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("sets");
    QTest::newRow("period 1, 5 ticks") << 1 << 5 << 5;
    QTest::newRow("period 3, 9 ticks") << 3 << 9 << 3;
    QTest::newRow("period 3, 8 ticks") << 3 << 8 << 2;
    QTest::newRow("period 100, 250 ticks") << 100 << 250 << 2;
}

void TModbusFormTest::autoRepeatPeriod() {
    QFETCH(int, period);
    QFETCH(int, ticks);
    QFETCH(int, sets);
    TModbusForm& w = *m_form;
    ui(w).AutoTimeEdit->setValue(0);
    ui(w).AutoTimeEdit->setValue(period);
    QCOMPARE(w.AutoCountdown(), period);
    ui(w).AutoBox->setChecked(true);
    for (int t = 0; t < ticks; ++t)
        w.myTimerTimer();
    QCOMPARE(memoCount(w, QStringLiteral("Setting settings...")), sets);
    QVERIFY(m_bus->waitFrames(sets));
    QCOMPARE(m_bus->frames().size(), sets);
}

void TModbusFormTest::autoPeriodZeroUnchecks() {
    TModbusForm& w = *m_form;
    // Never edited: the countdown is 0, so checking "Auto" sends at the next tick.
    QCOMPARE(w.AutoCountdown(), 0);
    ui(w).AutoBox->setChecked(true);
    w.myTimerTimer();
    QCOMPARE(memoCount(w, QStringLiteral("Setting settings...")), 1);
    QCOMPARE(w.AutoCountdown(), 100);

    ui(w).AutoTimeEdit->setValue(0);
    QVERIFY(!ui(w).AutoBox->isChecked());
    QCOMPARE(w.AutoCountdown(), 0);
    ui(w).AutoBox->setChecked(true);
    for (int t = 0; t < 5; ++t)
        w.myTimerTimer();
    QCOMPARE(memoCount(w, QStringLiteral("Setting settings...")), 1);
}

void TModbusFormTest::autoFreezesWhileUncheckedAndHidden() {
    TModbusForm& w = *m_form;
    ui(w).AutoTimeEdit->setValue(5);
    ui(w).AutoBox->setChecked(true);
    w.myTimerTimer();
    w.myTimerTimer();
    QCOMPARE(w.AutoCountdown(), 3);
    ui(w).AutoBox->setChecked(false);
    for (int t = 0; t < 10; ++t)
        w.myTimerTimer();
    QCOMPARE(w.AutoCountdown(), 3);
    ui(w).AutoBox->setChecked(true);
    for (int t = 0; t < 3; ++t)
        w.myTimerTimer();
    QCOMPARE(memoCount(w, QStringLiteral("Setting settings...")), 1);
    QCOMPARE(w.AutoCountdown(), 5);

    // Closing the window stops its timer: no tick, no SET, the countdown keeps its value.
    w.myTimerTimer();
    ui(w).myTimer->start();
    w.close();
    QVERIFY(!ui(w).myTimer->isActive());
    QCOMPARE(w.AutoCountdown(), 4);
    w.show();
    QVERIFY(ui(w).myTimer->isActive());
    QCOMPARE(w.AutoCountdown(), 4);
    QVERIFY(ui(w).AutoBox->isChecked());
}

QTEST_MAIN(TModbusFormTest)
#include "tst_modbus_editor.moc"
