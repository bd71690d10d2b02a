// The offline trace view's index and rows: every line of a file is found at its offset (CRLF line
// ends, lines far longer than a reader takes, lines across the scan's blocks, a last line without
// its end), the checkpoints point at the right lines, and the rows read there, filtered over the
// whole file and found by time.

#include "trace/TraceFileModel.h"
#include "trace/TraceLineIndex.h"
#include "trace/TraceLineScan.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace {

// The frame line of frame n: identifier 0x100 + n % 3, time n/10 s after 1733650000.
QByteArray frameLine(int n, const char* end) {
    return QStringLiteral("(%1.%2) can0 %3#%4 R")
               .arg(1733650000 + n / 10)
               .arg((n % 10) * 100000, 6, 10, QLatin1Char('0'))
               .arg(0x100 + n % 3, 3, 16, QLatin1Char('0'))
               .arg(n & 0xFF, 2, 16, QLatin1Char('0'))
               .toLatin1() +
           end;
}

// Where the lines of a text begin, counted byte by byte.
std::vector<qint64> lineStarts(const QByteArray& text) {
    std::vector<qint64> starts;
    if (!text.isEmpty()) starts.push_back(0);
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\n') starts.push_back(i + 1);
    return starts;
}

} // namespace

class TstTraceFileIndex : public QObject {
    Q_OBJECT
private slots:
    void linesAtTheirOffsets_data();
    void linesAtTheirOffsets();
    void rowsOfALargeFile();
};

void TstTraceFileIndex::linesAtTheirOffsets_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("cutLines");
    QTest::newRow("CRLF") << frameLine(1, "\r\n") + frameLine(2, "\r\n") + frameLine(3, "\r\n") << 0;
    QTest::newRow("no end on the last line") << frameLine(1, "\n") + frameLine(2, "") << 0;
    QTest::newRow("empty lines") << QByteArray("\n\n\r\n") + frameLine(1, "\n") << 0;
    QTest::newRow("long line") << frameLine(1, "\n") + QByteArray(10000, 'x') + "\n" + frameLine(2, "\n")
                               << 1;
    QTest::newRow("long last line") << frameLine(1, "\n") + QByteArray(5000, 'x') << 1;
    // Lines of the first block's end run on into the next one.
    QByteArray many;
    for (int n = 0; many.size() < (3 << 20); ++n)
        many += frameLine(n, n % 7 == 0 ? "\r\n" : "\n");
    QTest::newRow("across blocks") << many << 0;
    QTest::newRow("long line across blocks")
        << QByteArray((1 << 20) - 10, 'y') + "\n" + QByteArray((1 << 20) + 20, 'z') + "\n" + frameLine(1, "")
        << 2;
    QTest::newRow("unreadable lines")
        << QByteArray("garbage\n(x) can0 100#00\n\xff\xfe\x01\n") + frameLine(1, "\n") << 0;
}

void TstTraceFileIndex::linesAtTheirOffsets() {
    QFETCH(QByteArray, text);
    QFETCH(int, cutLines);
    QBuffer buffer(&text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    std::vector<qint64> offsets;
    int cut = 0;
    TraceLineScan scan;
    scan.MaxLength = 4096;
    scan.Take = [&](qint64 offset, QByteArrayView line, bool isCut) {
        offsets.push_back(offset);
        cut += isCut ? 1 : 0;
        // What a reader gets is the line as the file holds it (cut after MaxLength + 1 bytes).
        QVERIFY(line.size() <= 4097);
        QCOMPARE(QByteArrayView(text).sliced(offset, line.size()), line);
        if (!isCut) QVERIFY(offset + line.size() == text.size() || text[offset + line.size()] == '\n');
    };
    const std::atomic<bool> cancel{false};
    QVERIFY(scan.run(buffer, cancel, nullptr));
    QCOMPARE(offsets, lineStarts(text));
    QCOMPARE(cut, cutLines);
}

void TstTraceFileIndex::rowsOfALargeFile() {
    // 3000 lines: frames with CRLF now and then, a long line, a line that cannot be read and a
    // comment, so checkpoints fall on each kind.
    QByteArray text;
    std::vector<int> frameOfLine; // -1: no frame
    for (int n = 0; n < 3000; ++n) {
        if (n == 700) {
            text += QByteArray(6000, 'x') + "\n";
            frameOfLine.push_back(-1);
        } else if (n == 1024) {
            text += "not a frame\n";
            frameOfLine.push_back(-1);
        } else if (n == 1536) {
            text += "# comment\r\n";
            frameOfLine.push_back(-1);
        } else {
            text += frameLine(n, n % 5 == 0 ? "\r\n" : "\n");
            frameOfLine.push_back(n);
        }
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.log"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    f.close();

    const std::vector<qint64> starts = lineStarts(text);
    TraceLineIndex index;
    const std::atomic<bool> cancel{false};
    QVERIFY(index.build(path, TraceFileReader::Format::Candump, cancel));
    QCOMPARE(index.lines(), qint64(3000));
    QCOMPARE(index.checkpoints(), qint64(6));
    for (qint64 k = 0; k < index.checkpoints(); ++k)
        QCOMPARE(index.checkpoint(k).Offset, starts[static_cast<size_t>(k * TraceLineIndex::Step)]);
    // Checkpoint 2 begins with the unreadable line: its first frame is the next line's.
    QCOMPARE(index.checkpoint(2).FirstTimeUs, int64_t(1733650000) * 1000000 + 102500000);

    TraceFileModel model;
    QString error;
    QVERIFY2(model.open(path, &error), qPrintable(error));
    QTRY_VERIFY(model.indexed());
    model.poll();
    QCOMPARE(model.rowCount(), 3000);
    for (int row : {0, 1, 5, 511, 512, 699, 700, 701, 1023, 1024, 1025, 1536, 2999}) {
        TraceFrame frame;
        const bool isFrame = model.frameOfRow(row, frame);
        QCOMPARE(isFrame, frameOfLine[static_cast<size_t>(row)] >= 0);
        if (isFrame) {
            QCOMPARE(frame.id, uint32_t(0x100 + row % 3));
            QCOMPARE(frame.data[0], uint8_t(row & 0xFF));
        }
    }
    QCOMPARE(model.data(model.index(700, TraceFileModel::DataColumn), Qt::DisplayRole).toString().left(16),
             QStringLiteral("unreadable line:"));
    QCOMPARE(model.data(model.index(1536, TraceFileModel::DataColumn), Qt::DisplayRole).toString(),
             QStringLiteral("# comment"));
    QCOMPARE(model.rowAtTime(int64_t(1733650000) * 1000000 + 153550000), 1537); // after the comment

    // Identifier 0x102 over the whole file: every third line, less those without a frame.
    model.setFilter(*TraceIdFilter::parse(u"102"), QString());
    QTRY_VERIFY(!model.filtering());
    model.poll();
    int expected = 0;
    for (int n : frameOfLine)
        expected += n >= 0 && n % 3 == 2 ? 1 : 0;
    QCOMPARE(model.rowCount(), expected);
    QCOMPARE(model.lineOfRow(0), qint64(2));
    QCOMPARE(model.rowAtTime(int64_t(1733650000) * 1000000 + 100000000), 333); // line 1001
}

QTEST_GUILESS_MAIN(TstTraceFileIndex)
#include "tst_TraceFileIndex.moc"
