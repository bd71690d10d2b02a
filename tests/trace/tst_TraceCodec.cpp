// The candump writer and reader, the ASC reader and the streaming file reader as plain code.

#include "tests/NonRegularFiles.h"
#include "trace/AscFormat.h"
#include "trace/CandumpFormat.h"
#include "trace/TraceFileReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TraceLineResult)
Q_DECLARE_METATYPE(TraceDirection)

namespace {

TraceFrame frameOf(int64_t us, uint32_t id, bool ext, QByteArray data, TraceDirection dir,
                   bool remote = false) {
    TraceFrame f;
    f.timeUs = us;
    f.id = id;
    f.extended = ext;
    f.remote = remote;
    f.dlc = static_cast<uint8_t>(data.size());
    memcpy(f.data, data.constData(), static_cast<size_t>(data.size()));
    f.direction = dir;
    return f;
}

QByteArray dataOf(const TraceFrame& f) {
    return f.remote ? QByteArray() : QByteArray(reinterpret_cast<const char*>(f.data), f.dlc);
}

} // namespace

class TstTraceCodec : public QObject {
    Q_OBJECT
private slots:
    void writer_data();
    void writer();
    void candumpReader_data();
    void candumpReader();
    void ascReader_data();
    void ascReader();
    void fileReader_data();
    void fileReader();
    void badFiles_data();
    void badFiles();
};

void TstTraceCodec::writer_data() {
    QTest::addColumn<TraceFrame>("frame");
    QTest::addColumn<QByteArray>("line");
    using D = TraceDirection;
    QTest::newRow("standard, 8 bytes, received")
        << frameOf(1733650000123456, 0x110, false, QByteArray::fromHex("00010002C0051234"), D::Received)
        << QByteArray("(1733650000.123456) can0 110#00010002C0051234 R\n");
    QTest::newRow("extended, sent") << frameOf(1733650000000005, 0x12345678, true, "\x01\xab", D::Sent)
                                    << QByteArray("(1733650000.000005) can0 12345678#01AB T\n");
    QTest::newRow("extended with a small identifier")
        << frameOf(0, 0x5, true, "\xff", D::Received) << QByteArray("(0.000000) can0 00000005#FF R\n");
    QTest::newRow("DLC 0, no direction")
        << frameOf(2500000, 0x7FF, false, {}, D::Unknown) << QByteArray("(2.500000) can0 7FF#\n");
    QTest::newRow("remote") << frameOf(1000001, 0x100, false, "\0\0\0", D::Received, true)
                            << QByteArray("(1.000001) can0 100#R R\n");
    QTest::newRow("remote keeps its length")
        << frameOf(1000001, 0x123, false, QByteArray(5, '\0'), D::Received, true)
        << QByteArray("(1.000001) can0 123#R5 R\n");
    TraceFrame error = frameOf(3000000, 0x80, true, QByteArray::fromHex("0000000000000000"), D::Unknown);
    error.error = true;
    error.extended = false;
    QTest::newRow("error frame") << error << QByteArray("(3.000000) can0 20000080#0000000000000000\n");
}

void TstTraceCodec::writer() {
    QFETCH(TraceFrame, frame);
    QFETCH(QByteArray, line);
    QByteArray out("x");
    AppendCandumpLine(out, frame, "can0");
    QCOMPARE(out, "x" + line);
    // The reader takes back what the writer wrote.
    TraceFrame back;
    QCOMPARE(ParseCandumpLine(QByteArrayView(line).chopped(1), back), TraceLineResult::Frame);
    QCOMPARE(back.timeUs, frame.timeUs);
    QCOMPARE(back.id, frame.id);
    QCOMPARE(back.extended, frame.extended);
    QCOMPARE(back.remote, frame.remote);
    QCOMPARE(back.error, frame.error);
    QCOMPARE(back.dlc, frame.dlc);
    QCOMPARE(dataOf(back), dataOf(frame));
    QCOMPARE(back.direction, frame.direction);
}

void TstTraceCodec::candumpReader_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<TraceLineResult>("result");
    QTest::addColumn<int64_t>("timeUs");
    QTest::addColumn<uint32_t>("id");
    QTest::addColumn<bool>("extended");
    QTest::addColumn<bool>("remote");
    QTest::addColumn<int>("dlc");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<TraceDirection>("dir");
    using R = TraceLineResult;
    using D = TraceDirection;
    const QByteArray none;
    QTest::newRow("python-can, relative time")
        << QByteArray("(0.000000) vcan0 110#0102 R") << R::Frame << int64_t(0) << 0x110u << false << false
        << 2 << QByteArray("\x01\x02") << D::Received;
    QTest::newRow("unpadded timestamp, no direction")
        << QByteArray("(1.5) can0 123#aBcD") << R::Frame << int64_t(1500000) << 0x123u << false << false << 2
        << QByteArray("\xab\xcd") << D::Unknown;
    QTest::newRow("more than six decimals, tabs")
        << QByteArray("(7.12345678)\tcan1\t00000123#\tT") << R::Frame << int64_t(7123456) << 0x123u << true
        << false << 0 << none << D::Sent;
    QTest::newRow("remote with length") << QByteArray("(3) can0 100#R3") << R::Frame << int64_t(3000000)
                                        << 0x100u << false << true << 3 << none << D::Unknown;
    QTest::newRow("dots between bytes, CRLF")
        << QByteArray("(1.0) can0 1AB#01.02.03\r") << R::Frame << int64_t(1000000) << 0x1ABu << false << false
        << 3 << QByteArray("\x01\x02\x03") << D::Unknown;
    QTest::newRow("blank") << QByteArray("   ") << R::Ignored << int64_t(0) << 0u << false << false << 0
                           << none << D::Unknown;
    QTest::newRow("CAN FD") << QByteArray("(1.0) can0 110##1AABB") << R::CanFd << int64_t(0) << 0u << false
                            << false << 0 << none << D::Unknown;
    const char* const broken[] = {
        "(abc) can0 110#00",
        "can0 110#00",
        "(1.0) can0 110#0",
        "(1.0) can0 800#00",
        "(1.0) can0 110#001122334455667788",
        "(1.0) can0 110#00 X",
        "(1.0) can0 110#00 R extra",
        "(1.0) can0 110",
        "(1.0) can0 #00",
        "(1.0) can0 40000000#00",
        "(-1.0) can0 110#00",
        "(1.0) can0 110#R9",
    };
    for (const char* b : broken)
        QTest::newRow(b) << QByteArray(b) << R::Bad << int64_t(0) << 0u << false << false << 0 << none
                         << D::Unknown;
}

void TstTraceCodec::candumpReader() {
    QFETCH(QByteArray, line);
    QFETCH(TraceLineResult, result);
    TraceFrame f;
    QCOMPARE(ParseCandumpLine(line, f), result);
    if (result != TraceLineResult::Frame) return;
    QFETCH(int64_t, timeUs);
    QFETCH(uint32_t, id);
    QFETCH(bool, extended);
    QFETCH(bool, remote);
    QFETCH(int, dlc);
    QFETCH(QByteArray, data);
    QFETCH(TraceDirection, dir);
    QCOMPARE(f.timeUs, timeUs);
    QCOMPARE(f.id, id);
    QCOMPARE(f.extended, extended);
    QCOMPARE(f.remote, remote);
    QCOMPARE(int(f.dlc), dlc);
    QCOMPARE(dataOf(f), data);
    QCOMPARE(f.direction, dir);
}

void TstTraceCodec::ascReader_data() {
    QTest::addColumn<QByteArray>("text");
    // One line per frame read: "time id[x] R|T dlc data" (r for remote), or the result's name.
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("as log2asc writes it")
        << QByteArray(
               "date Sun Dec  8 09:26:40 2024\nbase hex  timestamps absolute\nno internal events logged\n"
               "   0.000000 1  110             Rx   d 8 00 01 00 02 C0 05 12 34\n"
               "   0.100000 1  12345678x       Tx   d 2 01 02\n"
               "   0.200000 1  100             Rx   r 0\n"
               "   0.300000 1  7FF             Rx   d 0\n")
        << QStringList{"ignored",
                       "ignored",
                       "ignored",
                       "0 110 R 8 00010002c0051234",
                       "100000 12345678x T 2 0102",
                       "200000 100 R r0 ",
                       "300000 7ff R 0 "};
    QTest::newRow("decimal, relative, with extras")
        << QByteArray("base dec timestamps relative\r\n"
                      "// version 9.0.0\r\n"
                      "Begin Triggerblock Sun Dec 8 09:26:40.000 2024\r\n"
                      "   0.5000 1  Start of measurement\r\n"
                      "   1.0 1  272  Rx   d 2 255 16  Length = 0 BitCount = 64 ID = 272\r\n"
                      "   0.25 1  ErrorFrame\r\n"
                      "   0.25 2  100 Rx r\r\n"
                      "   1.0 1  Statistic: D 0 R 0 XD 0\r\n"
                      "   1.0 CANFD 1 Rx 110 1 0 8 8 00 00 00 00 00 00 00 00\r\n"
                      "End TriggerBlock\r\n")
        << QStringList{"ignored", "ignored",          "ignored", "ignored", "1000000 110 R 2 ff10",
                       "error",   "1500000 64 R r0 ", "ignored", "canfd",   "ignored"};
    QTest::newRow("broken lines")
        << QByteArray("   1.x 1 110 Rx d 1 00\n   1.0 1 110 Xx d 1 00\n   1.0 1 110 Rx d 9 00\n"
                      "   1.0 1 110 Rx d 2 00\n   1.0 1 800 Rx d 0\n   1.0 1 110 Rx d 1 1FF\n")
        << QStringList{"bad", "bad", "bad", "bad", "bad", "bad"};

    // Times: up to 999999999999.999999 s; beyond, and below zero, a line cannot be read.
    QTest::newRow("relative times up to the largest")
        << QByteArray("base hex timestamps relative\n999999999999.0 1 1 Rx d 0\n0.999999 1 2 Rx d 0\n"
                      "0.000001 1 3 Rx d 0\n0 1 4 Rx d 0\n")
        << QStringList{"ignored", "999999999999000000 1 R 0 ", "999999999999999999 2 R 0 ", "bad",
                       "999999999999999999 4 R 0 "};
    QTest::newRow("relative, 50 times the largest")
        << "base hex timestamps relative\n" + QByteArray("999999999999.999999 1 123 Rx d 1 00\n").repeated(50)
        << QStringList{"ignored", "999999999999999999 123 R 1 00"} + QStringList(49, "bad");
    QTest::newRow("absolute, the largest and one digit more")
        << QByteArray("999999999999.999999 1 1 Rx d 0\n9999999999999 1 2 Rx d 0\n")
        << QStringList{"999999999999999999 1 R 0 ", "bad"};
    QTest::newRow("negative times")
        << QByteArray("-1.0 1 1 Rx d 0\nbase hex timestamps relative\n1.0 1 2 Rx d 0\n-0.5 1 3 Rx d 0\n"
                      "-.5 1 4 Rx d 0\n0.5 1 5 Rx d 0\n")
        << QStringList{"bad", "ignored", "1000000 2 R 0 ", "bad", "bad", "1500000 5 R 0 "};
}

void TstTraceCodec::ascReader() {
    QFETCH(QByteArray, text);
    QFETCH(QStringList, expected);
    AscReader reader;
    QStringList got;
    for (QByteArrayView line : text.split('\n')) {
        if (line.isEmpty()) continue;
        TraceFrame f;
        switch (reader.parseLine(line, f)) {
        case TraceLineResult::Ignored:
            got << "ignored";
            break;
        case TraceLineResult::Bad:
            got << "bad";
            break;
        case TraceLineResult::CanFd:
            got << "canfd";
            break;
        case TraceLineResult::Frame:
            if (f.error) {
                got << "error";
                break;
            }
            got << QStringLiteral("%1 %2%3 %4 %5 %6")
                       .arg(f.timeUs)
                       .arg(f.id, 0, 16)
                       .arg(f.extended ? "x" : "")
                       .arg(f.direction == TraceDirection::Sent ? "T" : "R")
                       .arg(f.remote ? QStringLiteral("r%1").arg(f.dlc) : QString::number(f.dlc))
                       .arg(QString::fromLatin1(dataOf(f).toHex()));
            break;
        }
    }
    QCOMPARE(got, expected);
}

void TstTraceCodec::fileReader_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<uint32_t>>("ids");
    QTest::addColumn<int>("bad");
    QTest::addColumn<int>("canFd");
    const QByteArray longLine(10 * 1024 * 1024, 'A');
    QTest::newRow("candump with a 10 MB line and no final line end")
        << "a.log" << QByteArray("(1.0) can0 101#01\n" + longLine + "\n(2.0) can0 102#02\n(3.0) can0 103#")
        << QList<uint32_t>{0x101, 0x102, 0x103} << 1 << 0;
    QTest::newRow("a 10 MB last line")
        << "b.log" << QByteArray("(1.0) can0 101#01\r\n" + longLine) << QList<uint32_t>{0x101} << 1 << 0;
    QTest::newRow("CAN FD and broken lines counted")
        << "c.log" << QByteArray("(1.0) can0 101##0AA\n(1.0) can0 1#\n(1.0) can0 10Z#\nnonsense\n")
        << QList<uint32_t>{0x1} << 2 << 1;
    QTest::newRow("ASC recognised by its start") << "d.txt"
                                                 << QByteArray("date x\nbase hex timestamps absolute\n"
                                                               " 0.1 1 111 Rx d 1 01\n 0.2 1 112x Tx d 0\n")
                                                 << QList<uint32_t>{0x111, 0x112} << 0 << 0;
    QTest::newRow("ASC by its name") << "e.ASC" << QByteArray(" 0.1 1 121 Rx d 1 01\n")
                                     << QList<uint32_t>{0x121} << 0 << 0;
    QTest::newRow("empty") << "f.log" << QByteArray() << QList<uint32_t>{} << 0 << 0;
}

void TstTraceCodec::fileReader() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QList<uint32_t>, ids);
    QFETCH(int, bad);
    QFETCH(int, canFd);
    QTemporaryDir dir;
    QFile f(dir.filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    TraceFileReader reader;
    QVERIFY2(reader.open(f.fileName()), qPrintable(reader.errorString()));
    QList<uint32_t> got;
    TraceFrame frame;
    for (int guard = 0; guard < 1000; ++guard) {
        const TraceFileReader::Result r = reader.next(frame, 2);
        if (r == TraceFileReader::Result::Frame) got << frame.id;
        if (r == TraceFileReader::Result::End || r == TraceFileReader::Result::Failed) break;
    }
    QCOMPARE(got, ids);
    QCOMPARE(reader.badLines(), uint64_t(bad));
    QCOMPARE(reader.canFdLines(), uint64_t(canFd));
    QCOMPARE(reader.next(frame), TraceFileReader::Result::End);
}

void TstTraceCodec::badFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("says");
    QTest::newRow("missing") << "missing.log"
                             << "no such file";
    QTest::newRow("a folder") << "folder"
                              << "is a folder";
    QTest::newRow("binary") << "binary.log"
                            << "binary data";
    // Refused by their kind before anything opens them (a FIFO nobody writes would never answer).
    for (const QString& kind : NonRegularFileKinds)
        QTest::newRow(qPrintable(kind)) << "special.log" << kind + ", not a trace file";
}

void TstTraceCodec::badFiles() {
    QFETCH(QString, name);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QFile bin(dir.filePath("binary.log"));
    QVERIFY(bin.open(QIODevice::WriteOnly));
    bin.write(QByteArray("(1.0) can0 101#01\n\x7f"
                         "ELF\x02\x01\x01\0\0\0",
                         28));
    bin.close();
    if (name == "special.log" &&
        !MakeNonRegularFile(QString::fromLatin1(QTest::currentDataTag()), dir.filePath(name)))
        QSKIP("this machine does not let the test make such a file");
    TraceFileReader reader;
    QVERIFY(!reader.open(dir.filePath(name)));
    QVERIFY2(reader.errorString().contains(says) && reader.errorString().contains(name),
             qPrintable(reader.errorString()));
    TraceFrame frame;
    QCOMPARE(reader.next(frame), TraceFileReader::Result::Failed);
}

QTEST_GUILESS_MAIN(TstTraceCodec)
#include "tst_TraceCodec.moc"
