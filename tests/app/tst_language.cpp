// The language of the screen as the program chooses it at start: the fixed captions stay as written
// unless the user chose a language (--lang, or "Language" kept in Quorvex.ini); the texts the tool
// added follow the translation loaded. Runs with English as the system's language (LANGUAGE=en).

#include "app/CAN_Quorvex.h"
#include "app/CommandLine.h"
#include "core/Language.h"
#include "device/ModbusForm.h"
#include "tests/can/FakeSlCanDriver.h"
#include "trend/TrendCsv.h"
#include "trend/TrendModel.h"
#include "ui/CountText.h"
#include "ui/HelpMenu.h"
#include "ui/HelpWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The captions of a window's labels, check boxes and radio buttons that are wider than the room
// their widget gives the text (in the font the window gave it: a caption may be drawn smaller to fit).
QStringList cutCaptions(const QWidget* window) {
    QStringList cut;
    const auto check = [&cut](const QWidget* w, const QString& text, QRect room) {
        const int needed = w->fontMetrics().horizontalAdvance(text);
        if (w->isVisible() && !text.isEmpty() && needed > room.width())
            cut << QStringLiteral("%1 \"%2\": %3 px in %4")
                       .arg(QString::fromLatin1(w->metaObject()->className()), text)
                       .arg(needed)
                       .arg(room.width());
    };
    for (const QLabel* l : window->findChildren<QLabel*>())
        if (!l->wordWrap() && !l->text().contains(u'\n') && l->textFormat() != Qt::RichText &&
            !l->text().isEmpty())
            check(l, l->text(), l->contentsRect());
    const auto button = [&check](const QAbstractButton* b, QStyle::SubElement contents) {
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        check(b, b->text(), b->style()->subElementRect(contents, &option, b));
    };
    for (const QCheckBox* b : window->findChildren<QCheckBox*>())
        button(b, QStyle::SE_CheckBoxContents);
    for (const QRadioButton* b : window->findChildren<QRadioButton*>())
        button(b, QStyle::SE_RadioButtonContents);
    return cut;
}

} // namespace

class TstLanguage : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase() { TLanguage::install(TLanguageChoice::AsWritten); }

    // The choice at start: --lang, else the Quorvex.ini of the folder --folder names, however the
    // options are spelled and whatever else the command line holds.
    void startChoice_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("choice");
        const int ru = int(TLanguageChoice::Russian), en = int(TLanguageChoice::English);
        // The default folder keeps Russian, folder "b" English, folder "c" nothing.
        QTest::newRow("the default folder's") << QStringList{} << ru;
        QTest::newRow("--folder's") << QStringList{"--folder", "b"} << en;
        QTest::newRow("--folder= spelled") << QStringList{"--folder=b", "--can", "demo"} << en;
        QTest::newRow("a folder without a choice")
            << QStringList{"--folder", "c"} << int(TLanguageChoice::AsWritten);
        QTest::newRow("--lang over the folder's") << QStringList{"--folder", "b", "--lang", "ru"} << ru;
        QTest::newRow("--lang refused: the folder's") << QStringList{"--folder", "b", "--lang", "xx"} << en;
        QTest::newRow("--lang empty: the folder's") << QStringList{"--lang="} << ru;
        QTest::newRow("an unknown option beside it") << QStringList{"--bogus", "--lang", "en"} << en;
    }
    void startChoice() {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        const auto iniOf = [&dir](const QString& folder) {
            return dir.filePath((folder.isEmpty() ? QStringLiteral("default") : folder) +
                                QStringLiteral("/Quorvex.ini"));
        };
        for (const auto& [folder, kept] : {std::pair{"", "ru"}, {"b", "en"}}) {
            const QString ini = iniOf(QString::fromLatin1(folder));
            QVERIFY(QDir().mkpath(QFileInfo(ini).path()));
            QVERIFY(TLanguage::saveToIni(ini, *TLanguage::parse(QString::fromLatin1(kept)), nullptr));
        }
        QTEST(int(StartLanguage(QStringList{QStringLiteral("canquorvex")} + arguments, iniOf)), "choice");
    }

    // Russian counts take one of three forms.
    void russianCounts_data() {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("registers");
        QTest::addColumn<QString>("frames");
        QTest::newRow("1") << qint64(1) << "1 регистр"
                           << "1 кадр";
        QTest::newRow("3") << qint64(3) << "3 регистра"
                           << "3 кадра";
        QTest::newRow("11") << qint64(11) << "11 регистров"
                            << "11 кадров";
        QTest::newRow("21") << qint64(21) << "21 регистр"
                            << "21 кадр";
        QTest::newRow("112") << qint64(112) << "112 регистров"
                             << "112 кадров";
    }
    void russianCounts() {
        QFETCH(qint64, n);
        TLanguage::install(TLanguageChoice::Russian);
        QTEST(RegisterCountText(n), "registers");
        QTEST(FrameCountText(n), "frames");
    }

    // The trend's legend follows the language; its CSV file's column names do not.
    void trendFileLabels() {
        TLanguage::install(TLanguageChoice::Russian);
        TRegisterImage image;
        TTrendModel model(image);
        TTrendModel::Descriptions described{};
        described[5] = TTrendScale{};
        described[5]->Name = QStringLiteral("Current");
        model.setDescriptions(described);
        model.setRaw(true);
        (void)model.addRegister(0, 1);
        (void)model.addRegister(5);
        QCOMPARE(model.label(*model.channel(0)), QStringLiteral("0x00 (0) бит 1"));
        QCOMPARE(model.label(*model.channel(1)), QStringLiteral("0x05 (5) Current (сырое)"));
        QStringList header;
        for (const TTrendColumn& column : TTrendCsv::columns(model))
            header << column.Name;
        QCOMPARE(header, (QStringList{"0x00 (0) bit 1", "0x05 (5) Current (raw)"}));
    }

    void startLanguage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("kept"); // [Language] Choice= in Quorvex.ini, none when empty
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("reception");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("parameters"); // the device window's parameter panel
        QTest::addColumn<QString>("help");       // the first entry of every right-click menu
        const QStringList none;
        QTest::newRow("default, English system") << none << QString() << " Проект "
                                                 << "Прием <-- СУ"
                                                 << " Can Speed "
                                                 << "Текущие параметры"
                                                 << "Help";
        QTest::newRow("--lang en") << QStringList{"--lang", "en"} << QString() << " Project "
                                   << "Reception <-- CU"
                                   << " Can Speed "
                                   << "Current parameters"
                                   << "Help";
        QTest::newRow("kept en") << none << "en"
                                 << " Project "
                                 << "Reception <-- CU"
                                 << " Can Speed "
                                 << "Current parameters"
                                 << "Help";
        QTest::newRow("--lang ru") << QStringList{"--lang=ru"} << QString() << " Проект "
                                   << "Прием <-- СУ"
                                   << " Скорость CAN "
                                   << "Текущие параметры"
                                   << "Справка";
        QTest::newRow("--lang en over kept ru") << QStringList{"--lang", "en"} << "ru"
                                                << " Project "
                                                << "Reception <-- CU"
                                                << " Can Speed "
                                                << "Current parameters"
                                                << "Help";
        QTest::newRow("kept value not understood") << none << "de"
                                                   << " Проект "
                                                   << "Прием <-- СУ"
                                                   << " Can Speed "
                                                   << "Текущие параметры"
                                                   << "Help";
    }

    void startLanguage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, kept);
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const auto write = [&folder](const QString& name, const QByteArray& text) {
            QFile f(folder + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(text);
        };
        write(QStringLiteral("Projects.ini"), "[Projects]\nProjectQua=1\nProject1=Line\nProjectNum=1\n\n["
                                              "Line]\nBaseAdr=0x100\nUse_0=1\nName_0=Pump\n");
        if (!kept.isEmpty())
            write(QStringLiteral("Quorvex.ini"), "[Language]\nChoice=" + kept.toUtf8() + '\n');

        // As main() does: the choice from the command line or the settings folder, installed before
        // the first window is made.
        TLanguage::install(
            StartLanguage(QStringList{QStringLiteral("canquorvex")} + arguments,
                          [&folder](const QString&) { return folder + QStringLiteral("Quorvex.ini"); }));
        SlCanInstallDriver(std::make_unique<FakeSlCanDriver>());
        {
            TCANQuorvex w(folder);
            QTEST(w.GroupBox->title(), "project");
            QTEST(w.HeadLabels[2]->text(), "reception");
            QTEST(w.RadioGroup1->title(), "speed");
            QCOMPARE(w.windowTitle(), QStringLiteral("CANQuorvex \"Brennaquil\" v.07.04.2025"));
            w.showWindowOfRow(0);
            const TModbusForm* device = w.view().Rows[0].Window;
            QVERIFY(device != nullptr);
            QStringList titles;
            for (const QGroupBox* box : device->findChildren<QGroupBox*>())
                titles << box->title();
            QFETCH(QString, parameters);
            QVERIFY2(titles.contains(parameters), qPrintable(titles.join(u'|')));
            // Names from Projects.ini are never translated.
            QVERIFY2(device->windowTitle().contains(QStringLiteral("Pump")),
                     qPrintable(device->windowTitle()));
            // Every caption of the two windows is whole in its place, in every language.
            w.show();
            QStringList cut = cutCaptions(&w);
            cut += cutCaptions(device);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
            // The help names the captions as the window shows them.
            const QString help = THelpWindow::helpHtml();
            for (const QString& caption : {w.RadioGroup1->title().trimmed(), w.RxLabel1->text()})
                QVERIFY2(help.contains(caption.toHtmlEscaped()), qPrintable(caption));
            QMenu menu;
            AddHelpEntries(menu);
            QTEST(menu.actions().value(0)->text(), "help");
        }
        SlCanInstallDriver(nullptr);
    }
};

QTEST_MAIN(TstLanguage)
#include "tst_language.moc"
