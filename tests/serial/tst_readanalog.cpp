// The device window's serial read of the analog block, through a real window, the UART panel
// and a Modbus peer on a pseudo-terminal pair.

#include "SerialPeer.h"

#include "app/UartPanel.h"
#include "core/ColorTables.h"
#include "core/DeviceMessage.h"
#include "core/Project.h"
#include "device/ModbusForm.h"
#include "tests/device/FormControls.h"
#include "serial/ComPort.h"
#include "serial/ToolsRS.h"
#include "ui/CellMatrix.h"
#include "ui/SpinEdit.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>

class TModbusFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void readsTheAnalogBlock_data();
    void readsTheAnalogBlock();
    void requestFollowsTheBlock_data();
    void requestFollowsTheBlock();
    void failedReadLeavesRegisters_data();
    void failedReadLeavesRegisters();
    void windowClosedDuringRead();
    void offeredInTheAnalogMenuAndOnCtrlShiftR();

private:
    [[nodiscard]] QStringList memoLines() const;
    [[nodiscard]] int32_t fadeStart() const { return m_form->image().fade().Start; }

    QTemporaryDir m_dir;
    TProject m_project;
    std::unique_ptr<TUartPanel> m_panel;
    std::unique_ptr<SerialPeer> m_peer;
    std::unique_ptr<TModbusForm> m_form;
};

void TModbusFormTest::initTestCase() {
    const QString missing = SerialPeer::missingTools();
    if (!missing.isEmpty()) QSKIP(qPrintable(QStringLiteral("serial peers unavailable: ") + missing));
    QVERIFY(m_dir.isValid());
}

void TModbusFormTest::init() {
    m_panel = std::make_unique<TUartPanel>();
    RsSetPanel(m_panel.get());
    m_peer = std::make_unique<SerialPeer>();
    SetSerialPortOverride(m_peer->nearPath());
    QVERIFY2(m_peer->startLine(), qPrintable(m_peer->error()));
    m_form = std::make_unique<TModbusForm>(m_project, m_dir.path() + QLatin1Char('/'));
    m_form->RSadr = 0x101; // the serial address is its low 8 bits: 1
    m_form->show();
    ui(m_form).myTimer->stop();
}

void TModbusFormTest::cleanup() {
    m_form.reset();
    RsSetPanel(nullptr);
    m_panel.reset();
    m_peer.reset();
    SetSerialPortOverride({});
}

QStringList TModbusFormTest::memoLines() const {
    return ui(m_form).Memo1->toPlainText().split(QLatin1Char('\n'));
}

void TModbusFormTest::readsTheAnalogBlock_data() {
    QTest::addColumn<int>("direction"); // of register 25 before the read
    QTest::newRow("register last sent from the device") << 0;
    QTest::newRow("register last sent to the device") << 1;
}

void TModbusFormTest::readsTheAnalogBlock() {
    QFETCH(int, direction);
    QVERIFY2(m_peer->startPeer(QStringLiteral("modbus_server.py"),
                               {QStringLiteral("--unit"), QStringLiteral("1"), QStringLiteral("--set"),
                                QStringLiteral("25=0xFFFE"), QStringLiteral("--set"),
                                QStringLiteral("87=0x8000")}),
             qPrintable(m_peer->error()));
    TDeviceMessage msg;
    msg.Address = 25;
    msg.Count = 4;
    msg.Values[0] = 5;
    msg.Direction = direction;
    m_form->ReceiveCanData(msg);

    m_form->ReadAnalog();

    const QStringList lines = memoLines();
    QCOMPARE(lines.mid(lines.size() - 2),
             (QStringList{QStringLiteral("Read analog..."), QStringLiteral("Ok!")}));
    const auto& regs = m_form->regs();
    for (int r = 24; r < 24 + 64; ++r) {
        const int expected = r == 25 ? -2 : r == 87 ? -32768 : 1000 + r;
        QCOMPARE(regs[r].Value, expected);
        QCOMPARE(regs[r].Age, fadeStart());
    }
    QCOMPARE(regs[25].Direction, direction);
    // Outside the block nothing changed.
    QCOMPARE(regs[23].Value, 0);
    QCOMPARE(regs[88].Value, 0);
    // Register 25 is analog cell 1: "-2" in the strongest colour of its direction.
    QCOMPARE(ui(m_form).AnaCells->cellText(1), QStringLiteral("-2"));
    QCOMPARE(ui(m_form).AnaCells->cellColor(1), ColorTables().AnaColor[FadeLevels][direction]);
    QCOMPARE(ui(m_form).AnaCells->cellText(63), QStringLiteral("-32768"));
}

void TModbusFormTest::requestFollowsTheBlock_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("request");
    QTest::newRow("block 24, 64 registers") << 24 << 64 << QStringLiteral("010300180040c43d00");
    QTest::newRow("block 100, 28 registers") << 100 << 28 << QString();
    QTest::newRow("one register at 0") << 0 << 1 << QStringLiteral("010300000001840a00");
}

void TModbusFormTest::requestFollowsTheBlock() {
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, request);
    QVERIFY2(m_peer->startPeer(QStringLiteral("raw_peer.py"), {}), qPrintable(m_peer->error()));
    ui(m_form).AnaLen->setValue(length);
    ui(m_form).AnaStart->setValue(start);
    m_form->ReadAnalog();
    QCOMPARE(memoLines().last(), QStringLiteral("Ok!"));
    const QStringList got = m_peer->requests();
    QCOMPARE(got.size(), 1);
    QVERIFY(got.first().startsWith(
        QStringLiteral("0103%1%2").arg(start, 4, 16, QLatin1Char('0')).arg(length, 4, 16, QLatin1Char('0'))));
    if (!request.isEmpty()) QCOMPARE(got.first(), request);
    QVERIFY(got.first().endsWith(QStringLiteral("00")));
    for (int r = start; r < start + length; ++r)
        QCOMPARE(m_form->regs()[r].Value, 1000 + r);
}

void TModbusFormTest::failedReadLeavesRegisters_data() {
    QTest::addColumn<QStringList>("peerArgs");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("silent device") << QStringList{QStringLiteral("--silent")}
                                   << QStringLiteral("!!! Error !!!");
    QTest::newRow("answer stalls") << QStringList{QStringLiteral("--stall-after"), QStringLiteral("60")}
                                   << QStringLiteral("!!! Error !!!");
    QTest::newRow("one corrupted byte")
        << QStringList{QStringLiteral("--corrupt-at"), QStringLiteral("20")} << QStringLiteral("Well...");
    QTest::newRow("port cannot be opened") << QStringList() << QStringLiteral("!!! Error !!!");
}

void TModbusFormTest::failedReadLeavesRegisters() {
    QFETCH(QStringList, peerArgs);
    QFETCH(QString, outcome);
    if (peerArgs.isEmpty()) {
        SetSerialPortOverride(QStringLiteral("/nonexistent/qvx-tty"));
    } else {
        QVERIFY2(m_peer->startPeer(QStringLiteral("raw_peer.py"), peerArgs), qPrintable(m_peer->error()));
    }
    m_panel->TimeWait->setValue(3);
    TDeviceMessage msg;
    msg.Address = 30;
    msg.Count = 4;
    msg.Values[0] = 11;
    msg.Values[1] = 12;
    m_form->ReceiveCanData(msg);
    const auto before = m_form->regs();

    m_form->ReadAnalog();

    const QStringList lines = memoLines();
    QCOMPARE(lines.mid(lines.size() - 2), (QStringList{QStringLiteral("Read analog..."), outcome}));
    for (int r = 0; r < RegisterCount; ++r) {
        QCOMPARE(m_form->regs()[r].Value, before[r].Value);
        QCOMPARE(m_form->regs()[r].Age, before[r].Age);
    }
    QCOMPARE(ui(m_form).AnaCells->cellText(6), QStringLiteral("11"));
}

void TModbusFormTest::offeredInTheAnalogMenuAndOnCtrlShiftR() {
    QVERIFY(m_form->ReadAnalogAction);
    QCOMPARE(ui(m_form).AnaCells->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(ui(m_form).AnaCells->actions().contains(m_form->ReadAnalogAction));
    // Ctrl+R opens the Parameters view.
    QCOMPARE(m_form->ReadAnalogAction->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    SetSerialPortOverride(QStringLiteral("/nonexistent/qvx-tty"));
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(m_form.get(), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = memoLines();
    QCOMPARE(lines.mid(lines.size() - 2), (QStringList{QStringLiteral("Read analog..."), QStringLiteral("!!! Error !!!")}));
}

void TModbusFormTest::windowClosedDuringRead() {
    QVERIFY2(m_peer->startPeer(QStringLiteral("raw_peer.py"), {}), qPrintable(m_peer->error()));
    // A window message handled while the request goes out discards the window.
    QTimer::singleShot(0, this, [this] { m_form.reset(); });
    TModbusForm* form = m_form.get();
    form->ReadAnalog();
    QVERIFY(!m_form);
    // The link is free again for the next window.
    m_form = std::make_unique<TModbusForm>(m_project, m_dir.path() + QLatin1Char('/'));
    m_form->RSadr = 1;
    m_form->ReadAnalog();
    QCOMPARE(memoLines().last(), QStringLiteral("Ok!"));
}

QTEST_MAIN(TModbusFormTest)
#include "tst_readanalog.moc"
