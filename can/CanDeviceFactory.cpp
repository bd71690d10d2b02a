#include "CanDeviceFactory.h"

#include <QMap>

namespace {

struct Registration {
    CanDeviceFactory factory;
    CanInterfaceLister lister;
};

QMap<QString, Registration>& factories() {
    static QMap<QString, Registration> table;
    return table;
}

} // namespace

void RegisterCanDeviceFactory(const QString& pluginName, CanDeviceFactory factory,
                              CanInterfaceLister lister) {
    if (factory)
        factories().insert(pluginName, Registration{std::move(factory), std::move(lister)});
    else
        factories().remove(pluginName);
}

CanDeviceFactory FindCanDeviceFactory(const QString& pluginName) {
    return factories().value(pluginName).factory;
}

QStringList RegisteredCanDeviceFactories() {
    return factories().keys();
}

QList<QCanBusDeviceInfo> ListCanDeviceFactoryInterfaces(const QString& pluginName) {
    const CanInterfaceLister lister = factories().value(pluginName).lister;
    return lister ? lister() : QList<QCanBusDeviceInfo>{};
}
