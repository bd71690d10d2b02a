// The device window's register map: the row's profile (chosen or cleared in the window's context
// menu and kept in Quorvex.ini), the tooltips of the cells, the Parameters view (Ctrl+R) and the
// names, units and scaling of the trend. Without a profile the window is as it always was; nothing
// here runs per message.

#include "ModbusForm.h"

#include "core/Project.h"
#include "device/ParametersForm.h"
#include "device/TrendDescriptions.h"
#include "profile/ProfileStore.h"
#include "trend/TrendModel.h"
#include "ui/CellMatrix.h"
#include "ui/ErrorReport.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHelpEvent>
#include <QToolTip>

#include <functional>
#include <utility>

namespace {

// Hands the tooltip requests of the cell blocks to the window.
class ToolTipFilter final : public QObject {
public:
    ToolTipFilter(QObject* parent, std::function<bool(QObject*, QHelpEvent*)> handler)
        : QObject(parent), m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip) return m_handler(watched, static_cast<QHelpEvent*>(event));
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(QObject*, QHelpEvent*)> m_handler;
};

} // namespace

void TModbusForm::offerProfile() {
    ParametersAction = new QAction(tr("Parameters"), this);
    ParametersAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    ParametersAction->setShortcutContext(Qt::WindowShortcut);
    connect(ParametersAction, &QAction::triggered, this, [this] { showParameters(); });
    addAction(ParametersAction);
    RegisterMapAction = new QAction(tr("Register map…"), this);
    connect(RegisterMapAction, &QAction::triggered, this, &TModbusForm::chooseRegisterMap);
    NoRegisterMapAction = new QAction(tr("No register map"), this);
    connect(NoRegisterMapAction, &QAction::triggered, this, [this] { (void)setRegisterMap(QString()); });

    auto* filter = new ToolTipFilter(this, [this](QObject* watched, QHelpEvent* event) {
        if (m_profile == nullptr) return false; // as without a register map
        auto* matrix = static_cast<TCellMatrix*>(watched);
        const int cell = matrix->cellAt(event->pos());
        const QString text = cellToolTip(matrix, cell);
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(event->globalPos(), text, matrix, matrix->cellRect(cell));
        return true;
    });
    AnaCells->installEventFilter(filter);
    DigiCells->installEventFilter(filter);
}

void TModbusForm::setRow(int row) {
    m_row = row;
    auto profile = std::make_unique<TDeviceProfile>();
    QString error;
    if (TProfileStore(m_programDir).load(m_project.Name, row, profile.get(), &error)) {
        applyProfile(std::move(profile));
        return;
    }
    applyProfile(nullptr);
    if (!error.isEmpty())
        ReportError(tr("%1: the register map cannot be used, the window works without it.\n%2")
                        .arg(windowTitle(), error));
}

bool TModbusForm::setRegisterMap(const QString& path) {
    std::unique_ptr<TDeviceProfile> profile;
    QString error;
    if (!path.isEmpty()) {
        profile = std::make_unique<TDeviceProfile>();
        if (!TDeviceProfile::load(path, profile.get(), &error)) {
            ReportError(tr("%1: the register map cannot be used.\n%2").arg(windowTitle(), error));
            return false;
        }
    }
    if (m_row >= 0 && !TProfileStore(m_programDir).assign(m_project.Name, m_row, path, &error)) {
        ReportError(tr("%1: the register map is not kept.\n%2").arg(windowTitle(), error));
        return false;
    }
    applyProfile(std::move(profile));
    return true;
}

void TModbusForm::chooseRegisterMap() {
    const TProfileStore store(m_programDir);
    QString folder = m_profile ? QFileInfo(m_profile->path()).absolutePath() : store.profilesFolder();
    if (!QFileInfo(folder).isDir()) folder = m_programDir;
    const QString path = QFileDialog::getOpenFileName(this, tr("Register map - %1").arg(windowTitle()),
                                                      folder, tr("Register maps (*.json);;All files (*)"));
    if (!path.isEmpty()) (void)setRegisterMap(path);
}

void TModbusForm::applyProfile(std::unique_ptr<TDeviceProfile> profile) {
    // The view and the trend refer to the profile: they take the new one before the old goes.
    const std::unique_ptr<TDeviceProfile> old = std::exchange(m_profile, std::move(profile));
    if (ParametersView) ParametersView->setProfile(m_profile.get());
    describeTrend();
    QToolTip::hideText();
}

void TModbusForm::describeTrend() {
    if (!m_trend) return;
    m_trend->setDescriptions(TrendDescriptionsOf(m_profile.get()));
}

TParametersForm* TModbusForm::showParameters() {
    if (!ParametersView) {
        ParametersView = new TParametersForm(m_session, this);
        ParametersView->setProfile(m_profile.get());
        const QString device = m_row >= 0 && m_row < DeviceRows
                                   ? m_project.Devices[static_cast<size_t>(m_row)].Name
                                   : windowTitle();
        ParametersView->setMapPlace(TProfileStore(m_programDir).profilesFolder(), device);
        // A map saved in the view becomes the row's: tooltips, trend and trace view follow.
        ParametersView->onMapSaved = [this](const QString& path) { return setRegisterMap(path); };
    }
    ParametersView->show();
    ParametersView->raise();
    ParametersView->activateWindow();
    return ParametersView;
}

QString TModbusForm::cellToolTip(const TCellMatrix* matrix, int cell) const {
    if (!m_profile || cell < 0) return {};
    int reg = -1;
    int bit = -1;
    if (matrix == AnaCells && cell < AnaLenNum) reg = AnaStartNum + cell;
    if (matrix == DigiCells && cell / DigiBits < DigiLenNum) {
        reg = DigiStartNum + cell / DigiBits;
        bit = cell % DigiBits;
    }
    if (reg < 0 || reg >= RegisterCount) return {};
    const auto raw = static_cast<uint16_t>(m_session.image().cell(reg).Value);
    QStringList lines;
    const QString label = TTrendModel::registerLabel(reg);
    lines << (bit >= 0 ? tr("%1 · register %2, bit %3").arg(m_profile->device(), label).arg(bit)
                       : tr("%1 · register %2").arg(m_profile->device(), label));
    const TRegisterInfo* info = m_profile->find(reg);
    if (info == nullptr) {
        lines << tr("not in the register map") << RawWordText(raw, static_cast<int16_t>(raw));
        return lines.join(QLatin1Char('\n'));
    }
    if (bit >= 0) {
        const QString name = info->bitName(bit);
        lines << QStringLiteral("%1 = %2")
                     .arg(name.isEmpty() ? tr("bit %1").arg(bit) : name)
                     .arg((raw >> bit) & 1);
    }
    const QString value = info->valueText(raw);
    lines << QStringLiteral("%1: %2").arg(info->Name, value.isEmpty() ? tr("none") : value);
    QString details =
        info->rawText(raw) + QStringLiteral(" · ") + (info->readOnly() ? tr("read-only") : tr("read/write"));
    if (!info->rangeText().isEmpty())
        details += QStringLiteral(" · ") + tr("range %1").arg(info->rangeText());
    lines << details;
    if (!info->Description.isEmpty()) lines << info->Description;
    return lines.join(QLatin1Char('\n'));
}
