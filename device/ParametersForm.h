#pragma once

// The Parameters view of a device window (Ctrl+R there), a window of its own: the registers of the
// row's profile with register, name, engineering value, unit, raw word and access, live, a changed
// value highlighted in the device window's fade colours. The filter shows the rows whose name
// holds the text, or whose register is one of the numbers typed ("24", "0x18", "89-126, 5").
// Double-click on a rw row edits its engineering value (an enum by name): it is checked against
// min/max and the type, made the raw word and written towards the device as SET writes ("Dn", one
// word); a value out of range or a ro register is refused with a message and nothing is sent. The
// rows are brought up to date RefreshMs apart while the view can be seen, and not at all otherwise.

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QModelIndex;
class QTableView;
class TDeviceProfile;
class TDeviceSession;
class TParametersModel;
class TSharedTimer;

class TParametersForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int RefreshMs = 100;

    // A window of its own, owned by parent (the device window), whose caption it names.
    TParametersForm(TDeviceSession& session, QWidget* parent);

    // The profile shown (nullptr: none; the view then says how to choose one).
    void setProfile(const TDeviceProfile* profile);
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

    TDeviceSession& m_session;
    TParametersModel* m_model = nullptr;
    TSharedTimer* m_refresh = nullptr;
};
