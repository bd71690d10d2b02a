// The top of the right-click menus: counts in words, and "Language", which keeps the choice in the
// settings file at once and reports a file it cannot write.
#include "core/IniFile.h"
#include "core/Language.h"
#include "ui/CountText.h"
#include "ui/ErrorReport.h"
#include "ui/HelpMenu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

class TstHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void counts_data() {
        QTest::addColumn<bool>("frames");
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one register") << false << qint64{1} << QStringLiteral("1 register");
        QTest::newRow("38 registers") << false << qint64{38} << QStringLiteral("38 registers");
        QTest::newRow("no register") << false << qint64{0} << QStringLiteral("0 registers");
        QTest::newRow("one frame") << true << qint64{1} << QStringLiteral("1 frame");
        QTest::newRow("2 frames") << true << qint64{2} << QStringLiteral("2 frames");
        QTest::newRow("21 frames") << true << qint64{21} << QStringLiteral("21 frames");
        QTest::newRow("past int's range")
            << true << qint64{5000000001} << QStringLiteral("5000000001 frames");
    }
    void counts() {
        QFETCH(bool, frames);
        QFETCH(qint64, n);
        QFETCH(QString, expected);
        QCOMPARE(frames ? FrameCountText(n) : RegisterCountText(n), expected);
    }

    void noSettingsFileNoLanguage() {
        SetLanguageSettingsFile(QString());
        QMenu menu;
        AddHelpEntries(menu);
        QCOMPARE(menu.actions().size(), 3); // Help, About, separator
        QVERIFY(menu.actions().at(2)->isSeparator());
    }

    void choose_data() {
        QTest::addColumn<QString>("kept");    // Choice in the file before
        QTest::addColumn<int>("entry");       // the entry chosen
        QTest::addColumn<QString>("written"); // Choice in the file after
        QTest::newRow("Russian") << QString() << 0 << QStringLiteral("ru");
        QTest::newRow("English over Russian") << QStringLiteral("ru") << 1 << QStringLiteral("en");
        QTest::newRow("as specified over English") << QStringLiteral("en") << 2 << QString();
    }
    void choose() {
        QFETCH(QString, kept);
        QFETCH(int, entry);
        QFETCH(QString, written);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("Quorvex.ini"));
        if (!kept.isEmpty())
            QVERIFY(IniFile(ini).writeString(QStringLiteral("Language"), QStringLiteral("Choice"), kept));
        SetLanguageSettingsFile(ini);
        QMenu menu;
        AddHelpEntries(menu);
        QCOMPARE(menu.actions().size(), 4);
        QMenu* languages = menu.actions().at(2)->menu();
        QVERIFY(languages != nullptr);
        const QList<QAction*> entries = languages->actions();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(0)->text(), QStringLiteral("Русский"));
        QCOMPARE(entries.at(1)->text(), QStringLiteral("English"));
        const int keptEntry = kept == u"ru" ? 0 : kept == u"en" ? 1 : 2;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(entries.at(i)->isChecked(), i == keptEntry);
        entries.at(entry)->trigger();
        QCOMPARE(IniFile(ini).readString(QStringLiteral("Language"), QStringLiteral("Choice"),
                                         QStringLiteral("?")),
                 written);
        QCOMPARE(TLanguage::fromIni(ini), TLanguage::parse(written).value());
    }

    void unwritableFileReported() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("missing/Quorvex.ini"));
        SetLanguageSettingsFile(ini);
        QStringList reports;
        const TErrorReporter previous = SetErrorReporter([&](const QString& text) { reports << text; });
        QMenu menu;
        AddHelpEntries(menu);
        menu.actions().at(2)->menu()->actions().at(1)->trigger();
        SetErrorReporter(previous);
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports.front().contains(QDir::toNativeSeparators(ini)), qPrintable(reports.front()));
        SetLanguageSettingsFile(QString());
    }
};

QTEST_MAIN(TstHelpMenu)
#include "tst_helpmenu.moc"
