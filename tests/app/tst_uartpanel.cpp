// The UART group's handlers on its real controls.

#include "app/UartPanel.h"
#include "serial/ComPort.h"
#include "ui/SpinEdit.h"

#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

class TestUartPanel : public QObject {
    Q_OBJECT
private slots:
    void portClosedUntilLockRs();
    void baudItems_data();
    void baudItems();
    void rcomSetsPortNumber();
    void memo2ClearsPastHundredLines();
};

void TestUartPanel::portClosedUntilLockRs() {
    TUartPanel panel;
    panel.show();
    // Not opened automatically, also not by changing the port settings.
    QVERIFY(!panel.MyCommPort->open());
    QTest::mouseClick(panel.RGBaudItem[0], Qt::LeftButton);
    panel.RCom->setValue(3);
    QVERIFY(!panel.MyCommPort->open());
}

void TestUartPanel::baudItems_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("baud");
    QTest::newRow("57600") << 0 << 57600;
    QTest::newRow("115200") << 1 << 115200;
}

void TestUartPanel::baudItems() {
    QFETCH(int, item);
    QFETCH(int, baud);
    TUartPanel panel;
    panel.show();
    // Start from the other item so the click changes something.
    QTest::mouseClick(panel.RGBaudItem[1 - item], Qt::LeftButton);
    QCOMPARE(panel.MyCommPort->baud(), TUartPanel::BaudRates[1 - item]);
    QTest::mouseClick(panel.RGBaudItem[item], Qt::LeftButton);
    QCOMPARE(panel.RGBaudItemIndex(), item);
    QCOMPARE(panel.MyCommPort->baud(), baud);
}

void TestUartPanel::rcomSetsPortNumber() {
    TUartPanel panel;
    panel.show();
    panel.RCom->setFocus();
    panel.RCom->selectAll();
    QTest::keyClicks(panel.RCom, QStringLiteral("7"));
    QCOMPARE(panel.MyCommPort->comNumber(), 7);
    panel.RCom->setValue(999); // beyond the field's range
    QCOMPARE(panel.MyCommPort->comNumber(), 255);
    QVERIFY(!panel.MyCommPort->open());
}

void TestUartPanel::memo2ClearsPastHundredLines() {
    TUartPanel panel;
    for (int i = 1; i <= 100; ++i)
        panel.Memo2->appendPlainText(QStringLiteral("line %1").arg(i));
    QCOMPARE(panel.Memo2->document()->blockCount(), 100);
    QVERIFY(panel.Memo2->toPlainText().endsWith(QStringLiteral("line 100")));
    panel.Memo2->appendPlainText(QStringLiteral("line 101"));
    QVERIFY(panel.Memo2->toPlainText().isEmpty());
    panel.Memo2->appendPlainText(QStringLiteral("again"));
    QCOMPARE(panel.Memo2->toPlainText(), QStringLiteral("again"));
}

QTEST_MAIN(TestUartPanel)
#include "tst_uartpanel.moc"
