// The recorder as plain code: what it writes for the adapter's traffic, how it continues a file,
// and what is left and said when the file cannot be opened or written.

#include "can/CanBus.h"
#include "tests/FileBytes.h"
#include "tests/NonRegularFiles.h"
#include "trace/CandumpFormat.h"
#include "trace/TraceRecorder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QCanBusFrame frame(uint32_t id, const QByteArray& data, bool extended = false) {
    QCanBusFrame f(id, data);
    f.setExtendedFrameFormat(extended);
    return f;
}

} // namespace

class TstTraceRecorder : public QObject {
    Q_OBJECT
private slots:
    void recordsTheTraffic();
    void continuesAnExistingFile();
    void cannotOpen_data();
    void cannotOpen();
    void failedWriteKeepsWholeLines();
    void removedFolderStopsRecording_data();
    void removedFolderStopsRecording();
};

void TstTraceRecorder::recordsTheTraffic() {
    QTemporaryDir dir;
    const QString path = dir.filePath("t.log");
    TraceRecorder rec;
    QSignalSpy stopped(&rec, &TraceRecorder::stopped);
    CanBus().notify(frame(0x101, "\x01"), CanTrafficDirection::Received); // before the start: not recorded
    QVERIFY2(rec.start(path), qPrintable(rec.errorString()));
    CanBus().notify(frame(0x110, QByteArray::fromHex("00010002C0051234")), CanTrafficDirection::Received);
    CanBus().notify(frame(0x1234567, "\xab", true), CanTrafficDirection::Sent);
    QCanBusFrame remote(0x100, QByteArray(2, 0));
    remote.setFrameType(QCanBusFrame::RemoteRequestFrame);
    CanBus().notify(remote, CanTrafficDirection::Received);
    QCanBusFrame error;
    error.setFrameType(QCanBusFrame::ErrorFrame);
    CanBus().notify(error, CanTrafficDirection::Received); // recorded as candump writes it
    QCOMPARE(rec.frames(), uint64_t(4));
    rec.stop();
    CanBus().notify(frame(0x102, "\x02"), CanTrafficDirection::Received); // after the stop: not recorded
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(stopped.at(0).at(0).toString(), QString());

    const QList<QByteArray> lines = ReadFileBytes(path).split('\n');
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[4].isEmpty()); // the last line is whole
    const QByteArray tails[4] = {" can0 110#00010002C0051234 R", " can0 01234567#AB T", " can0 100#R2 R",
                                 " can0 20000000#0000000000000000"};
    int64_t previous = 0;
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(lines[i].endsWith(tails[i]), lines[i].constData());
        TraceFrame f;
        QCOMPARE(ParseCandumpLine(lines[i], f), TraceLineResult::Frame);
        QVERIFY(f.timeUs >= previous); // monotonic
        QVERIFY(f.timeUs > 1700000000LL * 1000000);
        previous = f.timeUs;
    }
}

void TstTraceRecorder::continuesAnExistingFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("t.log");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("(1.000000) can0 001#01 R"); // no line end
    f.close();
    TraceRecorder rec;
    QVERIFY(rec.start(path));
    CanBus().notify(frame(0x2, "\x02"), CanTrafficDirection::Received);
    rec.stop();
    const QList<QByteArray> lines = ReadFileBytes(path).split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QByteArray("(1.000000) can0 001#01 R"));
    QVERIFY(lines[1].endsWith(" can0 002#02 R"));
}

void TstTraceRecorder::cannotOpen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder missing") << "missing/t.log" << QString::fromLocal8Bit(strerror(ENOENT));
    QTest::newRow("a folder") << QString("sub") << QString("a folder, not a regular file");
    for (const QString& kind : NonRegularFileKinds)
        QTest::newRow(qPrintable(kind)) << "special" << kind + ", not a regular file";
}

void TstTraceRecorder::cannotOpen() {
    QFETCH(QString, name);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    if (name == "special" &&
        !MakeNonRegularFile(QString::fromLatin1(QTest::currentDataTag()), dir.filePath(name)))
        QSKIP("this machine does not let the test make such a file");
    TraceRecorder rec;
    QVERIFY(!rec.start(dir.filePath(name)));
    QVERIFY(!rec.isRecording());
    QVERIFY2(rec.errorString().contains(dir.filePath(name)) && rec.errorString().contains(cause),
             qPrintable(rec.errorString()));
}

void TstTraceRecorder::failedWriteKeepsWholeLines() {
    // A file size limit makes the disk "full" after Limit bytes.
    constexpr rlim_t Limit = 1000;
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
    rlimit small = old;
    small.rlim_cur = Limit;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    QTemporaryDir dir;
    const QString path = dir.filePath("t.log");
    TraceRecorder rec;
    QSignalSpy stopped(&rec, &TraceRecorder::stopped);
    QVERIFY(rec.start(path));
    for (int i = 0; i < 100; ++i)
        CanBus().notify(frame(0x100 + i, QByteArray(8, char(i))), CanTrafficDirection::Received);
    rec.handOver();
    QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 5000);
    setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!rec.isRecording());
    const QString reason = stopped.at(0).at(0).toString();
    QVERIFY2(reason.contains(path) && reason.contains(QString::fromLocal8Bit(strerror(EFBIG))),
             qPrintable(reason));

    const QByteArray written = ReadFileBytes(path);
    QVERIFY(written.size() > 0 && written.size() <= qsizetype(Limit));
    QVERIFY(written.endsWith('\n'));
    const QList<QByteArray> lines = written.chopped(1).split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        TraceFrame f;
        QCOMPARE(ParseCandumpLine(lines[i], f), TraceLineResult::Frame);
        QCOMPARE(f.id, uint32_t(0x100 + i));
    }
}

void TstTraceRecorder::removedFolderStopsRecording_data() {
    QTest::addColumn<bool>("moved"); // else deleted
    QTest::addColumn<QString>("says");
    QTest::newRow("folder deleted") << false << "deleted. The lines recorded into it went with it.";
    QTest::newRow("folder moved") << true << "moved or renamed. The lines recorded so far stay in the file";
}

void TstTraceRecorder::removedFolderStopsRecording() {
    QFETCH(bool, moved);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    const QString path = dir.filePath("sub/t.log");
    TraceRecorder rec;
    QSignalSpy stopped(&rec, &TraceRecorder::stopped);
    QVERIFY(rec.start(path));
    if (moved)
        QVERIFY(QDir(dir.path()).rename("sub", "elsewhere"));
    else
        QVERIFY(QDir(dir.filePath("sub")).removeRecursively());
    // The writer looks for its file once a second.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            CanBus().notify(frame(0x1, "\x01"), CanTrafficDirection::Received);
            rec.handOver();
            return !stopped.isEmpty();
        }(),
        5000);
    QVERIFY2(stopped.at(0).at(0).toString().contains(says), qPrintable(stopped.at(0).at(0).toString()));
    // What the message says of the lines is true.
    QCOMPARE(QFileInfo::exists(dir.filePath("elsewhere/t.log")), moved);
}

QTEST_GUILESS_MAIN(TstTraceRecorder)
#include "tst_TraceRecorder.moc"
