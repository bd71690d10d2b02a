// Trace files against independent tools: a recorded file read by python-can's CanutilsLogReader
// and converted by can-utils' log2asc frame for frame, and files written by python-can's
// CanutilsLogWriter and by log2asc replayed into the monitor.

#include "can/CanBus.h"
#include "app/CAN_Quorvex.h"
#include "app/TraceTools.h"
#include "can/QtCanDriver.h"
#include "can/ToolsCan.h"
#include "trace/TraceCanBusDevice.h"
#include "trace/TraceFileReader.h"
#include "trace/TraceRecorder.h"
#include "trace/TraceReplayControl.h"
#include "ui/ErrorReport.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

// Runs a program; its standard output, or a failure of the test.
QByteArray run(const QString& program, const QStringList& args, bool* ok) {
    QProcess p;
    p.start(program, args);
    *ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!*ok) qWarning("%s: %s", qPrintable(program), p.readAllStandardError().constData());
    return p.readAllStandardOutput();
}

bool havePythonCan() {
    bool ok = false;
    (void)run(Python, {"-c", "import can"}, &ok);
    return ok;
}

// One frame as both sides print it: "ID ext remote dlc DATA R|T".
QString describe(uint32_t id, bool ext, bool remote, int dlc, const QByteArray& data, bool sent) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(QString::number(id, 16).toUpper())
        .arg(int(ext))
        .arg(int(remote))
        .arg(dlc)
        .arg(QString::fromLatin1(data.toHex().toUpper()))
        .arg(sent ? "T" : "R");
}

} // namespace

class TstTraceInterop : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void recordedFileReadByPeers();
    void peerFilesReplayIntoTheMonitor_data();
    void peerFilesReplayIntoTheMonitor();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TstTraceInterop::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    SetErrorReporter([](const QString& text) { QFAIL(qPrintable(text)); });
}

void TstTraceInterop::cleanup() {
    SlCanInstallDriver(nullptr);
    CanResetState();
    SetErrorReporter({});
}

void TstTraceInterop::recordedFileReadByPeers() {
    if (!havePythonCan()) QSKIP("python3-can is not installed");
    const QString log2asc = QStandardPaths::findExecutable("log2asc");
    if (log2asc.isEmpty()) QSKIP("can-utils (log2asc) is not installed");

    const QString path = m_dir->filePath("rec.log");
    QStringList expected;
    {
        TraceRecorder rec;
        QVERIFY(rec.start(path));
        auto pass = [&](uint32_t id, bool ext, const QByteArray& data, bool sent, bool remote = false) {
            QCanBusFrame f(id, data);
            f.setExtendedFrameFormat(ext);
            if (remote) f.setFrameType(QCanBusFrame::RemoteRequestFrame);
            CanBus().notify(f, sent ? CanTrafficDirection::Sent : CanTrafficDirection::Received);
            expected << describe(id, ext, remote, int(data.size()), remote ? QByteArray() : data, sent);
        };
        for (int i = 0; i < 20; ++i) {
            pass(0x110 + i % 3, false, QByteArray::fromHex("00010002C005").append(char(i)).append(char(0x34)),
                 false);
            pass(0x1234567, true, QByteArray(1, char(i)), true);
        }
        pass(0x100, false, QByteArray(2, 0), false, true);
        pass(0x7FF, false, QByteArray(), true);
        pass(0x1FFFFFFF, true, QByteArray::fromHex("FFFFFFFFFFFFFFFF").left(8), false);
        rec.stop();
    }
    bool ok = false;
    const QByteArray byPython = run(
        Python,
        {"-c",
         "import can, sys\n"
         "for m in can.CanutilsLogReader(sys.argv[1]):\n"
         "    print('%X %d %d %d %s %s' % (m.arbitration_id, m.is_extended_id, m.is_remote_frame, m.dlc,\n"
         "          bytes(m.data or b'').hex().upper(), 'R' if m.is_rx else 'T'))\n",
         path},
        &ok);
    QVERIFY(ok);
    QCOMPARE(QString::fromLatin1(byPython).split('\n', Qt::SkipEmptyParts), expected);

    const QString asc = m_dir->filePath("rec.asc");
    (void)run(log2asc, {"-I", path, "-O", asc, "can0"}, &ok);
    QVERIFY(ok);
    TraceFileReader reader;
    QVERIFY2(reader.open(asc), qPrintable(reader.errorString()));
    QCOMPARE(reader.format(), TraceFileReader::Format::Asc);
    QStringList byAsc;
    TraceFrame f;
    while (reader.next(f) == TraceFileReader::Result::Frame)
        byAsc << describe(f.id, f.extended, f.remote, f.dlc,
                          f.remote ? QByteArray() : QByteArray(reinterpret_cast<const char*>(f.data), f.dlc),
                          f.direction == TraceDirection::Sent);
    QCOMPARE(byAsc, expected);
    QCOMPARE(reader.badLines(), uint64_t(0));
}

void TstTraceInterop::peerFilesReplayIntoTheMonitor_data() {
    QTest::addColumn<bool>("asc");
    QTest::newRow("written by python-can") << false;
    QTest::newRow("converted by log2asc") << true;
}

void TstTraceInterop::peerFilesReplayIntoTheMonitor() {
    QFETCH(bool, asc);
    if (!havePythonCan()) QSKIP("python3-can is not installed");
    const QString log2asc = QStandardPaths::findExecutable("log2asc");
    if (asc && log2asc.isEmpty()) QSKIP("can-utils (log2asc) is not installed");

    // 40 frames of 0x110 received, 25 of 0x18FF0001 sent, 5 remote frames of 0x120.
    const QString log = m_dir->filePath("py.log");
    bool ok = false;
    (void)run(
        Python,
        {"-c",
         "import can, sys\n"
         "w = can.CanutilsLogWriter(sys.argv[1], channel='can0')\n"
         "t = 0.0\n"
         "for i in range(70):\n"
         "    t += 0.001\n"
         "    if i % 14 == 13:\n"
         "        m = can.Message(timestamp=t, arbitration_id=0x120, is_extended_id=False,\n"
         "                        is_remote_frame=True, dlc=2)\n"
         "    elif i % 14 >= 8:\n"
         "        m = can.Message(timestamp=t, arbitration_id=0x18FF0001, data=[i, 1, 2], is_rx=False)\n"
         "    else:\n"
         "        m = can.Message(timestamp=t, arbitration_id=0x110, is_extended_id=False,\n"
         "                        data=[0, 1, 0, 2, i, 5, 6, 7])\n"
         "    w.on_message_received(m)\n"
         "w.stop()\n",
         log},
        &ok);
    QVERIFY(ok);
    QString trace = log;
    if (asc) {
        trace = m_dir->filePath("py.asc");
        (void)run(log2asc, {"-I", log, "-O", trace, "can0"}, &ok);
        QVERIFY(ok);
    }

    QFile ini(m_dir->filePath("Projects.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Projects]\nProjectQua=1\nProject1=Line2\nProjectNum=1\n[Line2]\nBaseAdr=0x100\nPlusAdr="
              "0x10\nUse_0=1\n");
    ini.close();
    RegisterTraceBus();
    SlCanInstallDriver(std::make_unique<QtCanDriver>(QList<CanAdapterName>{{"trace", trace}}));
    TraceReplayControl::instance().setSpeed(TraceReplayControl::Speed::Max);
    TraceReplayControl::instance().setPaused(false);
    TCANQuorvex w(m_dir->path());
    w.switchCan(true);
    QVERIFY(CanOpened);
    QTRY_VERIFY_WITH_TIMEOUT(TraceReplayControl::instance().status().finished, 10000);
    QTRY_COMPARE(w.framesProcessed(), quint64(70));
    QCOMPARE(TraceReplayControl::instance().statusText(), QString("trace finished: 70 frames"));
    QMap<uint32_t, uint32_t> hits;
    for (int j = 1; j <= w.idStats().used(); ++j)
        hits[w.idStats().entry(j).Id] = w.idStats().entry(j).Hits;
    QCOMPARE(hits, (QMap<uint32_t, uint32_t>{{0x110, 40}, {0x18FF0001, 25}, {0x120, 5}}));
    w.switchCan(false);
}

QTEST_MAIN(TstTraceInterop)
#include "tst_trace_interop.moc"
