#pragma once

// The Parameters view of a device window (Ctrl+R there), a window of its own: the registers of the
// row's profile with register, name, engineering value, unit, raw word and access, live, a changed
// value highlighted in the device window's fade colours. The filter shows the rows whose name
// holds the text, or whose register is one of the numbers typed ("24", "0x18", "89-126, 5").
// Double-click on a rw row edits its engineering value (an enum by name): it is checked against
// min/max and the type, made the raw word and written towards the device as SET writes ("Dn", one
// word); a value out of range or a ro register is refused with a message and nothing is sent. The
// rows are brought up to date RefreshMs apart while the view can be seen, and not at all otherwise.
//
// The view also edits the register map (ParametersFormMap.cpp): the fields under the table change
// the selected register's entry, "Add register" and "Remove register" change the list, "New register
// map…" makes a map for a device without one from the registers it has reported, "Save" writes the
// map through the profile reader's checks (onMapSaved then makes the window use the file), and
// "Export as CSV…" writes the CSV the profile import reads. The table shows the map as edited;
// values are written towards the device only while it is saved.

#include "profile/DeviceProfile.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QSpinBox;
class QTableView;
class QVBoxLayout;
class TDeviceSession;
class TRegisterMapEditor;
class TParametersModel;
class TSharedTimer;

class TParametersForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int RefreshMs = 100;

    // A window of its own, owned by parent (the device window), whose caption it names.
    TParametersForm(TDeviceSession& session, QWidget* parent);

    // The profile shown (nullptr: none; the view then says how to choose one). The view edits a
    // copy of it; unsaved changes are dropped.
    void setProfile(const TDeviceProfile* profile);
    // Where a new map is saved (the profiles folder) and the name it suggests for the device type.
    void setMapPlace(const QString& profilesFolder, const QString& deviceName);

    // ---- the register map (ParametersFormMap.cpp) ----
    // A map for a device without one: the registers it has reported so far, named "Register N";
    // false when the view shows a map already.
    bool newMap(const QString& device);
    // Writes the map as edited to path (empty: its own file, or one the user chooses); false with
    // the reason in the status line when the reader refuses it or the file cannot be written.
    bool saveMap(const QString& path = {});
    // Writes the map as edited as a CSV register map.
    bool exportCsv(const QString& path);
    // Adds an entry for a register (selected if there is one already); removes the selected one.
    bool addRegister(int reg);
    void removeSelectedRegister();
    // The map has changes that are not saved.
    [[nodiscard]] bool mapChanged() const { return m_mapChanged; }
    // The map as edited (nullptr: none).
    [[nodiscard]] const TDeviceProfile* editedMap() const { return m_draft.get(); }
    // Called with the file after a save; true when the window now uses it.
    std::function<bool(const QString& path)> onMapSaved;

    TRegisterMapEditor* MapEditor = nullptr;
    QPushButton* NewMapButton = nullptr;
    QPushButton* SaveMapButton = nullptr;
    QPushButton* ExportButton = nullptr;
    QSpinBox* AddRegisterSpin = nullptr;
    QPushButton* AddRegisterButton = nullptr;
    QPushButton* RemoveRegisterButton = nullptr;
    [[nodiscard]] TParametersModel* model() const { return m_model; }

    // The registers of the selected rows (that the filter shows), in register order.
    [[nodiscard]] QList<int> selectedRegisters() const;
    // Checks an engineering value typed for register reg and writes it towards the device; false
    // when it was refused or could not be sent, the reason in the status line.
    bool writeValue(int reg, const QString& text);
    // Brings the rows up to date (what the refresh clock does).
    void refresh();
    // The status line: the last write or refusal.
    [[nodiscard]] QString message() const;

    QLineEdit* FilterEdit = nullptr;
    QTableView* Table = nullptr;
    QLabel* StatusLabel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void applyFilter();
    void editRow(const QModelIndex& index);
    void say(const QString& text, bool refused);
    void updateCaption();
    void buildMapEditor(QVBoxLayout* layout);
    void showMap(std::unique_ptr<TDeviceProfile> map, const QString& path, bool changed);
    void entryEdited(const TRegisterInfo& info);
    void showSelectedEntry();
    void updateMapButtons();

    TDeviceSession& m_session;
    TParametersModel* m_model = nullptr;
    TSharedTimer* m_refresh = nullptr;
    std::unique_ptr<TDeviceProfile> m_draft; // the map as edited, shown in the table
    const TDeviceProfile* m_saved = nullptr; // the window's map: values are written with it
    QString m_mapPath;                       // the file of the map, empty for a new one
    QString m_mapError;                      // the entry being typed is wrong
    QString m_profilesFolder;
    QString m_deviceName;
    bool m_mapChanged = false;
};
