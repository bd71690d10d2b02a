// The serial-line CAN line codec: frames both ways, the adapter's replies, the line splitting,
// the bit-rate commands and the status flags as Qt error frames.

#include "slcan/SlcanCodec.h"

#include "can/QtCanDriver.h"

#include <QTest>

namespace {

QCanBusFrame Frame(QCanBusFrame::FrameType type, uint32_t id, bool extended, const QByteArray& payload) {
    QCanBusFrame f(type);
    f.setExtendedFrameFormat(extended);
    f.setFrameId(id);
    f.setPayload(payload);
    return f;
}

} // namespace

class TestSlcanCodec : public QObject {
    Q_OBJECT
private slots:
    void decodesFrames_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("type");
        QTest::addColumn<uint32_t>("id");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QByteArray>("payload");
        const int data = QCanBusFrame::DataFrame;
        const int remote = QCanBusFrame::RemoteRequestFrame;
        QTest::newRow("standard, DLC 0") << QByteArray("t1230") << data << 0x123u << false << QByteArray();
        QTest::newRow("standard, DLC 8") << QByteArray("t7FF81122334455667788") << data << 0x7FFu << false
                                         << QByteArray::fromHex("1122334455667788");
        QTest::newRow("extended") << QByteArray("T1FFFFFFF2AB00") << data << 0x1FFFFFFFu << true
                                  << QByteArray::fromHex("ab00");
        QTest::newRow("extended, small identifier stays extended")
            << QByteArray("T000001010") << data << 0x101u << true << QByteArray();
        QTest::newRow("standard remote, DLC 8")
            << QByteArray("r1008") << remote << 0x100u << false << QByteArray(8, 0);
        QTest::newRow("extended remote, DLC 0")
            << QByteArray("R123456780") << remote << 0x12345678u << true << QByteArray();
        QTest::newRow("time stamp after the data")
            << QByteArray("t1232BEEFEA5F") << data << 0x123u << false << QByteArray::fromHex("beef");
        QTest::newRow("time stamp after a remote frame")
            << QByteArray("r12340001") << remote << 0x123u << false << QByteArray(4, 0);
        QTest::newRow("lower-case hex")
            << QByteArray("t7ff1ab") << data << 0x7FFu << false << QByteArray("\xab", 1);
    }
    void decodesFrames() {
        QFETCH(QByteArray, line);
        QCanBusFrame frame;
        QVERIFY(SlcanDecodeFrame(line, frame));
        QTEST(int(frame.frameType()), "type");
        QTEST(frame.frameId(), "id");
        QTEST(frame.hasExtendedFrameFormat(), "extended");
        QTEST(frame.payload(), "payload");
        QVERIFY(frame.isValid());
    }

    void refusesBadLines_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("kind only") << QByteArray("t");
        QTest::newRow("no length") << QByteArray("t123");
        QTest::newRow("length 9") << QByteArray("t1239112233445566778899");
        QTest::newRow("length not a digit") << QByteArray("t123A");
        QTest::newRow("data short") << QByteArray("t1232AA");
        QTest::newRow("data long by one digit") << QByteArray("t1231AAB");
        QTest::newRow("time stamp of 3 digits") << QByteArray("t1231AA123");
        QTest::newRow("time stamp of 5 digits") << QByteArray("t1231AA12345");
        QTest::newRow("time stamp not hex") << QByteArray("t1231AA12G4");
        QTest::newRow("standard identifier above 7FF") << QByteArray("t8000");
        QTest::newRow("extended identifier above 1FFFFFFF") << QByteArray("T200000000");
        QTest::newRow("identifier not hex") << QByteArray("t1G30");
        QTest::newRow("data not hex") << QByteArray("t1231ZZ");
        QTest::newRow("extended identifier short") << QByteArray("T1230");
        QTest::newRow("unknown kind") << QByteArray("x1230");
    }
    void refusesBadLines() {
        QFETCH(QByteArray, line);
        QCanBusFrame frame;
        QVERIFY(!SlcanDecodeFrame(line, frame));
        uint8_t status = 0;
        QVERIFY(SlcanParseReply(line, frame, status) != SlcanReplyKind::Frame);
    }

    void encodesFrames_data() {
        QTest::addColumn<QCanBusFrame>("frame");
        QTest::addColumn<QByteArray>("line");
        const auto data = QCanBusFrame::DataFrame;
        const auto remote = QCanBusFrame::RemoteRequestFrame;
        QTest::newRow("standard, DLC 0") << Frame(data, 0x5, false, {}) << QByteArray("t0050\r");
        QTest::newRow("standard, DLC 8") << Frame(data, 0x7FF, false, QByteArray::fromHex("00ff10a0b1c2d3e4"))
                                         << QByteArray("t7FF800FF10A0B1C2D3E4\r");
        QTest::newRow("extended, upper-case hex")
            << Frame(data, 0x1ABCDEF0, true, QByteArray::fromHex("0a")) << QByteArray("T1ABCDEF010A\r");
        QTest::newRow("extended flag on a small identifier")
            << Frame(data, 0x101, true, QByteArray::fromHex("01020304"))
            << QByteArray("T00000101401020304\r");
        QTest::newRow("standard remote")
            << Frame(remote, 0x100, false, QByteArray(3, 0)) << QByteArray("r1003\r");
        QTest::newRow("extended remote") << Frame(remote, 0x100, true, {}) << QByteArray("R000001000\r");
        QCanBusFrame fd = Frame(data, 0x100, false, QByteArray(12, 1));
        fd.setFlexibleDataRateFormat(true);
        QTest::newRow("flexible data rate: not carried") << fd << QByteArray();
        QTest::newRow("error frame: not carried") << QCanBusFrame(QCanBusFrame::ErrorFrame) << QByteArray();
        QTest::newRow("invalid: too long") << Frame(data, 0x100, false, QByteArray(9, 1)) << QByteArray();
    }
    void encodesFrames() {
        QFETCH(QCanBusFrame, frame);
        QFETCH(QByteArray, line);
        const QByteArray encoded = SlcanEncodeFrame(frame);
        QCOMPARE(encoded, line);
        if (line.isEmpty()) return;
        // And back: the same frame.
        QCanBusFrame back;
        QVERIFY(SlcanDecodeFrame(QByteArrayView(encoded).chopped(1), back));
        QCOMPARE(back.frameType(), frame.frameType());
        QCOMPARE(back.frameId(), frame.frameId());
        QCOMPARE(back.hasExtendedFrameFormat(), frame.hasExtendedFrameFormat());
        QCOMPARE(back.payload().size(), frame.payload().size());
        if (frame.frameType() == QCanBusFrame::DataFrame) QCOMPARE(back.payload(), frame.payload());
    }

    void classifiesReplies_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("status");
        QTest::newRow("bare CR") << QByteArray() << int(SlcanReplyKind::Ok) << 0;
        QTest::newRow("z") << QByteArray("z") << int(SlcanReplyKind::SentAck) << 0;
        QTest::newRow("z with more") << QByteArray("zz") << int(SlcanReplyKind::Malformed) << 0;
        QTest::newRow("status 00") << QByteArray("F00") << int(SlcanReplyKind::Status) << 0;
        QTest::newRow("status A4") << QByteArray("FA4") << int(SlcanReplyKind::Status) << 0xA4;
        QTest::newRow("status one digit") << QByteArray("F4") << int(SlcanReplyKind::Malformed) << 0;
        QTest::newRow("version") << QByteArray("V1013") << int(SlcanReplyKind::Text) << 0;
        QTest::newRow("frame") << QByteArray("t1230") << int(SlcanReplyKind::Frame) << 0;
        QTest::newRow("noise") << QByteArray("\x01?%") << int(SlcanReplyKind::Malformed) << 0;
    }
    void classifiesReplies() {
        QFETCH(QByteArray, line);
        QCanBusFrame frame;
        uint8_t status = 0;
        QTEST(int(SlcanParseReply(line, frame, status)), "kind");
        QTEST(int(status), "status");
    }

    void splitsLines_data() {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QString>("tokens"); // lines joined by |, BEL for a BEL, "" for a bare CR
        QTest::addColumn<int>("overlong");
        QTest::newRow("one line") << QByteArrayList{"t1230\r"} << "t1230" << 0;
        QTest::newRow("line split over reads")
            << QByteArrayList{"t12", "30\rt1", "240\r"} << "t1230|t1240" << 0;
        QTest::newRow("answers") << QByteArrayList{"\r\a\rz\r"} << "|BEL||z" << 0;
        QTest::newRow("CR LF line ends") << QByteArrayList{"t1230\r\nt1240\r\n", "\r"} << "t1230|t1240|" << 0;
        QTest::newRow("unfinished line waits") << QByteArrayList{"t1230\rt124"} << "t1230" << 0;
        QTest::newRow("text before a BEL") << QByteArrayList{"xy\a"} << "BEL" << 0;
        QTest::newRow("overlong line dropped")
            << QByteArrayList{QByteArray(100, 'A') + "\rt1230\r"} << "t1230" << 1;
        QTest::newRow("overlong line over reads")
            << QByteArrayList{QByteArray(70, 'A'), QByteArray(70, 'B'), "C\rt1230\r"} << "t1230" << 1;
    }
    void splitsLines() {
        QFETCH(QByteArrayList, chunks);
        SlcanLineReader reader;
        QStringList got;
        for (const QByteArray& chunk : chunks) {
            reader.append(chunk);
            SlcanLineReader::Token token;
            while (reader.next(token))
                got << (token.bell ? QStringLiteral("BEL") : QString::fromLatin1(token.line));
        }
        QTEST(got.join(QLatin1Char('|')), "tokens");
        QTEST(int(reader.overlongLines()), "overlong");
    }

    void bitRateCommands_data() {
        QTest::addColumn<int>("bitRate");
        QTest::addColumn<QByteArray>("command");
        // The adapter layer's codes first: the switch's 125K and 250K, then the others.
        QTest::newRow("code 0x8004 (125K)") << QtCanDriver::bitRateForCode(0x8004) << QByteArray("S4");
        QTest::newRow("code 0x8003 (250K)") << QtCanDriver::bitRateForCode(0x8003) << QByteArray("S5");
        QTest::newRow("code 0x8002") << QtCanDriver::bitRateForCode(0x8002) << QByteArray("S6");
        QTest::newRow("code 0x8000") << QtCanDriver::bitRateForCode(0x8000) << QByteArray("S8");
        QTest::newRow("code 0x800A") << QtCanDriver::bitRateForCode(0x800A) << QByteArray("S0");
        QTest::newRow("800k") << 800000 << QByteArray("S7");
        QTest::newRow("no command for 83.3k") << 83333 << QByteArray();
    }
    void bitRateCommands() {
        QFETCH(int, bitRate);
        QFETCH(QByteArray, command);
        QCOMPARE(SlcanBitRateCommand(bitRate), command);
        QCOMPARE(SlcanBitRateOfCommand(command), command.isEmpty() ? 0 : bitRate);
    }

    void statusFlags_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("errors");     // QCanBusFrame::FrameErrors, 0: no error frame
        QTest::addColumn<int>("controller"); // payload byte 1
        QTest::addColumn<int>("busStatus");
        const int ctrl = QCanBusFrame::ControllerError;
        const int good = int(QCanBusDevice::CanBusStatus::Good);
        QTest::newRow("nothing") << 0x00 << 0 << 0 << good;
        QTest::newRow("arbitration lost: no error") << 0x40 << 0 << 0 << good;
        QTest::newRow("error warning") << 0x04 << ctrl << 0x0C << int(QCanBusDevice::CanBusStatus::Warning);
        QTest::newRow("error passive") << 0x20 << ctrl << 0x30 << int(QCanBusDevice::CanBusStatus::Error);
        QTest::newRow("warning and passive")
            << 0x24 << ctrl << 0x3C << int(QCanBusDevice::CanBusStatus::Error);
        QTest::newRow("data overrun") << 0x08 << ctrl << 0x01 << good;
        QTest::newRow("receive queue full") << 0x01 << ctrl << 0x01 << good;
        QTest::newRow("transmit queue full") << 0x02 << ctrl << 0x02 << good;
        QTest::newRow("bus error") << 0x80 << int(QCanBusFrame::BusError) << 0 << good;
        QTest::newRow("bus error, passive, overrun") << 0xA8 << (ctrl | int(QCanBusFrame::BusError)) << 0x31
                                                     << int(QCanBusDevice::CanBusStatus::Error);
    }
    void statusFlags() {
        QFETCH(int, flags);
        QFETCH(int, errors);
        QFETCH(int, controller);
        const std::optional<QCanBusFrame> frame = SlcanStatusErrorFrame(static_cast<uint8_t>(flags));
        QCOMPARE(frame.has_value(), errors != 0);
        if (frame) {
            QCOMPARE(frame->frameType(), QCanBusFrame::ErrorFrame);
            QCOMPARE(int(frame->error()), errors);
            QCOMPARE(frame->payload().size(), 8);
            QCOMPARE(int(uint8_t(frame->payload().at(1))), controller);
        }
        QTEST(int(SlcanBusStatusOf(static_cast<uint8_t>(flags))), "busStatus");
    }
};

QTEST_GUILESS_MAIN(TestSlcanCodec)
#include "tst_SlcanCodec.moc"
