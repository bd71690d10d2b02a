// The udev rule the package installs names exactly the adapters the tool recognises, each leading
// to the lines that give the seat's user access and keep ModemManager away.

#include "slcan/SlcanUsbAdapters.h"

#include "tests/FileBytes.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TstUdevRule : public QObject {
    Q_OBJECT
private slots:
    void sameAdaptersAsTheTable();
};

void TstUdevRule::sameAdaptersAsTheTable() {
    const QString rules = QString::fromUtf8(ReadFileBytes(QStringLiteral(UDEV_RULE_PATH)));
    QVERIFY2(!rules.isEmpty(), UDEV_RULE_PATH);

    // udev compares the attributes as text: sysfs writes four lower-case hexadecimal digits.
    QSet<QString> inRule;
    const QRegularExpression match(
        QString::fromLatin1(
            R"re(^ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f]{4})", GOTO="canquorvex_adapter"$)re"),
        QRegularExpression::MultilineOption);
    for (auto it = match.globalMatch(rules); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        inRule << m.captured(1) + QLatin1Char(':') + m.captured(2);
    }
    QSet<QString> inTable;
    for (const SlcanUsbAdapter& a : SlcanKnownUsbAdapters())
        inTable << QStringLiteral("%1:%2").arg(a.vendorId, 4, 16, QLatin1Char('0')).arg(a.productId, 4, 16, QLatin1Char('0'));
    QCOMPARE(inRule, inTable);
    // Every identity line is a match; a line that names an identity some other way is not one.
    QCOMPARE(rules.count(QStringLiteral("idVendor")), inTable.size());

    const QString block = rules.section(QStringLiteral("LABEL=\"canquorvex_adapter\"\n"), 1, 1)
                              .section(QStringLiteral("LABEL=\"canquorvex_end\""), 0, 0);
    QVERIFY2(block.contains(QStringLiteral("ENV{ID_MM_DEVICE_IGNORE}=\"1\"\n")), qPrintable(block));
    QVERIFY2(block.contains(QStringLiteral("SUBSYSTEM==\"tty\", TAG+=\"uaccess\"\n")), qPrintable(block));
}

QTEST_GUILESS_MAIN(TstUdevRule)
#include "tst_udevrule.moc"
