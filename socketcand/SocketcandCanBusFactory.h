#pragma once

// The factory of socketcand buses, plugin name "socketcand": the interface names a server and
// one of its buses ("socketcand:127.0.0.1/can0", "socketcand:rig7.local:29536/can1"). Buses on the
// network are chosen by name only; none is found by looking.

#include <QCanBusFactory>

inline constexpr char SocketcandPluginName[] = "socketcand";

class SocketcandCanBusFactory : public QCanBusFactory {
public:
    SocketcandCanBusFactory() = default;
    virtual ~SocketcandCanBusFactory() = default;
    SocketcandCanBusFactory(const SocketcandCanBusFactory&) = delete;
    SocketcandCanBusFactory& operator=(const SocketcandCanBusFactory&) = delete;

    QCanBusDevice* createDevice(const QString& interfaceName, QString* errorMessage) const override;
    QList<QCanBusDeviceInfo> availableDevices(QString* errorMessage) const override;
};

// Makes "socketcand" a CAN plugin name of the adapter factory (can/CanDeviceFactory.h), for the
// tool and every other program that opens its buses through it.
void RegisterSocketcandBus();
