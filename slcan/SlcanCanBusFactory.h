#pragma once

// The factory of serial-line CAN adapters, plugin name "slcan": the interface names a serial port
// ("slcan:/dev/ttyACM0", "slcan:ttyACM0", "slcan:COM5", optionally "@BAUD"), and the attached
// adapters are the serial ports whose USB identity is a known adapter's.

#include <QCanBusFactory>

inline constexpr char SlcanPluginName[] = "slcan";

class SlcanCanBusFactory : public QCanBusFactory {
public:
    SlcanCanBusFactory() = default;
    virtual ~SlcanCanBusFactory() = default;
    SlcanCanBusFactory(const SlcanCanBusFactory&) = delete;
    SlcanCanBusFactory& operator=(const SlcanCanBusFactory&) = delete;

    QCanBusDevice* createDevice(const QString& interfaceName, QString* errorMessage) const override;
    QList<QCanBusDeviceInfo> availableDevices(QString* errorMessage) const override;
};

// Makes "slcan" a CAN plugin name of the tool's CAN layer, with its attached adapters among those
// offered without --can.
void RegisterSlcanBus();
