// The project editor's model: every check of a value as typed, and saves into a Projects.ini kept
// by hand on Windows (comments, unknown keys, odd spacing, CRLF, Windows-1251 names) that change
// exactly the lines of what was edited.

#include "core/Cp1251.h"
#include "core/IniFile.h"
#include "core/ProjectFile.h"
#include "core/ProjectSet.h"
#include "tests/FileBytes.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The plant's file, as the Windows program's users keep it.
QByteArray plantFile() {
    return EncodeCp1251(QStringLiteral("; Plant file, kept by hand\r\n"
                                       "[Projects]\r\n"
                                       "ProjectQua = 2\r\n"
                                       "Project1=Line1\r\n"
                                       "Project2=Котельная\r\n"
                                       "ProjectNum=2\r\n"
                                       "Vendor=ACME   ; not ours\r\n"
                                       "\r\n"
                                       "[Line1]\r\n"
                                       "Protokol=0\r\n"
                                       "BaseAdr=0x100\r\n"
                                       "Use_0=1\r\n"
                                       "Name_0=Насос 1\r\n"
                                       "\r\n"
                                       "; the boiler house\r\n"
                                       "[Котельная]\r\n"
                                       "Protokol = 3\r\n"
                                       "Use_0 = 1\r\n"
                                       "Name_0   =  Дымосос\r\n"
                                       "Use_1=1\r\n"
                                       "Name_1=Насос подпитки\r\n"
                                       "Cabinet=ШУ-1\r\n"
                                       "DigiBut_0=Пуск\r\n"));
}

QList<QByteArray> linesOf(const QByteArray& bytes) {
    return bytes.split('\n');
}

QString textOf(const QByteArray& line) {
    return DecodeCp1251(line.endsWith('\r') ? line.chopped(1) : line);
}

} // namespace

class TstProjectSet : public QObject {
    Q_OBJECT
private slots:
    void init();
    void checks_data();
    void checks();
    void saveChangesOnlyItsLines_data();
    void saveChangesOnlyItsLines();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TstProjectSet::init() {
    m_path = m_dir.filePath(QStringLiteral("Projects.ini"));
    QVERIFY(WriteFileBytes(m_path, plantFile()));
}

// field: name, protokol, base, rs, tx (switches the row on), rx, rowname, caption, off (row not in use, bad
// tx)
void TstProjectSet::checks_data() {
    QTest::addColumn<int>("project");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("problem"); // a part of the message; empty: none
    QTest::addColumn<bool>("refused");    // the save is refused (a warning does not refuse)

    QTest::newRow("as read") << 0 << "rowname" << 0 << "Насос 1"
                             << "" << false;
    QTest::newRow("decimal identifier") << 0 << "tx" << 0 << "272"
                                        << "" << false;
    QTest::newRow("29 bits") << 0 << "tx" << 0 << "0x1FFFFFFF"
                             << "" << false;
    QTest::newRow("beyond 29 bits") << 0 << "tx" << 0 << "0x20000000"
                                    << "row 0 transmission identifier 0x20000000 does not fit in 29 bits"
                                    << true;
    QTest::newRow("negative identifier") << 0 << "rx" << 0 << "-1"
                                         << "does not fit in 29 bits" << true;
    QTest::newRow("not a number") << 0 << "tx" << 0 << "0x11G"
                                  << "\"0x11G\" is not a number" << true;
    QTest::newRow("base beyond 29 bits") << 0 << "base" << -1 << "0xFFFFFFFF"
                                         << "the base identifier" << true;
    QTest::newRow("protocol not a number") << 0 << "protokol" << -1 << "three"
                                           << "the protocol number is not a number" << true;
    QTest::newRow("transmission twice") << 0 << "tx" << 3 << "0x00000110"
                                        << "transmission identifier 0x00000110 is also row 0's" << false;
    QTest::newRow("protocol 3 key twice") << 1 << "tx" << 1 << "0x10000005"
                                          << "is also row 0's" << false;
    QTest::newRow("protocol 3 other key") << 1 << "tx" << 1 << "0x12000000"
                                          << "" << false;
    QTest::newRow("row not in use is not checked") << 0 << "off" << 5 << "0x20000000"
                                                   << "" << false;
    QTest::newRow("serial address 247") << 0 << "rs" << 0 << "247"
                                        << "" << false;
    QTest::newRow("serial address 248") << 0 << "rs" << 0 << "248"
                                        << "serial address \"248\" is not a number from 0 to 247" << true;
    QTest::newRow("serial address negative") << 0 << "rs" << 0 << "-1"
                                             << "serial address" << true;
    QTest::newRow("name outside the code page") << 1 << "rowname" << 0 << "Насос Ω"
                                                << "cannot store: Ω" << true;
    QTest::newRow("name with a line break") << 0 << "rowname" << 0 << "a\nb"
                                            << "control character" << true;
    QTest::newRow("name with a tab") << 0 << "caption" << 2 << "Пуск\tнасоса"
                                     << "control character" << true;
    QTest::newRow("name with spaces around") << 0 << "rowname" << 0 << " Насос"
                                             << "begins or ends with a space" << true;
    QTest::newRow("name in quotes") << 0 << "caption" << 0 << "\"Пуск\""
                                    << "double quotes" << true;
    QTest::newRow("empty caption") << 0 << "caption" << 16 << ""
                                   << "" << false;
    QTest::newRow("long name") << 0 << "rowname" << 0 << QString(256, u'я') << "longer than 255" << true;
    QTest::newRow("project renamed") << 0 << "name" << -1 << "Линия 1"
                                     << "" << false;
    QTest::newRow("project without name") << 0 << "name" << -1 << ""
                                          << "Project 1, the name is empty" << true;
    QTest::newRow("project name twice") << 1 << "name" << -1 << "line1"
                                        << "is also project 1's" << true;
    QTest::newRow("project named like the list") << 0 << "name" << -1 << "projects"
                                                 << "list's own section" << true;
    QTest::newRow("project named like the placeholder") << 0 << "name" << -1 << "+ + Add project + +"
                                                        << "placeholder" << true;
    QTest::newRow("project name with bracket") << 0 << "name" << -1 << "Line]1"
                                               << "\"]\" or \"=\"" << true;
    QTest::newRow("project name with comment mark") << 0 << "name" << -1 << ";Line"
                                                    << "begins with \";\"" << true;
}

void TstProjectSet::checks() {
    QFETCH(int, project);
    QFETCH(QString, field);
    QFETCH(int, index);
    QFETCH(QString, value);
    QFETCH(QString, problem);
    QFETCH(bool, refused);

    IniFile ini(m_path);
    TProjectSet set;
    set.load(ini);
    QVERIFY(set.check().isEmpty());
    TProjectDraft& d = set.projects()[project];
    TProjectRowDraft* row = index >= 0 && index < DeviceRows ? &d.Rows[static_cast<size_t>(index)] : nullptr;
    if (field == QLatin1String("name")) d.Name = value;
    if (field == QLatin1String("protokol")) d.Protokol = value;
    if (field == QLatin1String("base")) d.BaseAdr = value;
    if (field == QLatin1String("rs")) row->RSadr = value;
    if (field == QLatin1String("rx")) row->RXadr = value;
    if (field == QLatin1String("rowname")) row->Name = value;
    if (field == QLatin1String("caption")) d.Captions[static_cast<size_t>(index)] = value;
    if (field == QLatin1String("tx") || field == QLatin1String("off")) {
        row->Use = field == QLatin1String("tx");
        row->TXadr = value;
    }

    const QList<TProjectProblem> problems = set.check();
    QString error;
    const QByteArray before = ReadFileBytes(m_path);
    const bool saved = set.save(ini, &error);
    if (problem.isEmpty())
        QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0).Text));
    else
        QVERIFY(std::any_of(problems.begin(), problems.end(), [&](const TProjectProblem& p) {
            return p.Project == project && p.Text.contains(problem) && p.Warning != refused;
        }));
    if (!refused) {
        QVERIFY2(saved, qPrintable(error));
        return;
    }
    // Refused, saying which value, and the file stays as it was.
    QVERIFY(!saved);
    QVERIFY2(error.contains(problem) || problems.size() > 1, qPrintable(error));
    QCOMPARE(ReadFileBytes(m_path), before);
}

void TstProjectSet::saveChangesOnlyItsLines_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QStringList>("added"); // lines the save wrote, in the file's order
    QTest::addColumn<QStringList>("gone");  // lines it replaced or removed

    QTest::newRow("nothing") << "" << QStringList{} << QStringList{};
    QTest::newRow("device name") << "name" << QStringList{"Name_0   =  Главный дымосос"}
                                 << QStringList{"Name_0   =  Дымосос"};
    QTest::newRow("caption") << "caption" << QStringList{"DigiBut_0=Старт"} << QStringList{"DigiBut_0=Пуск"};
    QTest::newRow("identifier") << "tx" << QStringList{"TXadr_1=0x12000000"} << QStringList{};
    QTest::newRow("renamed project") << "rename" << QStringList{"Project2=Котельная 2", "[Котельная 2]"}
                                     << QStringList{"Project2=Котельная", "[Котельная]"};
    QTest::newRow("reordered") << "move"
                               << QStringList{"Project1=Котельная", "Project2=Line1", "ProjectNum=1"}
                               << QStringList{"Project1=Line1", "Project2=Котельная", "ProjectNum=2"};
    QTest::newRow("removed project") << "remove"
                                     << QStringList{"ProjectQua = 1", "Project1=Котельная", "ProjectNum=1"}
                                     << QStringList{"ProjectQua = 2",
                                                    "Project1=Line1",
                                                    "Project2=Котельная",
                                                    "ProjectNum=2",
                                                    "[Line1]",
                                                    "Protokol=0",
                                                    "BaseAdr=0x100",
                                                    "Use_0=1",
                                                    "Name_0=Насос 1",
                                                    ""};
}

void TstProjectSet::saveChangesOnlyItsLines() {
    QFETCH(QString, edit);
    QFETCH(QStringList, added);
    QFETCH(QStringList, gone);

    const QByteArray before = ReadFileBytes(m_path);
    IniFile ini(m_path);
    TProjectSet set;
    set.load(ini);
    TProjectDraft& boiler = set.projects()[1];
    if (edit == QLatin1String("name")) boiler.Rows[0].Name = QStringLiteral("Главный дымосос");
    if (edit == QLatin1String("caption")) boiler.Captions[0] = QStringLiteral("Старт");
    if (edit == QLatin1String("tx")) boiler.Rows[1].TXadr = QStringLiteral("0x12000000");
    if (edit == QLatin1String("rename")) boiler.Name = QStringLiteral("Котельная 2");
    if (edit == QLatin1String("move")) QCOMPARE(set.move(1, -1), 0);
    if (edit == QLatin1String("remove")) set.remove(0);
    QString error;
    QVERIFY2(set.save(ini, &error), qPrintable(error));

    // Every other line stays byte for byte, in its order, with its CRLF.
    const QByteArray after = ReadFileBytes(m_path);
    QVERIFY(after.endsWith("\r\n"));
    QCOMPARE(after.count("\r\n"), after.count('\n'));
    QList<QByteArray> a = linesOf(before);
    QList<QByteArray> b = linesOf(after);
    QStringList wrote;
    for (qsizetype i = 0; i < b.size(); ++i)
        if (const qsizetype at = a.indexOf(b.at(i)); at >= 0)
            a.removeAt(at);
        else
            wrote << textOf(b.at(i));
    QStringList removed;
    for (const QByteArray& line : std::as_const(a))
        removed << textOf(line);
    QCOMPARE(wrote, added);
    QCOMPARE(removed, gone);
    QList<QByteArray> kept = linesOf(before);
    QList<QByteArray> keptAfter = b;
    for (const QByteArray& line : std::as_const(a))
        kept.removeOne(line);
    for (const QString& line : std::as_const(added))
        keptAfter.removeOne(EncodeCp1251(line) + '\r');
    QCOMPARE(keptAfter, kept);

    // The program reads what was edited.
    const IniFile back(m_path);
    const TProjectList list = ReadProjectList(back);
    TProject p;
    const QString boilerName =
        edit == QLatin1String("rename") ? QStringLiteral("Котельная 2") : QStringLiteral("Котельная");
    ReadProjectSection(back, boilerName, p);
    ReadCaptions(back, boilerName, p);
    if (edit == QLatin1String("remove")) QCOMPARE(list.Names, QStringList{QStringLiteral("Котельная")});
    QCOMPARE(p.Protokol, 3);
    QCOMPARE(p.Devices[0].Name,
             edit == QLatin1String("name") ? QStringLiteral("Главный дымосос") : QStringLiteral("Дымосос"));
    QCOMPARE(p.Devices[1].TXadr, edit == QLatin1String("tx") ? 0x12000000u : 0x11000000u);
    QCOMPARE(p.DigiBut[0],
             edit == QLatin1String("caption") ? QStringLiteral("Старт") : QStringLiteral("Пуск"));
    QCOMPARE(list.Names.at(list.ProjectNum - 1), boilerName);
}

QTEST_GUILESS_MAIN(TstProjectSet)
#include "tst_projectset.moc"
