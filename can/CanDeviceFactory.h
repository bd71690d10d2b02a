#pragma once

// Adapters that are not Qt CAN bus plugins (the built-in demo bus) register a factory under a
// plugin name; QtCanDriver asks it for the device instead of QCanBus.

#include <QString>
#include <QStringList>

#include <functional>

class QCanBusDevice;

// Returns a new, unconnected device for the interface (the caller owns it), or nullptr and a reason.
using CanDeviceFactory = std::function<QCanBusDevice*(const QString& interfaceName, QString* errorMessage)>;

// Registers (or, with an empty factory, removes) the factory for a plugin name.
void RegisterCanDeviceFactory(const QString& pluginName, CanDeviceFactory factory);
// The factory registered for the name, or an empty function.
[[nodiscard]] CanDeviceFactory FindCanDeviceFactory(const QString& pluginName);
[[nodiscard]] QStringList RegisteredCanDeviceFactories();
