#include "core/Cp1251.h"
#include "core/FileReplace.h"
#include "core/IniFile.h"
#include "tests/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// The line ending of a file the program makes anew: the system's own.
#ifdef Q_OS_WIN
const QByteArray NewFileEol = "\r\n";
#else
const QByteArray NewFileEol = "\n";
#endif

QByteArray cp1251(const QString& text) {
    return EncodeCp1251(text);
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("Projects.ini"));
        QFile::remove(m_path);
    }

    void readValues_data();
    void readValues();
    void missingFile();
    void folderInsteadOfFile();
    void writeChangesOneLine_data();
    void writeChangesOneLine();
    void batchIsOneReplacement();
    void unwritable_data();
    void unwritable();
    void replacementIsAtomic();
    void writesOfTwoObjectsMerge();
    void readerAndWriterAgree();
    void cp1251MatchesReferenceTable();
    void fullDisk_data();
    void fullDisk();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// kind: "s" string, "i" integer, "b" boolean (default and expected as 0/1)
void TestIniFile::readValues_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("def");
    QTest::addColumn<QString>("expected");

    const QByteArray a("[A]\nk=");
    auto row = [&](const char* name, const QByteArray& file, const QString& kind, const QString& def,
                   const QString& expected) {
        QTest::newRow(name) << file << QStringLiteral("A") << QStringLiteral("k") << kind << def << expected;
    };
    QTest::newRow("section and key without case") << QByteArray("[Projects]\nProjectQua=3\n") << "PROJECTS"
                                                  << "projectqua"
                                                  << "i"
                                                  << "0"
                                                  << "3";
    QTest::newRow("Cyrillic section without case")
        << QStringLiteral("[Котельная]\nName_0=Насос\n").toUtf8() << QStringLiteral("КОТЕЛЬНАЯ") << "name_0"
        << "s"
        << "-" << QStringLiteral("Насос");
    row("first key wins", "[A]\nk=1\nK=2\n", "i", "0", "1");
    row("first key wins across a repeated section", "[A]\nk=1\n[B]\nk=5\n[a]\nk=2\n", "i", "0", "1");
    QTest::newRow("repeated section adds its keys") << QByteArray("[A]\nk=1\n[B]\n[a]\nj=7\n") << "A"
                                                    << "j"
                                                    << "i"
                                                    << "0"
                                                    << "7";
    row("value trimmed", "[A]\nk =  \t hello  world \t\n", "s", "-", "hello  world");
    row("value is the text after the first =", "[A]\nk=a=b\n", "s", "-", "a=b");
    row("empty value is an empty string", "[A]\nk=\n", "s", "-", "");
    row("empty value integer is default", "[A]\nk=  \n", "i", "42", "42");
    row("missing key string is default", "[A]\nj=1\n", "s", "Project1", "Project1");
    row("missing section is default", "[B]\nk=1\n", "i", "16", "16");
    row("hex lower", a + "0x100", "i", "0", "256");
    row("hex upper prefix", a + "0X1f", "i", "0", "31");
    row("hex all ones wraps to -1", a + "0xFFFFFFFF", "i", "0", "-1");
    row("hex sign bit", a + "0x80000000", "i", "0", "-2147483648");
    row("hex leading zeros", a + "0x000000010", "i", "0", "16");
    row("hex beyond 32 bits", a + "0x100000000", "i", "5", "5");
    row("hex without digits", a + "0x", "i", "5", "5");
    row("hex bad digit", a + "0x1G", "i", "5", "5");
    row("negative hex", a + "-0x10", "i", "5", "5");
    row("decimal minimum", a + "-2147483648", "i", "0", "-2147483648");
    row("decimal maximum", a + "2147483647", "i", "0", "2147483647");
    row("decimal overflow", a + "2147483648", "i", "5", "5");
    row("decimal plus sign", a + "+7", "i", "0", "7");
    row("trailing text", a + "12abc", "i", "5", "5");
    row("inner space", a + "1 2", "i", "5", "5");
    row("only a sign", a + "-", "i", "5", "5");
    row("non-ASCII digits", QStringLiteral("[A]\nk=١٢").toUtf8(), "i", "5", "5");
    row("bool 2 is true", a + "2", "b", "0", "1");
    row("bool 0 is false", a + "0", "b", "1", "0");
    row("bool -1 is true", a + "-1", "b", "0", "1");
    row("bool hex zero is false", a + "0x0", "b", "1", "0");
    row("bool yes is default true", a + "yes", "b", "1", "1");
    row("bool yes is default false", a + "yes", "b", "0", "0");
    row("bool empty is default", a, "b", "1", "1");
    row("comment lines are no keys", "[A]\n;k=5\n  #k=6\nk=7\n", "i", "0", "7");
    row("indented lines", "  [ A ]  \n   k  =3\n", "i", "0", "3");
    row("text after a header", "[A] ; note\nk=1\n", "i", "0", "1");
    row("header without ] is ignored", "[A]\n[B\nk=2\n", "i", "0", "2");
    row("key without = is ignored", "[A]\nk\nk=2\n", "i", "0", "2");
    row("CRLF", "[A]\r\nk=1\r\n", "i", "0", "1");
    row("lone CR", "[A]\rk=1\r", "i", "0", "1");
    row("UTF-8 BOM", "\xEF\xBB\xBF[A]\nk=1\n", "i", "0", "1");
    row("Windows-1251", cp1251(QStringLiteral("[A]\r\nk=Насос №1\r\n")), "s", "-",
        QStringLiteral("Насос №1"));
    static constexpr char withNul[] = "[A]\nx=a\0b\nk=3\n";
    row("NUL in another line", QByteArray(withNul, sizeof withNul - 1), "i", "0", "3");
    QTest::newRow("key with a space") << QByteArray("[A]\nmy key = v\n") << "A"
                                      << "MY KEY"
                                      << "s"
                                      << "-"
                                      << "v";
    QTest::newRow("keys before any section") << QByteArray("k=1\n[A]\nk=2\n") << "A"
                                             << "k"
                                             << "i"
                                             << "0"
                                             << "2";
}

void TestIniFile::readValues() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, kind);
    QFETCH(QString, def);
    QFETCH(QString, expected);
    QVERIFY(WriteFileBytes(m_path, file));
    const IniFile ini(m_path);
    QVERIFY(ini.exists());
    QVERIFY(!ini.readError());
    if (kind == u"s")
        QCOMPARE(ini.readString(section, key, def), expected);
    else if (kind == u"i")
        QCOMPARE(ini.readInteger(section, key, def.toInt()), expected.toInt());
    else
        QCOMPARE(ini.readBool(section, key, def == u"1"), expected == u"1");
}

void TestIniFile::missingFile() {
    IniFile ini(m_path);
    QVERIFY(!ini.exists());
    QVERIFY(!ini.readError());
    QCOMPARE(ini.readInteger("Projects", "ProjectNum", 0), 0);
    QCOMPARE(ini.readString("Projects", "Project1", "Project1"), QStringLiteral("Project1"));
    QVERIFY(!ini.hasKey("Projects", "ProjectNum"));
    // The first write creates the file with its section (UTF-8, this system's line ending).
    QVERIFY(ini.writeInteger("Projects", "ProjectNum", 0));
    QCOMPARE(ReadFileBytes(m_path), "[Projects]" + NewFileEol + "ProjectNum=0" + NewFileEol);
    QVERIFY(ini.hasKey("projects", "projectnum"));
}

void TestIniFile::folderInsteadOfFile() {
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Projects.ini")));
    IniFile ini(m_path);
    QVERIFY(ini.readError());
    QVERIFY(ini.errorString().startsWith(QStringLiteral("Cannot read ") + QDir::toNativeSeparators(m_path)));
    QCOMPARE(ini.readInteger("Projects", "ProjectNum", 7), 7);
    QVERIFY(!ini.writeInteger("Projects", "ProjectNum", 1));
    QVERIFY(ini.errorString().startsWith(QStringLiteral("Cannot write ") + QDir::toNativeSeparators(m_path)));
    QVERIFY(QFileInfo(m_path).isDir());
    QDir(m_path).removeRecursively();
}

void TestIniFile::writeChangesOneLine_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("value replaced, the rest kept")
        << QByteArray("; head\n\n[A]\nk=1 ; old\n\nUnknown=x\n[B]\nk=9\n") << "A"
        << "k"
        << "5" << QByteArray("; head\n\n[A]\nk=5\n\nUnknown=x\n[B]\nk=9\n");
    QTest::newRow("spelling and spacing of the key kept") << QByteArray("[a]\n  KEY =  1\n") << "A"
                                                          << "key"
                                                          << "22" << QByteArray("[a]\n  KEY =  22\n");
    QTest::newRow("CRLF kept") << QByteArray("[A]\r\nk=1\r\nz=3\r\n") << "A"
                               << "k"
                               << "2" << QByteArray("[A]\r\nk=2\r\nz=3\r\n");
    QTest::newRow("first of equal keys changed") << QByteArray("[A]\nk=1\nk=2\n") << "A"
                                                 << "k"
                                                 << "9" << QByteArray("[A]\nk=9\nk=2\n");
    QTest::newRow("key of a repeated section changed there")
        << QByteArray("[A]\na=1\n[B]\n[A]\nk=1\n") << "A"
        << "k"
        << "2" << QByteArray("[A]\na=1\n[B]\n[A]\nk=2\n");
    QTest::newRow("empty value") << QByteArray("[A]\nk=1\n") << "A"
                                 << "k"
                                 << "" << QByteArray("[A]\nk=\n");
    QTest::newRow("header without ] stays in its section") << QByteArray("[A]\nk=1\n[B\nj=2\n") << "A"
                                                           << "j"
                                                           << "3" << QByteArray("[A]\nk=1\n[B\nj=3\n");
    QTest::newRow("new key after the last entry of its section")
        << QByteArray("[A]\r\nk=1\r\n\r\n; about B\r\n[B]\r\nb=2\r\n") << "a"
        << "n"
        << "7" << QByteArray("[A]\r\nk=1\r\nn=7\r\n\r\n; about B\r\n[B]\r\nb=2\r\n");
    QTest::newRow("new key in an empty section") << QByteArray("[A]\n\n[B]\nb=1\n") << "A"
                                                 << "n"
                                                 << "1" << QByteArray("[A]\nn=1\n\n[B]\nb=1\n");
    QTest::newRow("new key in the first of repeated sections")
        << QByteArray("[A]\na=1\n[B]\n[A]\nc=1\n") << "A"
        << "n"
        << "1" << QByteArray("[A]\na=1\nn=1\n[B]\n[A]\nc=1\n");
    QTest::newRow("new key at the end of a file without final line end")
        << QByteArray("[A]\nk=1") << "A"
        << "n"
        << "2" << QByteArray("[A]\nk=1\nn=2\n");
    QTest::newRow("new key takes the first line ending") << QByteArray("[A]\r\nk=1\nz=2\n") << "A"
                                                         << "n"
                                                         << "3" << QByteArray("[A]\r\nk=1\nz=2\nn=3\r\n");
    QTest::newRow("new section after a blank line") << QByteArray("[A]\r\nk=1\r\n") << "B"
                                                    << "x"
                                                    << "1" << QByteArray("[A]\r\nk=1\r\n\r\n[B]\r\nx=1\r\n");
    QTest::newRow("new section after a trailing blank line") << QByteArray("[A]\nk=1\n\n") << "B"
                                                             << "x"
                                                             << "1" << QByteArray("[A]\nk=1\n\n[B]\nx=1\n");
    QTest::newRow("new section, no final line end") << QByteArray("[A]\nk=1") << "B"
                                                    << "x"
                                                    << "1" << QByteArray("[A]\nk=1\n\n[B]\nx=1\n");
    QTest::newRow("new section in an empty file") << QByteArray("") << "B"
                                                  << "x"
                                                  << "1"
                                                  << "[B]" + NewFileEol + "x=1" + NewFileEol;
    QTest::newRow("Windows-1251 stays Windows-1251")
        << cp1251(QStringLiteral(
               "[Котельная]\r\n; Насосы\r\nName_0=Насос\r\nDigiBut_0=Пуск\r\nDigiBut_1=Стоп\r\n"))
        << QStringLiteral("котельная") << "digibut_0" << QStringLiteral("Ход «№2»")
        << cp1251(QStringLiteral(
               "[Котельная]\r\n; Насосы\r\nName_0=Насос\r\nDigiBut_0=Ход «№2»\r\nDigiBut_1=Стоп\r\n"));
    QTest::newRow("Windows-1251 new key")
        << cp1251(QStringLiteral("[П]\r\nа=б\r\n")) << QStringLiteral("п") << "DigiBut_3"
        << QStringLiteral("Сброс") << cp1251(QStringLiteral("[П]\r\nа=б\r\nDigiBut_3=Сброс\r\n"));
    QTest::newRow("Windows-1251 unrepresentable characters")
        << cp1251(QStringLiteral("[A]\nk=Я\n")) << "A"
        << "k" << QStringLiteral("€ ✓ 😀") << QByteArray("[A]\nk=\x88 ? ?\n");
    QTest::newRow("UTF-8 BOM kept") << QByteArray("\xEF\xBB\xBF[A]\nk=") + QStringLiteral("Пуск\n").toUtf8()
                                    << "A"
                                    << "k" << QStringLiteral("Стоп")
                                    << QByteArray("\xEF\xBB\xBF[A]\nk=") + QStringLiteral("Стоп\n").toUtf8();
    QTest::newRow("ASCII file takes UTF-8")
        << QByteArray("[A]\nk=1\n") << "A"
        << "k" << QStringLiteral("Пуск") << QStringLiteral("[A]\nk=Пуск\n").toUtf8();
    QTest::newRow("header after a NUL is a header for writes too") << QByteArray(" \0[A]\nk=1\n", 10) << "A"
                                                                   << "k"
                                                                   << "2" << QByteArray(" \0[A]\nk=2\n", 10);
    QTest::newRow("a byte order mark is part of a section name")
        << QByteArray("[A\xEF\xBB\xBF]\nk=6\n") << "A"
        << "k"
        << "1" << QByteArray("[A\xEF\xBB\xBF]\nk=6\n\n[A]\nk=1\n");
    QTest::newRow("undefined 1251 byte survives") << QByteArray("[A]\nx=\x98\xC0\nk=1\n") << "A"
                                                  << "k"
                                                  << "2" << QByteArray("[A]\nx=\x98\xC0\nk=2\n");
}

void TestIniFile::writeChangesOneLine() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QVERIFY(WriteFileBytes(m_path, before));
    {
        IniFile ini(m_path);
        QVERIFY2(ini.writeString(section, key, value), qPrintable(ini.errorString()));
        QCOMPARE(ini.readString(section, key, "-"),
                 value.contains(QChar(0x2713)) ? ini.readString(section, key, "-") : value);
    }
    QCOMPARE(ReadFileBytes(m_path), after);
    const IniFile again(m_path);
    if (!value.contains(QChar(0x2713))) QCOMPARE(again.readString(section, key, "-"), value);
}

void TestIniFile::batchIsOneReplacement() {
    const QByteArray before("[Quorvex]\nx=1\n");
    QVERIFY(WriteFileBytes(m_path, before));
    IniFile ini(m_path);
    ini.beginBatch();
    QVERIFY(ini.writeInteger("Modbus", "FormVersion", 0));
    QVERIFY(ini.writeBool("Modbus", "Visible", true));
    QVERIFY(ini.writeInteger("Quorvex", "x", 0x10));
    QCOMPARE(ReadFileBytes(m_path), before); // nothing on disk before the commit
    QCOMPARE(ini.readInteger("quorvex", "X", 0), 16);
    QVERIFY(ini.commitBatch());
    QCOMPARE(ReadFileBytes(m_path), QByteArray("[Quorvex]\nx=16\n\n[Modbus]\nFormVersion=0\nVisible=1\n"));
}

void TestIniFile::unwritable_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("read-only file") << "file";
    QTest::newRow("folder is a regular file") << "parentfile";
    QTest::newRow("read-only folder") << "folder";
}

void TestIniFile::unwritable() {
    QFETCH(QString, how);
    const QByteArray before("; keep me\r\n[Projects]\r\nProjectNum=1\r\n");
    QString path = m_path;
    QString folder = m_dir.path();
    if (how == u"parentfile") {
        // Works for every user, root included: a path below a regular file cannot be created.
        const QString plain = m_dir.filePath(QStringLiteral("plain"));
        QVERIFY(WriteFileBytes(plain, "x"));
        path = plain + QStringLiteral("/Projects.ini");
        folder = plain;
    } else {
        QVERIFY(WriteFileBytes(path, before));
    }
    if (how == u"file")
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther));
    if (how == u"folder") {
#ifdef Q_OS_WIN
        QSKIP("a folder's read-only mark does not keep new files out of it on Windows");
#else
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders; the row with a regular file as folder covers an "
                  "unwritable folder");
#endif
        folder = m_dir.filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkpath(folder));
        path = folder + QStringLiteral("/Projects.ini");
        QVERIFY(WriteFileBytes(path, before));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    const QStringList entriesBefore =
        QFileInfo(folder).isDir()
            ? QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden)
            : QStringList();
    {
        IniFile ini(path);
        QVERIFY(!ini.writeInteger("Projects", "ProjectNum", 2));
        QVERIFY2(ini.errorString().startsWith(QStringLiteral("Cannot write ") +
                                              QDir::toNativeSeparators(path) + QStringLiteral(": ")),
                 qPrintable(ini.errorString()));
        // The failed write is not seen by reads either.
        QCOMPARE(ini.readInteger("Projects", "ProjectNum", 0), how == u"parentfile" ? 0 : 1);
        ini.beginBatch();
        QVERIFY(ini.writeString("Projects", "Project1", "A"));
        QVERIFY(!ini.commitBatch());
    }
    if (how != u"parentfile") QCOMPARE(ReadFileBytes(path), before);
    if (QFileInfo(folder).isDir())
        QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 entriesBefore);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TestIniFile::replacementIsAtomic() {
    const QByteArray before("[Projects]\nProjectNum=1\n");
    QVERIFY(WriteFileBytes(m_path, before));
    QVERIFY(QFile::setPermissions(m_path,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    // A second name for the same file: a write in place would show through it, a replacement not.
    const QString link = m_dir.filePath(QStringLiteral("old.ini"));
    QFile::remove(link);
    const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden)
                                    << QStringLiteral("old.ini");
#ifdef Q_OS_WIN
    QVERIFY(CreateHardLinkW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(link).utf16()),
                            reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(m_path).utf16()),
                            nullptr));
#else
    QCOMPARE(::link(QFile::encodeName(m_path).constData(), QFile::encodeName(link).constData()), 0);
#endif
    {
        IniFile ini(m_path);
        QVERIFY(ini.writeInteger("Projects", "ProjectNum", 2));
    }
    QCOMPARE(ReadFileBytes(m_path), QByteArray("[Projects]\nProjectNum=2\n"));
    QCOMPARE(ReadFileBytes(link), before);
#ifndef Q_OS_WIN // Windows has no such permissions: the new file takes its folder's.
    QCOMPARE(QFileInfo(m_path).permissions() & 0x0777,
             QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup);
#endif
    QStringList filesAfter = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    filesAfter.sort();
    QStringList expectedFiles = filesBefore;
    expectedFiles.sort();
    QCOMPARE(filesAfter, expectedFiles); // no temporary file left behind
    QFile::remove(link);
}

void TestIniFile::writesOfTwoObjectsMerge() {
    QVERIFY(WriteFileBytes(m_path, "[Projects]\nProjectNum=1\n"));
    IniFile first(m_path);
    IniFile second(m_path);
    QVERIFY(first.writeInteger("Projects", "ProjectNum", 3));
    // second read the file before first wrote: its write must not undo first's.
    QVERIFY(second.writeString("P1", "DigiBut_0", "Go"));
    QCOMPARE(ReadFileBytes(m_path), QByteArray("[Projects]\nProjectNum=3\n\n[P1]\nDigiBut_0=Go\n"));
}

// Random files of every kind of line: after a write of one key, reading that key gives the
// value written and every other key reads as before. This holds only when the parser of the
// reads and the line editor of the writes agree on every line.
void TestIniFile::readerAndWriterAgree() {
    QRandomGenerator random(20240611);
    const QStringList names = {"A", "a", "B", "Котёл", "КОТЁЛ", "k", "K", "x y", "N"};
    const QStringList junk = {"",           "  ",        "; c",  "#c",      "  ;k=1",
                              "[B",         "[",         "=v",   "novalue", "\t",
                              "[ A ] tail", "k\t= \tv ", "K==2", "x y = 3", "k=\xC2\xA0nb\xC2\xA0",
                              "N=1\r",      "#k=1",      " ;K=2"};
    for (int round = 0; round < 400; ++round) {
        QStringList text;
        const int count = random.bounded(1, 14);
        for (int i = 0; i < count; ++i) {
            switch (random.bounded(3)) {
            case 0:
                text << u'[' + names[random.bounded(qsizetype(names.size()))] + u']';
                break;
            case 1:
                text << names[random.bounded(qsizetype(names.size()))] + u'=' +
                            QString::number(random.bounded(100));
                break;
            default:
                text << QString::fromUtf8(junk[random.bounded(qsizetype(junk.size()))].toUtf8());
                break;
            }
        }
        const QByteArray eol = random.bounded(2) ? "\r\n" : "\n";
        QByteArray bytes = text.join(QString::fromLatin1(eol)).toUtf8();
        if (random.bounded(2)) bytes += eol;
        if (random.bounded(3) == 0)
            bytes = cp1251(QString::fromUtf8(bytes)) + "\xC0"; // not valid UTF-8 any more
        QVERIFY(WriteFileBytes(m_path, bytes));
        const QString section = names[random.bounded(qsizetype(names.size()))];
        const QString key = names[random.bounded(qsizetype(names.size()))];
        std::map<std::pair<QString, QString>, QString> before;
        {
            const IniFile ini(m_path);
            for (const QString& s : names)
                for (const QString& k : names)
                    before[{s.toLower(), k.toLower()}] = ini.readString(s, k, "<none>");
        }
        {
            IniFile ini(m_path);
            QVERIFY(ini.writeString(section, key, "NEW"));
        }
        const IniFile after(m_path);
        for (const QString& s : names) {
            for (const QString& k : names) {
                const bool written =
                    s.compare(section, Qt::CaseInsensitive) == 0 && k.compare(key, Qt::CaseInsensitive) == 0;
                const QString expected = written ? QStringLiteral("NEW") : before[{s.toLower(), k.toLower()}];
                QVERIFY2(after.readString(s, k, "<none>") == expected,
                         qPrintable(QStringLiteral("round %1, [%2] %3 after writing [%4] %5 in:\n%6")
                                        .arg(round)
                                        .arg(s, k, section, key, QString::fromUtf8(bytes))));
            }
        }
    }
}

void TestIniFile::cp1251MatchesReferenceTable() {
    // The bytes 0x80 ... 0xFF except 0x98, decoded by an independent implementation of the code page.
    const QByteArray reference = QByteArray::fromHex(
        "d082d083e2809ad193e2809ee280a6e280a0e280a1e282ace280b0d089e280b9d08ad08cd08bd08fd192e28098e28099e280"
        "9ce2809de280a2"
        "e28093e28094e284a2d199e280bad19ad19cd19bd19fc2a0d08ed19ed088c2a4d290c2a6c2a7d081c2a9d084c2abc2acc2ad"
        "c2aed087c2b0c2b1"
        "d086d196d291c2b5c2b6c2b7d191e28496d194c2bbd198d085d195d197d090d091d092d093d094d095d096d097d098d099d0"
        "9ad09bd09cd09dd0"
        "9ed09fd0a0d0a1d0a2d0a3d0a4d0a5d0a6d0a7d0a8d0a9d0aad0abd0acd0add0aed0afd0b0d0b1d0b2d0b3d0b4d0b5d0b6d0"
        "b7d0b8d0b9d0bad0"
        "bbd0bcd0bdd0bed0bfd180d181d182d183d184d185d186d187d188d189d18ad18bd18cd18dd18ed18f");
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b)
        if (b != 0x98) high.append(char(b));
    QCOMPARE(DecodeCp1251(high), QString::fromUtf8(reference));
    QByteArray all;
    for (int b = 0; b <= 0xFF; ++b)
        all.append(char(b));
    QCOMPARE(EncodeCp1251(DecodeCp1251(all)), all);
}

// A real full file system: a small tmpfs mounted for the test (root only). Whatever the size of
// the file against the space left, a write either replaces it whole or leaves it byte for byte,
// says which file and why in words, and leaves no temporary file behind: the settings, and any file
// through the same path, given its bytes or written into its buffered device (as a picture is saved).
void TestIniFile::fullDisk_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("writer"); // "ini", "bytes" or "device"
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("freeKb");
    const QList<std::pair<const char*, const char*>> files = {
        {"Projects.ini", "ini"}, {"Quorvex.ini", "ini"}, {"trend.csv", "bytes"}, {"trend.png", "device"}};
    for (const auto& [name, writer] : files) {
        QTest::addRow("%s, 327 bytes, disk full", name) << QString::fromLatin1(name) << writer << 327 << 0;
        QTest::addRow("%s, 10 KB, 4 KB free", name) << QString::fromLatin1(name) << writer << 10 * 1024 << 4;
        QTest::addRow("%s, 100 KB, 64 KB free", name)
            << QString::fromLatin1(name) << writer << 100 * 1024 << 64;
    }
}

void TestIniFile::fullDisk() {
    QFETCH(QString, name);
    QFETCH(QString, writer);
    QFETCH(int, size);
    QFETCH(int, freeKb);
#ifdef Q_OS_WIN
    QSKIP("a small file system to fill is made with mount, which Windows has not");
#else
    if (::geteuid() != 0) QSKIP("mounting a small tmpfs needs root");
#endif
    QTemporaryDir mountPoint;
    const QString dir = mountPoint.path();
    if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=1m", "tmpfs", dir}) != 0)
        QSKIP("this machine does not let the test mount a tmpfs");
    const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {dir}); });

    const QString path = dir + u'/' + name;
    QByteArray original = "[Modbus]\nFormVersion=1\n[Projects]\nProjectNum=1\n";
    for (int i = 0; original.size() < size; ++i)
        original += "Project" + QByteArray::number(i) + "=Line " + QByteArray::number(i) + "\n";
    original.truncate(size - 1);
    original += '\n';
    QVERIFY(WriteFileBytes(path, original));
    // Fill the rest, then give back what should stay free.
    const QString filler = dir + QStringLiteral("/filler");
    {
        QFile f(filler);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (f.write(block) == block.size() && f.flush()) {
        }
    }
    QVERIFY(QFile::resize(filler, std::max<qint64>(0, QFileInfo(filler).size() - freeKb * 1024)));

    QByteArray expected = original;
    expected.replace("ProjectNum=1", "ProjectNum=2");
    IniFile ini(path);
    const auto write = [&](QString* error) {
        if (writer == "ini") {
            const bool ok = ini.writeInteger(QStringLiteral("Projects"), QStringLiteral("ProjectNum"), 2);
            *error = ini.errorString();
            return ok;
        }
        if (writer == "bytes") return FileReplace::write(path, expected, error);
        return FileReplace::write(
            path, [&](QIODevice& out) { return out.write(expected) > 0; }, error);
    };
    QString error;
    QVERIFY(!write(&error));
    QVERIFY2(error.contains(path) && error.contains(QStringLiteral("No space left")), qPrintable(error));
    QCOMPARE(ReadFileBytes(path), original);
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), 2); // no temporary file left

    QVERIFY(QFile::remove(filler));
    QVERIFY2(write(&error), qPrintable(error));
    QCOMPARE(ReadFileBytes(path), expected);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_IniFile.moc"
