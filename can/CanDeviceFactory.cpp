#include "CanDeviceFactory.h"

#include <QMap>

namespace {

QMap<QString, CanDeviceFactory>& factories() {
    static QMap<QString, CanDeviceFactory> table;
    return table;
}

} // namespace

void RegisterCanDeviceFactory(const QString& pluginName, CanDeviceFactory factory) {
    if (factory)
        factories().insert(pluginName, std::move(factory));
    else
        factories().remove(pluginName);
}

CanDeviceFactory FindCanDeviceFactory(const QString& pluginName) {
    return factories().value(pluginName);
}

QStringList RegisteredCanDeviceFactories() {
    return factories().keys();
}
