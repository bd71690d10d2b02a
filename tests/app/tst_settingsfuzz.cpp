// Hand-edited and damaged settings files: a few hundred generated Projects.ini / Quorvex.ini texts
// with extreme numbers, garbage lines and binary bytes go through every reader. None may crash,
// allocate without bound or overflow (the sanitizer build runs this too); project lists stay
// within the keys the file has, and a restored device window always stands on a screen.

#include "core/IniFile.h"
#include "core/ProjectFile.h"
#include "ui/FormStorage.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {

const char* const Numbers[] = {"0",           "1",          "-1",          "2147483647", "-2147483648",
                               "2147483648",  "0xFFFFFFFF", "0x7FFFFFFF",  "0x80000000", "-0x10",
                               "99999999999", "",           "abc",         "1e9",        " 17 ",
                               "32767",       "-32768",     "0x100000000", "3",          "+5"};
const char* const Keys[] = {"ProjectQua", "ProjectNum",       "Project1",      "Project2",   "Protokol",
                            "BaseAdr",    "PlusAdr",          "CommAdr",       "Use_0",      "CANadr_0",
                            "TXadr_0",    "RXadr_15",         "Name_0",        "DigiBut_16", "FormVersion",
                            "Flags",      "ShowCmd",          "PixelsPerInch", "NormPos",    "MinMaxPos",
                            "Visible",    "NormPos(1024x768)"};
const char* const Sections[] = {"[Projects]", "[Line]", "[Modbus]", "[projects]", "[Line", "[]"};

QByteArray generate(QRandomGenerator& random) {
    const auto pick = [&random](const auto& table) {
        return QByteArray(table[random.bounded(int(std::size(table)))]);
    };
    QByteArray text;
    const int lines = random.bounded(1, 60);
    for (int i = 0; i < lines; ++i) {
        switch (random.bounded(10)) {
        case 0:
            text += pick(Sections);
            break;
        case 1: { // binary bytes
            QByteArray junk(random.bounded(1, 40), '\0');
            for (char& c : junk)
                c = static_cast<char>(random.bounded(256));
            text += junk;
            break;
        }
        case 2: // a position of four numbers
            text += pick(Keys) + '=' + pick(Numbers) + ',' + pick(Numbers) + ',' + pick(Numbers) + ',' +
                    pick(Numbers);
            break;
        case 3: // a long line
            text += pick(Keys) + '=' + QByteArray(random.bounded(1000, 20000), 'A');
            break;
        default:
            text += pick(Keys) + '=' + pick(Numbers);
            break;
        }
        text += random.bounded(4) == 0 ? "\r\n" : "\n";
    }
    return text;
}

} // namespace

class TestSettingsFuzz : public QObject {
    Q_OBJECT
private slots:
    void hostileNumbersInEveryReader_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("ProjectQua at INT_MAX")
            << QByteArray("[Projects]\nProjectQua=2147483647\nProject1=A\n");
        QTest::newRow("NormPos at INT_MAX")
            << QByteArray("[Modbus]\nFormVersion=1\nNormPos=2147483647,2147483647,2147483647,2147483647\n");
        QTest::newRow("NormPos at INT_MIN")
            << QByteArray("[Modbus]\nFormVersion=1\nNormPos=-2147483648,-2147483648,-2147483648,-2147483648\n"
                          "MinMaxPos=-2147483648,-2147483648,2147483647,2147483647\n");
        QByteArray manyKeys = "[Projects]\nProjectQua=2147483647\n";
        for (int k = 1; k <= 50000; ++k)
            manyKeys += "Project" + QByteArray::number(k) + "=P\n";
        QTest::newRow("50,000 project names") << manyKeys;
        QRandomGenerator random(20261208);
        for (int i = 0; i < 300; ++i)
            QTest::addRow("generated %d", i) << generate(random);
    }

    void hostileNumbersInEveryReader() {
        QFETCH(QByteArray, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.ini"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
        }
        const IniFile ini(path);
        const TProjectList list = ReadProjectList(ini);
        QVERIFY(list.Names.size() <= ini.keyCount(QStringLiteral("Projects")));
        const QStringList sections = list.Names.mid(0, 4) << QStringLiteral("Line");
        for (const QString& name : sections) {
            TProject project;
            ReadProjectSection(ini, name, project);
            ReadCaptions(ini, name, project);
        }

        QWidget form;
        form.setFixedSize(300, 200);
        auto* storage = new TFormStorage(&form);
        storage->setIniFileName(path);
        form.show();
        const QRect frame = form.frameGeometry();
        const std::vector<QRect> areas = TFormStorage::screenMetrics().visibleAreas;
        QVERIFY2(std::any_of(areas.begin(), areas.end(), [&](const QRect& a) { return a.intersects(frame); }),
                 qPrintable(QStringLiteral("window at %1,%2").arg(frame.x()).arg(frame.y())));
        form.hide();
        QCOMPARE(QFile(path).size(), qint64(text.size())); // reading never writes
    }
};

QTEST_MAIN(TestSettingsFuzz)
#include "tst_settingsfuzz.moc"
