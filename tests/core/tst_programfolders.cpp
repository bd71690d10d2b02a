// The choice of the settings and traces folders (copied program, installed program, --folder; the
// XDG variables set or not) and the seeding of a new settings folder.

#include "core/ProgramFolders.h"

#include "tests/FileBytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TstProgramFolders : public QObject {
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
    void seed();
};

void TstProgramFolders::choose_data() {
    for (const char* column : {"exeDir", "folder", "home", "configHome", "dataHome", "settings", "traces"})
        QTest::addColumn<QString>(column);
    QTest::addColumn<bool>("seed");
    // The program is built to be installed in /usr/bin.
    QTest::newRow("copied: its folder, XDG not looked at") << "/opt/cq" << "" << "/home/ann" << "/x/cfg" << "/x/data"
        << "/opt/cq" << "/opt/cq/traces" << false;
    QTest::newRow("copied where a name starts like the bin folder") << "/usr/bin2" << "" << "/home/ann" << "" << ""
        << "/usr/bin2" << "/usr/bin2/traces" << false;
    QTest::newRow("installed, XDG unset") << "/usr/bin" << "" << "/home/ann" << "" << ""
        << "/home/ann/.config/canquorvex" << "/home/ann/.local/share/canquorvex/traces" << true;
    QTest::newRow("installed, XDG set") << "/usr/bin" << "" << "/home/ann" << "/x/cfg/" << "/x/data//"
        << "/x/cfg/canquorvex" << "/x/data/canquorvex/traces" << true;
    QTest::newRow("installed, relative XDG ignored") << "/usr/bin" << "" << "/home/ann" << "cfg" << "./data"
        << "/home/ann/.config/canquorvex" << "/home/ann/.local/share/canquorvex/traces" << true;
    QTest::newRow("installed, no home") << "/usr/bin" << "" << "" << "" << ""
        << "/.config/canquorvex" << "/.local/share/canquorvex/traces" << true;
    QTest::newRow("--folder while installed") << "/usr/bin" << "/srv/plant7/" << "/home/ann" << "/x/cfg" << "/x/data"
        << "/srv/plant7" << "/srv/plant7/traces" << false;
    QTest::newRow("--folder while copied") << "/opt/cq" << "/srv/plant7" << "/home/ann" << "" << ""
        << "/srv/plant7" << "/srv/plant7/traces" << false;
}

void TstProgramFolders::choose() {
    QFETCH(QString, exeDir);
    QFETCH(QString, folder);
    QFETCH(QString, home);
    QFETCH(QString, configHome);
    QFETCH(QString, dataHome);
    const TProgramFolders f =
        TProgramFolders::choose(exeDir, QStringLiteral("/usr/bin/"), folder, {home, configHome, dataHome});
    QTEST(f.settings, "settings");
    QTEST(f.traces, "traces");
    QTEST(f.seed, "seed");
    QVERIFY(f.describe(true).contains(f.settings + u'\n') && f.describe(true).contains(f.traces + u'\n'));
}

void TstProgramFolders::seed() {
    QTemporaryDir samples;
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral(".config/canquorvex"));
    QVERIFY(QDir().mkpath(samples.filePath(QStringLiteral("profiles"))) && QDir().mkpath(folder + "/profiles"));
    QVERIFY(WriteFileBytes(samples.filePath(QStringLiteral("Projects.ini")), "[Projects]\n"));
    QVERIFY(WriteFileBytes(samples.filePath(QStringLiteral("profiles/pump.json")), "{}"));
    QVERIFY(WriteFileBytes(samples.filePath(QStringLiteral("profiles/press.json")), "{\"schema\": 1}"));
    // Installed samples are read-only; the user's copies must not be.
    QVERIFY(QFile::setPermissions(samples.filePath(QStringLiteral("Projects.ini")), QFileDevice::ReadOwner));
    QVERIFY(WriteFileBytes(folder + "/profiles/pump.json", "mine"));

    QString error;
    QVERIFY2(SeedFolder(folder, samples.path(), &error), qPrintable(error));
    QCOMPARE(ReadFileBytes(folder + "/Projects.ini"), QByteArray("[Projects]\n"));
    QVERIFY(QFile::permissions(folder + "/Projects.ini") & QFileDevice::WriteOwner);
    QCOMPARE(ReadFileBytes(folder + "/profiles/pump.json"), QByteArray("mine"));
    QCOMPARE(ReadFileBytes(folder + "/profiles/press.json"), QByteArray("{\"schema\": 1}"));
    // The next start keeps what the user changed, and leaves no temporary file behind.
    QVERIFY(WriteFileBytes(folder + "/Projects.ini", "[Projects]\nProjectNum=2\n"));
    QVERIFY2(SeedFolder(folder, samples.path(), &error), qPrintable(error));
    QCOMPARE(ReadFileBytes(folder + "/Projects.ini"), QByteArray("[Projects]\nProjectNum=2\n"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Projects.ini")});

    // A file where the folder belongs is named in the message.
    QVERIFY(WriteFileBytes(home.filePath(QStringLiteral("taken")), "x"));
    QVERIFY(!SeedFolder(home.filePath(QStringLiteral("taken")), samples.path(), &error));
    QVERIFY2(error.contains(home.filePath(QStringLiteral("taken"))), qPrintable(error));
}

QTEST_GUILESS_MAIN(TstProgramFolders)
#include "tst_programfolders.moc"
