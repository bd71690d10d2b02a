#pragma once

// Collects every frame a CAN bus device delivers and answers what the simulated devices said.

#include "sim/CanFrameConvert.h"

#include "core/DeviceMessage.h"

#include <QCanBusDevice>
#include <QCanBusFrame>
#include <QList>

class BusReader {
public:
    explicit BusReader(QCanBusDevice* device) : m_device(device) {
        QObject::connect(device, &QCanBusDevice::framesReceived, device, [this] {
            while (m_device->framesAvailable() > 0)
                frames.append(m_device->readFrame());
        });
    }

    // True when a frame from the device (its key is txAdr) carries value at register reg.
    [[nodiscard]] bool sawRegister(uint32_t txAdr, uint32_t rxAdr, int protokol, int reg, int value) const {
        for (const QCanBusFrame& q : frames) {
            TCanFrame f;
            if (!FromQtFrame(q, f) || CanKey(f.ID, protokol) != txAdr) continue;
            const TDeviceMessage m = DecodeDeviceFrame(f, protokol, rxAdr, txAdr);
            for (int i = 0; i < 4; ++i)
                if (m.present(i) && m.Address + i == reg && static_cast<uint16_t>(m.Values[i]) == value)
                    return true;
        }
        return false;
    }

    [[nodiscard]] int countKey(uint32_t key, int protokol) const {
        int n = 0;
        for (const QCanBusFrame& q : frames)
            n += CanKey(q.frameId(), protokol) == key ? 1 : 0;
        return n;
    }

    QList<QCanBusFrame> frames;

private:
    QCanBusDevice* m_device;
};
