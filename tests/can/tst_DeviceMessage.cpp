// How device messages sit in CAN frames: the standard layout and the protocol 3 layout.

#include "core/DeviceMessage.h"

#include <QtTest>

namespace {

constexpr uint32_t Tx = 0x181;
constexpr uint32_t Rx = 0x201;
constexpr uint32_t Tx3 = 0x01000000; // device identifiers of a protocol 3 project: bits 24-28
constexpr uint32_t Rx3 = 0x02000000;

TCanFrame frameOf(uint32_t id, int dlc, const QByteArray& data) {
    TCanFrame f;
    f.ID = id;
    f.DLC = static_cast<uint8_t>(dlc);
    for (int i = 0; i < 8 && i < data.size(); ++i)
        f.Data[i] = static_cast<uint8_t>(data[i]);
    return f;
}

QByteArray bytesOf(const TCanFrame& f) {
    return QByteArray(reinterpret_cast<const char*>(f.Data), 8);
}

QList<int> valuesOf(const TDeviceMessage& m) {
    return {m.Values[0], m.Values[1], m.Values[2], m.Values[3]};
}

TDeviceMessage message(uint8_t mask, uint16_t address, int count, QList<int> values) {
    TDeviceMessage m;
    m.Mask = mask;
    m.Address = address;
    m.Count = count;
    for (int i = 0; i < 4 && i < values.size(); ++i)
        m.Values[i] = static_cast<int16_t>(values[i]);
    return m;
}

} // namespace

class TestDeviceMessage : public QObject {
    Q_OBJECT

private slots:
    void decode_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<uint>("id");
        QTest::addColumn<int>("dlc");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<uint>("rx");
        QTest::addColumn<uint>("tx");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<int>("direction");

        const QByteArray std1 = QByteArray::fromHex("00010002C0051234");
        QTest::newRow("standard from the device")
            << 1 << Tx << 8 << std1 << Rx << Tx << 6 << 5 << 3 << QList<int>{0x1234, 1, 2, 0} << 0;
        QTest::newRow("standard to the device")
            << 1 << Rx << 8 << std1 << Rx << Tx << 6 << 5 << 3 << QList<int>{0x1234, 1, 2, 0} << 1;
        QTest::newRow("standard, equal identifiers: to the device")
            << 1 << Tx << 8 << std1 << Tx << Tx << 6 << 5 << 3 << QList<int>{0x1234, 1, 2, 0} << 1;
        QTest::newRow("standard, 13-bit address 8191, mask 0")
            << 0 << Tx << 8 << QByteArray::fromHex("000000001FFF0000") << Rx << Tx << 0 << 8191 << 3
            << QList<int>{0, 0, 0, 0} << 0;
        QTest::newRow("standard, top three bits: mask 7, negative values")
            << 2 << Tx << 8 << QByteArray::fromHex("FFFF8000E07FFFFE") << Rx << Tx << 7 << 0x7F << 3
            << QList<int>{-2, -1, -32768, 0} << 0;
        QTest::newRow("standard, data count not examined")
            << 1 << Tx << 0 << std1 << Rx << Tx << 6 << 5 << 3 << QList<int>{0x1234, 1, 2, 0} << 0;
        QTest::newRow("protocol 3, register 0x23, two values")
            << 3 << (Tx3 + 0x23) << 4 << QByteArray::fromHex("000AFFFF11223344") << Rx3 << Tx3 << 0xFF << 0x23
            << 2 << QList<int>{10, -1, 0x1122, 0x3344} << 0;
        QTest::newRow("protocol 3, data count 3: one value")
            << 3 << (Tx3 + 1) << 3 << QByteArray::fromHex("0102030405060708") << Rx3 << Tx3 << 0xFF << 1 << 1
            << QList<int>{0x0102, 0x0304, 0x0506, 0x0708} << 0;
        QTest::newRow("protocol 3, data count 8: four values, to the device")
            << 3 << (Rx3 + 0x7F) << 8 << QByteArray::fromHex("8000000100020003") << Rx3 << Tx3 << 0xFF << 0x7F
            << 4 << QList<int>{-32768, 1, 2, 3} << 1;
        QTest::newRow("protocol 3, data count 0") << 3 << Tx3 << 0 << QByteArray(8, '\0') << Rx3 << Tx3
                                                  << 0xFF << 0 << 0 << QList<int>{0, 0, 0, 0} << 0;
        QTest::newRow("protocol 3, bits 7-23 are not address")
            << 3 << (Tx3 | 0x00FFFF85) << 2 << QByteArray::fromHex("0001") << Rx3 << Tx3 << 0xFF << 5 << 1
            << QList<int>{1, 0, 0, 0} << 0;
        QTest::newRow("protocol 3, equal identifiers: to the device")
            << 3 << (Tx3 + 2) << 2 << QByteArray::fromHex("0001") << Tx3 << Tx3 << 0xFF << 2 << 1
            << QList<int>{1, 0, 0, 0} << 1;
        QTest::newRow("protocol 3, impossible data count 15: four values at most")
            << 3 << Tx3 << 15 << QByteArray::fromHex("0001") << Rx3 << Tx3 << 0xFF << 0 << 4
            << QList<int>{1, 0, 0, 0} << 0;
    }
    void decode() {
        QFETCH(int, protokol);
        QFETCH(uint, id);
        QFETCH(int, dlc);
        QFETCH(QByteArray, data);
        QFETCH(uint, rx);
        QFETCH(uint, tx);
        const TDeviceMessage m = DecodeDeviceFrame(frameOf(id, dlc, data), protokol, rx, tx);
        QTEST(int(m.Mask), "mask");
        QTEST(int(m.Address), "address");
        QTEST(int(m.Count), "count");
        QTEST(valuesOf(m), "values");
        QTEST(int(m.Direction), "direction");
    }

    void encodeWrite_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<uint>("identifier");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<uint>("id");
        QTest::addColumn<int>("dlc");
        QTest::addColumn<QByteArray>("data");

        QTest::newRow("standard, two values") << 1 << Tx << 6 << 5 << 2 << QList<int>{0x1234, 1, 2, 9} << Tx
                                              << 8 << QByteArray::fromHex("00010002C0051234");
        QTest::newRow("standard, length 4: mask cut to 8 bits, fourth value not sent")
            << 1 << Rx << 0xFF << 0x10 << 4 << QList<int>{-1, -2, 0x7FFF, 0x5555} << Rx << 8
            << QByteArray::fromHex("FFFE7FFFE010FFFF");
        QTest::newRow("standard, address above 255: only its low byte goes out")
            << 0 << Tx << 4 << 300 << 1 << QList<int>{7, 0, 0, 0} << Tx << 8
            << QByteArray::fromHex("00000000802C0007");
        QTest::newRow("standard, length 0")
            << 2 << Tx << 0 << 0 << 0 << QList<int>{0, 0, 0, 0} << Tx << 8 << QByteArray(8, '\0');
        QTest::newRow("protocol 3, two values")
            << 3 << Tx3 << 6 << 0x23 << 2 << QList<int>{10, -1, 3, 4} << (Tx3 + 0x23) << 4
            << QByteArray::fromHex("000AFFFF00030004");
        QTest::newRow("protocol 3, address 130 added to the identifier")
            << 3 << Rx3 << 0xFF << 130 << 4 << QList<int>{1, 2, 3, 4} << (Rx3 + 130) << 8
            << QByteArray::fromHex("0001000200030004");
        QTest::newRow("protocol 3, length 0") << 3 << Tx3 << 0 << 5 << 0 << QList<int>{0x0102, 0, 0, 0}
                                              << (Tx3 + 5) << 0 << QByteArray::fromHex("0102000000000000");
        QTest::newRow("protocol 3, impossible length 9: eight bytes at most")
            << 3 << Tx3 << 0 << 5 << 9 << QList<int>{0, 0, 0, 0} << (Tx3 + 5) << 8 << QByteArray(8, '\0');
    }
    void encodeWrite() {
        QFETCH(int, protokol);
        QFETCH(uint, identifier);
        QFETCH(int, mask);
        QFETCH(int, address);
        QFETCH(int, count);
        QFETCH(QList<int>, values);
        TCanFrame out = frameOf(0xFFFFFFFF, 0xFF, QByteArray(8, '\xAA'));
        EncodeRegisterWrite(
            message(static_cast<uint8_t>(mask), static_cast<uint16_t>(address), count, values), identifier,
            protokol, out);
        QTEST(uint(out.ID), "id");
        QTEST(int(out.DLC), "dlc");
        QTEST(bytesOf(out), "data");
    }

    void encodeCommand_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("button 3") << 0x0008 << QByteArray::fromHex("00000000807F0008");
        QTest::newRow("word 0xABCD") << 0xABCD << QByteArray::fromHex("00000000807FABCD");
        QTest::newRow("word 0") << 0 << QByteArray::fromHex("00000000807F0000");
    }
    void encodeCommand() {
        QFETCH(int, word);
        TCanFrame out = frameOf(0, 3, QByteArray(8, '\x55'));
        EncodeCommand(static_cast<uint16_t>(word), Rx3, out);
        QCOMPARE(out.ID, Rx3); // always the standard layout: RXadr unchanged, even in a protocol 3 project
        QCOMPARE(int(out.DLC), 8);
        QTEST(bytesOf(out), "data");
        const TDeviceMessage back = DecodeDeviceFrame(out, 1, Rx3, Tx3);
        QCOMPARE(int(back.Address), 127);
        QCOMPARE(int(back.Mask), 4);
        QCOMPARE(uint16_t(back.Values[0]), uint16_t(word));
    }

    void roundTrip_data() {
        QTest::addColumn<int>("protokol");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("values");
        // What comes back: the standard layout always says three slots and keeps 3 mask bits;
        // protocol 3 always says mask 0xFF.
        QTest::addColumn<int>("backMask");
        QTest::addColumn<int>("backAddress");
        QTest::addColumn<int>("backCount");
        QTest::addColumn<QList<int>>("backValues");

        QTest::newRow("standard up, one value")
            << 1 << 0 << 4 << 17 << 1 << QList<int>{-5, 0, 0, 0} << 4 << 17 << 3 << QList<int>{-5, 0, 0, 0};
        QTest::newRow("standard down, three values")
            << 1 << 1 << 7 << 191 << 3 << QList<int>{1, -2, 3, 0} << 7 << 191 << 3 << QList<int>{1, -2, 3, 0};
        QTest::newRow("standard down, length 4 loses the fourth")
            << 1 << 1 << 0xFF << 0 << 4 << QList<int>{1, 2, 3, 4} << 7 << 0 << 3 << QList<int>{1, 2, 3, 0};
        QTest::newRow("protocol 3 up, two values") << 3 << 0 << 6 << 0x23 << 2 << QList<int>{10, -1, 0, 0}
                                                   << 0xFF << 0x23 << 2 << QList<int>{10, -1, 0, 0};
        QTest::newRow("protocol 3 down, four values")
            << 3 << 1 << 0xFF << 127 << 4 << QList<int>{-32768, 32767, 1, -1} << 0xFF << 127 << 4
            << QList<int>{-32768, 32767, 1, -1};
        QTest::newRow("protocol 3, address 130 comes back as 2")
            << 3 << 1 << 0xFF << 130 << 1 << QList<int>{9, 0, 0, 0} << 0xFF << 2 << 1
            << QList<int>{9, 0, 0, 0};
    }
    void roundTrip() {
        QFETCH(int, protokol);
        QFETCH(int, direction);
        QFETCH(int, mask);
        QFETCH(int, address);
        QFETCH(int, count);
        QFETCH(QList<int>, values);
        const uint32_t rx = protokol == Protocol3 ? Rx3 : Rx;
        const uint32_t tx = protokol == Protocol3 ? Tx3 : Tx;
        TCanFrame out;
        EncodeRegisterWrite(
            message(static_cast<uint8_t>(mask), static_cast<uint16_t>(address), count, values),
            direction == 0 ? tx : rx, protokol, out);
        const uint32_t key = CanKey(out.ID, protokol);
        QCOMPARE(key, direction == 0 ? tx : rx);
        const TDeviceMessage back = DecodeDeviceFrame(out, protokol, rx, tx);
        QTEST(int(back.Mask), "backMask");
        QTEST(int(back.Address), "backAddress");
        QTEST(int(back.Count), "backCount");
        QTEST(valuesOf(back), "backValues");
        QCOMPARE(int(back.Direction), direction);
    }
};

QTEST_GUILESS_MAIN(TestDeviceMessage)
#include "tst_DeviceMessage.moc"
