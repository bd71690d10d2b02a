// The trace tools of the main window: the REC toggle and its files, the end of a recording when
// the window closes, the trace view on Ctrl+T, and replay of a trace file through the monitor.

#include "app/BusHealthPanel.h"
#include "app/CAN_Quorvex.h"
#include "app/TraceTools.h"
#include "can/QtCanDriver.h"
#include "can/ToolsCan.h"
#include "core/IniFile.h"
#include "sim/DemoCanBusDevice.h"
#include "tests/FileBytes.h"
#include "trace/TraceCanBusDevice.h"
#include "trace/TraceFrameModel.h"
#include "trace/TraceRecorder.h"
#include "trace/TraceReplayControl.h"
#include "traceview/RecToggle.h"
#include "traceview/TracePlayerWindow.h"
#include "traceview/TraceFileWindow.h"
#include "traceview/TraceView.h"
#include "device/TrendForm.h"
#include "trend/TrendModel.h"
#include "ui/ErrorReport.h"
#include "ui/Switch.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class TstTraceTools : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void recToggleRecordsIntoTheTracesFolder();
    void closingTheWindowCompletesTheFile();
    void chosenAndUnusableFolders();
    void ctrlTShowsTheTraceView();
    void playsATraceThroughTheMonitor();
    void backToTheAdapterAfterATrace();
    void badTraceFilesAreNamed_data();
    void badTraceFilesAreNamed();
    void selfFeedingIsRefused_data();
    void selfFeedingIsRefused();
    void recCountStaysInsideTheToggle_data();
    void recCountStaysInsideTheToggle();
    void openedTraceIsPlottedOnItsTime();

private:
    void useAdapter(const CanAdapterName& adapter) {
        SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{adapter}));
    }
    std::unique_ptr<TCANQuorvex> makeWindow() {
        auto w = std::make_unique<TCANQuorvex>(m_dir->path());
        DemoCanBusDevice::setProject(w->project());
        w->show();
        return w;
    }
    [[nodiscard]] static QList<QByteArray> linesOf(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
        QList<QByteArray> lines = f.readAll().split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_errors;
};

void TstTraceTools::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QFile f(m_dir->filePath("Projects.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Projects]\nProjectQua=1\nProject1=Line2\nProjectNum=1\n[Line2]\nBaseAdr=0x100\nPlusAdr=0x10\n"
            "Use_0=1\nUse_1=1\n");
    f.close();
    CanResetState();
    RegisterDemoBus();
    RegisterTraceBus();
    useAdapter({"demo", "demo0"});
    m_errors.clear();
    SetErrorReporter([this](const QString& text) { m_errors << text; });
    TraceReplayControl::instance().setSpeed(TraceReplayControl::Speed::Max);
    TraceReplayControl::instance().setPaused(false);
}

void TstTraceTools::cleanup() {
    SlCanInstallDriver(nullptr);
    CanResetState();
    SetErrorReporter({});
}

void TstTraceTools::recToggleRecordsIntoTheTracesFolder() {
    auto w = makeWindow();
    TTraceTools* tools = w->traceTools();
    QCOMPARE(tools->RecButton->geometry(), QRect(378, 390, 88, 26));
    QVERIFY(!tools->RecButton->isChecked());
    QTest::mouseClick(tools->RecButton, Qt::LeftButton);
    QVERIFY(tools->isRecording());
    QVERIFY(tools->RecButton->isChecked());
    const QString path = tools->recorder()->path();
    QCOMPARE(QFileInfo(path).absolutePath(), QDir(m_dir->path() + "/traces").absolutePath());
    QVERIFY2(QRegularExpression("^candump-\\d{4}-\\d\\d-\\d\\d_\\d{6}\\.log$")
                 .match(QFileInfo(path).fileName())
                 .hasMatch(),
             qPrintable(path));

    w->switchCan(true);
    QVERIFY(CanOpened);
    QTRY_VERIFY_WITH_TIMEOUT(tools->recorder()->frames() > 10, 5000);
    CanTx[0] = TCanFrame{0x321, 2, {0xAB, 0xCD}}; // the adapter layer sends in the extended format
    QCOMPARE(CanSend(1).Code, uint8_t(0));
    QTRY_VERIFY(tools->RecButton->frames() > 10); // the toggle shows the count
    QTest::mouseClick(tools->RecButton, Qt::LeftButton);
    QVERIFY(!tools->isRecording());
    QVERIFY(!tools->RecButton->isChecked());

    const QList<QByteArray> lines = linesOf(path);
    QCOMPARE(uint64_t(lines.size()), tools->recorder()->frames());
    int sent = 0;
    for (const QByteArray& l : lines)
        sent += l.endsWith(" can0 00000321#ABCD T");
    QCOMPARE(sent, 1);
    QVERIFY(lines.first().endsWith(" R"));
    w->switchCan(false);
}

void TstTraceTools::closingTheWindowCompletesTheFile() {
    auto w = makeWindow();
    const QString path = m_dir->path() + "/given.log";
    QVERIFY(w->traceTools()->startRecording(path));
    w->switchCan(true);
    QTRY_VERIFY_WITH_TIMEOUT(w->traceTools()->recorder()->frames() > 5, 5000);
    QVERIFY(w->close());
    const uint64_t frames = w->traceTools()->recorder()->frames();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray all = f.readAll();
    QVERIFY(all.endsWith('\n'));
    QCOMPARE(uint64_t(all.count('\n')), frames);
}

void TstTraceTools::chosenAndUnusableFolders() {
    auto w = makeWindow();
    TTraceTools* tools = w->traceTools();
    tools->setTracesFolder(m_dir->filePath("mine"));
    QCOMPARE(IniFile(m_dir->path() + "/Quorvex.ini").readString("Traces", "Folder", {}),
             m_dir->filePath("mine"));
    QTest::mouseClick(tools->RecButton, Qt::LeftButton);
    QVERIFY(tools->isRecording());
    QCOMPARE(QFileInfo(tools->recorder()->path()).absolutePath(), m_dir->filePath("mine"));
    QTest::mouseClick(tools->RecButton, Qt::LeftButton);

    QFile blocker(m_dir->filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    tools->setTracesFolder(m_dir->filePath("blocked/sub"));
    QTest::mouseClick(tools->RecButton, Qt::LeftButton);
    QVERIFY(!tools->isRecording());
    QVERIFY(!tools->RecButton->isChecked());
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors[0].contains(QDir::toNativeSeparators(m_dir->filePath("blocked/sub"))),
             qPrintable(m_errors[0]));
}

void TstTraceTools::ctrlTShowsTheTraceView() {
    auto w = makeWindow();
    QVERIFY(w->traceTools()->traceView() == nullptr);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTest::keyClick(w.get(), Qt::Key_T, Qt::ControlModifier);
    TTraceView* view = w->traceTools()->traceView();
    QVERIFY(view);
    QVERIFY(view->isVisible());
    w->switchCan(true);
    QTRY_VERIFY_WITH_TIMEOUT(view->model()->rowCount() > 3, 5000);
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
    QTest::keyClick(view->Table, Qt::Key_Space); // pause
    QVERIFY(view->model()->paused());
    w->switchCan(false);
}

void TstTraceTools::playsATraceThroughTheMonitor() {
    // 30 frames of 0x110 and 20 of 0x111 (some recorded as sent), a CAN FD line and a broken one.
    const QString path = m_dir->filePath("in.log");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < 50; ++i)
            f.write(QStringLiteral("(%1.%2) can0 %3#0001%4 %5\n")
                        .arg(1000 + i / 10)
                        .arg(i % 10 * 100000, 6, 10, QChar('0'))
                        .arg(i % 5 < 3 ? "110" : "111")
                        .arg(i, 4, 16, QChar('0'))
                        .arg(i % 7 == 0 ? "T" : "R")
                        .toLatin1());
        f.write("(1010.0) can0 110##1AA\n(1010.0) can0 broken\n");
    }
    auto w = makeWindow();
    w->traceTools()->playTrace(path);
    TraceReplayControl::instance().setPaused(true);
    w->switchCan(true);
    QVERIFY(CanOpened);
    QTest::qWait(100);
    QCOMPARE(w->framesProcessed(), quint64(0)); // paused
    TraceReplayControl::instance().setPaused(false);
    QTRY_VERIFY_WITH_TIMEOUT(TraceReplayControl::instance().status().finished, 10000);
    QTRY_COMPARE(w->framesProcessed(), quint64(50));
    QCOMPARE(w->idStats().used(), 2);
    QCOMPARE(w->idStats().entry(1).Id, 0x110u);
    QCOMPARE(w->idStats().entry(1).Hits, 30u);
    QCOMPARE(w->idStats().entry(2).Hits, 20u);
    const QString text = TraceReplayControl::instance().statusText();
    QVERIFY2(text.startsWith("trace finished: 50 frames") && text.contains("1 lines could not be read") &&
                 text.contains("1 CAN FD"),
             qPrintable(text));
    TTracePlayerWindow* player = w->traceTools()->playerWindow();
    QVERIFY(player && player->isVisible());
    player->refresh();
    QCOMPARE(player->StatusLabel->text(), text);
    w->switchCan(false);
}

void TstTraceTools::backToTheAdapterAfterATrace() {
    const QString path = m_dir->filePath("short.log");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("(1000.000000) can0 110#0001 R\n(1000.100000) can0 110#0002 R\n");
    }
    auto w = makeWindow();
    TTraceTools* tools = w->traceTools();
    QCOMPARE(w->BusPanel->sourceText(), QStringLiteral("demo"));
    w->switchCan(true);
    QVERIFY(tools->playTrace(path));
    QVERIFY(CanOpened);
    QCOMPARE(w->BusPanel->sourceText(), QStringLiteral("trace: short.log"));
    QTRY_VERIFY_WITH_TIMEOUT(TraceReplayControl::instance().status().finished, 10000);
    QVERIFY(tools->playerWindow()->isVisible());

    // The player's button: the demo bus again, the switch still on, the player closed.
    QTest::mouseClick(tools->playerWindow()->BackButton, Qt::LeftButton);
    QVERIFY(w->CANswitch->isOn() && CanOpened);
    QCOMPARE(w->BusPanel->sourceText(), QStringLiteral("demo"));
    QVERIFY(!tools->playerWindow()->isVisible());
    QVERIFY(TraceReplayControl::instance().status().path.isEmpty());
    // The demo devices talk; the panel reads the adapter's state, not the trace's.
    const quint64 before = w->framesProcessed();
    QTRY_VERIFY_WITH_TIMEOUT(w->framesProcessed() > before + 5, 5000);
    w->BusPanel->refresh();
    QVERIFY2(w->BusPanel->stateText() != QStringLiteral("unknown"), qPrintable(w->BusPanel->stateText()));
    // Off and on again plays no trace and opens no player.
    w->switchCan(false);
    w->switchCan(true);
    QCOMPARE(w->BusPanel->sourceText(), QStringLiteral("demo"));
    QTest::qWait(100);
    QVERIFY(!tools->playerWindow()->isVisible());
    QVERIFY(!tools->backToAdapter()); // nothing to go back from
    w->switchCan(false);
}

void TstTraceTools::badTraceFilesAreNamed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("says");
    QTest::newRow("missing") << "none.log"
                             << "no such file";
    QTest::newRow("folder") << "dir.log"
                            << "is a folder";
}

void TstTraceTools::badTraceFilesAreNamed() {
    QFETCH(QString, name);
    QFETCH(QString, says);
    QVERIFY(QDir(m_dir->path()).mkdir("dir.log"));
    auto w = makeWindow();
    w->traceTools()->playTrace(m_dir->filePath(name));
    w->switchCan(true);
    QVERIFY(!CanOpened);
    const QString error = TraceReplayControl::instance().status().error;
    QVERIFY2(error.contains(says) && error.contains(name), qPrintable(error));
    QVERIFY(w->traceTools()->playerWindow()->StatusLabel->text().contains(says));
    w->switchCan(false);
}

// The file being recorded is never played, and the file being played never recorded into, by
// whatever name: the replay would record its own frames again and again until the disk is full.
void TstTraceTools::selfFeedingIsRefused_data() {
    QTest::addColumn<QString>("first");  // "record" or "play"
    QTest::addColumn<QString>("second"); // how the same file is named the second time
    QTest::addColumn<bool>("byAdapter"); // played as the adapter in use (as --can trace: does)
    for (const char* name : {"same.log", "link.log", "hard.log", "sub/../same.log"}) {
        QTest::addRow("recording, then play %s", name) << "record" << name << false;
        QTest::addRow("playing, then record into %s", name) << "play" << name << false;
    }
    QTest::newRow("recording, then the switch on a trace adapter of it") << "record"
                                                                         << "link.log" << true;
}

void TstTraceTools::selfFeedingIsRefused() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, byAdapter);
    const QString same = m_dir->filePath("same.log");
    const QByteArray lines = "(1.0) can0 110#01 R\n(2.0) can0 110#02 R\n";
    QVERIFY(WriteFileBytes(same, lines) && QFile::link(same, m_dir->filePath("link.log")));
    QVERIFY(::link(QFile::encodeName(same), QFile::encodeName(m_dir->filePath("hard.log"))) == 0);
    QVERIFY(QDir(m_dir->path()).mkdir("sub"));
    const QString other = m_dir->filePath(second);
    auto w = makeWindow();
    TTraceTools* tools = w->traceTools();
    TraceReplayControl::instance().setPaused(true); // the file stays as it is while it is played
    if (first == "record") {
        QVERIFY(tools->startRecording(same));
        if (byAdapter) {
            useAdapter({"trace", other});
            w->switchCan(true);
            QVERIFY(!CanOpened);
        } else {
            QVERIFY(!tools->playTrace(other));
        }
        QVERIFY(tools->isRecording()); // the recording goes on
    } else {
        QVERIFY(tools->playTrace(same));
        w->switchCan(true);
        QVERIFY(!tools->startRecording(other));
        QVERIFY(!tools->isRecording() && TraceReplayControl::instance().status().playing); // it plays on
    }
    const QString said = byAdapter ? TraceReplayControl::instance().status().error : m_errors.value(0);
    QCOMPARE(m_errors.size(), byAdapter ? 0 : 1);
    QVERIFY2(said.contains(other) && said.contains(first == "record" ? "being recorded" : "being played"),
             qPrintable(said));
    w->switchCan(false);
    tools->stopRecording();
    QCOMPARE(ReadFileBytes(same), lines);
}

// The frame count beside "REC", in the toggle's 88 x 26 pixels, at the program's 11-pixel font and
// at a large one: never over the caption, never out of the button.
void TstTraceTools::recCountStaysInsideTheToggle_data() {
    QTest::addColumn<quint64>("frames");
    QTest::addColumn<QString>("shown"); // at 11 pixels, beside "REC"
    const std::pair<quint64, const char*> counts[] = {
        {0, "0"},           {9999, "9999"},       {10000, "10.0k"},      {99960, "100k"},
        {1380700, "1.38M"}, {999500000, "1.00G"}, {~quint64(0), "18.4E"}};
    for (const auto& [frames, shown] : counts)
        QTest::addRow("%llu", frames) << frames << QString::fromLatin1(shown);
}

void TstTraceTools::recCountStaysInsideTheToggle() {
    QFETCH(quint64, frames);
    QFETCH(QString, shown);
    TRecToggle toggle;
    toggle.setGeometry(0, 0, 88, 26);
    toggle.setChecked(true);
    toggle.setFrames(frames);
    for (const int pixels : {11, 20}) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(pixels);
        toggle.setFont(font);
        const TRecToggle::TextLayout layout = toggle.textLayout();
        if (pixels == 11) QVERIFY(layout.CountText == shown && !layout.Label.isEmpty()); // side by side
        QVERIFY2(!layout.CountText.isEmpty() && toggle.rect().contains(layout.Count) &&
                     (layout.Label.isEmpty() || layout.Label.right() < layout.Count.left()),
                 qPrintable(layout.CountText));
    }
}

// "Open a trace…" shows the file without playing it; "Plot" on two selected rows of the first
// device draws the registers they carry, read from the whole file, over the trace's time.
void TstTraceTools::openedTraceIsPlottedOnItsTime() {
    const QString trace = m_dir->filePath("site.log");
    {
        QByteArray text = "# header\n";
        for (int i = 0; i <= 300; ++i) // register 24 counts up every 100 ms for 30 s
            text += QStringLiteral("(%1.%2) can0 110#00000000E018%3 R\n")
                        .arg(1733650000 + i / 10)
                        .arg((i % 10) * 100000, 6, 10, QLatin1Char('0'))
                        .arg(i, 4, 16, QLatin1Char('0'))
                        .toLatin1();
        QFile f(trace);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    }
    auto w = makeWindow();
    TTraceFileWindow* view = w->traceTools()->openTrace(trace);
    QVERIFY(view != nullptr);
    QVERIFY(m_errors.isEmpty());
    QTRY_VERIFY(view->model()->indexed());
    view->model()->poll();
    QCOMPARE(view->model()->rowCount(), 302);
    QVERIFY(!TraceReplayControl::instance().status().playing);
    view->Table->selectRow(1);
    QTest::mouseClick(view->PlotButton, Qt::LeftButton);
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join('\n')));
    TTrendForm* form = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<TTrendForm*>(top); f && f->isVisible()) form = f;
    QVERIFY(form != nullptr);
    const TTrendModel& model = form->model();
    QVERIFY(model.traceTime());
    QCOMPARE(model.channelCount(), 3); // registers 24, 25, 26
    const TTrendRing& ring = model.channel(model.slotOf(24, -1))->Ring;
    QCOMPARE(ring.size(), 301);
    QCOMPARE(ring.last().TimeMs - ring.at(0).TimeMs, qint64(30000));
    form->close();
    view->close();
}

QTEST_MAIN(TstTraceTools)
#include "tst_tracetools.moc"
