// Captions that fit their buttons, and windows that fit the screen.

#include "ui/CaptionButton.h"
#include "ui/CaptionFit.h"
#include "ui/ScreenFit.h"

#include <QFontMetricsF>
#include <QTest>

class TstWindowFit : public QObject {
    Q_OBJECT
private slots:
    void commandCaptionsKeepTheirBeginning_data();
    void commandCaptionsKeepTheirBeginning();
    void framesFitTheArea_data();
    void framesFitTheArea();
    void cascadeStaysOnTheArea();
};

void TstWindowFit::commandCaptionsKeepTheirBeginning_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("whole");
    // The sample project's captions, a long renamed one and one long word, on the sixteen buttons
    // (50 pixels) and the wide one (105).
    const QList<std::pair<const char*, bool>> captions = {
        {"Пуск", true},    {"Стоп", true},        {"Сброс аварии", true},      {"Ручной режим", true},
        {"Автомат", true}, {"Тест ламп", true},   {"Открыть задвижку", true},  {"Закрыть задвижку", true},
        {"-", true},       {"Квитировать", true}, {"Аварийный останов", true},
    };
    for (const auto& [caption, whole] : captions)
        for (int width : {50, 105})
            QTest::addRow("%s at %d", caption, width) << QString::fromUtf8(caption) << width << whole;
    QTest::newRow("long at 50") << QStringLiteral("Прогрев насоса перед пуском") << 50 << false;
    QTest::newRow("long at 105") << QStringLiteral("Прогрев насоса перед пуском") << 105 << true;
    QTest::newRow("one long word at 50") << QStringLiteral("Автоматическийрежимработы") << 50 << false;
}

void TstWindowFit::commandCaptionsKeepTheirBeginning() {
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(bool, whole);
    TCaptionButton button(caption);
    QFont design = button.font();
    design.setPixelSize(11);
    button.setFont(design);
    button.resize(width, 20);
    const TCaptionFit fit = button.captionFit();
    const QRect room = button.textRoom();

    QVERIFY(fit.lines.size() == 1 || fit.lines.size() == 2);
    QVERIFY2(fit.pixelSize >= TCaptionFit::MinPixelSize && fit.pixelSize <= 11,
             qPrintable(QString::number(fit.pixelSize)));
    QFont f = design;
    f.setPixelSize(fit.pixelSize);
    const QFontMetricsF fm(f);
    QVERIFY(fm.height() * fit.lines.size() <= room.height() + 0.01);
    for (const QString& line : fit.lines)
        QVERIFY2(fm.horizontalAdvance(line) <= room.width(), qPrintable(line));
    // What is shown is the caption from its first letter on, cut at most at its end (a word broken
    // across the lines carries a hyphen).
    QStringList lines = fit.lines;
    if (lines.size() == 2 && lines[0].endsWith(QLatin1Char('-')) && !caption.contains(QLatin1Char('-')))
        lines[0].chop(1);
    QString shown = lines.join(QString());
    shown.remove(QStringLiteral("…")).remove(QLatin1Char(' '));
    QString all = caption;
    all.remove(QLatin1Char(' '));
    QVERIFY2(!shown.isEmpty() && all.startsWith(shown), qPrintable(fit.lines.join(QLatin1Char('|'))));
    QCOMPARE(fit.whole, whole);
    QCOMPARE(shown == all, whole);
}

void TstWindowFit::framesFitTheArea_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("expected");
    const QRect small(0, 0, 1366, 738); // 1366 x 768 less a task bar
    QTest::newRow("fits: stays") << QRect(100, 50, 864, 640) << small << QRect(100, 50, 864, 640);
    QTest::newRow("past the right and bottom: moved in")
        << QRect(992, 100, 864, 640) << small << QRect(502, 98, 864, 640);
    QTest::newRow("left of and above the area: moved in")
        << QRect(-300, -40, 864, 640) << small << QRect(0, 0, 864, 640);
    QTest::newRow("larger than the area: takes it")
        << QRect(480, 0, 1720, 1250) << QRect(0, 0, 960, 510) << QRect(0, 0, 960, 510);
    QTest::newRow("taller only: height of the area")
        << QRect(10, 30, 640, 1140) << QRect(0, 0, 960, 510) << QRect(10, 0, 640, 510);
    QTest::newRow("second screen's area")
        << QRect(1900, 10, 809, 566) << QRect(1920, 0, 1280, 1024) << QRect(1920, 10, 809, 566);
    QTest::newRow("no area: unchanged") << QRect(5, 5, 100, 100) << QRect() << QRect(5, 5, 100, 100);
}

void TstWindowFit::framesFitTheArea() {
    QFETCH(QRect, frame);
    QFETCH(QRect, area);
    QFETCH(QRect, expected);
    QCOMPARE(FitFrameToArea(frame, area), expected);
}

void TstWindowFit::cascadeStaysOnTheArea() {
    // Sixteen device windows on a 1366 x 738 area: each a step from the last, none past the area.
    const QRect area(0, 0, 1366, 738);
    const QSize frame(864, 640);
    const QPoint first(251, 49);
    QList<QPoint> seen;
    for (int i = 0; i < 16; ++i) {
        const QPoint p = CascadePosition(first, i, frame, area);
        QVERIFY2(area.contains(QRect(p, frame)),
                 qPrintable(QStringLiteral("%1: %2,%3").arg(i).arg(p.x()).arg(p.y())));
        QVERIFY2(!seen.contains(p), qPrintable(QStringLiteral("%1 on another window").arg(i)));
        seen << p;
    }
    QCOMPARE(seen[0], first);
    QCOMPARE(seen[1], first + QPoint(24, 24));
}

QTEST_MAIN(TstWindowFit)
#include "tst_windowfit.moc"
