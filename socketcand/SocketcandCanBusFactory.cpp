#include "SocketcandCanBusFactory.h"

#include "SocketcandCanBusDevice.h"

#include "can/CanDeviceFactory.h"

QCanBusDevice* SocketcandCanBusFactory::createDevice(const QString& interfaceName,
                                                     QString* errorMessage) const {
    QString host;
    QString bus;
    quint16 port = SocketcandCanBusDevice::DefaultPort;
    if (!SocketcandCanBusDevice::parseInterfaceName(interfaceName, &host, &port, &bus, errorMessage))
        return nullptr;
    return new SocketcandCanBusDevice(host, port, bus);
}

QList<QCanBusDeviceInfo> SocketcandCanBusFactory::availableDevices(QString* errorMessage) const {
    if (errorMessage != nullptr) errorMessage->clear();
    return {};
}

void RegisterSocketcandBus() {
    static const SocketcandCanBusFactory factory;
    RegisterCanDeviceFactory(
        QString::fromLatin1(SocketcandPluginName),
        [](const QString& interfaceName, QString* errorMessage) {
            return factory.createDevice(interfaceName, errorMessage);
        },
        {}, QStringLiteral("HOST[:PORT]/BUS"));
}
