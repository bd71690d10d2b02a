// Device profiles as plain code: the reader against good and broken files, the conversion
// between raw words and engineering values at the edges, the import of CSV register maps, and frames
// in words for the trace view.

#include "profile/DeviceProfile.h"
#include "profile/ProfileCsv.h"
#include "profile/ProfileCsvExport.h"
#include "profile/ProfileDecoder.h"
#include "profile/RegisterFields.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray profileWith(const QByteArray& entries) {
    return "{\"schema\": 1, \"device\": \"Pump controller\", \"registers\": [" + entries + "]}";
}

} // namespace

class TstProfile : public QObject {
    Q_OBJECT
private slots:
    // raw word -> shown value, and the shown value typed back -> the same raw word
    void values_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("s16 scaled") << QByteArray(R"("type":"s16","scale":0.1,"decimals":1,"unit":"A")") << 123
                                    << "12.3 A";
        QTest::newRow("s16 lowest") << QByteArray(R"("type":"s16")") << 0x8000 << "-32768";
        QTest::newRow("s16 highest") << QByteArray(R"("type":"s16")") << 0x7FFF << "32767";
        QTest::newRow("u16 highest") << QByteArray(R"("type":"u16","unit":"rpm")") << 0xFFFF << "65535 rpm";
        QTest::newRow("offset") << QByteArray(R"("type":"u16","scale":0.5,"offset":-40,"decimals":1,"unit":"°C")")
                                << 100 << "10.0 °C";
        QTest::newRow("negative scale") << QByteArray(R"("type":"s16","scale":-2,"decimals":0)") << 0xFFFB << "10";
        QTest::newRow("enum") << QByteArray(R"("type":"enum","enum":{"0":"Off","1":"Manual","2":"Auto"})") << 2
                              << "Auto";
        QTest::newRow("bits and a field")
            << QByteArray(R"("type":"bits","bits":{"0":"Ready","1":"Running","3":"Fault","8-11":"Stage"})") << 0x0301
            << "Ready, Stage=3";
    }
    void values() {
        QFETCH(QByteArray, entry);
        QFETCH(int, raw);
        QFETCH(QString, shown);
        TDeviceProfile p;
        QString error;
        QVERIFY2(TDeviceProfile::parse(profileWith(R"({"register": 24, "name": "X", )" + entry + "}"), "p.json", &p,
                                       &error),
                 qPrintable(error));
        const TRegisterInfo* info = p.find(24);
        QVERIFY(info != nullptr);
        QCOMPARE(info->valueText(static_cast<uint16_t>(raw)), shown);
        if (info->Type == TRegisterType::Bits) return;
        uint16_t back = 0;
        QVERIFY2(info->parseValue(shown.section(QLatin1Char(' '), 0, 0), &back, &error), qPrintable(error));
        QCOMPARE(int(back), raw);
    }

    // Typed values that are refused, with a word of the message.
    void refusedValues_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("above max") << QByteArray(R"("min":0,"max":50,"unit":"A")") << "50.5" << "outside";
        QTest::newRow("below min") << QByteArray(R"("min":0,"max":50)") << "-1" << "outside";
        QTest::newRow("s16 cannot hold it") << QByteArray(R"("type":"s16")") << "32768" << "can hold";
        QTest::newRow("u16 not negative") << QByteArray(R"("type":"u16")") << "-1" << "can hold";
        QTest::newRow("unknown enum name") << QByteArray(R"("type":"enum","enum":{"0":"Off"})") << "On" << "none of";
        QTest::newRow("not a number") << QByteArray() << "fast" << "not a number";
    }
    void refusedValues() {
        QFETCH(QByteArray, entry);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TDeviceProfile p;
        QString error;
        const QByteArray e = R"({"register": 96, "name": "Set-point")" + (entry.isEmpty() ? "" : "," + entry) + "}";
        QVERIFY2(TDeviceProfile::parse(profileWith(e), "p.json", &p, &error), qPrintable(error));
        uint16_t raw = 0;
        QVERIFY(!p.find(96)->parseValue(typed, &raw, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    // Broken files: the whole file is refused, the message names the file and where.
    void brokenFiles_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        QTest::newRow("syntax") << QByteArray("{\"schema\": 1,\n  \"device\": \"P\"\n  \"registers\": []}")
                                << "p.json: line 3, column ";
        QTest::newRow("not an object") << QByteArray("[1]") << "p.json: a profile is a JSON object";
        QTest::newRow("schema 2") << QByteArray(R"({"schema":2,"device":"P","registers":[]})") << "\"schema\" must be 1";
        QTest::newRow("no device") << QByteArray(R"({"schema":1,"registers":[]})") << "\"device\"";
        QTest::newRow("register 128") << profileWith(R"({"register":128,"name":"X"})") << "register entry 1";
        QTest::newRow("twice") << profileWith(R"({"register":5,"name":"X"},{"register":5,"name":"Y"})")
                               << "register entry 2 (register 5): the register is described twice";
        QTest::newRow("scale 0") << profileWith(R"({"register":5,"name":"X","scale":0})") << "\"scale\" must not be 0";
        QTest::newRow("unknown type") << profileWith(R"({"register":5,"name":"X","type":"f32"})") << "\"type\"";
        QTest::newRow("min above max") << profileWith(R"({"register":5,"name":"X","min":5,"max":1})") << "above";
        QTest::newRow("bit 16") << profileWith(R"({"register":5,"name":"X","bits":{"16":"B"}})") << "bits: \"16\"";
        QTest::newRow("overlapping fields") << profileWith(R"({"register":5,"name":"X","bits":{"0-3":"A","2":"B"}})")
                                            << "overlaps";
        QTest::newRow("enum without values") << profileWith(R"({"register":5,"name":"X","type":"enum"})") << "enum";
        QTest::newRow("no name") << profileWith(R"({"register":5})") << "\"name\" is missing";
        QTest::newRow("a key twice") << profileWith("{\"register\":5,\n\"name\":\"X\",\"name\":\"Y\"}")
                                     << "line 2: the key \"name\" appears twice";
        QTest::newRow("NUL in a name")
            << profileWith("{\"register\":5,\n\n\"name\":\"X\\u0000Y\"}") << "line 3: a text holds a NUL";
    }
    void brokenFiles() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        TDeviceProfile p;
        QString error;
        QVERIFY(!TDeviceProfile::parse(json, "p.json", &p, &error));
        QVERIFY2(error.startsWith(QLatin1String("p.json: ")) && error.contains(message), qPrintable(error));
    }

    void unknownKeysAreIgnored() {
        TDeviceProfile p;
        QString error;
        QVERIFY(TDeviceProfile::parse(
            profileWith(R"({"register":5,"name":"X","vendor":"ACME"})").replace("\"schema\"", "\"note\":1,\"schema\""),
            "p.json", &p, &error));
        QCOMPARE(p.find(5)->Name, QStringLiteral("X"));
    }

    void csvImport() {
        const QByteArray csv = "register,name,unit,scale,offset,decimals,type,access,min,max,description\n"
                               "24,Motor current,A,0.1,0,1,s16,RO,0,50,\"Phase current, filtered\"\n"
                               "96,Speed set-point,rpm,1,0,0,u16,rw,0,3000,\n";
        TDeviceProfile p;
        QString error;
        QVERIFY2(ImportProfileCsv(csv, "map.csv", "Pump controller", &p, &error), qPrintable(error));
        QCOMPARE(p.registers().size(), 2);
        QVERIFY(p.find(24)->readOnly());
        QCOMPARE(p.find(24)->Description, QStringLiteral("Phase current, filtered"));
        // The written profile reads back the same.
        TDeviceProfile back;
        QVERIFY2(TDeviceProfile::parse(p.toJson(), "p.json", &back, &error), qPrintable(error));
        QCOMPARE(back.find(96)->valueText(1500), QStringLiteral("1500 rpm"));
        QCOMPARE(*back.find(24)->Max, 50.0);

        QVERIFY(!ImportProfileCsv("register,name,type\n5,Mode,enum\n", "map.csv", "P", &p, &error));
        QVERIFY2(error.contains("map.csv: line 2"), qPrintable(error));
        QVERIFY(!ImportProfileCsv("5,Mode\n", "map.csv", "P", &p, &error));
        QVERIFY2(error.contains("first line"), qPrintable(error));
    }
    // CSV as spreadsheets write it: quoted fields across lines, doubled quotes, CRLF, Windows-1251.
    void csvRecords_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("name24"); // register 24's name, or the error expected
        QTest::addColumn<QString>("description24");
        QTest::addColumn<int>("registers");
        const QByteArray head = "register,name,unit,description\r\n";
        QTest::newRow("quoted line end and quotes")
            << head + "24,\"Motor \"\"A\"\"\",A,\"first line\r\nsecond, line\"\r\n"
                      "25,Speed,rpm,\r\n"
            << "Motor \"A\""
            << "first line\r\nsecond, line" << 2;
        QTest::newRow("cp1251") << head + "24,\xD2\xEE\xEA,A,\n" << QString::fromUtf8("Ток") << "" << 1;
        QTest::newRow("quote never closed") << head + "24,\"Motor current,A,0.1\n25,Speed,rpm,\n"
                                            << "map.csv: line 2: a quoted field is never closed"
                                            << "" << 0;
        QTest::newRow("short row") << head + "24,Motor,A,x\n25,Speed\n"
                                   << "map.csv: line 3: 2 fields, the header names 4"
                                   << "" << 0;
        QTest::newRow("line numbers after a quoted line end")
            << head + "24,Motor,A,\"a\nb\"\n\n25,Speed,rpm\n"
            << "map.csv: line 5: 3 fields"
            << "" << 0;
    }
    void csvRecords() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, name24);
        QFETCH(QString, description24);
        QFETCH(int, registers);
        TDeviceProfile p;
        QString error;
        QString warning;
        const bool ok = ImportProfileCsv(csv, "map.csv", "P", &p, &error, &warning);
        if (registers == 0) {
            QVERIFY(!ok);
            QVERIFY2(error.startsWith(name24), qPrintable(error));
            return;
        }
        QVERIFY2(ok, qPrintable(error));
        QCOMPARE(p.registers().size(), registers);
        QCOMPARE(p.find(24)->Name, name24);
        QCOMPARE(p.find(24)->Description, description24);
        QCOMPARE(warning.contains("Windows-1251"), csv.contains('\xD2'));
    }
    // A map exported as CSV and imported again is the same map; bit and value names and defaults
    // go through their cells and back unchanged.
    void csvRoundTrip();
    // Frames of rows with a profile in words. Rows 0 and 2 share TX 0x110 and the profile; row 1
    // (TX 0x111) has none.
    void decodedFrames_data() {
        QTest::addColumn<uint32_t>("id");
        QTest::addColumn<int>("address");
        QTest::addColumn<QList<int>>("values"); // slots 0..2, -1: not carried
        QTest::addColumn<QString>("words");
        QTest::newRow("two rows, two registers")
            << 0x110u << 24 << QList<int>{123, 1, -1}
            << "Pump: Motor current = 12.3 A, Mode = Auto; Pump B: Motor current = 12.3 A, Mode = Auto";
        QTest::newRow("only described registers")
            << 0x110u << 23 << QList<int>{5, -1, 0} << "Pump: Mode = Off; Pump B: Mode = Off";
        QTest::newRow("no register described") << 0x110u << 100 << QList<int>{1, 2, 3} << QString();
        QTest::newRow("row without profile") << 0x111u << 24 << QList<int>{123, 1, -1} << QString();
    }
    void decodedFrames() {
        QFETCH(uint32_t, id);
        QFETCH(int, address);
        QFETCH(QList<int>, values);
        QFETCH(QString, words);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("profiles")));
        QFile f(dir.filePath(QStringLiteral("profiles/pump.json")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(profileWith(R"({"register": 24, "name": "Motor current", "unit": "A", "scale": 0.1, "decimals": 1},
                               {"register": 25, "name": "Mode", "type": "enum", "enum": {"0": "Off", "1": "Auto"}})"));
        f.close();
        TProject project;
        project.Name = QStringLiteral("Line1");
        const char* names[] = {"Pump", "Fan", "Pump B"};
        const uint32_t tx[] = {0x110, 0x111, 0x110};
        for (int r = 0; r < 3; ++r) {
            TZELM& d = project.Devices[static_cast<size_t>(r)];
            d.Use = true;
            d.Name = QString::fromLatin1(names[r]);
            d.RXadr = 0x100 + static_cast<uint32_t>(r);
            d.TXadr = tx[r];
        }
        QString error;
        for (int r : {0, 2})
            QVERIFY2(TProfileStore(dir.path()).assign(project.Name, r, f.fileName(), &error),
                     qPrintable(error));
        TProfileDecoder decoder(project, dir.path());
        QVERIFY(decoder.active());

        TDeviceMessage msg;
        msg.Address = static_cast<uint16_t>(address);
        msg.Count = 3;
        for (int i = 0; i < 3; ++i) {
            if (values[i] < 0) continue;
            msg.Mask |= static_cast<uint8_t>(1u << (2 - i));
            msg.Values[i] = static_cast<int16_t>(values[i]);
        }
        TCanFrame frame;
        EncodeRegisterWrite(msg, id, 0, frame);
        QCOMPARE(decoder.decode(frame), words);
    }
};

void TstProfile::csvRoundTrip() {
    TDeviceProfile p;
    QString error;
    QVERIFY2(
        TDeviceProfile::parse(
            profileWith(
                "{\"register\":24,\"name\":\"Ток двигателя, фаза \\\"A\\\"\",\"unit\":\"A\",\"scale\":0.1,"
                "\"offset\":-40.5,\"decimals\":1,\"access\":\"ro\",\"min\":-40,\"max\":50,"
                "\"description\":\"Filtered, 10 ms\"},"
                "{\"register\":90,\"name\":\"Limit\",\"unit\":\"m³/"
                "h\",\"scale\":0.001,\"type\":\"u16\",\"max\":65.5},"
                "{\"register\":5,\"name\":\"Status word\",\"type\":\"bits\"},"
                "{\"register\":127,\"name\":\"Tiny\",\"scale\":1e-7,\"type\":\"s16\"}"),
            "p.json", &p, &error),
        qPrintable(error));
    const QByteArray csv = ExportProfileCsv(p);
    QVERIFY(csv.startsWith("register,name,unit,scale,offset,decimals,type,access,min,max,default,bits,enum,"
                           "description\r\n"));
    TDeviceProfile back;
    QVERIFY2(ImportProfileCsv(csv, "map.csv", p.device(), &back, &error), qPrintable(error));
    QCOMPARE(QString::fromUtf8(back.toJson()), QString::fromUtf8(p.toJson()));

    QVERIFY2(TDeviceProfile::parse(
                 profileWith("{\"register\":2,\"name\":\"Code\",\"type\":\"bits\",\"bits\":{\"0\":\"Ready; "
                             "armed\",\"8-15\":\"Code\"}},"
                             "{\"register\":89,\"name\":\"Mode\",\"type\":\"enum\",\"default\":2,"
                             "\"enum\":{\"0\":\"Off\",\"2\":\"Auto=on\",\"-1\":\"Fault\"}}"),
                 "p.json", &p, &error),
             qPrintable(error));
    QVERIFY2(ImportProfileCsv(ExportProfileCsv(p), "map.csv", p.device(), &back, &error), qPrintable(error));
    QCOMPARE(QString::fromUtf8(back.toJson()), QString::fromUtf8(p.toJson()));
    // The editor's cells, one item a line, give the same entries back.
    for (const TRegisterInfo& info : p.registers()) {
        TRegisterInfo again;
        QVERIFY2(RegisterFromFields(RegisterFieldsOf(info, QLatin1Char('\n')), QLatin1Char('\n'), &again, &error),
                 qPrintable(error));
        TDeviceProfile a, b;
        a.setRegister(info);
        b.setRegister(again);
        QCOMPARE(QString::fromUtf8(b.toJson()), QString::fromUtf8(a.toJson()));
    }
}

QTEST_GUILESS_MAIN(TstProfile)
#include "tst_profile.moc"
