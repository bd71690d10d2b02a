// The register map of a device window: choosing one keeps it in Quorvex.ini, a broken file is
// refused with one message, the cells' tooltips name the register, and the Parameters view writes
// an engineering value as SET writes it (checked on the virtual bus) or refuses it.

#include "BusCapture.h"
#include "tests/FreePort.h"
#include "tests/device/FormControls.h"

#include "core/Project.h"
#include "device/ModbusForm.h"
#include "device/ParametersForm.h"
#include "device/ParametersModel.h"
#include "device/RegisterMapEditor.h"
#include "params/ParameterSet.h"
#include "profile/ProfileStore.h"
#include "ui/ErrorReport.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

namespace {

constexpr int32_t Rx = 0x123;

const char PumpProfile[] = R"({"schema": 1, "device": "Pump controller", "registers": [
  {"register": 5, "name": "Status", "type": "bits", "access": "ro", "bits": {"0": "Ready", "3": "Fault"}},
  {"register": 24, "name": "Motor current", "unit": "A", "scale": 0.1, "decimals": 1, "access": "ro",
   "min": 0, "max": 50},
  {"register": 96, "name": "Speed set-point", "unit": "rpm", "type": "u16", "min": 0, "max": 3000}]})";

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString toolTipAt(TCellMatrix* matrix, int cell) {
    QToolTip::hideText();
    const QPoint pos = matrix->cellRect(cell).center();
    QHelpEvent event(QEvent::ToolTip, pos, matrix->mapToGlobal(pos));
    QApplication::sendEvent(matrix, &event);
    return QToolTip::text();
}

} // namespace

class TModbusProfileTest : public QObject {
    Q_OBJECT
private slots:
    void registerMapInTheWindow();
    void registerMapEditedInTheView();
};

void TModbusProfileTest::registerMapInTheWindow() {
    BusCapture bus(FreeTcpPort());
    QVERIFY2(bus.start(), qPrintable(bus.why()));
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("profiles")));
    const QString pump = dir.filePath(QStringLiteral("profiles/pump.json"));
    const QString broken = dir.filePath(QStringLiteral("broken.json"));
    QVERIFY(writeFile(pump, PumpProfile));
    QVERIFY(writeFile(broken, "{\"schema\": 1,\n  \"device\" \"P\"}"));
    QStringList reports;
    SetErrorReporter([&reports](const QString& text) { reports << text; });

    TProject project;
    project.Name = QStringLiteral("Line");
    TModbusForm w(project, dir.path() + QLatin1Char('/'));
    w.RXadr = Rx;
    w.TXadr = 0x321;
    w.setRow(3);
    w.show();
    QVERIFY(w.profile() == nullptr);
    QVERIFY(toolTipAt(ui(w).AnaCells, 0).isEmpty()); // as without a register map

    // Chosen: kept at once as the file's name in the profiles folder. A broken file is refused
    // with one message naming the file and the place, and the window keeps its map.
    QVERIFY(w.setRegisterMap(pump));
    QCOMPARE(TProfileStore(dir.path()).assigned(QStringLiteral("Line"), 3), QStringLiteral("pump.json"));
    QVERIFY(!w.setRegisterMap(broken));
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports[0].contains(QStringLiteral("broken.json: line 2, column")), qPrintable(reports[0]));
    QCOMPARE(w.profile()->device(), QStringLiteral("Pump controller"));

    // Tooltips: the analog cell of register 24, the bit cell of register 5, bit 3.
    TDeviceMessage msg;
    msg.Address = 24;
    msg.Count = 1;
    msg.Mask = 4;
    msg.Values[0] = 123;
    w.ReceiveCanData(msg);
    msg.Address = 5;
    msg.Values[0] = 0x0009;
    w.ReceiveCanData(msg);
    const QString ana = toolTipAt(ui(w).AnaCells, 0);
    for (const char* part : {"Pump controller · register 0x18 (24)", "Motor current: 12.3 A",
                             "raw 123 (0x007B)", "read-only", "range 0.0 … 50.0 A"})
        QVERIFY2(ana.contains(QString::fromUtf8(part)), qPrintable(ana));
    const QString bit = toolTipAt(ui(w).DigiCells, 5 * 16 + 3);
    QVERIFY2(bit.contains(QStringLiteral("Fault = 1")) &&
                 bit.contains(QStringLiteral("Status: Ready, Fault")),
             qPrintable(bit));

    // Ctrl+R: the Parameters view with the profile's device in its caption.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
    TParametersForm* view = w.parametersForm();
    QVERIFY(view != nullptr && view->isVisible());
    QVERIFY(view->windowTitle().contains(QStringLiteral("Pump controller")));
    QVERIFY(QTest::qWaitForWindowExposed(view));
    const auto doubleClick = [view](int reg) {
        const QModelIndex index =
            view->model()->index(view->model()->rowOf(reg), TParametersModel::NameColumn);
        // As a mouse does it: press, release, the double click, release.
        const QPoint at = view->Table->visualRect(index).center();
        QTest::mouseClick(view->Table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->Table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->Table->viewport(), Qt::LeftButton, {}, at);
    };
    // Types into the value editor the double click opened; false when none is open.
    const auto typeValue = [view](const QString& text) {
        for (QLineEdit* editor : view->Table->viewport()->findChildren<QLineEdit*>()) {
            if (!editor->isVisible()) continue;
            editor->selectAll();
            QTest::keyClicks(editor, text);
            QTest::keyClick(editor, Qt::Key_Return);
            return true;
        }
        return false;
    };
    doubleClick(24);
    QVERIFY2(view->message().contains(QStringLiteral("read-only")), qPrintable(view->message()));
    doubleClick(96);
    QVERIFY(typeValue(QStringLiteral("3500")));
    // The editor hands its value over once the key press is done.
    QTRY_VERIFY2(view->message().contains(QStringLiteral("outside 0 … 3000 rpm")),
                 qPrintable(view->message()));
    doubleClick(96);
    QVERIFY(typeValue(QStringLiteral("1500")));
    QTRY_VERIFY2(view->message().contains(QStringLiteral("1500 rpm written")), qPrintable(view->message()));

    // The first frame on the bus is the accepted value (a refused one would have come before it),
    // framed as SET with "Dn": one word to register 96.
    QVERIFY(bus.waitFrames(1));
    QCOMPARE(bus.frames()[0].frameId(), uint(Rx));
    QCOMPARE(bus.frames()[0].payload().toHex().toUpper(), QByteArray("00000000806005DC"));
    QCOMPARE(w.regs()[96].Value, 1500);

    // The filter by name; the selected rows' registers for whoever asks.
    view->FilterEdit->setText(QStringLiteral("speed"));
    view->Table->selectAll();
    QCOMPARE(view->selectedRegisters(), QList<int>{96});
    view->FilterEdit->setText(QStringLiteral("5, 0x18"));
    view->Table->selectAll();
    QCOMPARE(view->selectedRegisters(), (QList<int>{5, 24}));

    // A parameter set saved from the window names the window's profile and, without a list, holds
    // the profile's rw registers the device reported.
    msg.Address = 96;
    msg.Values[0] = 1500;
    w.ReceiveCanData(msg);
    QString error;
    TParameterSet set;
    const QString setPath = dir.filePath(QStringLiteral("set.json"));
    QVERIFY2(w.saveParameters(setPath, {}, &error), qPrintable(error));
    QVERIFY2(TParameterSet::load(setPath, &set, &error), qPrintable(error));
    QCOMPARE(set.Profile, QStringLiteral("Pump controller"));
    QCOMPARE(set.Registers.size(), 1);
    QCOMPARE(set.Registers[0].Register, 96);

    // Cleared: at once in Quorvex.ini, and the view says there is none.
    QVERIFY(w.setRegisterMap(QString()));
    QCOMPARE(TProfileStore(dir.path()).assigned(QStringLiteral("Line"), 3), QString());
    QCOMPARE(view->model()->rowCount(), 0);
    SetErrorReporter({});
}

// Edited in the Parameters view: an entry refused while it is wrong, the file written on "Save",
// the window's tooltips following at once; a new map from the registers a device reported.
void TModbusProfileTest::registerMapEditedInTheView() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("profiles")));
    const QString pump = dir.filePath(QStringLiteral("profiles/pump.json"));
    QVERIFY(writeFile(pump, PumpProfile));
    TProject project;
    project.Name = QStringLiteral("Line");
    TModbusForm w(project, dir.path() + QLatin1Char('/'));
    w.setRow(3);
    QVERIFY(w.setRegisterMap(pump));
    TParametersForm* view = w.showParameters();
    TRegisterMapEditor* entry = view->MapEditor;
    view->Table->setCurrentIndex(
        view->model()->index(view->model()->rowOf(24), TParametersModel::NameColumn));
    QCOMPARE(entry->NameEdit->text(), QStringLiteral("Motor current"));
    entry->NameEdit->selectAll();
    QInputMethodEvent typed; // Cyrillic as a keyboard layout types it
    typed.setCommitString(QStringLiteral("Фазный ток"));
    QApplication::sendEvent(entry->NameEdit, &typed);
    entry->ScaleEdit->selectAll();
    QTest::keyClicks(entry->ScaleEdit, QStringLiteral("0"));
    QVERIFY2(view->message().contains(QStringLiteral("\"scale\" must not be 0")),
             qPrintable(view->message()));
    QVERIFY(!view->SaveMapButton->isEnabled());
    QTest::keyClicks(entry->ScaleEdit, QStringLiteral(".01"));
    QVERIFY(view->SaveMapButton->isEnabled());
    // Shown at once in the view; the device gets no value while the map is not saved.
    QCOMPARE(view->model()->data(view->model()->index(view->model()->rowOf(24), TParametersModel::NameColumn),
                                 Qt::DisplayRole),
             QStringLiteral("Фазный ток"));
    QVERIFY(!view->writeValue(96, QStringLiteral("100")));
    QCOMPARE(w.profile()->find(24)->Name, QStringLiteral("Motor current"));

    view->SaveMapButton->click();
    QVERIFY2(view->message().contains(QStringLiteral("saved")), qPrintable(view->message()));
    TDeviceProfile saved;
    QString error;
    QVERIFY2(TDeviceProfile::load(pump, &saved, &error), qPrintable(error));
    QCOMPARE(saved.find(24)->Name, QStringLiteral("Фазный ток"));
    QCOMPARE(saved.find(24)->Scale, 0.01);
    QCOMPARE(saved.find(96)->Max, 3000.0);
    QCOMPARE(w.profile()->find(24)->Name, QStringLiteral("Фазный ток"));
    TDeviceMessage msg;
    msg.Address = 24;
    msg.Count = 1;
    msg.Mask = 4;
    msg.Values[0] = 1234;
    w.ReceiveCanData(msg);
    const QString tip = toolTipAt(ui(w).AnaCells, 0);
    QVERIFY2(tip.contains(QStringLiteral("Фазный ток: 12.3 A")), qPrintable(tip));

    // A device without a map: one from the registers it reported, kept as the row's.
    TModbusForm other(project, dir.path() + QLatin1Char('/'));
    other.setRow(5);
    msg.Address = 40;
    msg.Count = 2;
    msg.Mask = 6;
    other.ReceiveCanData(msg);
    TParametersForm* fresh = other.showParameters();
    QVERIFY(fresh->NewMapButton->isEnabled());
    QVERIFY(fresh->newMap(QStringLiteral("Fan")));
    QCOMPARE(fresh->model()->rowCount(), 2);
    const QString fan = dir.filePath(QStringLiteral("profiles/fan.json"));
    QVERIFY(fresh->saveMap(fan));
    QVERIFY(other.profile() != nullptr);
    QCOMPARE(other.profile()->find(41)->Name, QStringLiteral("Register 41"));
    QCOMPARE(TProfileStore(dir.path()).assigned(QStringLiteral("Line"), 5), QStringLiteral("fan.json"));
}

QTEST_MAIN(TModbusProfileTest)
#include "tst_modbus_profile.moc"
