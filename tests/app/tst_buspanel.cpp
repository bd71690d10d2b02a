// The "Bus" panel of the main window: where it sits and how it follows the adapter (error frames, the
// plugin's bus state, lost frames, an adapter that vanishes, the switch turned off and on), and the
// load and frame rate it shows for a measured stream on Qt's virtual bus and on the demo bus; a bus
// on a socketcand server: its link, the server's errors as error frames, the link lost.

#include "app/BusHealthPanel.h"
#include "app/CAN_Quorvex.h"
#include "can/CanDeviceFactory.h"
#include "can/QtCanDriver.h"
#include "can/ToolsCan.h"
#include "sim/DemoCanBusDevice.h"
#include "socketcand/SocketcandCanBusFactory.h"
#include "socketcand/SocketcandServer.h"
#include "tests/can/FakeCanBusDevice.h"
#include "ui/ErrorReport.h"
#include "ui/FixedLayoutArea.h"
#include "ui/Panel.h"

#include <QApplication>
#include <QCanBus>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// A fake adapter whose plugin may report the bus state, and may keep a bit rate of its own.
class StatusFakeDevice : public FakeCanBusDevice {
public:
    using FakeCanBusDevice::FakeCanBusDevice;
    bool reportsStatus = false;
    CanBusStatus status = CanBusStatus::Unknown;
    int ownBitRate = 0;

    bool hasBusStatus() const override { return reportsStatus; }
    CanBusStatus busStatus() override { return status; }
    void setConfigurationParameter(ConfigurationKey key, const QVariant& value) override {
        QCanBusDevice::setConfigurationParameter(
            key, key == BitRateKey && ownBitRate > 0 ? QVariant(ownBitRate) : value);
    }
};

StatusFakeDevice* s_device = nullptr;
int s_ownBitRate = 0;

QCanBusFrame errorFrame(QCanBusFrame::FrameError e, const QByteArray& payload) {
    QCanBusFrame f(QCanBusFrame::ErrorFrame);
    f.setError(e);
    f.setPayload(payload);
    return f;
}

// The first number of a figure as shown ("27.0 %", "500 / 0").
double shown(const QLabel* label) {
    return label->text().section(QLatin1Char(' '), 0, 0).toDouble();
}

} // namespace

class TstBusPanel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void followsTheAdapter_data();
    void followsTheAdapter();
    void showsTheMeasuredLoad_data();
    void showsTheMeasuredLoad();
    void showsTheNetworkLink();

private:
    std::unique_ptr<TCANQuorvex> makeWindow(const CanAdapterName& adapter, int queueCapacity = 1000);

    std::unique_ptr<QTemporaryDir> m_dir;
    int m_port = 0;
};

void TstBusPanel::initTestCase() {
    RegisterDemoBus();
    RegisterCanDeviceFactory(QStringLiteral("fakebus"), [](const QString& name, QString*) {
        s_device = new StatusFakeDevice(name);
        s_device->ownBitRate = s_ownBitRate;
        return s_device;
    });
    // The virtual bus is hosted once per process, on a port the system has free.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    m_port = probe.serverPort();
}

void TstBusPanel::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QFile f(m_dir->filePath(QStringLiteral("Projects.ini")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Projects]\nProjectQua=1\nProject1=Line\nProjectNum=1\n[Line]\nBaseAdr=0x100\nPlusAdr=0x10\n"
            "Use_0=1\nUse_1=1\n");
    SetErrorReporter([](const QString& text) { QFAIL(qPrintable(text)); });
}

void TstBusPanel::cleanup() {
    SlCanInstallDriver(nullptr);
    CanResetState();
    s_device = nullptr;
    s_ownBitRate = 0;
}

std::unique_ptr<TCANQuorvex> TstBusPanel::makeWindow(const CanAdapterName& adapter, int queueCapacity) {
    SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{adapter}, queueCapacity));
    auto w = std::make_unique<TCANQuorvex>(m_dir->path());
    w->onProjectLoaded = [](const TProject& project) { DemoCanBusDevice::setProject(project); };
    DemoCanBusDevice::setProject(w->project());
    w->show();
    return w;
}

void TstBusPanel::followsTheAdapter_data() {
    QTest::addColumn<bool>("at125");
    QTest::addColumn<int>("ownBitRate"); // 0: the adapter takes the switch's
    QTest::addColumn<int>("bitRate");
    QTest::newRow("the switch's 250K") << false << 0 << 250000;
    QTest::newRow("the switch's 125K") << true << 0 << 125000;
    QTest::newRow("an adapter already up at 500K") << false << 500000 << 500000;
}

void TstBusPanel::followsTheAdapter() {
    QFETCH(bool, at125);
    QFETCH(int, ownBitRate);
    QFETCH(int, bitRate);
    s_ownBitRate = ownBitRate;
    auto w = makeWindow({QStringLiteral("fakebus"), QStringLiteral("one")}, 8);
    BusHealthPanel* panel = w->BusPanel;
    // Right of " Can Speed ", below the trace toggle's room (y 390-416), inside the window, clear of
    // every other control (the hidden UART panel included); greyed until the switch is turned on.
    const QRect place = panel->geometry();
    QVERIFY(place.left() > w->RadioGroup1->geometry().right() && place.top() >= 420);
    const QWidget* page = w->layoutArea()->page();
    QVERIFY(page->rect().contains(place));
    for (const QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(other == panel || !other->geometry().intersects(place), other->metaObject()->className());
    QVERIFY(!panel->isEnabled());
    w->Button125->setChecked(at125);
    w->switchCan(true);
    QVERIFY(s_device);
    QVERIFY(panel->isEnabled());
    QCOMPARE(panel->bitRate(), bitRate);
    QCOMPARE(panel->LoadValue->text(), QStringLiteral("0.0 %"));
    QCOMPARE(panel->StateValue->text(), QStringLiteral("unknown"));
    QCOMPARE(panel->StateValue->color(), QApplication::palette().color(QPalette::Base));

    // Error frames: the state they tell, the last one's kind, an overrun counted as lost.
    s_device->receive({errorFrame(QCanBusFrame::ControllerError, QByteArray("\0\x10", 2)),
                       errorFrame(QCanBusFrame::ControllerError, QByteArray("\0\x01", 2))});
    QTRY_COMPARE(panel->ErrorsValue->text(), QStringLiteral("2"));
    // The kind is cut to the panel's width; its tooltip has it in full.
    QVERIFY(panel->ErrorKind->toolTip().startsWith(QStringLiteral("Last error: receive overrun\n")));
    QVERIFY(QStringLiteral("receive overrun").startsWith(panel->ErrorKind->text().remove(QChar(0x2026))));
    QCOMPARE(panel->StateValue->text(), QStringLiteral("error passive"));
    QCOMPARE(panel->StateValue->color(), QColor(255, 200, 0));
    QCOMPARE(panel->LostValue->text(), QStringLiteral("1"));
    QCOMPARE(panel->LoadValue->text(), QStringLiteral("overrun")); // the adapter lost frames: no figure

    // Twenty frames at once into a queue of eight: twelve dropped.
    QList<QCanBusFrame> burst;
    for (int i = 0; i < 20; ++i)
        burst << QCanBusFrame(0x110, QByteArray(8, '\x01'));
    s_device->receive(burst);
    QTRY_COMPARE(panel->LostValue->text(), QStringLiteral("13"));
    QTRY_VERIFY(shown(panel->PeakValue) > 0);
    // More frames in a second than the bus can carry: the load is 100 %, the tooltip says why.
    QTRY_VERIFY(panel->LoadValue->text() != QStringLiteral("overrun"));
    s_device->receive(QList<QCanBusFrame>(4 * bitRate / 135, QCanBusFrame(0x110, QByteArray(8, '\x01'))));
    QTRY_COMPARE(panel->LoadValue->text(), QStringLiteral("100.0 %"));
    QVERIFY(panel->LoadValue->toolTip().contains(QStringLiteral("more than a bus can carry")));

    // Where the plugin reports the state, its word counts.
    s_device->reportsStatus = true;
    s_device->status = QCanBusDevice::CanBusStatus::BusOff;
    QTRY_COMPARE(panel->StateValue->text(), QStringLiteral("bus off"));
    QCOMPARE(panel->StateValue->color(), QColor(255, 90, 90));

    // The adapter vanishes: shown at once, without the old figures.
    s_device->vanish(false);
    QCOMPARE(panel->StateValue->text(), QStringLiteral("no adapter"));
    QCOMPARE(panel->LoadValue->text(), QStringLiteral("–"));

    // Off: the last figures stay, greyed.
    w->switchCan(false);
    QVERIFY(!panel->isEnabled());
    QCOMPARE(panel->StateValue->text(), QStringLiteral("no adapter"));
    QCOMPARE(panel->StateValue->color(), QApplication::palette().color(QPalette::Button));
    const double peak = panel->meter().peakLoadPercent();
    QVERIFY(peak > 0);

    // On again: afresh.
    w->switchCan(true);
    QVERIFY(panel->isEnabled());
    QCOMPARE(panel->StateValue->text(), QStringLiteral("unknown"));
    QCOMPARE(panel->ErrorsValue->text(), QStringLiteral("0"));
    QCOMPARE(panel->LostValue->text(), QStringLiteral("0"));
    QCOMPARE(panel->PeakValue->text(), QStringLiteral("0.0 %"));
    w->switchCan(false);
}

void TstBusPanel::showsTheMeasuredLoad_data() {
    QTest::addColumn<bool>("demo"); // the demo bus's two devices instead of a stream on the virtual bus
    QTest::addColumn<bool>("at125");
    QTest::addColumn<int>("framesPerSecond");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<double>("load");
    // 500 x 135 bits = 67,500 bit/s of 250,000.
    QTest::newRow("virtual bus, 500 standard 8-byte frames/s at 250K")
        << false << false << 500 << 8 << false << 27.0;
    // 200 x 120 bits = 24,000 bit/s of 125,000.
    QTest::newRow("virtual bus, 200 extended 4-byte frames/s at 125K")
        << false << true << 200 << 4 << true << 19.2;
    // Two devices reporting every 100 ms: 20 x 135 bits = 2,700 bit/s of 250,000.
    QTest::newRow("demo bus, two devices at 250K") << true << false << 20 << 8 << false << 1.08;
}

void TstBusPanel::showsTheMeasuredLoad() {
    QFETCH(bool, demo);
    QFETCH(bool, at125);
    QFETCH(int, framesPerSecond);
    QFETCH(int, bytes);
    QFETCH(bool, extended);
    QFETCH(double, load);
    if (!demo && !QCanBus::instance()->plugins().contains(QStringLiteral("virtualcan")))
        QSKIP("no virtualcan plugin");

    const QString url = QStringLiteral("tcp://127.0.0.1:%1/can0").arg(m_port);
    auto w = makeWindow(demo ? CanAdapterName{QStringLiteral("demo"), QStringLiteral("demo0")}
                             : CanAdapterName{QStringLiteral("virtualcan"), url});
    w->Button125->setChecked(at125);
    w->switchCan(true);
    QVERIFY(CanOpened);

    // The other side sends a steady stream: as many frames as are due by the clock, every 5 ms.
    std::unique_ptr<QCanBusDevice> peer;
    QTimer sender;
    QElapsedTimer clock;
    qint64 sent = 0;
    if (!demo) {
        peer.reset(QCanBus::instance()->createDevice(QStringLiteral("virtualcan"), url));
        QVERIFY(peer && peer->connectDevice());
        QTRY_COMPARE_WITH_TIMEOUT(peer->state(), QCanBusDevice::ConnectedState, 5000);
        QCanBusFrame frame(extended ? 0x1234567u : 0x123u, QByteArray(bytes, '\x5A'));
        frame.setExtendedFrameFormat(extended);
        clock.start();
        connect(&sender, &QTimer::timeout, this, [&, frame] {
            for (const qint64 due = clock.elapsed() * framesPerSecond / 1000; sent < due; ++sent)
                peer->writeFrame(frame);
        });
        sender.start(5);
    }

    // Within a tenth (and a few frames) of the figures the stream stands for.
    const BusHealthPanel* panel = w->BusPanel;
    QTRY_VERIFY2_WITH_TIMEOUT(
        std::abs(shown(panel->LoadValue) - load) <= load / 10 + 0.1 &&
            std::abs(shown(panel->RatesValue) - framesPerSecond) <= framesPerSecond / 10 + 2,
        qPrintable(panel->LoadValue->text() + QStringLiteral(", ") + panel->RatesValue->text()), 15000);
    QCOMPARE(panel->LostValue->text(), QStringLiteral("0"));
    QCOMPARE(panel->StateValue->text(), demo ? QStringLiteral("error active") : QStringLiteral("unknown"));
    sender.stop();
    w->switchCan(false);
}

void TstBusPanel::showsTheNetworkLink() {
    RegisterSocketcandBus();
    // A server in this process, read only: it refuses the tool's frames with "< error ... >".
    auto server = std::make_unique<SocketcandServer>();
    QString error;
    QVERIFY2(server->listen(QHostAddress::LocalHost, 0, &error), qPrintable(error));
    const QString name = QStringLiteral("127.0.0.1:%1/can0").arg(server->port());
    auto w = makeWindow({QStringLiteral("socketcand"), name});
    w->switchCan(true);
    QVERIFY(CanOpened);
    BusHealthPanel* panel = w->BusPanel;
    panel->setSharingStatus(QStringLiteral("sharing: 2 client(s)"));
    panel->refresh();
    QVERIFY2(
        panel->extraTip().startsWith(
            QStringLiteral("Link: socketcand server 127.0.0.1:%1, bus can0, connected").arg(server->port())),
        qPrintable(panel->extraTip()));
    QVERIFY(panel->extraTip().endsWith(QStringLiteral("\nsharing: 2 client(s)")));

    // The tool's frame is refused: an error frame on the panel, the server's words in the link's lines.
    CanTx[0] = TCanFrame{0x101, 8, {1, 2, 3, 4, 5, 6, 7, 8}};
    QVERIFY(!CanSend(1).failed());
    QTRY_COMPARE(panel->ErrorsValue->text(), QStringLiteral("1"));
    QVERIFY2(panel->extraTip().contains(QStringLiteral("(last: \"sending is not allowed on this server\")")),
             qPrintable(panel->extraTip()));

    // The server goes away: the state says the link is lost.
    server.reset();
    QTRY_COMPARE(panel->stateText(), QStringLiteral("link lost"));
    QCOMPARE(panel->StateValue->color(), QColor(255, 90, 90));
    QVERIFY(panel->extraTip().contains(QStringLiteral("the connection was lost")));
    w->switchCan(false);
}

QTEST_MAIN(TstBusPanel)
#include "tst_buspanel.moc"
