// ToolsCan against the scripted adapter library.

#include "FakeSlCanDriver.h"
#include "can/ToolsCan.h"

#include <QtTest>

namespace {

const QString H = QStringLiteral("100"); // handle of adapter index 0 in the fake

QStringList fullOpen(int index, const QString& code = QStringLiteral("0x8004")) {
    const QString h = QString::number(100 + index);
    return {QStringLiteral("GetDeviceCount"),
            QStringLiteral("GetDevice %1").arg(index),
            QStringLiteral("DeviceOpen %1").arg(h),
            QStringLiteral("DeviceSetBitRate %1 %2").arg(h, code),
            QStringLiteral("DeviceSetEventLevel %1 1").arg(h),
            QStringLiteral("DeviceSetMode %1 1").arg(h),
            QStringLiteral("DeviceSetTXTimeOut %1 100").arg(h)};
}

// Queues events described like "3F 150E 2F" (3 frames, 150 non-frame events, 2 frames); frame n
// of the script has ID 0x100 + n, DLC n % 9 and data bytes n + 0..7.
int queueScript(FakeSlCanDriver& fake, const QString& script) {
    int frames = 0;
    for (const QString& token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int n = token.chopped(1).toInt();
        if (token.endsWith(QLatin1Char('E'))) {
            fake.queueEvent(static_cast<uint8_t>(1 + frames % 3), n);
            continue;
        }
        for (int i = 0; i < n; ++i, ++frames) {
            uint8_t data[8];
            for (int b = 0; b < 8; ++b)
                data[b] = static_cast<uint8_t>(frames + b);
            fake.queueFrame(0x100u + static_cast<uint32_t>(frames), static_cast<uint8_t>(frames % 9), data,
                            static_cast<uint8_t>(frames & 1));
        }
    }
    return frames;
}

void fillRx(uint8_t marker) {
    for (int i = 0; i < 1100; ++i) {
        CanRx[i].ID = 0xABCD0000u + static_cast<uint32_t>(i);
        CanRx[i].DLC = marker;
    }
}

} // namespace

class TestToolsCan : public QObject {
    Q_OBJECT

    FakeSlCanDriver* fake = nullptr;

    void openDefault() {
        CanLoad();
        CanOpen(1, 8);
        QVERIFY(CanOpened);
        fake->calls.clear();
    }

private slots:
    void init() {
        CanResetState();
        auto driver = std::make_unique<FakeSlCanDriver>();
        fake = driver.get();
        SlCanInstallDriver(std::move(driver));
    }
    void cleanup() {
        SlCanInstallDriver(nullptr);
        fake = nullptr;
    }

    void open_data() {
        QTest::addColumn<int>("deviceCount");
        QTest::addColumn<int>("deviceNumber");
        QTest::addColumn<bool>("handleInvalid");
        QTest::addColumn<QString>("refuse");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<int>("handle");

        QTest::newRow("one adapter, device 8 asked: the only one")
            << 1 << 8 << false << "" << fullOpen(0) << true << 100;
        QTest::newRow("two adapters, device 8 asked: index 1")
            << 2 << 8 << false << "" << fullOpen(1) << true << 101;
        QTest::newRow("ten adapters, device 8 asked: index 7")
            << 10 << 8 << false << "" << fullOpen(7) << true << 107;
        QTest::newRow("device 2 of 3: index 1") << 3 << 2 << false << "" << fullOpen(1) << true << 101;
        QTest::newRow("device 0: index 0") << 3 << 0 << false << "" << fullOpen(0) << true << 100;
        QTest::newRow("negative device: index 0") << 3 << -4 << false << "" << fullOpen(0) << true << 100;
        const QStringList countOnly{QStringLiteral("GetDeviceCount")};
        QTest::newRow("no adapter") << 0 << 8 << false << "" << countOnly << false << -1;
        QTest::newRow("count -1") << -1 << 8 << false << "" << countOnly << false << -1;
        QTest::newRow("count -2") << -2 << 8 << false << "" << countOnly << false << -1;
        QTest::newRow("count -3 is no adapter either") << -3 << 8 << false << "" << countOnly << false << -1;
        QTest::newRow("handle -1") << 1 << 8 << true << ""
                                   << QStringList{QStringLiteral("GetDeviceCount"),
                                                  QStringLiteral("GetDevice 0")}
                                   << false << -1;
        const QStringList all = fullOpen(0);
        QTest::newRow("open refused") << 1 << 8 << false << "open" << all.mid(0, 3) << false << 100;
        QTest::newRow("bit rate refused") << 1 << 8 << false << "bitrate" << all.mid(0, 4) << false << 100;
        QTest::newRow("event level refused")
            << 1 << 8 << false << "eventlevel" << all.mid(0, 5) << false << 100;
        QTest::newRow("mode refused") << 1 << 8 << false << "mode" << all.mid(0, 6) << false << 100;
        QTest::newRow("TX time-out refused") << 1 << 8 << false << "txtimeout" << all << false << 100;
    }
    void open() {
        QFETCH(int, deviceCount);
        QFETCH(int, deviceNumber);
        QFETCH(bool, handleInvalid);
        QFETCH(QString, refuse);
        QFETCH(QStringList, calls);
        QFETCH(bool, opened);
        QFETCH(int, handle);

        fake->deviceCount = deviceCount;
        fake->handleInvalid = handleInvalid;
        fake->openResult = refuse != QLatin1String("open");
        fake->bitRateResult = refuse != QLatin1String("bitrate");
        fake->eventLevelResult = refuse != QLatin1String("eventlevel");
        fake->modeResult = refuse != QLatin1String("mode");
        fake->txTimeOutResult = refuse != QLatin1String("txtimeout");

        CanLoad();
        fake->calls.clear();
        CanOpen(1, deviceNumber);

        // A stop leaves the earlier steps in place: nothing is closed behind the caller's back.
        QCOMPARE(fake->calls, calls);
        QCOMPARE(CanOpened, opened);
        QCOMPARE(CanHandle, handle);
        QCOMPARE(CanDeviceCount, deviceCount);
    }

    void bitRateCode_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("code"); // -1: the bit rate is not set and the open fails
        QTest::newRow("index 0") << 0 << 0x800A;
        QTest::newRow("index 1, 125K") << 1 << 0x8004;
        QTest::newRow("index 2, 250K") << 2 << 0x8003;
        QTest::newRow("index 3") << 3 << 0x8002;
        QTest::newRow("index 4") << 4 << 0x8000;
        QTest::newRow("index 5 is outside the table") << 5 << -1;
        QTest::newRow("index -1 is outside the table") << -1 << -1;
    }
    void bitRateCode() {
        QFETCH(int, index);
        QFETCH(int, code);
        CanLoad();
        CanOpen(index, 1);
        QCOMPARE(CanOpened, code >= 0);
        QCOMPARE(fake->callCount(QStringLiteral("DeviceSetBitRate")), code >= 0 ? 1 : 0);
        if (code >= 0) QCOMPARE(int(fake->lastBitRateCode), code);
    }

    void openWhileOpenDoesNothing() {
        openDefault();
        CanOpen(2, 8);
        QVERIFY(fake->calls.isEmpty());
        QVERIFY(CanOpened);
    }

    void openAfterFailureRunsAgain() {
        fake->modeResult = false;
        CanLoad();
        CanOpen(1, 8);
        QVERIFY(!CanOpened);
        fake->modeResult = true;
        fake->calls.clear();
        CanOpen(2, 8);
        QCOMPARE(fake->calls, fullOpen(0, QStringLiteral("0x8003")));
        QVERIFY(CanOpened);
    }

    void notLoaded() {
        fake->loadResult = false;
        CanLoad();
        QVERIFY(!CanLoaded);
        CanOpen(1, 8);
        QCOMPARE(fake->calls, QStringList{QStringLiteral("Load")});
        QVERIFY(!CanOpened);
    }

    void freeClearsLoadedWhateverTheAnswer_data() {
        QTest::addColumn<bool>("freeResult");
        QTest::newRow("free accepted") << true;
        QTest::newRow("free refused") << false;
    }
    void freeClearsLoadedWhateverTheAnswer() {
        QFETCH(bool, freeResult);
        fake->freeResult = freeResult;
        CanLoad();
        QVERIFY(CanLoaded);
        CanFree();
        QVERIFY(!CanLoaded);
        QCOMPARE(fake->calls.last(), QStringLiteral("Free"));
    }

    void close_data() {
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("closeResult");
        QTest::addColumn<int>("closeCalls");
        QTest::addColumn<bool>("openedAfter");
        QTest::newRow("close confirmed") << true << true << 1 << false;
        QTest::newRow("close refused: still open") << true << false << 1 << true;
        QTest::newRow("never opened: no handle, no call") << false << true << 0 << false;
    }
    void close() {
        QFETCH(bool, open);
        QFETCH(bool, closeResult);
        QFETCH(int, closeCalls);
        QFETCH(bool, openedAfter);
        if (open) openDefault();
        fake->closeResult = closeResult;
        CanClose();
        QCOMPARE(fake->callCount(QStringLiteral("DeviceClose")), closeCalls);
        if (closeCalls > 0) QCOMPARE(fake->calls.last(), QStringLiteral("DeviceClose ") + H);
        QCOMPARE(CanOpened, openedAfter);
    }

    void closeKeepsHandle() {
        openDefault();
        CanClose();
        CanClose();
        QCOMPARE(CanHandle, 100);
        QCOMPARE(fake->callCount(QStringLiteral("DeviceClose")), 2);
    }

    void sendStatus_data() {
        QTest::addColumn<bool>("writeResult");
        QTest::addColumn<int>("statusByte");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("status 0") << true << 0 << 0 << "Status CAN = OK.";
        QTest::newRow("status 1") << true << 1 << 1 << "Status CAN = TimeOut.";
        QTest::newRow("status 2") << true << 2 << 2 << "Status CAN = BusOff.";
        QTest::newRow("status 5") << true << 5 << 5 << "Status CAN = One shot error.";
        QTest::newRow("status 6") << true << 6 << 6 << "Status CAN = Invalid mode.";
        QTest::newRow("status 7") << true << 7 << 7 << "Status CAN = Unknown.";
        QTest::newRow("status 9 clamped") << true << 9 << 7 << "Status CAN = Unknown.";
        QTest::newRow("status 255 clamped") << true << 255 << 7 << "Status CAN = Unknown.";
        QTest::newRow("write refused") << false << 200 << -1 << "  Transmit error";
    }
    void sendStatus() {
        QFETCH(bool, writeResult);
        QFETCH(int, statusByte);
        QFETCH(int, code);
        QFETCH(QString, text);
        openDefault();
        fake->writeResult = writeResult;
        fake->writeStatus = static_cast<uint8_t>(statusByte);
        fake->writeStatusOnFailure = true;
        const TCanSendStatus result = CanSend(1);
        QCOMPARE(result.text(), text);
        if (code >= 0) QCOMPARE(int(result.Code), code);
        QVERIFY(result.Code <= 7);
    }

    void sendBuildsRecords() {
        openDefault();
        const uint8_t a[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        CanTx[0] = TCanFrame{0x1F000023u, 2, {}};
        std::copy(a, a + 8, CanTx[0].Data);
        CanTx[1] = TCanFrame{0x7FF, 0, {9, 9, 9, 9, 9, 9, 9, 9}};
        CanTx[2] = TCanFrame{0x123, 8, {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7}};
        (void)CanSend(3);
        QCOMPARE(fake->calls, QStringList{QStringLiteral("DeviceWriteMessages 100 3")});
        QCOMPARE(fake->sent.size(), size_t(3));
        for (int i = 0; i < 3; ++i) {
            const TSlCanMessage& m = fake->sent[size_t(i)];
            QCOMPARE(int(m.Flags), 1); // every frame goes out with the extended flag
            QCOMPARE(m.ID, CanTx[i].ID);
            QCOMPARE(m.DataCount, CanTx[i].DLC);
            // All eight bytes are copied whatever the data count.
            QVERIFY(std::equal(m.Data, m.Data + 8, CanTx[i].Data));
        }
    }

    void sendCountIsBoundedByCanTx_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("sent");
        QTest::newRow("31, the whole array") << 31 << 31;
        QTest::newRow("40 is cut to 31") << 40 << 31;
        QTest::newRow("negative sends nothing") << -3 << 0;
    }
    void sendCountIsBoundedByCanTx() {
        QFETCH(int, count);
        QFETCH(int, sent);
        openDefault();
        for (int i = 0; i < CanTxSize; ++i)
            CanTx[i].ID = 0x200u + static_cast<uint32_t>(i);
        (void)CanSend(count);
        QCOMPARE(int(fake->sent.size()), sent);
        if (sent > 0) QCOMPARE(fake->sent.back().ID, 0x200u + static_cast<uint32_t>(sent - 1));
    }

    void sendWithoutOpenStillCallsTheLibrary() {
        // CanSend does not look at the state; the library call with handle -1 decides.
        fake->writeResult = false;
        const TCanSendStatus status = CanSend(1);
        QCOMPARE(fake->calls, QStringList{QStringLiteral("DeviceWriteMessages -1 1")});
        QCOMPARE(status.text(), QStringLiteral("  Transmit error"));
    }

    void readBeforeOpen() {
        CanLoad();
        queueScript(*fake, QStringLiteral("3F"));
        QCOMPARE(CanRead(10), 0);
        QCOMPARE(fake->callCount(QStringLiteral("DeviceReadEvents")), 0);
    }

    void read_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("frames");
        QTest::newRow("one frame") << "1F" << 1;
        QTest::newRow("frames and events mixed") << "2F 5E 3F 1E" << 5;
        QTest::newRow("nothing arrived") << "" << 0;
        QTest::newRow("100 non-frame events only") << "100E" << 0;
        QTest::newRow("101 non-frame events only: 0, not 1") << "101E" << 0;
        QTest::newRow("150 non-frame events and 2 frames: 2, not 1") << "1F 150E 1F" << 2;
        QTest::newRow("900 events, 100 frames") << "50F 900E 50F" << 100;
        QTest::newRow("1000 frames") << "1000F" << 1000;
        QTest::newRow("1200 queued: one read takes 1000") << "1200F" << 1000;
    }
    void read() {
        QFETCH(QString, script);
        QFETCH(int, frames);
        openDefault();
        queueScript(*fake, script);
        fillRx(0xEE);

        QCOMPARE(CanRead(10), frames);
        QCOMPARE(fake->lastReadTimeOut, 10u);
        QCOMPARE(fake->lastReadMaxCount, uint32_t(CanReadMax));
        for (int n = 0; n < frames; ++n) {
            const TCanFrame& f = CanRx[n];
            QCOMPARE(f.ID, 0x100u + static_cast<uint32_t>(n));
            QCOMPARE(int(f.DLC), n % 9);
            for (int b = 0; b < 8; ++b)
                QCOMPARE(int(f.Data[b]), (n + b) & 0xFF);
        }
        // Records beyond the count keep older contents.
        QCOMPARE(CanRx[frames].ID, 0xABCD0000u + static_cast<uint32_t>(frames));
        QCOMPARE(int(CanRx[frames].DLC), 0xEE);
    }

    void readDoesNotReplay_data() {
        QTest::addColumn<bool>("readResult");
        QTest::addColumn<bool>("failedReadKeepsCount");
        QTest::addColumn<bool>("readWritesCount");
        QTest::newRow("refused read that leaves the count") << false << true << true;
        QTest::newRow("refused read that zeroes the count") << false << false << true;
        QTest::newRow("accepted read that never writes the count") << true << true << false;
    }
    void readDoesNotReplay() {
        QFETCH(bool, readResult);
        QFETCH(bool, failedReadKeepsCount);
        QFETCH(bool, readWritesCount);
        openDefault();
        queueScript(*fake, QStringLiteral("3F"));
        QCOMPARE(CanRead(10), 3);

        fake->readResult = readResult;
        fake->failedReadKeepsCount = failedReadKeepsCount;
        fake->readWritesCount = readWritesCount;
        CanRx[0].ID = 0x55;
        QCOMPARE(CanRead(10), 0);
        QCOMPARE(CanRx[0].ID, 0x55u); // nothing of the previous read is processed again
    }

    void readCountBeyondTheBuffer() {
        openDefault();
        queueScript(*fake, QStringLiteral("3F"));
        fake->forcedReadCount = 5000;
        const int n = CanRead(10);
        QVERIFY(n >= 3);
        QVERIFY(n <= CanReadMax);
    }

    void noDriverInstalled() {
        SlCanInstallDriver(nullptr);
        fake = nullptr;
        CanLoad();
        QVERIFY(!CanLoaded);
        QCOMPARE(SlCan_GetDeviceCount(), 0);
        QCOMPARE(SlCan_GetDevice(0), -1);
        QVERIFY(!SlCan_DeviceOpen(0));
        TSlCanBitRate br;
        QVERIFY(!SlCan_DeviceSetBitRate(0, &br));
        QVERIFY(!SlCan_DeviceSetEventLevel(0, 1));
        QVERIFY(!SlCan_DeviceSetMode(0, 1));
        QVERIFY(!SlCan_DeviceSetTXTimeOut(0, 100));
        QVERIFY(!SlCan_DeviceClose(0));
        TSlCanEvent events[2];
        uint32_t count = 77;
        QVERIFY(!SlCan_DeviceReadEvents(0, 10, events, 2, &count));
        QCOMPARE(count, 0u);
        QCOMPARE(CanSend(1).text(), QStringLiteral("  Transmit error"));
    }
};

QTEST_GUILESS_MAIN(TestToolsCan)
#include "tst_ToolsCan.moc"
