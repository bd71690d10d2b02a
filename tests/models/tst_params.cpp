// Parameter sets as plain code: the file reader against broken files, the restore plan (what is
// written, left unchanged, skipped or refused, and how writes are grouped) and a restore run's
// frames and verification against a scripted adapter.

#include "can/ToolsCan.h"
#include "params/RestorePlan.h"
#include "params/RestoreRun.h"
#include "session/DeviceSession.h"
#include "tests/can/FakeBus.h"

#include <QSignalSpy>
#include <QTest>

#include <map>

using Live = std::map<int, int>; // register -> live raw
Q_DECLARE_METATYPE(Live)

namespace {

TParameterSet set(std::initializer_list<std::pair<int, int>> regs, const QString& profile = QString()) {
    TParameterSet s;
    s.Profile = profile;
    for (const auto& [r, raw] : regs)
        s.Registers << TParameterValue{r, static_cast<uint16_t>(raw), {}, {}, {}};
    return s;
}

// 96-99 rw with 0..3000, 100 ro.
TDeviceProfile profile() {
    TDeviceProfile p;
    QString error;
    (void)TDeviceProfile::parse(R"({"schema":1,"device":"Pump controller","registers":[
        {"register":96,"name":"Speed","min":0,"max":3000},{"register":97,"name":"Ramp"},
        {"register":98,"name":"Limit"},{"register":99,"name":"Mode"},
        {"register":100,"name":"Hours","access":"ro"}]})",
                                "p.json", &p, &error);
    return p;
}

} // namespace

class TstParams : public QObject {
    Q_OBJECT
private slots:
    void brokenFiles_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        QTest::newRow("syntax") << QByteArray("{\"kind\": \"parameter-set\",\n\"schema\": 1,,") << "s.json: line 2";
        QTest::newRow("another kind") << QByteArray(R"({"kind":"profile","schema":1,"registers":[]})") << "\"kind\"";
        QTest::newRow("raw too large")
            << QByteArray(R"({"kind":"parameter-set","schema":1,"registers":[{"register":5,"raw":70000}]})")
            << "register entry 1 (register 5): \"raw\"";
        QTest::newRow("raw missing") << QByteArray(R"({"kind":"parameter-set","schema":1,"registers":[{"register":5}]})")
                                     << "\"raw\"";
        QTest::newRow("twice")
            << QByteArray(R"({"kind":"parameter-set","schema":1,"registers":[{"register":5,"raw":1},{"register":5,"raw":2}]})")
            << "register entry 2 (register 5): the register is in the set twice";
    }
    void brokenFiles() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        TParameterSet s;
        QString error;
        QVERIFY(!TParameterSet::parse(json, "s.json", &s, &error));
        QVERIFY2(error.startsWith("s.json: ") && error.contains(message), qPrintable(error));
    }

    void roundTrip() {
        TParameterSet s = set({{97, 3}, {96, 1500}});
        s.Registers[1].Name = "Speed \"set\"";
        s.Registers[1].Value = 1500;
        TParameterSet back;
        QString error;
        QVERIFY2(TParameterSet::parse(s.toJson(), "s.json", &back, &error), qPrintable(error));
        QCOMPARE(back.Registers.size(), 2);
        QCOMPARE(back.Registers[0].Register, 96); // in register order
        QCOMPARE(back.find(96)->Name, QStringLiteral("Speed \"set\""));
        QCOMPARE(int(back.find(97)->Raw), 3);
        QVERIFY(CompareParameterSets(s, back).isEmpty());
    }

    // The plan: each register's action and the write frames (address:count), or the refusal.
    void plan_data() {
        QTest::addColumn<TParameterSet>("file");
        QTest::addColumn<Live>("live");
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("perWrite");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("writes");
        QTest::newRow("only what differs, consecutive in one write")
            << set({{96, 1}, {97, 2}, {98, 3}, {99, 4}}) << Live{{96, 1}, {97, 0}, {98, 0}} << false << 3
            << "96=unchanged 97=write 98=write 99=write" << "97:3";
        QTest::newRow("runs split at the layout's width and at gaps")
            << set({{96, 1}, {97, 2}, {98, 3}, {99, 4}, {101, 5}}) << Live{} << false << 3
            << "96=write 97=write 98=write 99=write 101=write" << "96:3 99:1 101:1";
        QTest::newRow("protocol 3 carries four") << set({{96, 1}, {97, 2}, {98, 3}, {99, 4}}) << Live{} << false << 4
                                                 << "96=write 97=write 98=write 99=write" << "96:4";
        QTest::newRow("all writes matching ones too") << set({{96, 1}}) << Live{{96, 1}} << true << 3 << "96=write"
                                                      << "96:1";
        QTest::newRow("ro is skipped") << set({{99, 1}, {100, 9}}) << Live{} << false << 3
                                       << "99=write 100=skipped" << "99:1";
        QTest::newRow("out of range refuses all") << set({{96, 3001}, {97, 1}, {130, 1}}) << Live{} << false << 3
                                                  << "refused: 96 130" << "";
        QTest::newRow("another profile refuses") << set({{96, 1}}, "Fan controller") << Live{} << false << 3
                                                 << "refused: Fan controller" << "";
    }
    void plan() {
        QFETCH(TParameterSet, file);
        QFETCH(Live, live);
        QFETCH(bool, all);
        QFETCH(int, perWrite);
        QFETCH(QString, actions);
        QFETCH(QString, writes);
        if (file.Profile.isEmpty()) file.Profile = QStringLiteral("Pump controller");
        const TDeviceProfile p = profile();
        TRestoreOptions o;
        o.All = all;
        o.ValuesPerWrite = perWrite;
        const TRestorePlan plan = TRestorePlan::make(file, &p, o, [&live](int r) {
            const auto it = live.find(r);
            return it == live.end() ? std::optional<uint16_t>() : std::optional<uint16_t>(it->second);
        });
        if (actions.startsWith("refused: ")) {
            QVERIFY(plan.refused());
            QVERIFY(plan.writes().isEmpty());
            for (const QString& word : actions.mid(9).split(' '))
                QVERIFY2(plan.refusals().join('\n').contains(word), qPrintable(plan.refusals().join('\n')));
            return;
        }
        QStringList got;
        for (const TRestoreItem& i : plan.items())
            got << QStringLiteral("%1=%2").arg(i.Register).arg(i.Action == TRestoreAction::Write       ? "write"
                                                               : i.Action == TRestoreAction::Unchanged ? "unchanged"
                                                                                                       : "skipped");
        QCOMPARE(got.join(' '), actions);
        QStringList w;
        for (const TRestoreWrite& x : plan.writes())
            w << QStringLiteral("%1:%2").arg(x.Address).arg(x.Count);
        QCOMPARE(w.join(' '), writes);
    }

    // A run sends the plan's frames as SET does, echoes them, and ends each register by the
    // device's reports: confirmed, mismatch, not-seen.
    void runVerifies() {
        FakeSlCanDriver* driver = OpenFakeBus();
        TDeviceSession s;
        s.RXadr = 0x100;
        s.TXadr = 0x110;
        const TRestorePlan plan = TRestorePlan::make(set({{96, 11}, {97, 12}, {100, 13}}), nullptr, {},
                                                     [](int) { return std::optional<uint16_t>(); });
        TRestoreRun run(s, plan, true, 300);
        QSignalSpy done(&run, &TRestoreRun::finished);
        run.start();
        QTRY_COMPARE(run.framesSent(), 2);
        QCOMPARE(driver->sent.size(), size_t(2));
        QCOMPARE(int(driver->sent[0].Data[4]), 0xC0); // 96 and 97 in one write
        QCOMPARE(s.image().cell(97).Direction, 1);    // echoed as a write towards the device
        const auto report = [&s](int reg, int value) {
            TDeviceMessage m;
            m.Address = static_cast<uint16_t>(reg);
            m.Count = 1;
            m.Mask = 4;
            m.Values[0] = static_cast<int16_t>(value);
            s.receive(m);
        };
        report(96, 11);
        report(97, 99);
        QVERIFY(done.wait(5000));
        QCOMPARE(QString(RestoreResultName(run.outcomes()[0].Result)), QStringLiteral("confirmed"));
        QCOMPARE(QString(RestoreResultName(run.outcomes()[1].Result)), QStringLiteral("mismatch"));
        QCOMPARE(int(*run.outcomes()[1].Reported), 99);
        QCOMPARE(QString(RestoreResultName(run.outcomes()[2].Result)), QStringLiteral("not-seen"));
        QCOMPARE(run.failedRegisters(), (QList<int>{97, 100}));
        SlCanInstallDriver(nullptr);
        CanResetState();
    }
};

QTEST_GUILESS_MAIN(TstParams)
#include "tst_params.moc"
