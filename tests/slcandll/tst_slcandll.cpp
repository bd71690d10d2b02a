// The slcandll plugin against the stand-in slcan.dll built beside this test (Windows, under wine):
// the open sequence and its refusals, frames both ways through the library's records, raw events
// from the library, and libraries that cannot be used.

#include "can/CanDeviceFactory.h"
#include "slcandll/SlcanDllCanBusDevice.h"
#include "slcandll/SlcanDllCanBusFactory.h"
#include "slcandll/SlcanDllLibrary.h"

#include <QCanBusFrame>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include <windows.h>

namespace {

// The stand-in's own functions for tests.
void (*StandInReset)(int32_t adapters, const char* refuse) = nullptr;
void (*StandInLog)(char* text, uint32_t size) = nullptr;
void (*StandInLastWritten)(uint8_t* record) = nullptr;
void (*StandInInject)(int32_t adapter, const uint8_t* record) = nullptr;

template <class F> void bindTo(const char* name, F& f) {
    f = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"slcan.dll"), name)));
}

std::unique_ptr<SlcanDllCanBusDevice> device(int index, int bitRate = 125000) {
    auto d = std::make_unique<SlcanDllCanBusDevice>(SlcanDllLibrary::instance(), index);
    d->setConfigurationParameter(QCanBusDevice::BitRateKey, bitRate);
    return d;
}

} // namespace

class TstSlcanDll : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(SlcanDllLibrary::instance().start(&error), qPrintable(error));
        bindTo("StandIn_Reset", StandInReset);
        bindTo("StandIn_Log", StandInLog);
        bindTo("StandIn_LastWritten", StandInLastWritten);
        bindTo("StandIn_Inject", StandInInject);
        QVERIFY(StandInReset && StandInLog && StandInLastWritten && StandInInject);
    }

    void openSequence_data() {
        QTest::addColumn<int>("adapters");
        QTest::addColumn<QString>("refuse");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("bitRate");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QString>("error"); // empty: connected
        const QString configured = "SetEventLevel 1;SetMode 1;SetTXTimeOut 100;";
        QTest::newRow("125 kbit/s") << 2 << "" << 0 << 125000
                                    << "GetDeviceCount;GetDevice 0;DeviceOpen 100;SetBitRate 0x8004;" +
                                           configured
                                    << "";
        QTest::newRow("250 kbit/s, second adapter")
            << 2 << "" << 1 << 250000
            << "GetDeviceCount;GetDevice 1;DeviceOpen 101;SetBitRate 0x8003;" + configured << "";
        QTest::newRow("no adapter") << 0 << "" << 0 << 125000 << "GetDeviceCount;"
                                    << "no adapter attached";
        QTest::newRow("count refused") << -1 << "" << 0 << 125000 << "GetDeviceCount;"
                                       << "cannot count";
        QTest::newRow("beyond the count") << 2 << "" << 2 << 125000 << "GetDeviceCount;"
                                          << "reports 2 adapter";
        QTest::newRow("adapter in use")
            << 2 << "DeviceOpen" << 0 << 125000 << "GetDeviceCount;GetDevice 0;DeviceOpen 100;"
            << "cannot open it";
        QTest::newRow("bit rate without a code")
            << 2 << "" << 0 << 33333 << "GetDeviceCount;GetDevice 0;DeviceOpen 100;DeviceClose 100;"
            << "33333";
        QTest::newRow("mode refused")
            << 2 << "SetMode" << 0 << 250000
            << "GetDeviceCount;GetDevice 0;DeviceOpen 100;SetBitRate 0x8003;SetEventLevel "
               "1;SetMode 1;DeviceClose 100;"
            << "mode 1 was refused";
    }
    void openSequence() {
        QFETCH(int, adapters);
        QFETCH(QString, refuse);
        QFETCH(int, index);
        QFETCH(int, bitRate);
        QFETCH(QString, calls);
        QFETCH(QString, error);
        StandInReset(adapters, refuse.toLatin1().constData());
        auto d = device(index, bitRate);
        QCOMPARE(d->connectDevice(), error.isEmpty());
        if (error.isEmpty()) {
            QCOMPARE(d->state(), QCanBusDevice::ConnectedState);
            d->disconnectDevice();
            calls += QStringLiteral("DeviceClose %1;").arg(100 + index);
        } else {
            QVERIFY2(d->errorString().contains(error), qPrintable(d->errorString()));
        }
        char log[2048];
        StandInLog(log, sizeof log);
        QCOMPARE(QString::fromLatin1(log), calls);
    }

    // Frames written on adapter 0 through the program's own plugin registration, read on adapter 1.
    void framesBothWays_data() {
        QTest::addColumn<QCanBusFrame>("frame");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("extended") << QCanBusFrame(0x18FF1234, QByteArray::fromHex("010203"))
                                  << QByteArray::fromHex("01"
                                                         "3412ff18"
                                                         "03"
                                                         "0102030000000000");
        QCanBusFrame standard(0x123, QByteArray::fromHex("aa"));
        standard.setExtendedFrameFormat(false);
        QTest::newRow("standard") << standard
                                  << QByteArray::fromHex("00"
                                                         "23010000"
                                                         "01"
                                                         "aa00000000000000");
    }
    void framesBothWays() {
        QFETCH(QCanBusFrame, frame);
        QFETCH(QByteArray, record);
        StandInReset(2, "");
        RegisterSlcanDllBus();
        QCOMPARE(ListCanDeviceFactoryInterfaces(QStringLiteral("slcandll")).size(), 2);
        QString error;
        std::unique_ptr<QCanBusDevice> from(
            CreateCanBusDevice(QStringLiteral("slcandll"), QStringLiteral("0"), &error));
        QVERIFY2(from, qPrintable(error));
        auto to = device(1);
        QVERIFY(from->connectDevice() && to->connectDevice());
        QSignalSpy written(from.get(), &QCanBusDevice::framesWritten);
        QVERIFY(from->writeFrame(frame));
        QTRY_VERIFY(to->framesAvailable() == 1);
        const QCanBusFrame got = to->readFrame();
        QCOMPARE(got.frameId(), frame.frameId());
        QCOMPARE(got.payload(), frame.payload());
        QCOMPARE(got.hasExtendedFrameFormat(), frame.hasExtendedFrameFormat());
        QTRY_COMPARE(written.size(), 1);
        QByteArray bytes(14, '\0');
        StandInLastWritten(reinterpret_cast<uint8_t*>(bytes.data()));
        QCOMPARE(bytes.toHex(' '), record.toHex(' '));
    }

    void eventsFromTheLibrary_data() {
        QTest::addColumn<QByteArray>("event");
        QTest::addColumn<int>("frames");
        QTest::addColumn<uint>("id");
        QTest::addColumn<QByteArray>("payload");
        // Type, time stamp, then the message record: flags, identifier, data count, data.
        QTest::newRow("frame") << QByteArray::fromHex("00"
                                                      "aabbccdd"
                                                      "01"
                                                      "78563412"
                                                      "08"
                                                      "1122334455667788")
                               << 1 << 0x12345678u << QByteArray::fromHex("1122334455667788");
        QTest::newRow("count above 8 read as 8")
            << QByteArray::fromHex("00"
                                   "00000000"
                                   "01"
                                   "7856341f"
                                   "0f"
                                   "1122334455667788")
            << 1 << 0x1f345678u << QByteArray::fromHex("1122334455667788");
        QTest::newRow("standard identifier") << QByteArray::fromHex("00"
                                                                    "00000000"
                                                                    "00"
                                                                    "ff070000"
                                                                    "02"
                                                                    "5aa5000000000000")
                                             << 1 << 0x7ffu << QByteArray::fromHex("5aa5");
        QTest::newRow("other event skipped") << QByteArray::fromHex("02"
                                                                    "00000000"
                                                                    "01"
                                                                    "78563412"
                                                                    "08"
                                                                    "1122334455667788")
                                             << 0 << 0u << QByteArray();
    }
    void eventsFromTheLibrary() {
        QFETCH(QByteArray, event);
        QFETCH(int, frames);
        QFETCH(uint, id);
        QFETCH(QByteArray, payload);
        StandInReset(1, "");
        auto d = device(0);
        QVERIFY(d->connectDevice());
        StandInInject(0, reinterpret_cast<const uint8_t*>(event.constData()));
        // A frame behind it shows that the event was taken.
        const QByteArray marker = QByteArray::fromHex("00"
                                                      "00000000"
                                                      "00"
                                                      "01000000"
                                                      "00"
                                                      "0000000000000000");
        StandInInject(0, reinterpret_cast<const uint8_t*>(marker.constData()));
        QTRY_COMPARE(d->framesAvailable(), qint64(frames + 1));
        QCOMPARE(d->otherEvents(), uint64_t(1 - frames));
        if (frames == 1) {
            const QCanBusFrame got = d->readFrame();
            QCOMPARE(got.frameId(), id);
            QCOMPARE(got.payload(), payload);
            QCOMPARE(got.hasExtendedFrameFormat(), id > 0x7ff);
        }
    }

    void unusableLibrary_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("problem");
        QTest::newRow("32-bit library") << "slcan32.dll"
                                        << "is a 32-bit library";
        QTest::newRow("not the adapter library") << "version.dll"
                                                 << "has no function SlCan_Load";
    }
    void unusableLibrary() {
        QFETCH(QString, file);
        QFETCH(QString, problem);
        if (file == u"slcan32.dll") {
            // The stand-in marked as a library for 32-bit x86 (the machine field of its COFF header).
            QFile in(QStringLiteral("slcan.dll"));
            QVERIFY(in.open(QIODevice::ReadOnly));
            QByteArray bytes = in.readAll();
            const qint32 pe = *reinterpret_cast<const qint32*>(bytes.constData() + 0x3C);
            bytes[pe + 4] = '\x4C';
            bytes[pe + 5] = '\x01';
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        }
        const SlcanDllLibrary library(file);
        QVERIFY(library.isPresent());
        QVERIFY(!library.isLoaded());
        QVERIFY2(library.problem().contains(problem), qPrintable(library.problem()));
    }
};

QTEST_MAIN(TstSlcanDll)
#include "tst_slcandll.moc"
