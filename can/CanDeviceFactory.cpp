#include "CanDeviceFactory.h"

#include <QCanBus>
#include <QMap>

namespace {

struct Registration {
    CanDeviceFactory factory;
    CanInterfaceLister lister;
    QString interfaceHint;
};

QMap<QString, Registration>& factories() {
    static QMap<QString, Registration> table;
    return table;
}

} // namespace

void RegisterCanDeviceFactory(const QString& pluginName, CanDeviceFactory factory, CanInterfaceLister lister,
                              const QString& interfaceHint) {
    if (factory)
        factories().insert(pluginName, Registration{std::move(factory), std::move(lister), interfaceHint});
    else
        factories().remove(pluginName);
}

CanDeviceFactory FindCanDeviceFactory(const QString& pluginName) {
    return factories().value(pluginName).factory;
}

QCanBusDevice* CreateCanBusDevice(const QString& pluginName, const QString& interfaceName,
                                  QString* errorMessage) {
    if (const CanDeviceFactory factory = FindCanDeviceFactory(pluginName))
        return factory(interfaceName, errorMessage);
    return QCanBus::instance()->createDevice(pluginName, interfaceName, errorMessage);
}

QStringList RegisteredCanDeviceFactories() {
    return factories().keys();
}

QString CanDeviceFactoryInterfaceHint(const QString& pluginName) {
    const QString hint = factories().value(pluginName).interfaceHint;
    return hint.isEmpty() ? QStringLiteral("INTERFACE") : hint;
}

bool CanDeviceFactoryHasLister(const QString& pluginName) {
    return static_cast<bool>(factories().value(pluginName).lister);
}

QList<QCanBusDeviceInfo> ListCanDeviceFactoryInterfaces(const QString& pluginName) {
    const CanInterfaceLister lister = factories().value(pluginName).lister;
    return lister ? lister() : QList<QCanBusDeviceInfo>{};
}
