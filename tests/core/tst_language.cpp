// The language choice as text, as kept in Quorvex.ini and as given on the command line, and the
// translation each choice loads for a system language.

#include "core/Language.h"

#include "tests/FileBytes.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <vector>

Q_DECLARE_METATYPE(std::optional<TLanguageChoice>)

class TstLanguage : public QObject {
    Q_OBJECT
private slots:
    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<TLanguageChoice>>("choice");
        QTest::newRow("ru") << "ru" << std::optional(TLanguageChoice::Russian);
        QTest::newRow("upper case, spaces") << " EN " << std::optional(TLanguageChoice::English);
        QTest::newRow("empty: as written") << "" << std::optional(TLanguageChoice::AsWritten);
        QTest::newRow("blank: as written") << "  " << std::optional(TLanguageChoice::AsWritten);
        QTest::newRow("a language not offered") << "de" << std::optional<TLanguageChoice>();
        QTest::newRow("a name, not a code") << "russian" << std::optional<TLanguageChoice>();
        QTest::newRow("a locale name") << "ru_RU" << std::optional<TLanguageChoice>();
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(std::optional<TLanguageChoice>, choice);
        QCOMPARE(TLanguage::parse(text), choice);
        // What is written is read back as the same choice.
        if (choice) QCOMPARE(TLanguage::parse(TLanguage::key(*choice)), choice);
    }

    void translationFor_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("translation");
        QTest::newRow("as written, Russian system") << int(TLanguageChoice::AsWritten) << "ru_RU"
                                                    << "ru";
        QTest::newRow("as written, Russian in Kazakhstan") << int(TLanguageChoice::AsWritten) << "ru_KZ"
                                                           << "ru";
        QTest::newRow("as written, English system") << int(TLanguageChoice::AsWritten) << "en_US"
                                                    << "en";
        QTest::newRow("as written, German system: English") << int(TLanguageChoice::AsWritten) << "de_DE"
                                                            << "en";
        QTest::newRow("as written, Ukrainian system: English") << int(TLanguageChoice::AsWritten) << "uk_UA"
                                                               << "en";
        QTest::newRow("as written, C locale") << int(TLanguageChoice::AsWritten) << "C"
                                              << "en";
        QTest::newRow("Russian on an English system") << int(TLanguageChoice::Russian) << "en_GB"
                                                      << "ru";
        QTest::newRow("English on a Russian system") << int(TLanguageChoice::English) << "ru_RU"
                                                     << "en";
    }
    void translationFor() {
        QFETCH(int, choice);
        QFETCH(QString, system);
        QTEST(TLanguage::translationFor(static_cast<TLanguageChoice>(choice), QLocale(system)),
              "translation");
    }

    void optionValue_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("value");
        QTest::newRow("none") << QStringList{"--can", "demo"} << "";
        QTest::newRow("separate") << QStringList{"--can", "demo", "--lang", "ru"} << "ru";
        QTest::newRow("joined") << QStringList{"--lang=en", "read"} << "en";
        QTest::newRow("joined, empty") << QStringList{"--lang="} << "";
        QTest::newRow("the first of two") << QStringList{"--lang", "ru", "--lang", "en"} << "ru";
        QTest::newRow("without its value") << QStringList{"read", "--lang"} << "";
        QTest::newRow("after --: an argument") << QStringList{"--", "--lang", "ru"} << "";
        QTest::newRow("a longer option") << QStringList{"--language", "ru"} << "";
    }
    void optionValue() {
        QFETCH(QStringList, args);
        std::vector<QByteArray> bytes{QByteArray("canquorvex")};
        for (const QString& a : args)
            bytes.push_back(a.toUtf8());
        std::vector<const char*> argv;
        for (const QByteArray& b : bytes)
            argv.push_back(b.constData());
        QTEST(TLanguage::optionValue(static_cast<int>(argv.size()), argv.data()), "value");
    }

    // The choice is one key of Quorvex.ini: written beside the placement sections without
    // touching them, and read back whatever its spelling.
    void keptInIni_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QByteArray>("kept"); // a line the file still holds after the write
        QTest::newRow("new file") << QByteArray() << int(TLanguageChoice::English) << QByteArray("Choice=en");
        QTest::newRow("beside a window's placement")
            << QByteArray("[TModbusForm0]\r\nLeft=12\r\nTop=40\r\n") << int(TLanguageChoice::Russian)
            << QByteArray("Left=12");
        QTest::newRow("replacing a choice")
            << QByteArray("[Language]\r\nChoice=ru\r\n[Main]\r\nVisible=1\r\n")
            << int(TLanguageChoice::AsWritten) << QByteArray("Visible=1");
    }
    void keptInIni() {
        QFETCH(QByteArray, before);
        QFETCH(int, choice);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Quorvex.ini"));
        if (!before.isEmpty()) QVERIFY(WriteFileBytes(ini, before));
        QString error;
        QVERIFY2(TLanguage::saveToIni(ini, static_cast<TLanguageChoice>(choice), &error), qPrintable(error));
        QCOMPARE(TLanguage::fromIni(ini), static_cast<TLanguageChoice>(choice));
        QFETCH(QByteArray, kept);
        QVERIFY2(ReadFileBytes(ini).contains(kept), ReadFileBytes(ini).constData());
    }

    void readFromIni_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("choice");
        QTest::newRow("no file") << QByteArray() << int(TLanguageChoice::AsWritten);
        QTest::newRow("spelled loosely")
            << QByteArray("[language]\nchoice = EN \n") << int(TLanguageChoice::English);
        QTest::newRow("not understood: as written")
            << QByteArray("[Language]\nChoice=fr\n") << int(TLanguageChoice::AsWritten);
        QTest::newRow("in another section: not the choice")
            << QByteArray("[Main]\nChoice=ru\n") << int(TLanguageChoice::AsWritten);
    }
    void readFromIni() {
        QFETCH(QByteArray, text);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Quorvex.ini"));
        if (!text.isEmpty()) QVERIFY(WriteFileBytes(ini, text));
        QFETCH(int, choice);
        QCOMPARE(int(TLanguage::fromIni(ini)), choice);
    }

    // A folder that is not there: nothing is written and the reason is told.
    void saveFails() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("gone/Quorvex.ini"));
        QString error;
        QVERIFY(!TLanguage::saveToIni(ini, TLanguageChoice::Russian, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(ini));
    }
};

QTEST_GUILESS_MAIN(TstLanguage)
#include "tst_language.moc"
