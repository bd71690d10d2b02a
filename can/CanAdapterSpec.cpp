#include "CanAdapterSpec.h"

#include <QCanBus>
#include <QCanBusDeviceInfo>
#include <QStringList>

namespace {

const QString VirtualPlugin = QStringLiteral("virtualcan");

} // namespace

std::optional<CanAdapterSpec> ParseCanAdapterSpec(const QString& text) {
    const QString t = text.trimmed();
    if (t == QLatin1String(DemoPluginName))
        return CanAdapterSpec{QString::fromLatin1(DemoPluginName), QString::fromLatin1(DemoInterfaceName)};
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    if (colon <= 0 || colon == t.size() - 1) return std::nullopt;
    return CanAdapterSpec{t.left(colon), t.mid(colon + 1)};
}

QList<CanAdapterSpec> DiscoverHardwareAdapters() {
    QList<CanAdapterSpec> result;
    const QStringList inProcess = RegisteredCanDeviceFactories();
    for (const QString& plugin : QCanBus::instance()->plugins()) {
        if (plugin == VirtualPlugin || inProcess.contains(plugin)) continue;
        QString error;
        for (const QCanBusDeviceInfo& info : QCanBus::instance()->availableDevices(plugin, &error))
            result.append(CanAdapterSpec{plugin, info.name()});
    }
    return result;
}

QString DescribeCanPlugins() {
    QString text = QStringLiteral("CAN adapters (--can PLUGIN:INTERFACE):\n");
    const QStringList plugins = QCanBus::instance()->plugins();
    if (plugins.isEmpty()) text += QStringLiteral("  no CAN bus plugins installed\n");
    for (const QString& plugin : plugins) {
        QString error;
        QStringList names;
        for (const QCanBusDeviceInfo& info : QCanBus::instance()->availableDevices(plugin, &error))
            names << info.name();
        text += QStringLiteral("  %1: ").arg(plugin);
        if (!names.isEmpty())
            text += names.join(QStringLiteral(", "));
        else if (!error.isEmpty())
            text += QStringLiteral("no interfaces (%1)").arg(error);
        else
            text += QStringLiteral("no interfaces");
        if (plugin == VirtualPlugin)
            text += QStringLiteral("; a bus between programs: tcp://127.0.0.1:PORT/can0, never chosen without --can");
        text += QLatin1Char('\n');
    }
    for (const QString& name : RegisteredCanDeviceFactories())
        text += QStringLiteral("  %1: built in (--can %1)\n").arg(name);
    text += QStringLiteral("Without --can the interfaces of the hardware plugins above are offered, in this order.\n");
    return text;
}
