// The Parameters view's register map editor: the selected register's entry, the list of entries,
// a new map from what the device reported, saving through the profile reader and the CSV export.

#include "ParametersForm.h"

#include "ParametersModel.h"
#include "RegisterMapEditor.h"

#include "core/FileReplace.h"
#include "profile/ProfileCsvExport.h"
#include "profile/ProfileSave.h"
#include "session/DeviceSession.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

void TParametersForm::buildMapEditor(QVBoxLayout* layout) {
    MapEditor = new TRegisterMapEditor(this);
    MapEditor->onEdited = [this](const TRegisterInfo& info) { entryEdited(info); };
    MapEditor->onRefused = [this](const QString& error) {
        m_mapError = error;
        say(tr("%1 (not taken)").arg(error), true);
        updateMapButtons();
    };
    NewMapButton = new QPushButton(tr("New register map…"), this);
    AddRegisterSpin = new QSpinBox(this);
    AddRegisterSpin->setRange(0, RegisterCount - 1);
    AddRegisterButton = new QPushButton(tr("Add register"), this);
    RemoveRegisterButton = new QPushButton(tr("Remove register"), this);
    ExportButton = new QPushButton(tr("Export as CSV…"), this);
    SaveMapButton = new QPushButton(tr("Save"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewMapButton);
    buttons->addWidget(AddRegisterSpin);
    buttons->addWidget(AddRegisterButton);
    buttons->addWidget(RemoveRegisterButton);
    buttons->addStretch(1);
    buttons->addWidget(ExportButton);
    buttons->addWidget(SaveMapButton);
    layout->addWidget(MapEditor);
    layout->addLayout(buttons);

    connect(NewMapButton, &QPushButton::clicked, this, [this] {
        bool ok = false;
        const QString device = QInputDialog::getText(this, tr("New register map"), tr("Device type"),
                                                     QLineEdit::Normal, m_deviceName, &ok);
        if (ok && !device.trimmed().isEmpty()) (void)newMap(device.trimmed());
    });
    connect(AddRegisterButton, &QPushButton::clicked, this,
            [this] { (void)addRegister(AddRegisterSpin->value()); });
    connect(RemoveRegisterButton, &QPushButton::clicked, this, &TParametersForm::removeSelectedRegister);
    connect(SaveMapButton, &QPushButton::clicked, this, [this] { (void)saveMap(); });
    connect(ExportButton, &QPushButton::clicked, this, [this] {
        const QString folder = m_mapPath.isEmpty() ? m_profilesFolder : QFileInfo(m_mapPath).absolutePath();
        const QString name = m_draft != nullptr ? m_draft->device() : QString();
        const QString path = QFileDialog::getSaveFileName(
            this, tr("Export as CSV"), QDir(folder).filePath(name + QStringLiteral(".csv")),
            tr("CSV register maps (*.csv);;All files (*)"));
        if (!path.isEmpty()) (void)exportCsv(path);
    });
    connect(Table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TParametersForm::showSelectedEntry);
}

void TParametersForm::setMapPlace(const QString& profilesFolder, const QString& deviceName) {
    m_profilesFolder = profilesFolder;
    m_deviceName = deviceName;
}

void TParametersForm::showMap(std::unique_ptr<TDeviceProfile> map, const QString& path, bool changed) {
    const int shown = MapEditor->shownRegister();
    // The model refers to the map: it takes the new one before the old goes.
    const std::unique_ptr<TDeviceProfile> old = std::exchange(m_draft, std::move(map));
    m_model->setProfile(m_draft.get());
    m_mapPath = path;
    m_mapChanged = changed;
    m_mapError.clear();
    applyFilter();
    updateCaption();
    // The register that was being edited stays selected.
    if (const int row = m_model->rowOf(shown); row >= 0)
        Table->setCurrentIndex(m_model->index(row, TParametersModel::NameColumn));
    showSelectedEntry();
    updateMapButtons();
}

void TParametersForm::showSelectedEntry() {
    const QModelIndex current = Table->selectionModel()->currentIndex();
    MapEditor->setEntry(current.isValid() ? m_model->info(current.row()) : nullptr);
    updateMapButtons();
}

void TParametersForm::updateMapButtons() {
    NewMapButton->setEnabled(m_draft == nullptr);
    const bool map = m_draft != nullptr;
    for (QWidget* w : std::initializer_list<QWidget*>{AddRegisterSpin, AddRegisterButton, ExportButton})
        w->setEnabled(map);
    RemoveRegisterButton->setEnabled(map && MapEditor->shownRegister() >= 0);
    SaveMapButton->setEnabled(map && m_mapError.isEmpty() && (m_mapChanged || m_mapPath.isEmpty()));
    SaveMapButton->setToolTip(!m_mapError.isEmpty() ? m_mapError : QString());
}

void TParametersForm::entryEdited(const TRegisterInfo& info) {
    if (m_draft == nullptr) return;
    m_mapError.clear();
    m_draft->setRegister(info); // the entry is replaced where it is
    m_mapChanged = true;
    m_model->entryChanged(m_model->rowOf(info.Register));
    say(tr("Register %1 changed: \"Save\" keeps the register map.").arg(info.Register), false);
    updateMapButtons();
}

bool TParametersForm::newMap(const QString& device) {
    if (m_draft != nullptr) return false;
    auto map = std::make_unique<TDeviceProfile>();
    map->setDevice(device);
    int count = 0;
    for (int r = 0; r < RegisterCount; ++r)
        if (m_session.reported().test(static_cast<size_t>(r))) {
            TRegisterInfo info;
            info.Register = r;
            info.Name = tr("Register %1").arg(r);
            map->setRegister(info);
            ++count;
        }
    showMap(std::move(map), QString(), true);
    say(count > 0 ? tr("A new register map with the %n registers the device has reported: name them, then "
                       "\"Save\".",
                       nullptr, count)
                  : tr("The device has reported no register yet: add registers with \"Add register\", then "
                       "\"Save\"."),
        false);
    return true;
}

bool TParametersForm::addRegister(int reg) {
    if (m_draft == nullptr || reg < 0 || reg >= RegisterCount) return false;
    if (m_draft->find(reg) == nullptr) {
        TRegisterInfo info;
        info.Register = reg;
        info.Name = tr("Register %1").arg(reg);
        auto map = std::make_unique<TDeviceProfile>(*m_draft);
        map->setRegister(info);
        showMap(std::move(map), m_mapPath, true);
    }
    const int row = m_model->rowOf(reg);
    FilterEdit->clear();
    Table->setCurrentIndex(m_model->index(row, TParametersModel::NameColumn));
    Table->scrollTo(Table->currentIndex());
    return true;
}

void TParametersForm::removeSelectedRegister() {
    const int reg = MapEditor->shownRegister();
    if (m_draft == nullptr || reg < 0) return;
    auto map = std::make_unique<TDeviceProfile>();
    map->setDevice(m_draft->device());
    for (const TRegisterInfo& info : m_draft->registers())
        if (info.Register != reg) map->setRegister(info);
    showMap(std::move(map), m_mapPath, true);
    say(tr("Register %1 removed from the register map.").arg(reg), false);
}

bool TParametersForm::saveMap(const QString& chosen) {
    if (m_draft == nullptr) return false;
    if (!m_mapError.isEmpty()) {
        say(tr("%1: nothing was saved.").arg(m_mapError), true);
        return false;
    }
    QString path = chosen.isEmpty() ? m_mapPath : chosen;
    if (path.isEmpty()) {
        (void)QDir().mkpath(m_profilesFolder);
        QString name = m_draft->device();
        name.replace(
            QRegularExpression(QStringLiteral("[^\\w.-]+"), QRegularExpression::UseUnicodePropertiesOption),
            QStringLiteral("-"));
        path = QFileDialog::getSaveFileName(this, tr("Save the register map"),
                                            QDir(m_profilesFolder).filePath(name + QStringLiteral(".json")),
                                            tr("Register maps (*.json)"));
        if (path.isEmpty()) return false;
    }
    // Over its own file the map keeps what the tool does not read there.
    const bool own = !m_mapPath.isEmpty() && QFileInfo(path) == QFileInfo(m_mapPath);
    QString error;
    if (!SaveProfile(*m_draft, path, own ? m_mapPath : QString(), &error)) {
        say(tr("The register map was not saved: %1").arg(error), true);
        return false;
    }
    m_mapChanged = false;
    m_mapPath = path;
    const QString saved = tr("Register map saved to %1.").arg(QDir::toNativeSeparators(path));
    // The window reads the file it now uses, which gives this view a fresh copy.
    if (onMapSaved && !onMapSaved(path)) return false;
    updateMapButtons();
    say(saved, false);
    return true;
}

bool TParametersForm::exportCsv(const QString& path) {
    if (m_draft == nullptr) return false;
    QString error;
    if (!FileReplace::write(path, ExportProfileCsv(*m_draft), &error)) {
        say(error, true);
        return false;
    }
    say(tr("%n registers exported to %1.", nullptr, static_cast<int>(m_draft->registers().size()))
            .arg(QDir::toNativeSeparators(path)),
        false);
    return true;
}
