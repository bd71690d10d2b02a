// Counts in words, and "Language" at the top of the right-click menus: the choice kept in the
// settings file is checked, a new one is written at once, a file that cannot be written is reported.
#include "core/IniFile.h"
#include "ui/CountText.h"
#include "ui/ErrorReport.h"
#include "ui/HelpMenu.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

class TstHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void counts() {
        QCOMPARE(RegisterCountText(1), QStringLiteral("1 register"));
        QCOMPARE(RegisterCountText(38), QStringLiteral("38 registers"));
        QCOMPARE(FrameCountText(1), QStringLiteral("1 frame"));
        QCOMPARE(FrameCountText(5000000001), QStringLiteral("5000000001 frames")); // past int's range
    }

    void choose_data() {
        QTest::addColumn<QString>("file");    // the settings file, under a temporary folder
        QTest::addColumn<QString>("kept");    // Choice in it before
        QTest::addColumn<int>("entry");       // the entry chosen
        QTest::addColumn<QString>("written"); // Choice after; "?" when the file cannot be written
        QTest::newRow("none: no submenu") << QString() << QString() << -1 << QString();
        QTest::newRow("Russian") << "Quorvex.ini" << QString() << 0 << "ru";
        QTest::newRow("English over Russian") << "Quorvex.ini"
                                              << "ru" << 1 << "en";
        QTest::newRow("as specified over English") << "Quorvex.ini"
                                                   << "en" << 2 << QString();
        QTest::newRow("folder missing: reported") << "missing/Quorvex.ini" << QString() << 1 << "?";
    }
    void choose() {
        QFETCH(QString, file);
        QFETCH(QString, kept);
        QFETCH(int, entry);
        QFETCH(QString, written);
        const QTemporaryDir dir;
        const QString ini = file.isEmpty() ? file : dir.filePath(file);
        if (!kept.isEmpty())
            QVERIFY(IniFile(ini).writeString(QStringLiteral("Language"), QStringLiteral("Choice"), kept));
        SetLanguageSettingsFile(ini);
        QStringList reports;
        const TErrorReporter previous = SetErrorReporter([&](const QString& text) { reports << text; });
        QMenu menu;
        AddHelpEntries(menu);
        QCOMPARE(menu.actions().size(), entry < 0 ? 3 : 4); // Help, About, [Language,] separator
        if (entry >= 0) {
            const QList<QAction*> entries = menu.actions().at(2)->menu()->actions();
            QCOMPARE(entries.size(), 3);
            QCOMPARE(entries.at(0)->text() + entries.at(1)->text(), QStringLiteral("РусскийEnglish"));
            for (int i = 0; i < 3; ++i)
                QCOMPARE(entries.at(i)->isChecked(), i == (kept == u"ru" ? 0 : kept == u"en" ? 1 : 2));
            entries.at(entry)->trigger();
        }
        SetErrorReporter(previous);
        SetLanguageSettingsFile(QString());
        const QString choice =
            IniFile(ini).readString(QStringLiteral("Language"), QStringLiteral("Choice"), {});
        if (entry >= 0 && written != u"?") QCOMPARE(choice, written);
        QCOMPARE(reports.size(), written == u"?" ? 1 : 0);
        if (written == u"?")
            QVERIFY2(reports.front().contains(QDir::toNativeSeparators(ini)), qPrintable(reports.front()));
    }
};

QTEST_MAIN(TstHelpMenu)
#include "tst_helpmenu.moc"
