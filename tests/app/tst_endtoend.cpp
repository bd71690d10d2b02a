// The program against simulated devices, those of zelm-sim on a real virtual CAN bus and those of
// the built-in demo bus: the monitor counts the devices' identifiers, a device window shows their
// registers, and a SET or a command from the window changes a device's register, which its next
// report shows.

#include "app/CAN_Quorvex.h"
#include "can/QtCanDriver.h"
#include "can/ToolsCan.h"
#include "core/DeviceMessage.h"
#include "device/ModbusForm.h"
#include "tests/device/FormControls.h"
#include "sim/DemoCanBusDevice.h"
#include "tests/FreePort.h"
#include "ui/CellMatrix.h"
#include "ui/ErrorReport.h"
#include "ui/SpinEdit.h"

#include <QCanBus>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class TstEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void programAndSimulator_data();
    void programAndSimulator();

private:
    QProcess* m_sim = nullptr;
};

void TstEndToEnd::cleanup() {
    if (m_sim) {
        m_sim->terminate();
        if (!m_sim->waitForFinished(3000)) m_sim->kill();
        m_sim->waitForFinished(1000);
        delete m_sim;
        m_sim = nullptr;
    }
    SlCanInstallDriver(nullptr);
    CanResetState();
}

void TstEndToEnd::programAndSimulator_data() {
    QTest::addColumn<bool>("demo"); // the built-in demo bus instead of zelm-sim on a virtual bus
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<uint32_t>("txKey");
    const QByteArray standard("BaseAdr=0x100\nPlusAdr=0x10\nUse_0=1\nName_0=Pump\nUse_1=1\n");
    const QByteArray protocol3("Protokol=3\nUse_0=1\nName_0=Pump\nUse_1=1\n");
    QTest::newRow("zelm-sim, standard layout") << false << standard << 0x110u;
    QTest::newRow("zelm-sim, protocol 3") << false << protocol3 << 0x10000000u;
    QTest::newRow("demo bus, standard layout") << true << standard << 0x110u;
    QTest::newRow("demo bus, protocol 3") << true << protocol3 << 0x10000000u;
}

void TstEndToEnd::programAndSimulator() {
    QFETCH(bool, demo);
    QFETCH(QByteArray, section);
    QFETCH(uint32_t, txKey);
    if (!QCanBus::instance()->plugins().contains(QStringLiteral("virtualcan"))) QSKIP("no virtualcan plugin");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    {
        QFile f(dir.filePath(QStringLiteral("Projects.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Projects]\nProjectQua=1\nProject1=Line2\nProjectNum=1\n[Line2]\n" + section);
    }
    SetErrorReporter([](const QString& text) { QFAIL(qPrintable(text)); });
    // The virtual bus is hosted once per process: one port for all rows, one the system had free.
    static const QString bus = VirtualBusUrl(FreeTcpPort());
    RegisterDemoBus();
    const CanAdapterName adapter = demo ? CanAdapterName{QStringLiteral("demo"), QStringLiteral("demo0")}
                                        : CanAdapterName{QStringLiteral("virtualcan"), bus};
    SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{adapter}));

    TCANQuorvex w(dir.path());
    w.onProjectLoaded = [](const TProject& project) { DemoCanBusDevice::setProject(project); };
    DemoCanBusDevice::setProject(w.project());
    w.show();
    w.switchCan(true); // on the virtual bus the program is the host
    QVERIFY(CanOpened);

    if (!demo) {
        m_sim = new QProcess;
        m_sim->setProcessChannelMode(QProcess::MergedChannels);
        m_sim->start(QStringLiteral(ZELM_SIM_PATH),
                     {QStringLiteral("--can"), QStringLiteral("virtualcan:") + bus,
                      QStringLiteral("--project"), dir.filePath(QStringLiteral("Projects.ini")),
                      QStringLiteral("--name"), QStringLiteral("Line2"), QStringLiteral("--period"),
                      QStringLiteral("20")});
        QVERIFY2(m_sim->waitForStarted(5000), qPrintable(m_sim->errorString()));
    }

    // The monitor counts the simulator's transmission identifiers.
    auto counted = [&w](uint32_t key) {
        for (int j = 1; j <= w.idStats().used(); ++j)
            if (w.idStats().entry(j).Id == key) return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(counted(txKey), 10000);
    const uint32_t tx1 = w.project().Devices[1].TXadr;
    QTRY_VERIFY_WITH_TIMEOUT(counted(tx1), 5000);

    // A device window shows the simulated registers.
    QTest::mouseClick(w.view().Rows[0].OpenButton, Qt::LeftButton);
    TModbusForm* form = w.view().Rows[0].Window;
    QVERIFY(form);
    QTRY_VERIFY_WITH_TIMEOUT(form->msgCount() > 20, 5000);
    bool anyFromDevice = false;
    for (const TRegCell& c : form->regs())
        anyFromDevice |= c.Value != 0 && c.Direction == 0;
    QVERIFY(anyFromDevice);
    // The analog cells show the registers of the block (24 ... 87 at first).
    for (int k = 0; k < 64; ++k)
        QCOMPARE(ui(form).AnaCells->cellText(k),
                 QString::number(form->regs()[static_cast<size_t>(24 + k)].Value));

    // SET writes register 40 := 4321 towards the device; the simulator's next report shows it.
    ui(form).DiggAddrEdit->setValue(40);
    ui(form).DataLenEdit->setValue(1);
    ui(form).DataGrid->item(0, 0)->setText(QStringLiteral("4321"));
    ui(form).RadioDn->setChecked(true);
    QTest::mouseClick(ui(form).SetButton, Qt::LeftButton);
    QCOMPARE(form->regs()[40].Value, 4321);
    QCOMPARE(form->regs()[40].Direction, 1);                         // the window's own echo
    // Reported back by the device; a report already on its way may still carry the old value.
    QTRY_VERIFY_WITH_TIMEOUT(form->regs()[40].Direction == 0 && form->regs()[40].Value == 4321, 5000);

    // A command lands in register 127 of the simulated device and is reported back.
    QTest::mouseClick(ui(form).CommButt[3], Qt::LeftButton);
    QCOMPARE(form->regs()[127].Value, 8);
    QTRY_VERIFY_WITH_TIMEOUT(form->regs()[127].Direction == 0 && form->regs()[127].Value == 8, 5000);

    w.switchCan(false);
}

QTEST_MAIN(TstEndToEnd)
#include "tst_endtoend.moc"
