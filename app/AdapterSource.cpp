#include "AdapterSource.h"

#include "can/QtCanDriver.h"
#include "can/SlCan.h"
#include "can/ToolsCan.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The adapter the switch opens: the main window asks CanOpen for device 8, which the adapter
// layer takes as the last of fewer.
constexpr int SwitchDeviceNumber = 8;

const QString TracePlugin = QStringLiteral("trace");

} // namespace

QList<CanAdapterName> OfferedAdapters() {
    const auto* driver = dynamic_cast<const QtCanDriver*>(SlCanCurrentDriver());
    return driver != nullptr ? driver->adapters() : QList<CanAdapterName>();
}

std::optional<CanAdapterName> AdapterInUse() {
    const auto* driver = dynamic_cast<const QtCanDriver*>(SlCanCurrentDriver());
    if (driver == nullptr || driver->adapters().isEmpty()) return std::nullopt;
    if (const QString open = driver->openAdapterName(); !open.isEmpty())
        if (const std::optional<CanAdapterName> name = ParseCanAdapterName(open)) return name;
    const QList<CanAdapterName>& adapters = driver->adapters();
    return adapters.at(std::min<qsizetype>(SwitchDeviceNumber, adapters.size()) - 1);
}

bool TraceInUse() {
    const std::optional<CanAdapterName> adapter = AdapterInUse();
    return adapter && adapter->plugin == TracePlugin;
}

QString AdapterShortText(const CanAdapterName& adapter) {
    if (adapter.plugin == QLatin1String(DemoPluginName))
        return QCoreApplication::translate("AdapterSource", "demo");
    if (adapter.plugin == TracePlugin)
        return QCoreApplication::translate("AdapterSource", "trace: %1")
            .arg(QFileInfo(adapter.interfaceName).fileName());
    return QStringLiteral("%1: %2").arg(adapter.plugin, adapter.interfaceName);
}

QString AdapterLongText(const CanAdapterName& adapter) {
    if (adapter.plugin == TracePlugin)
        return QCoreApplication::translate("AdapterSource", "trace: %1")
            .arg(QDir::toNativeSeparators(adapter.interfaceName));
    return QStringLiteral("%1:%2").arg(adapter.plugin, adapter.interfaceName);
}
