// Record while zelm-sim talks on a virtual CAN bus (with a SET and a command from the device
// window), then replay the file into a fresh run: the device window ends with the same registers.

#include "app/CAN_Quorvex.h"
#include "app/TraceTools.h"
#include "can/QtCanDriver.h"
#include "can/ToolsCan.h"
#include "device/ModbusForm.h"
#include "device/TrendForm.h"
#include "tests/device/FormControls.h"
#include "trace/TraceCanBusDevice.h"
#include "trace/TraceRecorder.h"
#include "trace/TraceReplayControl.h"
#include "trend/TrendModel.h"
#include "ui/ErrorReport.h"
#include "ui/SpinEdit.h"

#include <qcustomplot.h>

#include <QCanBus>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <array>

class TstTraceEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void recordThenReplay();
    void trendOnTraceTime();

private:
    QProcess* m_sim = nullptr;
};

void TstTraceEndToEnd::cleanup() {
    if (m_sim) {
        m_sim->kill();
        m_sim->waitForFinished(3000);
        delete m_sim;
        m_sim = nullptr;
    }
    SlCanInstallDriver(nullptr);
    CanResetState();
    SetErrorReporter({});
}

void TstTraceEndToEnd::recordThenReplay() {
    if (!QCanBus::instance()->plugins().contains(QStringLiteral("virtualcan"))) QSKIP("no virtualcan plugin");
    QTemporaryDir dir;
    {
        QFile f(dir.filePath("Projects.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "[Projects]\nProjectQua=1\nProject1=Line2\nProjectNum=1\n[Line2]\nBaseAdr=0x100\nPlusAdr=0x10\n"
            "Use_0=1\nName_0=Pump\nUse_1=1\n");
    }
    SetErrorReporter([](const QString& text) { QFAIL(qPrintable(text)); });
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    const QString bus = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(port);
    const QString trace = dir.filePath("site.log");
    std::array<int, 128> live{};
    uint64_t recorded = 0;
    {
        SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{{"virtualcan", bus}}));
        TCANQuorvex w(dir.path());
        w.show();
        w.switchCan(true); // the program hosts the bus
        QVERIFY(CanOpened);
        w.showWindowOfRow(0);
        TModbusForm* form = w.view().Rows[0].Window;
        QVERIFY(w.traceTools()->startRecording(trace));

        m_sim = new QProcess;
        m_sim->start(QStringLiteral(ZELM_SIM_PATH),
                     {"--can", "virtualcan:" + bus, "--project", dir.filePath("Projects.ini"), "--name",
                      "Line2", "--period", "20"});
        QVERIFY2(m_sim->waitForStarted(5000), qPrintable(m_sim->errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(form->msgCount() > 30, 10000);

        // SET 40 := 4321 and a command; the simulator reports both back.
        ui(form).DiggAddrEdit->setValue(40);
        ui(form).DataLenEdit->setValue(1);
        ui(form).DataGrid->item(0, 0)->setText("4321");
        ui(form).RadioDn->setChecked(true);
        QTest::mouseClick(ui(form).SetButton, Qt::LeftButton);
        QTest::mouseClick(ui(form).CommButt[3], Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(form->regs()[40].Direction == 0 && form->regs()[127].Direction == 0, 5000);
        const int before = form->msgCount();
        QTRY_VERIFY_WITH_TIMEOUT(form->msgCount() > before + 10, 5000);

        // The simulator stops; whatever it sent is taken by the monitor before the recording ends.
        m_sim->kill();
        QVERIFY(m_sim->waitForFinished(3000));
        QTest::qWait(300);
        for (int i = 0; i < 5; ++i)
            w.CanTimerTimer();
        w.traceTools()->stopRecording();
        recorded = w.traceTools()->recorder()->frames();
        for (size_t r = 0; r < live.size(); ++r)
            live[r] = form->regs()[r].Value;
        w.switchCan(false);
    }
    QVERIFY(recorded > 40);

    // A fresh run on the trace, as fast as the monitor takes it.
    RegisterTraceBus();
    SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{{"trace", trace}}));
    TraceReplayControl::instance().setSpeed(TraceReplayControl::Speed::Max);
    TraceReplayControl::instance().setPaused(false);
    TCANQuorvex w(dir.path());
    w.show();
    w.showWindowOfRow(0);
    TModbusForm* form = w.view().Rows[0].Window;
    w.switchCan(true);
    QVERIFY(CanOpened);
    QTRY_VERIFY_WITH_TIMEOUT(TraceReplayControl::instance().status().finished, 10000);
    QTRY_COMPARE(w.framesProcessed(), quint64(recorded));
    for (size_t r = 0; r < live.size(); ++r)
        QVERIFY2(
            form->regs()[r].Value == live[r],
            qPrintable(
                QStringLiteral("register %1: %2, live %3").arg(r).arg(form->regs()[r].Value).arg(live[r])));
    QCOMPARE(form->regs()[40].Value, 4321);
    w.switchCan(false);
}

// A trace of 60 s played as fast as possible: the trend's samples carry the recorded times, so it
// spans 60 s of trace time (the replay itself takes a fraction of that), with the origin at the
// first frame; the axis says so.
void TstTraceEndToEnd::trendOnTraceTime() {
    QTemporaryDir dir;
    {
        QFile f(dir.filePath("Projects.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            "[Projects]\nProjectQua=1\nProject1=Line2\nProjectNum=1\n[Line2]\nBaseAdr=0x100\nPlusAdr=0x10\n"
            "Use_0=1\nName_0=Pump\n");
    }
    // Register 24 counts up every 100 ms for 60 s (601 frames from the device, TX 0x110).
    const QString trace = dir.filePath("minute.log");
    {
        QByteArray text;
        for (int i = 0; i <= 600; ++i)
            text += QStringLiteral("(%1.%2) can0 110#00000000E018%3 R\n")
                        .arg(1733650000 + i / 10)
                        .arg((i % 10) * 100000, 6, 10, QLatin1Char('0'))
                        .arg(i, 4, 16, QLatin1Char('0'))
                        .toLatin1();
        QFile f(trace);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    }
    SetErrorReporter([](const QString& text) { QFAIL(qPrintable(text)); });
    RegisterTraceBus();
    SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{{"trace", trace}}));
    TraceReplayControl::instance().setSpeed(TraceReplayControl::Speed::Max);
    TraceReplayControl::instance().setPaused(false);
    TCANQuorvex w(dir.path());
    w.show();
    w.showWindowOfRow(0);
    TModbusForm* form = w.view().Rows[0].Window;
    QVERIFY(form->plotRegister(24));
    w.switchCan(true);
    QVERIFY(CanOpened);
    QTRY_VERIFY_WITH_TIMEOUT(TraceReplayControl::instance().status().finished, 10000);
    QTRY_COMPARE(w.framesProcessed(), quint64(601));
    const TTrendModel* model = form->trendModel();
    QVERIFY(model->traceTime());
    const TTrendRing& ring = model->channel(model->slotOf(24, -1))->Ring;
    QCOMPARE(ring.size(), 601);
    QCOMPARE(ring.at(0).TimeMs, qint64(1733650000000));
    QCOMPARE(ring.last().TimeMs - ring.at(0).TimeMs, qint64(60000));
    QCOMPARE(ring.last().Value, 600);
    QCOMPARE(model->originMs(), qint64(1733650000000));
    QCOMPARE(model->nowMs(), qint64(1733650060000));
    QVERIFY(form->trendForm()->windowTitle().endsWith(QStringLiteral("(trace time)")));
    QVERIFY(form->trendForm()->Plot->xAxis->label().startsWith(QStringLiteral("trace time")));
    w.switchCan(false);
}

QTEST_MAIN(TstTraceEndToEnd)
#include "tst_trace_endtoend.moc"
