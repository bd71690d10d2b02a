// Parameter sets in the device window: the list of changes a restore asks to confirm, and the
// result list after the device has reported the values written, and a restore with nothing to write.

#include "can/ToolsCan.h"
#include "core/Project.h"
#include "device/ModbusForm.h"
#include "device/ParameterSetDialogs.h"
#include "params/RestoreRun.h"
#include "tests/can/FakeBus.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

TDeviceMessage report(int reg, int value) {
    TDeviceMessage m;
    m.Address = static_cast<uint16_t>(reg);
    m.Count = 1;
    m.Mask = 4;
    m.Values[0] = static_cast<int16_t>(value);
    return m;
}

QStringList column(const QTableWidget* t, int c) {
    QStringList out;
    for (int r = 0; r < t->rowCount(); ++r)
        out << t->item(r, c)->text();
    return out;
}

} // namespace

class TstModbusParams : public QObject {
    Q_OBJECT
private slots:
    void confirmAndResult() {
        FakeSlCanDriver* driver = OpenFakeBus();

        QTemporaryDir dir;
        TProject project;
        TModbusForm w(project, dir.path() + '/');
        w.RXadr = 0x100;
        w.TXadr = 0x110;
        w.show();
        w.ReceiveCanData(report(96, 70));
        w.ReceiveCanData(report(97, 80));
        const QString path = dir.filePath("set.json");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"({"schema":1,"kind":"parameter-set","registers":[{"register":96,"raw":70},
                   {"register":97,"raw":5},{"register":98,"raw":1}]})");
        f.close();

        QStringList listed;
        QString summary;
        QTimer::singleShot(0, this, [&] {
            auto* confirm = qobject_cast<TRestoreConfirmDialog*>(QApplication::activeModalWidget());
            QVERIFY(confirm != nullptr);
            listed = column(confirm->Table, 2) + column(confirm->Table, 3);
            summary = confirm->Summary->text();
            confirm->RestoreButton->click();
        });
        w.restoreFromFile(path);
        QCOMPARE(listed, (QStringList{"70 → 70", "80 → 5", "— → 1", "unchanged", "write", "write"}));
        QVERIFY2(summary.startsWith("2 registers will be written in 1 frame"), qPrintable(summary));

        QVERIFY(w.restoreRun() != nullptr);
        QTRY_COMPARE(w.restoreRun()->framesSent(), 1);
        QCOMPARE(driver->sent.size(), size_t(1)); // 97 and 98 in one write; 96 left alone
        QCOMPARE(int(driver->sent[0].Data[5]), 97);
        w.ReceiveCanData(report(97, 5));
        w.ReceiveCanData(report(98, 1));
        TRestoreResultDialog* result = nullptr;
        QTRY_VERIFY((result = w.findChild<TRestoreResultDialog*>()) != nullptr);
        QCOMPARE(column(result->Table, 4), (QStringList{"unchanged", "confirmed", "confirmed"}));
        QVERIFY(!result->RetryButton->isEnabled());

        // The device holds the file's values now: nothing is asked, sent or left waiting.
        result->close();
        QString said;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            said = box->text();
            box->accept();
        });
        w.restoreFromFile(path);
        QVERIFY2(said.startsWith("Nothing to write"), qPrintable(said));
        QCOMPARE(driver->sent.size(), size_t(1));
        SlCanInstallDriver(nullptr);
        CanResetState();
    }
};

QTEST_MAIN(TstModbusParams)
#include "tst_modbus_params.moc"
