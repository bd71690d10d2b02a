#pragma once

// Adapters that are not Qt CAN bus plugins (the built-in demo bus, serial-line adapters) register a
// factory under a plugin name; QtCanDriver asks it for the device instead of QCanBus.

#include <QCanBusDeviceInfo>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QCanBusDevice;

// Returns a new, unconnected device for the interface (the caller owns it), or nullptr and a reason.
using CanDeviceFactory = std::function<QCanBusDevice*(const QString& interfaceName, QString* errorMessage)>;
// The interfaces of that plugin attached now (hardware found by the factory); none for buses that
// are only chosen by name.
using CanInterfaceLister = std::function<QList<QCanBusDeviceInfo>()>;

// Registers (or, with an empty factory, removes) the factory for a plugin name, with the function
// that lists its attached interfaces, if it has one, and how --help names its interfaces (e.g.
// "PORT[@BAUD]").
void RegisterCanDeviceFactory(const QString& pluginName, CanDeviceFactory factory,
                              CanInterfaceLister lister = {}, const QString& interfaceHint = {});
// The factory registered for the name, or an empty function.
[[nodiscard]] CanDeviceFactory FindCanDeviceFactory(const QString& pluginName);
// A new, unconnected device (the caller owns it) from the factory registered for the plugin name,
// else from Qt's plugin of that name; nullptr and a reason when neither has one.
[[nodiscard]] QCanBusDevice* CreateCanBusDevice(const QString& pluginName, const QString& interfaceName,
                                                QString* errorMessage);
[[nodiscard]] QStringList RegisteredCanDeviceFactories();
// How --help names the plugin's interfaces; "INTERFACE" when the registration said nothing.
[[nodiscard]] QString CanDeviceFactoryInterfaceHint(const QString& pluginName);
// Whether the registration came with a lister (adapters that can be found attached).
[[nodiscard]] bool CanDeviceFactoryHasLister(const QString& pluginName);
// The interfaces the plugin's lister reports now; empty without a lister.
[[nodiscard]] QList<QCanBusDeviceInfo> ListCanDeviceFactoryInterfaces(const QString& pluginName);
