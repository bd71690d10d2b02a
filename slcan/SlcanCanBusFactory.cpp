#include "SlcanCanBusFactory.h"

#include "SlcanCanBusDevice.h"
#include "SlcanUsbAdapters.h"

#include "can/CanDeviceFactory.h"

#include <QSerialPortInfo>

QCanBusDevice* SlcanCanBusFactory::createDevice(const QString& interfaceName, QString* errorMessage) const {
    QString port;
    int baud = SlcanCanBusDevice::DefaultBaud;
    if (!SlcanCanBusDevice::parseInterfaceName(interfaceName, &port, &baud, errorMessage)) return nullptr;
    return new SlcanCanBusDevice(port, baud);
}

QList<QCanBusDeviceInfo> SlcanCanBusFactory::availableDevices(QString* errorMessage) const {
    if (errorMessage != nullptr) errorMessage->clear();
    QList<QCanBusDeviceInfo> result;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (!info.hasVendorIdentifier() || !info.hasProductIdentifier()) continue;
        const SlcanUsbAdapter* adapter =
            FindSlcanUsbAdapter(info.vendorIdentifier(), info.productIdentifier());
        if (adapter == nullptr) continue;
        result.append(SlcanCanBusDevice::makeDeviceInfo(info.portName(), QString::fromLatin1(adapter->name),
                                                        info.serialNumber()));
    }
    return result;
}

void RegisterSlcanBus() {
    static const SlcanCanBusFactory factory;
    RegisterCanDeviceFactory(
        QString::fromLatin1(SlcanPluginName),
        [](const QString& interfaceName, QString* errorMessage) {
            return factory.createDevice(interfaceName, errorMessage);
        },
        [] { return factory.availableDevices(nullptr); }, QStringLiteral("PORT[@BAUD]"));
}
