#include "CanAdapterName.h"

#include <QCanBus>
#include <QCanBusDevice>
#include <QCanBusDeviceInfo>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStringList>

namespace {

const QString VirtualPlugin = QStringLiteral("virtualcan");

// While asking the plugins, their complaints about missing vendor libraries stay out of the log:
// they say nothing about adapters the user asked for, and --help shows them.
QLoggingCategory::CategoryFilter previousFilter = nullptr;

void quietPluginFilter(QLoggingCategory* category) {
    if (previousFilter != nullptr) previousFilter(category);
    if (qstrncmp(category->categoryName(), "qt.canbus.plugins.", 18) == 0) {
        category->setEnabled(QtWarningMsg, false);
        category->setEnabled(QtCriticalMsg, false);
    }
}

class QuietPlugins {
public:
    QuietPlugins() { previousFilter = QLoggingCategory::installFilter(quietPluginFilter); }
    ~QuietPlugins() {
        QLoggingCategory::installFilter(previousFilter);
        previousFilter = nullptr;
    }
    QuietPlugins(const QuietPlugins&) = delete;
    QuietPlugins& operator=(const QuietPlugins&) = delete;
};

// Some plugins list fixed interface names whether or not their vendor library is installed; an
// interface counts only when the plugin can create a device for it (nothing is connected here).
[[nodiscard]] bool canCreate(const QString& plugin, const QString& interfaceName, QString* error) {
    QCanBusDevice* device = QCanBus::instance()->createDevice(plugin, interfaceName, error);
    delete device;
    return device != nullptr;
}

} // namespace

std::optional<CanAdapterName> ParseCanAdapterName(const QString& text) {
    const QString t = text.trimmed();
    if (t == QLatin1String(DemoPluginName))
        return CanAdapterName{QString::fromLatin1(DemoPluginName), QString::fromLatin1(DemoInterfaceName)};
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    if (colon <= 0 || colon == t.size() - 1) return std::nullopt;
    return CanAdapterName{t.left(colon), t.mid(colon + 1)};
}

QList<CanAdapterName> DiscoverHardwareAdapters() {
    QList<CanAdapterName> result;
    const QuietPlugins quiet;
    const QStringList inProcess = RegisteredCanDeviceFactories();
    for (const QString& plugin : QCanBus::instance()->plugins()) {
        if (plugin == VirtualPlugin || inProcess.contains(plugin)) continue;
        QString error;
        for (const QCanBusDeviceInfo& info : QCanBus::instance()->availableDevices(plugin, &error))
            if (canCreate(plugin, info.name(), &error)) result.append(CanAdapterName{plugin, info.name()});
    }
    // Then the attached adapters of the built-in factories (serial-line adapters found by their USB
    // identity).
    for (const QString& plugin : inProcess)
        for (const QCanBusDeviceInfo& info : ListCanDeviceFactoryInterfaces(plugin))
            result.append(CanAdapterName{plugin, info.name()});
    return result;
}

QString DescribeCanPlugins() {
    QString text = QCoreApplication::translate("CanAdapterName", "CAN adapters (--can PLUGIN:INTERFACE):\n");
    const QuietPlugins quiet;
    const QStringList plugins = QCanBus::instance()->plugins();
    if (plugins.isEmpty())
        text += QCoreApplication::translate("CanAdapterName", "  no CAN bus plugins installed\n");
    for (const QString& plugin : plugins) {
        QString error;
        QStringList names;
        for (const QCanBusDeviceInfo& info : QCanBus::instance()->availableDevices(plugin, &error))
            if (plugin == VirtualPlugin || canCreate(plugin, info.name(), &error)) names << info.name();
        text += QStringLiteral("  %1: ").arg(plugin);
        if (!names.isEmpty())
            text += names.join(QStringLiteral(", "));
        else if (!error.isEmpty())
            text += QCoreApplication::translate("CanAdapterName", "no interfaces (%1)").arg(error);
        else
            text += QCoreApplication::translate("CanAdapterName", "no interfaces");
        if (plugin == VirtualPlugin)
            text += QCoreApplication::translate(
                "CanAdapterName",
                "; a bus between programs: tcp://127.0.0.1:PORT/can0, never chosen without --can");
        text += QLatin1Char('\n');
    }
    for (const QString& name : RegisteredCanDeviceFactories()) {
        if (name == QLatin1String(DemoPluginName)) {
            text += QCoreApplication::translate("CanAdapterName", "  %1: built in (--can %1)\n").arg(name);
            continue;
        }
        if (!CanDeviceFactoryHasLister(name)) {
            // Chosen by name only (a file, a server on the network): nothing to find attached.
            text += QCoreApplication::translate("CanAdapterName", "  %1: built in (--can %1:%2)\n")
                        .arg(name, CanDeviceFactoryInterfaceHint(name));
            continue;
        }
        QStringList found;
        for (const QCanBusDeviceInfo& info : ListCanDeviceFactoryInterfaces(name))
            found << (info.description().isEmpty()
                          ? info.name()
                          : QStringLiteral("%1 (%2)").arg(info.name(), info.description()));
        text +=
            QCoreApplication::translate("CanAdapterName", "  %1: built in (--can %1:%2); %3\n")
                .arg(name, CanDeviceFactoryInterfaceHint(name),
                     found.isEmpty() ? QCoreApplication::translate("CanAdapterName", "no adapter attached")
                                     : QCoreApplication::translate("CanAdapterName", "attached: %1")
                                           .arg(found.join(QStringLiteral(", "))));
    }
    text += QCoreApplication::translate(
        "CanAdapterName", "Without --can the interfaces of the hardware plugins and the attached "
                          "built-in adapters above are offered, in this order.\n");
    return text;
}
