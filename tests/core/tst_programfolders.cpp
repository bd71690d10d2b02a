// The choice of the settings and traces folders (copied program, installed program, --folder; the
// XDG variables set or not) and the seeding of a new settings folder.

#include "core/ProgramFolders.h"

#include "tests/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstProgramFolders : public QObject {
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
    void seedKeepsWhatIsThere();
    void seedReportsAFolderItCannotMake();
};

void TstProgramFolders::choose_data() {
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<QString>("installedBin");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("traces");
    QTest::addColumn<bool>("seed");

    const int copied = int(TProgramFolders::Kind::ProgramFolder);
    const int installed = int(TProgramFolders::Kind::Installed);
    const int chosen = int(TProgramFolders::Kind::Chosen);
    QTest::newRow("copied: the program's folder, XDG not looked at")
        << "/opt/cq" << "/usr/bin" << "" << "/home/ann" << "/x/cfg" << "/x/data" << copied << "/opt/cq"
        << "/opt/cq/traces" << false;
    QTest::newRow("copied into a folder whose name starts like the bin folder")
        << "/usr/bin2" << "/usr/bin" << "" << "/home/ann" << "" << "" << copied << "/usr/bin2" << "/usr/bin2/traces"
        << false;
    QTest::newRow("built without an install folder")
        << "/usr/bin" << "" << "" << "/home/ann" << "" << "" << copied << "/usr/bin" << "/usr/bin/traces" << false;
    QTest::newRow("installed, XDG unset: below the home folder")
        << "/usr/bin" << "/usr/bin" << "" << "/home/ann" << "" << "" << installed << "/home/ann/.config/canquorvex"
        << "/home/ann/.local/share/canquorvex/traces" << true;
    QTest::newRow("installed, XDG set (trailing separators)")
        << "/usr/bin" << "/usr/bin/" << "" << "/home/ann" << "/x/cfg/" << "/x/data//" << installed
        << "/x/cfg/canquorvex" << "/x/data/canquorvex/traces" << true;
    QTest::newRow("installed, relative XDG values are ignored")
        << "/usr/local/bin" << "/usr/local/bin" << "" << "/home/ann" << "cfg" << "./data" << installed
        << "/home/ann/.config/canquorvex" << "/home/ann/.local/share/canquorvex/traces" << true;
    QTest::newRow("installed, no home, XDG unset")
        << "/usr/bin" << "/usr/bin" << "" << "" << "" << "" << installed << "/.config/canquorvex"
        << "/.local/share/canquorvex/traces" << true;
    QTest::newRow("--folder while installed: that folder, not seeded")
        << "/usr/bin" << "/usr/bin" << "/srv/plant7/" << "/home/ann" << "/x/cfg" << "/x/data" << chosen
        << "/srv/plant7" << "/srv/plant7/traces" << false;
    QTest::newRow("--folder while copied")
        << "/opt/cq" << "/usr/bin" << "/srv/plant7" << "/home/ann" << "" << "" << chosen << "/srv/plant7"
        << "/srv/plant7/traces" << false;
}

void TstProgramFolders::choose() {
    QFETCH(QString, exeDir);
    QFETCH(QString, installedBin);
    QFETCH(QString, folder);
    QFETCH(QString, home);
    QFETCH(QString, configHome);
    QFETCH(QString, dataHome);
    const TProgramFolders f = TProgramFolders::choose(exeDir, installedBin, folder, {home, configHome, dataHome});
    QTEST(int(f.kind), "kind");
    QTEST(f.settings, "settings");
    QTEST(f.traces, "traces");
    QTEST(f.seed, "seed");
    // --help names the folder in use.
    QVERIFY(f.describe(true).contains(f.settings));
    QVERIFY(f.describe(true).contains(f.traces));
}

void TstProgramFolders::seedKeepsWhatIsThere() {
    QTemporaryDir samples;
    QTemporaryDir home;
    QVERIFY(QDir(samples.path()).mkpath(QStringLiteral("profiles")));
    QVERIFY(WriteFileBytes(samples.filePath(QStringLiteral("Projects.ini")), "[Projects]\nProjectNum=1\n"));
    QVERIFY(WriteFileBytes(samples.filePath(QStringLiteral("profiles/pump.json")), "{\"schema\": 1}\n"));
    QVERIFY(WriteFileBytes(samples.filePath(QStringLiteral("profiles/press.json")), "{\"schema\": 1, \"device\": \"P\"}\n"));
    // Installed samples are read-only; the user's copies must not be.
    QVERIFY(QFile::setPermissions(samples.filePath(QStringLiteral("Projects.ini")), QFileDevice::ReadOwner));

    const QString folder = home.filePath(QStringLiteral(".config/canquorvex"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/profiles")));
    QVERIFY(WriteFileBytes(folder + QStringLiteral("/profiles/pump.json"), "mine"));

    QString error;
    QVERIFY2(SeedFolder(folder, samples.path(), &error), qPrintable(error));
    QCOMPARE(ReadFileBytes(folder + QStringLiteral("/Projects.ini")), QByteArray("[Projects]\nProjectNum=1\n"));
    QVERIFY(QFile::permissions(folder + QStringLiteral("/Projects.ini")) & QFileDevice::WriteOwner);
    QCOMPARE(ReadFileBytes(folder + QStringLiteral("/profiles/pump.json")), QByteArray("mine"));
    QCOMPARE(ReadFileBytes(folder + QStringLiteral("/profiles/press.json")),
             QByteArray("{\"schema\": 1, \"device\": \"P\"}\n"));

    // A second start changes nothing the user has changed since.
    QVERIFY(WriteFileBytes(folder + QStringLiteral("/Projects.ini"), "[Projects]\nProjectNum=2\n"));
    QVERIFY2(SeedFolder(folder, samples.path(), &error), qPrintable(error));
    QCOMPARE(ReadFileBytes(folder + QStringLiteral("/Projects.ini")), QByteArray("[Projects]\nProjectNum=2\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left behind
}

void TstProgramFolders::seedReportsAFolderItCannotMake() {
    QTemporaryDir home;
    QVERIFY(WriteFileBytes(home.filePath(QStringLiteral("canquorvex")), "a file where the folder belongs"));
    QString error;
    QVERIFY(!SeedFolder(home.filePath(QStringLiteral("canquorvex")), home.path(), &error));
    QVERIFY2(error.contains(home.filePath(QStringLiteral("canquorvex"))), qPrintable(error));
}

QTEST_GUILESS_MAIN(TstProgramFolders)
#include "tst_programfolders.moc"
