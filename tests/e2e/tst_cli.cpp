// canquorvex-cli end to end: zelm-sim plays a project on a virtual CAN bus, the program reads,
// writes, commands and monitors its devices there, and ends with the documented exit codes.

#include "tests/FreePort.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

#ifndef ZELM_SIM_PATH
#error "ZELM_SIM_PATH must name the zelm-sim executable"
#endif
#ifndef CLI_PATH
#error "CLI_PATH must name the canquorvex-cli executable"
#endif
#ifndef PROFILES_DIR
#error "PROFILES_DIR must name the folder of the sample profiles"
#endif

namespace {

// "Sim" is what zelm-sim plays; "Line" has the same two devices and a third that nobody plays.
const char ProjectsIni[] = "[Projects]\nProjectQua=2\nProject1=Sim\nProject2=Line\nProjectNum=2\n"
                           "[Sim]\nProtokol=0\nUse_0=1\nName_0=Pump\nRXadr_0=0x100\nTXadr_0=0x110\n"
                           "Use_1=1\nName_1=Fan\nRXadr_1=0x101\nTXadr_1=0x111\n"
                           "[Line]\nProtokol=0\nUse_0=1\nName_0=Pump\nRXadr_0=0x100\nTXadr_0=0x110\n"
                           "Use_1=1\nName_1=Fan\nRXadr_1=0x101\nTXadr_1=0x111\n"
                           "Use_2=1\nName_2=Ghost\nRXadr_2=0x1F0\nTXadr_2=0x1F1\n";

struct TRun {
    int code = -1;
    QList<QJsonObject> lines;
    QByteArray err;
};

} // namespace

class TstCli : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_bus;
    QProcess m_sim;

    TRun cli(QStringList args) {
        QProcess p;
        p.start(QStringLiteral(CLI_PATH), QStringList{QStringLiteral("--folder"), m_dir.path(), QStringLiteral("--can"),
                                                       QStringLiteral("virtualcan:") + m_bus} + args);
        TRun r;
        if (!p.waitForFinished(20000)) p.kill();
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.err = p.readAllStandardError();
        for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
            if (!line.isEmpty()) r.lines << QJsonDocument::fromJson(line).object();
        return r;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        // The messages compared are the English ones, whatever the language of the machine.
        qputenv("LANGUAGE", "en");
        QFile ini(m_dir.filePath(QStringLiteral("Projects.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write(ProjectsIni) > 0);
        ini.close();
        // Row 0 of "Line" (the project selected) has the sample register map of the demo devices.
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("profiles")));
        QVERIFY(QFile::copy(QStringLiteral(PROFILES_DIR "/zelm-demo.json"),
                            m_dir.filePath(QStringLiteral("profiles/zelm-demo.json"))));
        QFile settings(m_dir.filePath(QStringLiteral("Quorvex.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly) &&
                settings.write("[Profiles]\nLine/0=zelm-demo.json\n") > 0);
        settings.close();
        m_bus = VirtualBusUrl(FreeTcpPort());
        m_sim.setProcessChannelMode(QProcess::MergedChannels);
        m_sim.start(QStringLiteral(ZELM_SIM_PATH),
                    {QStringLiteral("--can"), QStringLiteral("virtualcan:") + m_bus, QStringLiteral("--project"),
                     ini.fileName(), QStringLiteral("--name"), QStringLiteral("Sim"), QStringLiteral("--period"),
                     QStringLiteral("5")});
        QVERIFY(QTest::qWaitFor([this] { return m_sim.readAll().contains("CAN connected"); }, 10000));
    }
    void cleanupTestCase() {
        m_sim.terminate();
        if (!m_sim.waitForFinished(5000)) m_sim.kill();
    }

    void readWriteCommand() {
        // Settings of row 0 start at (r - 89) * 10: register 96 holds 70.
        TRun r = cli({QStringLiteral("read"), QStringLiteral("Pump"), QStringLiteral("96"), QStringLiteral("88")});
        QVERIFY2(r.code == 0, r.err.constData());
        QCOMPARE(r.lines.size(), 2);
        QCOMPARE(r.lines[0].value(QStringLiteral("register")).toInt(), 96);
        QCOMPARE(r.lines[0].value(QStringLiteral("raw")).toInt(), 70);

        r = cli({QStringLiteral("write"), QStringLiteral("0"), QStringLiteral("96"), QStringLiteral("0x4D2")});
        QVERIFY2(r.code == 0, r.err.constData());
        QCOMPARE(r.lines.value(0).value(QStringLiteral("data")).toString(), QStringLiteral("000000008060")
                                                                               + QStringLiteral("04D2"));
        r = cli({QStringLiteral("read"), QStringLiteral("0"), QStringLiteral("96")});
        QCOMPARE(r.lines.value(0).value(QStringLiteral("raw")).toInt(), 1234); // the device took it

        r = cli({QStringLiteral("command"), QStringLiteral("Fan"), QStringLiteral("3")});
        QVERIFY2(r.code == 0, r.err.constData());
        QCOMPARE(r.lines.value(0).value(QStringLiteral("id")).toString(), QStringLiteral("0x00000101"));
        r = cli({QStringLiteral("read"), QStringLiteral("Fan"), QStringLiteral("127")});
        QCOMPARE(r.lines.value(0).value(QStringLiteral("raw")).toInt(), 8);
    }

    void readWithRegisterMap() {
        TRun r = cli({QStringLiteral("read"), QStringLiteral("Pump"), QStringLiteral("24"),
                      QStringLiteral("88"), QStringLiteral("89")});
        QVERIFY2(r.code == 0, r.err.constData());
        QCOMPARE(r.lines.size(), 3);
        const QJsonObject current = r.lines[0];
        QCOMPARE(current.value(QStringLiteral("name")).toString(), QStringLiteral("Drive 1 motor current"));
        QCOMPARE(current.value(QStringLiteral("unit")).toString(), QStringLiteral("A"));
        const double expected = static_cast<int16_t>(current.value(QStringLiteral("raw")).toInt()) * 0.1;
        QVERIFY(qAbs(current.value(QStringLiteral("value")).toDouble() - expected) < 1e-9);
        QCOMPARE(r.lines[1].value(QStringLiteral("unit")).toString(), QStringLiteral("s"));
        QCOMPARE(r.lines[1].value(QStringLiteral("value")).toInt(),
                 r.lines[1].value(QStringLiteral("raw")).toInt());
        QCOMPARE(r.lines[2].value(QStringLiteral("value")).toString(), QStringLiteral("Off")); // enum by name

        // A row without a map prints raw words; --profile names the registers by another one.
        r = cli({QStringLiteral("read"), QStringLiteral("Fan"), QStringLiteral("24")});
        QVERIFY(!r.lines.value(0).contains(QStringLiteral("name")));
        const QString csv = m_dir.filePath(QStringLiteral("fan.csv"));
        const QString json = m_dir.filePath(QStringLiteral("fan.json"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("register,name,unit\n24,Fan current,mA\n") > 0);
        f.close();
        r = cli({QStringLiteral("profile"), QStringLiteral("import"), csv, json});
        QVERIFY2(r.code == 0, r.err.constData());
        r = cli({QStringLiteral("--profile"), json, QStringLiteral("read"), QStringLiteral("Fan"),
                 QStringLiteral("24")});
        QCOMPARE(r.lines.value(0).value(QStringLiteral("name")).toString(), QStringLiteral("Fan current"));
        QCOMPARE(r.lines.value(0).value(QStringLiteral("unit")).toString(), QStringLiteral("mA"));
        r = cli({QStringLiteral("profile"), QStringLiteral("check"), csv});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("fan.csv: line 1, column "), r.err.constData());
    }

    void monitorDecodesDeviceFrames() {
        const TRun r = cli({QStringLiteral("monitor"), QStringLiteral("--seconds"), QStringLiteral("1")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.lines.size() > 50);
        QSet<int> rows;
        for (const QJsonObject& o : r.lines)
            if (o.contains(QStringLiteral("row"))) {
                rows << o.value(QStringLiteral("row")).toInt();
                QCOMPARE(o.value(QStringLiteral("direction")).toInt(), 0);
            }
        QCOMPARE(rows, (QSet<int>{0, 1}));
    }

    // Save, change two registers, see them differ, restore: only those two are written and both
    // confirmed; a profile's read-only register is skipped and a value out of its range refuses.
    void parameterSets() {
        const QString file = m_dir.filePath(QStringLiteral("fan.json"));
        TRun r = cli({"params", "save", "Fan", file, "--registers", "96-111"});
        QVERIFY2(r.code == 0, r.err.constData());
        QVERIFY(cli({"write", "Fan", "100", "7"}).code == 0);
        QVERIFY(cli({"write", "Fan", "104", "9"}).code == 0);
        r = cli({"params", "diff", file, "--live", "Fan"});
        QCOMPARE(r.code, 4);
        QCOMPARE(r.lines.size(), 2);
        QCOMPARE(r.lines[1].value("register").toInt(), 104);
        QCOMPARE(r.lines[1].value("b").toInt(), 9);

        QProcess listener; // the frames towards the Fan on the bus, seen by another program
        listener.start(QStringLiteral(CLI_PATH), {"--folder", m_dir.path(), "--can", "virtualcan:" + m_bus, "monitor"});
        QVERIFY(QTest::qWaitFor([&] { return listener.canReadLine(); }, 5000));
        r = cli({"params", "restore", "Fan", file, "--verify", "--yes"});
        QVERIFY2(r.code == 0, r.err.constData());
        int confirmed = 0;
        for (const QJsonObject& o : r.lines)
            confirmed += o.value("status").toString() == "confirmed";
        QCOMPARE(confirmed, 2);
        QTest::qWait(300);
        listener.terminate();
        QVERIFY(listener.waitForFinished(5000));
        int writes = 0;
        for (const QByteArray& line : listener.readAllStandardOutput().split('\n'))
            writes += line.contains("\"row\":1,\"direction\":1");
        QCOMPARE(writes, 2);
        QCOMPARE(cli({"params", "diff", file, "--live", "Fan"}).code, 0);
        // Nothing differs now: the restore ends at once, without asking, each register "unchanged".
        r = cli({"params", "restore", "Fan", file});
        QVERIFY2(r.code == 0, r.err.constData());
        QCOMPARE(r.lines.size(), 16);
        for (const QJsonObject& o : r.lines)
            QCOMPARE(o.value("status").toString(), QStringLiteral("unchanged"));
        QVERIFY2(r.err.contains("nothing to write"), r.err.constData());

        QFile profile(m_dir.filePath(QStringLiteral("fan-profile.json")));
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write(R"({"schema":1,"device":"Fan","registers":[{"register":100,"name":"Hours","access":"ro"},
                         {"register":104,"name":"Limit","max":50}]})");
        profile.close();
        r = cli({"params", "restore", "Fan", file, "--profile", profile.fileName(), "--yes", "--force"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains("register 104 (Limit)"), r.err.constData());
        QFile bad(file);
        QVERIFY(bad.open(QIODevice::ReadOnly));
        QByteArray json = bad.readAll();
        bad.close();
        json.replace("\"register\": 104, \"raw\": 151", "\"register\": 104, \"raw\": 40");
        QVERIFY(bad.open(QIODevice::WriteOnly | QIODevice::Truncate) && bad.write(json) > 0);
        bad.close();
        r = cli({"params", "restore", "Fan", file, "--profile", profile.fileName(), "--yes", "--force", "--dry-run"});
        QVERIFY2(r.code == 0, r.err.constData());
        QString actions;
        for (const QJsonObject& o : r.lines)
            if (o.value("register").toInt() == 100 || o.value("register").toInt() == 104)
                actions += o.value("action").toString() + ' ';
        QCOMPARE(actions, QStringLiteral("skipped-ro write "));
    }

    // A small trace of project "Line": the Pump (row 0, with the demo register map) reports
    // registers 24-26 twice (only 24 changes), the Fan once, and the tool writes register 0 and 2 of
    // the Pump; a line with a CR before its end, an unreadable line and a comment among them.
    void traceExport() {
        const QString trace = m_dir.filePath(QStringLiteral("site.log"));
        QFile f(trace);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("# recorded on site\n"
                "(1733650000.000000) can0 110#00FA01F4E0180064 R\r\n"
                "(1733650000.500000) can0 110#00FA01F4E0180065 R\n"
                "(1733650001.000000) can0 111#00010002E0180003 R\n"
                "this is no frame\n"
                "(1733650001.250000) can0 100#00000003A0000007 T\n");
        f.close();
        const auto run = [&](const QStringList& args) {
            QProcess p;
            p.start(QStringLiteral(CLI_PATH),
                    QStringList{QStringLiteral("--folder"), m_dir.path(), QStringLiteral("--project"),
                                QStringLiteral("Line"), QStringLiteral("trace"), QStringLiteral("export"),
                                trace} +
                        args);
            if (!p.waitForFinished(20000)) p.kill();
            return std::make_tuple(p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError());
        };
        auto [code, out, err] = run({QStringLiteral("--device"), QStringLiteral("Pump"),
                                     QStringLiteral("--registers"), QStringLiteral("0,24-26")});
        QVERIFY2(code == 0, err.constData());
        QCOMPARE(
            out,
            QByteArray("time,time_s,row,device,direction,register,name,raw,value,unit\n"
                       "2024-12-08T09:26:40.000000Z,1733650000.000000,0,Pump,from,24,Drive 1 motor current,"
                       "100,10.0,A\n"
                       "2024-12-08T09:26:40.000000Z,1733650000.000000,0,Pump,from,25,Drive 1 supply voltage,"
                       "250,250,V\n"
                       "2024-12-08T09:26:40.000000Z,1733650000.000000,0,Pump,from,26,Drive 1 flow,500,50.0,"
                       "m³/h\n"
                       "2024-12-08T09:26:40.500000Z,1733650000.500000,0,Pump,from,24,Drive 1 motor current,"
                       "101,10.1,A\n"
                       "2024-12-08T09:26:41.250000Z,1733650001.250000,0,Pump,to,0,Status,7,"
                       "\"Heartbeat, Ready, Power on\",\n"));
        QVERIFY2(err.contains("1 unreadable lines"), err.constData());

        // Every message from +0.5 s on, of both devices (the Fan has no map), as JSON lines.
        std::tie(code, out, err) = run(
            {QStringLiteral("--format"), QStringLiteral("jsonl"), QStringLiteral("--all-frames"),
             QStringLiteral("--from"), QStringLiteral("+0.5"), QStringLiteral("--to"),
             QStringLiteral("2024-12-08T09:26:41"), QStringLiteral("--registers"), QStringLiteral("24,25")});
        QVERIFY2(code == 0, err.constData());
        QCOMPARE(
            out,
            QByteArray(
                R"({"time":"2024-12-08T09:26:40.500000Z","time_s":1733650000.500000,"row":0,"device":"Pump","direction":"from","register":24,"name":"Drive 1 motor current","raw":101,"value":10.1,"unit":"A"}
{"time":"2024-12-08T09:26:40.500000Z","time_s":1733650000.500000,"row":0,"device":"Pump","direction":"from","register":25,"name":"Drive 1 supply voltage","raw":250,"value":250,"unit":"V"}
{"time":"2024-12-08T09:26:41.000000Z","time_s":1733650001.000000,"row":1,"device":"Fan","direction":"from","register":24,"raw":3}
{"time":"2024-12-08T09:26:41.000000Z","time_s":1733650001.000000,"row":1,"device":"Fan","direction":"from","register":25,"raw":1}
)"));
    }

    // The language kept in the folder's Quorvex.ini (beside the rows' profiles) is the messages'
    // language unless --lang says otherwise; what scripts read on stdout never changes.
    void languageKept() {
        QFile settings(m_dir.filePath(QStringLiteral("Quorvex.ini")));
        QVERIFY(settings.open(QIODevice::Append) && settings.write("[Language]\nChoice=ru\n") > 0);
        settings.close();
        const TRun russian = cli({"write", "Boiler", "1", "2"});
        const TRun english = cli({"--lang", "en", "write", "Boiler", "1", "2"});
        const TRun devicesRu = cli({"devices"});
        const TRun devicesEn = cli({"--lang", "en", "devices"});
        // The profile kept in the same file is still the row's.
        const TRun described = cli({"read", "Pump", "24"});
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                settings.write("[Profiles]\nLine/0=zelm-demo.json\n") > 0);
        settings.close();
        QCOMPARE(russian.code, 1);
        QVERIFY2(russian.err.contains("в проекте"), russian.err.constData());
        QCOMPARE(english.code, 1);
        QVERIFY2(english.err.contains("no device of project"), english.err.constData());
        QCOMPARE(devicesRu.code, 0);
        QVERIFY(!devicesRu.lines.isEmpty());
        QCOMPARE(devicesRu.lines, devicesEn.lines);
        QVERIFY2(described.code == 0, described.err.constData());
        QCOMPARE(described.lines.value(0).value(QStringLiteral("name")).toString(),
                 QStringLiteral("Drive 1 motor current"));
    }

    void exitCodes_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("register out of range") << QStringList{"read", "0", "200"} << 1 << "\"200\"";
        QTest::newRow("unknown device") << QStringList{"write", "Boiler", "1", "2"} << 1 << "Boiler";
        QTest::newRow("value too wide") << QStringList{"write", "0", "1", "70000"} << 1 << "70000";
        QTest::newRow("no such adapter") << QStringList{"--can", "slcan:/nonexistent/tty", "command", "0", "1"} << 2
                                         << "/nonexistent/tty";
        QTest::newRow("no such trace")
            << QStringList{"trace", "export", "/nonexistent/site.log"} << 1 << "/nonexistent/site.log";
        QTest::newRow("unknown export format")
            << QStringList{"trace", "export", "site.log", "--format", "xml"} << 1 << "--format xml";
        QTest::newRow("nobody reports") << QStringList{"--timeout", "0.5", "read", "Ghost", "5"} << 3 << "5";
        // Times a timer cannot hold are refused before anything starts.
        QTest::newRow("timeout nan") << QStringList{"--timeout", "nan", "read", "0", "5"} << 1
                                     << "--timeout nan";
        QTest::newRow("timeout inf") << QStringList{"--timeout", "inf", "read", "0", "5"} << 1
                                     << "--timeout inf";
        QTest::newRow("timeout beyond a day")
            << QStringList{"--timeout", "86401", "read", "0", "5"} << 1 << "--timeout";
        QTest::newRow("seconds nan") << QStringList{"--seconds", "NaN", "monitor"} << 1 << "--seconds NaN";
        QTest::newRow("seconds -inf") << QStringList{"--seconds", "-inf", "monitor"} << 1 << "--seconds -inf";
        QTest::newRow("seconds beyond a year")
            << QStringList{"--seconds", "1e12", "monitor"} << 1 << "--seconds 1e12";
        QTest::newRow("unknown language") << QStringList{"--lang", "xx", "devices"} << 1 << "--lang xx";
        // Messages follow --lang; the words the user typed stay as typed.
        QTest::newRow("in Russian") << QStringList{"--lang", "ru", "write", "Boiler", "1", "2"} << 1
                                    << "\"Boiler\": в проекте";
        QTest::newRow("in English") << QStringList{"--lang=en", "read", "0", "200"} << 1
                                    << "\"200\" is not a register";
    }
    void exitCodes() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        const TRun r = cli(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message.toUtf8()), r.err.constData());
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
