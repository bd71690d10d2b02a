// The socketcand protocol as plain code: the tokenizer over reads cut anywhere, the messages both
// ways (strict out, liberal in), the interface and listen address forms, and a client's bounded
// queue with the time passed in.

#include "socketcand/SocketcandCanBusDevice.h"
#include "socketcand/SocketcandClientQueue.h"
#include "socketcand/SocketcandCodec.h"
#include "socketcand/SocketcandServer.h"
#include "socketcand/SocketcandTokenizer.h"

#include <QTest>

namespace {

// A parsed message in one line: "frame 123 std 1122 @1.5", "error 4 0011 @1", "text could not".
QString describe(const SocketcandMessage& m) {
    const QCanBusFrame& f = m.frame;
    QStringList parts;
    switch (m.kind) {
    case SocketcandKind::Frame:
    case SocketcandKind::Send:
        parts << (f.frameType() == QCanBusFrame::RemoteRequestFrame ? QStringLiteral("rtr")
                                                                    : QStringLiteral("frame"))
              << QString::number(f.frameId(), 16)
              << (f.hasExtendedFrameFormat() ? QStringLiteral("ext") : QStringLiteral("std"));
        break;
    case SocketcandKind::ErrorFrame:
        parts << QStringLiteral("error") << QString::number(f.error().toInt(), 16);
        break;
    case SocketcandKind::ErrorText:
        return QStringLiteral("text ") + QString::fromLatin1(m.text);
    case SocketcandKind::Malformed:
        return QStringLiteral("malformed");
    case SocketcandKind::Unknown:
        return QStringLiteral("unknown ") + QString::fromLatin1(m.text);
    default:
        return QStringLiteral("kind %1").arg(int(m.kind));
    }
    if (!f.payload().isEmpty()) parts << QString::fromLatin1(f.payload().toHex());
    if (m.timeUs >= 0) parts << QStringLiteral("@%1").arg(double(m.timeUs) / 1e6);
    return parts.join(QLatin1Char(' '));
}

QCanBusFrame frame(QCanBusFrame::FrameType type, uint32_t id, bool extended, const QByteArray& payload) {
    QCanBusFrame f(type);
    f.setExtendedFrameFormat(extended);
    f.setFrameId(id);
    f.setPayload(payload);
    return f;
}

} // namespace

class TestSocketcandCodec : public QObject {
    Q_OBJECT
private slots:
    void tokenizer_data() {
        QTest::addColumn<QByteArrayList>("reads");
        QTest::addColumn<QByteArrayList>("messages");
        QTest::addColumn<int>("garbage");
        QTest::newRow("one message") << QByteArrayList{"< hi >"} << QByteArrayList{"hi"} << 0;
        QTest::newRow("several in one read, none between")
            << QByteArrayList{"< ok >< frame 123 1.0 11 >< echo >"}
            << QByteArrayList{"ok", "frame 123 1.0 11", "echo"} << 0;
        QTest::newRow("split across reads, also inside a word")
            << QByteArrayList{"< fr", "ame 1", "23 1.000000 AB", "CD >", "<", " ok", " >"}
            << QByteArrayList{"frame 123 1.000000 ABCD", "ok"} << 0;
        QTest::newRow("whitespace and newlines between")
            << QByteArrayList{"\r\n < hi >\n\t<   ok  >  "} << QByteArrayList{"hi", "ok"} << 0;
        QTest::newRow("a stray run is one piece")
            << QByteArrayList{"SSH-2.0-OpenSSH x", "yz\r\n< ok >"} << QByteArrayList{"ok"} << 1;
        QTest::newRow("a message cut short by the next")
            << QByteArrayList{"< frame 12< ok >"} << QByteArrayList{"ok"} << 1;
        QTest::newRow("an overlong message is skipped, the next taken")
            << QByteArrayList{"< " + QByteArray(300, 'A'), QByteArray(5000, 'B') + " >< echo >"}
            << QByteArrayList{"echo"} << 1;
        QTest::newRow("a stray '>' is garbage") << QByteArrayList{"> < ok >"} << QByteArrayList{"ok"} << 1;
    }
    void tokenizer() {
        QFETCH(QByteArrayList, reads);
        SocketcandTokenizer tokenizer;
        QByteArrayList seen;
        for (const QByteArray& read : reads)
            tokenizer.feed(read, [&seen](QByteArrayView m) { seen << m.toByteArray(); });
        QTEST(seen, "messages");
        QTEST(int(tokenizer.garbage()), "garbage");
        QVERIFY(tokenizer.garbageSample().size() <= SocketcandTokenizer::GarbageSampleLength);
    }

    void parses_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("parsed");
        QTest::newRow("standard") << QByteArray("frame 123 23.424242 11223344")
                                  << QStringLiteral("frame 123 std 11223344 @23.4242");
        QTest::newRow("extended") << QByteArray("frame 1ABCDEF0 1.000000 AB")
                                  << QStringLiteral("frame 1abcdef0 ext ab @1");
        QTest::newRow("extended with a small identifier (8 digits)")
            << QByteArray("frame 00000110 1.5 00") << QStringLiteral("frame 110 ext 00 @1.5");
        QTest::newRow("empty data, as the daemon writes it")
            << QByteArray("frame 123 1.000000 ") << QStringLiteral("frame 123 std @1");
        QTest::newRow("DLC 8") << QByteArray("frame 7FF 2.000001 0011223344556677")
                               << QStringLiteral("frame 7ff std 0011223344556677 @2");
        QTest::newRow("lower case") << QByteArray("frame 1abcdef0 3.25 aabbccddeeff0011")
                                    << QStringLiteral("frame 1abcdef0 ext aabbccddeeff0011 @3.25");
        QTest::newRow("bytes separated, as the protocol's text shows them")
            << QByteArray("frame 123 23.424242 11 22 33 44")
            << QStringLiteral("frame 123 std 11223344 @23.4242");
        QTest::newRow("unpadded identifier above 7FF is extended")
            << QByteArray("frame 800 1 01") << QStringLiteral("frame 800 ext 01 @1");
        QTest::newRow("remote") << QByteArray("rtr 123 1.0 4") << QStringLiteral("rtr 123 std 00000000 @1");
        QTest::newRow("error frame of the daemon")
            << QByteArray("error 004 1.000000") << QStringLiteral("error 4 @1");
        QTest::newRow("error frame with details")
            << QByteArray("error 004 1.0 0030000000000000") << QStringLiteral("error 4 0030000000000000 @1");
        QTest::newRow("error in words")
            << QByteArray("error could not open bus") << QStringLiteral("text could not open bus");
        QTest::newRow("send of python-can")
            << QByteArray("send 101 8 e1 10 0 0 2 0 0 0") << QStringLiteral("frame 101 std e110000002000000");
        QTest::newRow("send extended, no data")
            << QByteArray("send 1AAAAAAA 0") << QStringLiteral("frame 1aaaaaaa ext");
        QTest::newRow("sendrtr") << QByteArray("sendrtr 123 2") << QStringLiteral("rtr 123 std 0000");
        QTest::newRow("send, bytes short of DLC")
            << QByteArray("send 123 3 11 22") << QStringLiteral("malformed");
        QTest::newRow("send, DLC 9") << QByteArray("send 123 9 1 2 3 4 5 6 7 8 9")
                                     << QStringLiteral("malformed");
        QTest::newRow("frame, 9 bytes")
            << QByteArray("frame 123 1.0 112233445566778899") << QStringLiteral("malformed");
        QTest::newRow("frame, odd digits") << QByteArray("frame 123 1.0 112") << QStringLiteral("malformed");
        QTest::newRow("frame, identifier too wide")
            << QByteArray("frame 3FFFFFFF 1.0 11") << QStringLiteral("malformed");
        QTest::newRow("frame, identifier not hex")
            << QByteArray("frame 12G 1.0 11") << QStringLiteral("malformed");
        QTest::newRow("frame, no time") << QByteArray("frame 123 AB CD") << QStringLiteral("malformed");
        QTest::newRow("unknown word")
            << QByteArray("statistics 1000") << QStringLiteral("unknown statistics");
    }
    void parses() {
        QFETCH(QByteArray, text);
        const SocketcandMessage m = SocketcandParse(text);
        QTEST(describe(m), "parsed");
        if (m.kind == SocketcandKind::Frame || m.kind == SocketcandKind::Send) QVERIFY(m.frame.isValid());
    }

    // What the server and the client write, byte for byte, and that it reads back as the frame.
    void encodes_data() {
        QTest::addColumn<QCanBusFrame>("frame");
        QTest::addColumn<QByteArray>("busLine");
        QTest::addColumn<QByteArray>("sendLine");
        const auto data = QCanBusFrame::DataFrame;
        QTest::newRow("standard") << frame(data, 0x123, false, QByteArray::fromHex("11aa"))
                                  << QByteArray("< frame 123 1733650000.000042 11AA >")
                                  << QByteArray("< send 123 2 11 AA >");
        QTest::newRow("extended, small identifier")
            << frame(data, 0x110, true, QByteArray::fromHex("0001000200030004"))
            << QByteArray("< frame 00000110 1733650000.000042 0001000200030004 >")
            << QByteArray("< send 00000110 8 00 01 00 02 00 03 00 04 >");
        QTest::newRow("empty data") << frame(data, 0x7FF, false, {})
                                    << QByteArray("< frame 7FF 1733650000.000042  >")
                                    << QByteArray("< send 7FF 0 >");
        QTest::newRow("remote") << frame(QCanBusFrame::RemoteRequestFrame, 0x1ABCDEF0, true, QByteArray(3, 0))
                                << QByteArray("< rtr 1ABCDEF0 1733650000.000042 3 >")
                                << QByteArray("< sendrtr 1ABCDEF0 3 >");
        QCanBusFrame error(QCanBusFrame::ErrorFrame);
        error.setError(QCanBusFrame::ControllerError);
        error.setPayload(QByteArray::fromHex("0030000000000000"));
        QTest::newRow("error frame") << error
                                     << QByteArray("< error 004 1733650000.000042 0030000000000000 >")
                                     << QByteArray();
    }
    void encodes() {
        QFETCH(QCanBusFrame, frame);
        QFETCH(QByteArray, busLine);
        char out[SocketcandMaxBusFrameMessage];
        const int n = SocketcandEncodeBusFrame(frame, frame.payload(), 1733650000000042, out);
        QCOMPARE(QByteArray(out, n), busLine);
        QTEST(SocketcandEncodeSend(frame), "sendLine");
        // Read back (the tokenizer's view, without the brackets): the same frame and time.
        const SocketcandMessage back = SocketcandParse(QByteArrayView(busLine).sliced(1, busLine.size() - 2));
        QCOMPARE(back.frame.frameType(), frame.frameType());
        QCOMPARE(back.frame.frameId(), frame.frameId());
        QCOMPARE(back.frame.payload(), frame.payload());
        QCOMPARE(back.timeUs, qint64(1733650000000042));
    }

    void interfaceNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parsed"); // "host port bus", or the start of the complaint
        QTest::newRow("default port")
            << QStringLiteral("127.0.0.1/can0") << QStringLiteral("127.0.0.1 29536 can0");
        QTest::newRow("host name and port")
            << QStringLiteral("rig7.local:29537/can1") << QStringLiteral("rig7.local 29537 can1");
        QTest::newRow("IPv6 in brackets")
            << QStringLiteral("[::1]:4000/vcan0") << QStringLiteral("::1 4000 vcan0");
        QTest::newRow("no bus") << QStringLiteral("127.0.0.1:29536") << QStringLiteral("no bus named");
        QTest::newRow("bus with a space")
            << QStringLiteral("h/can 0") << QStringLiteral("\"can 0\" is no bus");
        QTest::newRow("port 0") << QStringLiteral("h:0/can0") << QStringLiteral("\"0\" is no TCP port");
        QTest::newRow("bare IPv6") << QStringLiteral("::1/can0") << QStringLiteral("write an IPv6 address");
        QTest::newRow("no host") << QStringLiteral(":29536/can0") << QStringLiteral("no host named");
    }
    void interfaceNames() {
        QFETCH(QString, name);
        QFETCH(QString, parsed);
        QString host, bus, error;
        quint16 port = 0;
        const bool ok = SocketcandCanBusDevice::parseInterfaceName(name, &host, &port, &bus, &error);
        if (ok)
            QCOMPARE(QStringLiteral("%1 %2 %3").arg(host).arg(port).arg(bus), parsed);
        else
            QVERIFY2(error.startsWith(QStringLiteral("socketcand:") + name + QStringLiteral(": ") + parsed),
                     qPrintable(error));
    }

    void listenAddresses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("parsed"); // "address port", or empty when refused
        QTest::newRow("port alone is loopback")
            << QStringLiteral("29536") << QStringLiteral("127.0.0.1 29536");
        QTest::newRow("every network") << QStringLiteral("0.0.0.0:0") << QStringLiteral("0.0.0.0 0");
        QTest::newRow("IPv6") << QStringLiteral("[::1]:5") << QStringLiteral("::1 5");
        QTest::newRow("a name is no address") << QStringLiteral("rig7:29536") << QString();
        QTest::newRow("port too big") << QStringLiteral("70000") << QString();
    }
    void listenAddresses() {
        QFETCH(QString, text);
        QHostAddress address;
        quint16 port = 1;
        QString error;
        const bool ok = SocketcandServer::parseListenAddress(text, &address, &port, &error);
        QTEST(ok ? QStringLiteral("%1 %2").arg(address.toString()).arg(port) : QString(), "parsed");
        QCOMPARE(error.isEmpty(), ok);
    }

    // A client that reads nothing: its queue keeps its size, counts what it drops, and tells how
    // long its oldest frame has waited; what is taken comes out in order.
    void clientQueue() {
        SocketcandClientQueue queue(3);
        for (int i = 0; i < 5; ++i)
            (void)queue.push(QByteArray::number(i), 1000 + i * 100);
        QCOMPARE(queue.size(), 3);
        QCOMPARE(queue.dropped(), uint64_t(2));
        QCOMPARE(queue.oldestAgeMs(12000), int64_t(11000));
        QByteArray out;
        QCOMPARE(queue.take(out, 2), 2);
        QCOMPARE(out, QByteArray("01"));
        QCOMPARE(queue.oldestAgeMs(12000), int64_t(10800));
        QVERIFY(queue.push("3", 12000));
        QCOMPARE(queue.take(out, 100), 2);
        QCOMPARE(out, QByteArray("0123"));
        QCOMPARE(queue.oldestAgeMs(13000), int64_t(0));
        QVERIFY(!queue.push(QByteArray(SocketcandClientQueue::MaxMessageLength + 1, 'x'), 0));
    }
};

QTEST_GUILESS_MAIN(TestSocketcandCodec)
#include "tst_SocketcandCodec.moc"
