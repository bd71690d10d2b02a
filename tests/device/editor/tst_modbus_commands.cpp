// The command buttons of the device window: the frames they put on the bus, their echo, and the
// in-place rename of their captions.

#include "BusCapture.h"
#include "tests/FreePort.h"

#include "can/ToolsCan.h"
#include "core/Project.h"
#include "device/ModbusForm.h"
#include "tests/device/FormControls.h"
#include "ui/SpinEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr int32_t Rx = 0x01000000;
constexpr int32_t Tx = 0x02000000;

void requestContextMenu(QWidget* w, QContextMenuEvent::Reason reason) {
    const QPoint pos = w->rect().center();
    QContextMenuEvent event(reason, pos, w->mapToGlobal(pos));
    QApplication::sendEvent(w, &event);
}

} // namespace

class TModbusFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commandFrames_data();
    void commandFrames();

    void renameEnterApplies_data();
    void renameEnterApplies();
    void renameAbandoned_data();
    void renameAbandoned();
    void renameMovesToAnotherButton();
    void renameInTwoWindows();
    void hintsKeepTheCreationCaptions();

private:
    [[nodiscard]] std::unique_ptr<TModbusForm> makeWindow(int32_t protokol);

    TProject m_project;
    std::unique_ptr<BusCapture> m_bus;
    std::unique_ptr<TModbusForm> m_form;
};

void TModbusFormTest::initTestCase() {
    m_bus = std::make_unique<BusCapture>(FreeTcpPort());
    QVERIFY2(m_bus->start(), qPrintable(m_bus->why()));
}

void TModbusFormTest::init() {
    for (int k = 0; k < CommandCount; ++k)
        m_project.DigiBut[static_cast<size_t>(k)] = QStringLiteral("Cmd%1").arg(k);
    m_project.DigiButChanged = false;
    m_bus->clear();
    m_form = makeWindow(0);
}

void TModbusFormTest::cleanup() {
    m_form.reset();
}

std::unique_ptr<TModbusForm> TModbusFormTest::makeWindow(int32_t protokol) {
    auto w = std::make_unique<TModbusForm>(m_project, QString());
    w->RXadr = Rx;
    w->TXadr = Tx;
    w->Protokol = protokol;
    w->show();
    if (!QTest::qWaitForWindowActive(w.get())) qWarning("window not active");
    ui(w).myTimer->stop();
    w->memoAdd(QStringLiteral("-")); // the first memo line is the summary of the last message
    return w;
}

void TModbusFormTest::commandFrames_data() {
    QTest::addColumn<int>("protokol");
    QTest::addColumn<int>("button");
    QTest::addColumn<QByteArray>("payload");
    for (int p : {0, 3}) {
        const char* name = p == 3 ? "protocol 3" : "standard";
        QTest::addRow("%s, button 0", name) << p << 0 << QByteArray::fromHex("00000000807f0001");
        QTest::addRow("%s, button 3", name) << p << 3 << QByteArray::fromHex("00000000807f0008");
        QTest::addRow("%s, button 15", name) << p << 15 << QByteArray::fromHex("00000000807f8000");
        QTest::addRow("%s, wide button", name) << p << 16 << QByteArray::fromHex("00000000807f0000");
    }
}

void TModbusFormTest::commandFrames() {
    QFETCH(int, protokol);
    QFETCH(int, button);
    QFETCH(QByteArray, payload);
    m_form = makeWindow(protokol);
    TModbusForm& w = *m_form;
    // "Up" and the editor's address play no part in a command.
    ui(w).RadioUp->setChecked(true);
    ui(w).DiggAddrEdit->setValue(9);
    // A leftover from the editor in CanTx[0] must not leak into the command.
    CanTx[0].Data[0] = 0xAA;
    CanTx[0].Data[3] = 0x55;

    QTest::mouseClick(ui(w).CommButt[static_cast<size_t>(button)], Qt::LeftButton);

    QVERIFY(m_bus->waitFrames(1));
    const QCanBusFrame f = m_bus->frames().first();
    QCOMPARE(f.frameId(), uint(Rx));
    QCOMPARE(f.payload().toHex(), payload.toHex());
    QVERIFY(ui(w).Memo1->toPlainText().split(QLatin1Char('\n')).contains(QStringLiteral("Command commands...")));
    const auto word = static_cast<int16_t>(button < 16 ? (1u << button) : 0u);
    QCOMPARE(w.regs()[127].Value, int32_t(word));
    QCOMPARE(w.regs()[127].Direction, 1);
}

void TModbusFormTest::renameEnterApplies_data() {
    QTest::addColumn<bool>("keyboard");
    QTest::addColumn<QString>("text");
    QTest::newRow("right click, new caption") << false << QStringLiteral("Start 2");
    QTest::newRow("menu key, empty caption") << true << QString();
}

void TModbusFormTest::renameEnterApplies() {
    QFETCH(bool, keyboard);
    QFETCH(QString, text);
    TModbusForm& w = *m_form;
    QPushButton* b = ui(w).CommButt[5];
    if (keyboard) b->setFocus();
    requestContextMenu(b, keyboard ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse);

    QVERIFY(ui(w).RenameEdit);
    QVERIFY(ui(w).RenameEdit->isVisible());
    QCOMPARE(ui(w).RenameEdit->parentWidget(), ui(w).GroupBox1);
    QCOMPARE(ui(w).RenameEdit->text(), QStringLiteral("Cmd5"));
    QCOMPARE(ui(w).RenameEdit->geometry(), b->geometry().adjusted(4, 3, -2, -3));
    QVERIFY(!ui(w).RenameEdit->hasFrame());
    QCOMPARE(QApplication::focusWidget(), ui(w).RenameEdit);

    ui(w).RenameEdit->clear();
    QTest::keyClicks(ui(w).RenameEdit, text);
    QTest::keyClick(ui(w).RenameEdit, Qt::Key_Return);

    QCOMPARE(b->text(), text);
    QCOMPARE(m_project.DigiBut[5], text);
    QVERIFY(m_project.DigiButChanged);
    QVERIFY(!ui(w).RenameEdit->isVisible());
    QCOMPARE(QApplication::focusWidget(), b);
    QCOMPARE(ui(w).CommButt[4]->text(), QStringLiteral("Cmd4"));
}

void TModbusFormTest::renameAbandoned_data() {
    QTest::addColumn<int>("how"); // 0 Esc, 1 click on another control, 2 Tab
    QTest::newRow("Esc") << 0;
    QTest::newRow("click on another control") << 1;
    QTest::newRow("Tab") << 2;
}

void TModbusFormTest::renameAbandoned() {
    QFETCH(int, how);
    TModbusForm& w = *m_form;
    QPushButton* b = ui(w).CommButt[2];
    requestContextMenu(b, QContextMenuEvent::Mouse);
    QVERIFY(ui(w).RenameEdit && ui(w).RenameEdit->isVisible());
    QTest::keyClicks(ui(w).RenameEdit, QStringLiteral("xyz"));

    if (how == 0)
        QTest::keyClick(ui(w).RenameEdit, Qt::Key_Escape);
    else if (how == 1)
        QTest::mouseClick(ui(w).AutoBox, Qt::LeftButton);
    else
        QTest::keyClick(ui(w).RenameEdit, Qt::Key_Tab);

    QVERIFY(!ui(w).RenameEdit->isVisible());
    QCOMPARE(b->text(), QStringLiteral("Cmd2"));
    QCOMPARE(m_project.DigiBut[2], QStringLiteral("Cmd2"));
    QVERIFY(!m_project.DigiButChanged);
    if (how == 0) QCOMPARE(QApplication::focusWidget(), b);
}

void TModbusFormTest::renameMovesToAnotherButton() {
    TModbusForm& w = *m_form;
    requestContextMenu(ui(w).CommButt[1], QContextMenuEvent::Mouse);
    QTest::keyClicks(ui(w).RenameEdit, QStringLiteral("typed"));
    requestContextMenu(ui(w).CommButt[16], QContextMenuEvent::Mouse);
    QCOMPARE(ui(w).RenameEdit->text(), QStringLiteral("Cmd16"));
    QCOMPARE(ui(w).RenameEdit->geometry(), ui(w).CommButt[16]->geometry().adjusted(4, 3, -2, -3));
    ui(w).RenameEdit->selectAll();
    QTest::keyClicks(ui(w).RenameEdit, QStringLiteral("Stop"));
    QTest::keyClick(ui(w).RenameEdit, Qt::Key_Enter);
    QCOMPARE(ui(w).CommButt[16]->text(), QStringLiteral("Stop"));
    QCOMPARE(ui(w).CommButt[1]->text(), QStringLiteral("Cmd1"));
    QCOMPARE(m_project.DigiBut[1], QStringLiteral("Cmd1"));
    QCOMPARE(m_project.DigiBut[16], QStringLiteral("Stop"));
}

void TModbusFormTest::renameInTwoWindows() {
    // Each window renames with an edit of its own: a rename open in one window stays open while
    // the user renames in another, and a caption renamed in one window shows in windows built
    // later.
    TModbusForm& older = *m_form;
    auto newer = makeWindow(0);
    older.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&older));
    requestContextMenu(ui(older).CommButt[7], QContextMenuEvent::Mouse);
    QLineEdit* olderEdit = ui(older).RenameEdit;
    QCOMPARE(olderEdit->parentWidget(), ui(older).GroupBox1);
    QVERIFY(olderEdit->isVisible());
    QTest::keyClicks(olderEdit, QStringLiteral("lost"));

    newer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(newer.get()));
    requestContextMenu(ui(*newer).CommButt[7], QContextMenuEvent::Mouse);
    QVERIFY(olderEdit->isVisible());
    QCOMPARE(ui(older).CommButt[7]->text(), QStringLiteral("Cmd7"));
    QLineEdit* newerEdit = ui(*newer).RenameEdit;
    QVERIFY(newerEdit != olderEdit);
    newerEdit->selectAll();
    QTest::keyClicks(newerEdit, QStringLiteral("Seven"));
    QTest::keyClick(newerEdit, Qt::Key_Return);
    QCOMPARE(ui(*newer).CommButt[7]->text(), QStringLiteral("Seven"));
    QCOMPARE(ui(older).CommButt[7]->text(), QStringLiteral("Cmd7")); // built before the rename
    QCOMPARE(m_project.DigiBut[7], QStringLiteral("Seven"));

    newer.reset(); // the older window renames on without it
    auto third = makeWindow(0);
    QCOMPARE(ui(*third).CommButt[7]->text(), QStringLiteral("Seven"));
    older.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&older));
    QVERIFY(olderEdit->isVisible());
    QCOMPARE(olderEdit->text(), QStringLiteral("Cmd7lost"));
    QTest::keyClick(olderEdit, Qt::Key_Escape);
    QVERIFY(!olderEdit->isVisible());
    QCOMPARE(ui(older).CommButt[7]->text(), QStringLiteral("Cmd7"));
}

void TModbusFormTest::hintsKeepTheCreationCaptions() {
    TModbusForm& w = *m_form;
    QCOMPARE(ui(w).DigiBox[5]->toolTip(), QStringLiteral("Cmd5"));
    requestContextMenu(ui(w).CommButt[5], QContextMenuEvent::Mouse);
    ui(w).RenameEdit->selectAll();
    QTest::keyClicks(ui(w).RenameEdit, QStringLiteral("Reset"));
    QTest::keyClick(ui(w).RenameEdit, Qt::Key_Return);
    QCOMPARE(ui(w).CommButt[5]->text(), QStringLiteral("Reset"));
    QCOMPARE(ui(w).DigiBox[5]->toolTip(), QStringLiteral("Cmd5"));
}

QTEST_MAIN(TModbusFormTest)
#include "tst_modbus_commands.moc"
