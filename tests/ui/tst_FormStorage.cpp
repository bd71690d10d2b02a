#include "core/IniFile.h"
#include "tests/FileBytes.h"
#include "ui/ErrorReport.h"
#include "ui/FormStorage.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {

// A top-level window with a fixed border, as the device window is, that records what its own
// show handling sees.
class TTestForm : public QWidget {
public:
    explicit TTestForm(const QString& iniPath) {
        setFixedSize(300, 200);
        move(5, 7); // design position
        storage = new TFormStorage(this);
        storage->setIniFileName(iniPath);
    }
    TFormStorage* storage = nullptr;
    QPoint frameAtShow;
    Qt::WindowStates stateAtShow;
    bool refuseClose = false;

protected:
    void showEvent(QShowEvent* event) override {
        frameAtShow = frameGeometry().topLeft();
        stateAtShow = windowState();
        QWidget::showEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (refuseClose)
            event->ignore();
        else
            event->accept();
    }
};

} // namespace

class TestFormStorage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void noStoredPlacementOpensCentred_data();
    void noStoredPlacementOpensCentred();
    void restoreRunsBeforeTheWindowsShowHandling();
    void writtenSectionText();
    void maximisedReopensMaximised();
    void screenSizeKeyFirstThenPlainKey();
    void otherPixelsPerInchRestoresOnlyTheState();
    void showCommands_data();
    void showCommands();
    void windowsShareTheLastSavedPlacement();
    void malformedWordsFallBackOneByOne_data();
    void malformedWordsFallBackOneByOne();
    void offScreenRectangleOpensCentred();
    void versionBelowZeroRestoresNothing();
    void savedOnlyWhenTheCloseIsGranted();
    void programEndSavesOpenWindowsOnce();
    void fileErrorsAreReportedAndDoNotStopTheWindow();

private:
    [[nodiscard]] std::unique_ptr<TTestForm> makeForm() { return std::make_unique<TTestForm>(m_ini); }
    [[nodiscard]] QPoint centred() const {
        const QRect a = m_metrics.centreArea;
        return {a.left() + (a.width() - m_frame.width()) / 2, a.top() + (a.height() - m_frame.height()) / 2};
    }
    [[nodiscard]] QString read(const QString& key) const {
        return IniFile(m_ini).readString("Modbus", key, "<none>");
    }

    QTemporaryDir m_dir;
    QString m_ini;
    TFormStorage::TScreenMetrics m_metrics;
    TFormStorage::TScreenMetrics m_realMetrics;
    QSize m_frame;
    QStringList m_errors;
};

void TestFormStorage::initTestCase() {
    m_realMetrics = TFormStorage::screenMetrics();
    QVERIFY(!m_realMetrics.size.isEmpty());
    QVERIFY(!m_realMetrics.visibleAreas.empty());
    // The frame of the test window as the platform draws it.
    TTestForm probe(QString{});
    probe.show();
    m_frame = probe.frameGeometry().size();
    probe.close();
    QVERIFY(m_frame.width() >= 300 && m_frame.height() >= 200);
}

void TestFormStorage::init() {
    QVERIFY(m_dir.isValid());
    m_ini = m_dir.filePath(QStringLiteral("Quorvex.ini"));
    QFile::remove(m_ini);
    m_errors.clear();
    SetErrorReporter([this](const QString& text) { m_errors << text; });
    // The real screen, but the size in the key names chosen by the test.
    m_metrics = m_realMetrics;
    m_metrics.size = QSize(1024, 768);
    TFormStorage::setScreenQuery([this] { return m_metrics; });
}

void TestFormStorage::cleanup() {
    TFormStorage::setScreenQuery({});
    SetErrorReporter({});
}

void TestFormStorage::noStoredPlacementOpensCentred_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("empty section") << QByteArray("[Modbus]\r\n");
    QTest::newRow("other section only") << QByteArray("[modbus2]\nNormPos=10,10,300,300\nShowCmd=3\n");
}

void TestFormStorage::noStoredPlacementOpensCentred() {
    QFETCH(QByteArray, file);
    if (!file.isNull()) QVERIFY(WriteFileBytes(m_ini, file));
    auto form = makeForm();
    form->show();
    QCOMPARE(form->frameGeometry().topLeft(), centred());
    QCOMPARE(form->windowState(), Qt::WindowNoState);
    QVERIFY(m_errors.isEmpty());
}

void TestFormStorage::restoreRunsBeforeTheWindowsShowHandling() {
    QVERIFY(WriteFileBytes(m_ini, "[Modbus]\nShowCmd=3\nPixelsPerInch=96\nNormPos=40,30,100,100\n"));
    m_metrics.pixelsPerInch = 96;
    auto form = makeForm();
    form->show();
    QCOMPARE(form->frameAtShow, QPoint(40, 30));
    QVERIFY(form->stateAtShow & Qt::WindowMaximized);
}

void TestFormStorage::writtenSectionText() {
    m_metrics.pixelsPerInch = 96;
    QVERIFY(WriteFileBytes(m_ini, "; "
                                  "settings\r\n[Other]\r\nx=1\r\n\r\n[Modbus]\r\nNormPos=100,50,0,"
                                  "0\r\nPixelsPerInch=96\r\nUnknown=keep\r\n"));
    auto form = makeForm();
    form->show();
    form->close();
    const QString right = QString::number(100 + m_frame.width());
    const QString bottom = QString::number(50 + m_frame.height());
    const QString norm = QStringLiteral("100,50,%1,%2").arg(right, bottom);
    const QString expected =
        QStringLiteral(
            "; "
            "settings\r\n[Other]\r\nx=1\r\n\r\n[Modbus]\r\nNormPos=%1\r\nPixelsPerInch=96\r\nUnknown=keep\r\n"
            "FormVersion=0\r\nFlags=0\r\nShowCmd=1\r\nMinMaxPos(1024x768)=-1,-1,-1,-1\r\n"
            "MinMaxPos=-1,-1,-1,-1\r\nNormPos(1024x768)=%1\r\nVisible=0\r\n")
            .arg(norm);
    QCOMPARE(QString::fromUtf8(ReadFileBytes(m_ini)), expected);

    // In a new file the keys stand in the order they are written.
    QFile::remove(m_ini);
    form->show();
    form->close();
    QString made = QStringLiteral(
                       "[Modbus]\nFormVersion=0\nFlags=0\nShowCmd=1\nPixelsPerInch=96\nMinMaxPos(1024x768)=-1,-1,-1,-1\n"
                       "MinMaxPos=-1,-1,-1,-1\nNormPos(1024x768)=%1\nNormPos=%1\nVisible=0\n")
                       .arg(norm);
#ifdef Q_OS_WIN
    made.replace(QStringLiteral("\n"), QStringLiteral("\r\n")); // a new file takes the system's line ending
#endif
    QCOMPARE(QString::fromUtf8(ReadFileBytes(m_ini)), made);
    QVERIFY(m_errors.isEmpty());
}

void TestFormStorage::maximisedReopensMaximised() {
    {
        auto form = makeForm();
        form->show();
        form->move(120, 80);
        form->showMaximized();
        QVERIFY(QTest::qWaitFor([&] { return form->isMaximized(); }));
        form->close();
    }
    QCOMPARE(read("ShowCmd"), QStringLiteral("3"));
    QCOMPARE(read("NormPos"),
             QStringLiteral("120,80,%1,%2").arg(120 + m_frame.width()).arg(80 + m_frame.height()));
    auto again = makeForm();
    again->show();
    QVERIFY(again->isMaximized());
    const QRect normal = again->normalGeometry();
    QCOMPARE(normal.size(), QSize(300, 200));
    again->showNormal();
    QVERIFY(QTest::qWaitFor([&] { return !again->isMaximized(); }));
    QCOMPARE(again->frameGeometry().topLeft(), QPoint(120, 80));
    // Closed maximised and shown again: maximised again, with the same normal rectangle.
    again->showMaximized();
    again->close();
    again->show();
    QVERIFY(again->isMaximized());
    again->showNormal();
    QCOMPARE(again->frameGeometry().topLeft(), QPoint(120, 80));
}

void TestFormStorage::screenSizeKeyFirstThenPlainKey() {
    QVERIFY(WriteFileBytes(m_ini,
                           "[Modbus]\nPixelsPerInch=96\nNormPos(1024x768)=10,20,0,0\nNormPos=200,100,0,0\n"));
    m_metrics.pixelsPerInch = 96;
    {
        auto form = makeForm();
        form->show();
        QCOMPARE(form->frameGeometry().topLeft(), QPoint(10, 20));
        form->close();
    }
    // Another resolution: its key does not exist yet, the plain key holds the last save.
    m_metrics.size = QSize(1280, 1024);
    auto form = makeForm();
    form->show();
    QCOMPARE(form->frameGeometry().topLeft(), QPoint(10, 20));
    form->move(30, 40);
    form->close();
    const IniFile ini(m_ini);
    const QString moved = QStringLiteral("30,40,%1,%2").arg(30 + m_frame.width()).arg(40 + m_frame.height());
    QCOMPARE(ini.readString("Modbus", "NormPos(1280x1024)", "-"), moved);
    QCOMPARE(ini.readString("Modbus", "NormPos", "-"), moved);
    QCOMPARE(ini.readString("Modbus", "NormPos(1024x768)", "-"),
             QStringLiteral("10,20,%1,%2").arg(10 + m_frame.width()).arg(20 + m_frame.height()));
    QVERIFY(ini.hasKey("Modbus", "MinMaxPos(1280x1024)"));
    QVERIFY(ini.hasKey("Modbus", "MinMaxPos(1024x768)"));
    // Back at the first resolution its own key applies.
    m_metrics.size = QSize(1024, 768);
    form->show();
    QCOMPARE(form->frameGeometry().topLeft(), QPoint(10, 20));
}

void TestFormStorage::otherPixelsPerInchRestoresOnlyTheState() {
    QVERIFY(WriteFileBytes(
        m_ini, "[Modbus]\nShowCmd=3\nPixelsPerInch=120\nMinMaxPos=-1,-1,-1,-1\nNormPos=100,50,0,0\n"));
    m_metrics.pixelsPerInch = 96;
    auto form = makeForm();
    form->show();
    QVERIFY(form->isMaximized());
    form->showNormal();
    QCOMPARE(form->frameGeometry().topLeft(), centred());
}

void TestFormStorage::showCommands_data() {
    QTest::addColumn<QByteArray>("showCmd");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<int>("state");
    const int normal = Qt::WindowNoState, min = Qt::WindowMinimized, max = Qt::WindowMaximized;
    QTest::newRow("1 normal") << QByteArray("1") << QByteArray("0") << normal;
    QTest::newRow("5 normal") << QByteArray("5") << QByteArray("0") << normal;
    QTest::newRow("9 normal") << QByteArray("9") << QByteArray("0") << normal;
    QTest::newRow("2 minimised") << QByteArray("2") << QByteArray("0") << min;
    QTest::newRow("6 minimised") << QByteArray("6") << QByteArray("0") << min;
    QTest::newRow("7 minimised") << QByteArray("7") << QByteArray("0") << min;
    QTest::newRow("2 minimised, restores to maximised") << QByteArray("2") << QByteArray("2") << (min | max);
    QTest::newRow("3 maximised") << QByteArray("3") << QByteArray("0") << max;
    QTest::newRow("3 in hex") << QByteArray("0x3") << QByteArray("0") << max;
    QTest::newRow("4 other") << QByteArray("4") << QByteArray("0") << normal;
    QTest::newRow("0 other") << QByteArray("0") << QByteArray("0") << normal;
    QTest::newRow("not a number") << QByteArray("max") << QByteArray("0") << normal;
}

void TestFormStorage::showCommands() {
    QFETCH(QByteArray, showCmd);
    QFETCH(QByteArray, flags);
    QFETCH(int, state);
    QVERIFY(WriteFileBytes(m_ini, "[Modbus]\nShowCmd=" + showCmd + "\nFlags=" + flags + "\n"));
    auto form = makeForm();
    form->showMaximized(); // the stored state replaces whatever the window had
    QCOMPARE(int(form->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)), state);
}

void TestFormStorage::windowsShareTheLastSavedPlacement() {
    auto first = makeForm();
    auto second = makeForm();
    first->show();
    first->move(50, 60);
    first->close();
    second->show();
    QCOMPARE(second->frameGeometry().topLeft(), QPoint(50, 60));
    second->move(70, 80);
    second->close();
    first->show();
    QCOMPARE(first->frameGeometry().topLeft(), QPoint(70, 80));
    auto third = makeForm();
    third->show();
    QCOMPARE(third->frameGeometry().topLeft(), QPoint(70, 80));
}

void TestFormStorage::malformedWordsFallBackOneByOne_data() {
    QTest::addColumn<QByteArray>("minMax");
    QTest::addColumn<QByteArray>("norm");
    QTest::addColumn<QPoint>("frame");
    QTest::addColumn<QString>("savedMinMax");
    // Design position of the test window: 5, 7.
    QTest::newRow("left not a number")
        << QByteArray() << QByteArray("abc,20,1,1") << QPoint(5, 20) << "-1,-1,-1,-1";
    QTest::newRow("top missing") << QByteArray() << QByteArray("30") << QPoint(30, 7) << "-1,-1,-1,-1";
    QTest::newRow("spaces and commas")
        << QByteArray() << QByteArray("30 , 40") << QPoint(30, 40) << "-1,-1,-1,-1";
    QTest::newRow("runs of separators")
        << QByteArray() << QByteArray(",,30,, 40") << QPoint(30, 40) << "-1,-1,-1,-1";
    QTest::newRow("hex word") << QByteArray() << QByteArray("0x20,0x10") << QPoint(32, 16) << "-1,-1,-1,-1";
    QTest::newRow("minimised position words")
        << QByteArray("x,5,7") << QByteArray("30,40") << QPoint(30, 40) << "0,5,-1,-1";
    QTest::newRow("only the minimised position found")
        << QByteArray("1,2,3,4") << QByteArray() << QPoint(5, 7) << "1,2,-1,-1";
}

void TestFormStorage::malformedWordsFallBackOneByOne() {
    QFETCH(QByteArray, minMax);
    QFETCH(QByteArray, norm);
    QFETCH(QPoint, frame);
    QFETCH(QString, savedMinMax);
    QByteArray text = "[Modbus]\n";
    if (!minMax.isNull()) text += "MinMaxPos=" + minMax + "\n";
    if (!norm.isNull()) text += "NormPos=" + norm + "\n";
    QVERIFY(WriteFileBytes(m_ini, text));
    auto form = makeForm();
    form->show();
    QCOMPARE(form->frameGeometry().topLeft(), frame);
    form->close();
    QCOMPARE(read("MinMaxPos"), savedMinMax);
}

void TestFormStorage::offScreenRectangleOpensCentred() {
    const QByteArray stored("[Modbus]\nShowCmd=1\nNormPos=5000,5000,5300,5200\n");
    QVERIFY(WriteFileBytes(m_ini, stored));
    auto form = makeForm();
    form->show();
    QCOMPARE(form->frameGeometry().topLeft(), centred());
    QCOMPARE(ReadFileBytes(m_ini), stored); // left as it is until the next save
    form->close();
    const QPoint c = centred();
    QCOMPARE(read("NormPos"), QStringLiteral("%1,%2,%3,%4")
                                  .arg(c.x())
                                  .arg(c.y())
                                  .arg(c.x() + m_frame.width())
                                  .arg(c.y() + m_frame.height()));
    // Partly visible counts as visible.
    QVERIFY(WriteFileBytes(m_ini, "[Modbus]\nNormPos=-100,-50,0,0\n"));
    form->show();
    QCOMPARE(form->frameGeometry().topLeft(), QPoint(-100, -50));
}

void TestFormStorage::versionBelowZeroRestoresNothing() {
    QVERIFY(WriteFileBytes(m_ini, "[Modbus]\nFormVersion=-1\nShowCmd=3\nNormPos=100,50,0,0\n"));
    auto form = makeForm();
    form->show();
    QVERIFY(!form->isMaximized());
    QCOMPARE(form->frameGeometry().topLeft(), centred());
}

void TestFormStorage::savedOnlyWhenTheCloseIsGranted() {
    auto form = makeForm();
    form->close(); // never shown: never saved
    QVERIFY(!QFile::exists(m_ini));
    form->show();
    form->refuseClose = true;
    QVERIFY(!form->close());
    QVERIFY(form->isVisible());
    QVERIFY(!QFile::exists(m_ini));
    QTest::qWait(1); // the refused close is forgotten
    form->hide();    // hiding is no close
    QVERIFY(!QFile::exists(m_ini));
    form->show();
    form->refuseClose = false;
    QVERIFY(form->close());
    QCOMPARE(read("Visible"), QStringLiteral("0"));
}

void TestFormStorage::programEndSavesOpenWindowsOnce() {
    auto open = makeForm();
    auto closed = makeForm();
    auto neverShown = makeForm();
    closed->show();
    closed->move(11, 12);
    closed->close();
    open->show();
    open->move(21, 22);
    QFile::remove(m_ini);
    TFormStorage::saveAllAtExit();
    QCOMPARE(read("Visible"), QStringLiteral("1"));
    QCOMPARE(read("NormPos").section(u',', 0, 1), QStringLiteral("21,22"));
    QFile::remove(m_ini);
    TFormStorage::saveAllAtExit(); // saved since it was last shown: not again
    QVERIFY(!QFile::exists(m_ini));
    open->close(); // a granted close saves, also after the program-end save
    QCOMPARE(read("Visible"), QStringLiteral("0"));
    Q_UNUSED(neverShown);
}

void TestFormStorage::fileErrorsAreReportedAndDoNotStopTheWindow() {
    const QByteArray stored("[Modbus]\nNormPos=60,70,0,0\n");
    QVERIFY(WriteFileBytes(m_ini, stored));
    QVERIFY(QFile::setPermissions(m_ini, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    auto form = makeForm();
    form->show();
    QCOMPARE(form->frameGeometry().topLeft(), QPoint(60, 70));
    form->move(61, 71);
    QVERIFY(form->close());
    QVERIFY(!form->isVisible());
    QCOMPARE(m_errors.size(), 1);
    QVERIFY2(m_errors[0].startsWith(QStringLiteral("Cannot write ") + QDir::toNativeSeparators(m_ini)),
             qPrintable(m_errors[0]));
    QCOMPARE(ReadFileBytes(m_ini), stored);
    QVERIFY(QFile::setPermissions(m_ini, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

    // A settings file that cannot be read: the window shows centred all the same.
    QFile::remove(m_ini);
    QVERIFY(QDir().mkpath(m_ini));
    m_errors.clear();
    auto other = makeForm();
    other->show();
    QVERIFY(other->isVisible());
    QCOMPARE(other->frameGeometry().topLeft(), centred());
    QTRY_COMPARE(m_errors.size(), 1);
    QVERIFY(m_errors[0].startsWith(QStringLiteral("Cannot read ") + QDir::toNativeSeparators(m_ini)));
    QVERIFY(QDir(m_ini).removeRecursively());
}

QTEST_MAIN(TestFormStorage)
#include "tst_FormStorage.moc"
