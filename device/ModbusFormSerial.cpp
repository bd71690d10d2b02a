// The device window's serial read of the analog block over the COM port.

#include "device/ModbusForm.h"

#include "serial/ToolsRS.h"
#include "ui/CellMatrix.h"

#include <QAction>
#include <QPointer>
#include <QString>

void TModbusForm::offerSerialRead() {
    // The layout has no control for the serial read: it is offered in the analog block's context
    // menu and on Ctrl+R anywhere in the window.
    ReadAnalogAction = new QAction(QStringLiteral("Read analog block over the serial port"), this);
    ReadAnalogAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    ReadAnalogAction->setShortcutContext(Qt::WindowShortcut);
    connect(ReadAnalogAction, &QAction::triggered, this, [this] { ReadAnalog(); });
    addAction(ReadAnalogAction);
    AnaCells->addAction(ReadAnalogAction);
    AnaCells->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TModbusForm::ReadAnalog() {
    memoAdd(QStringLiteral("Read analog..."));

    // Modbus read holding registers: address, function 3, first register, count, CRC.
    RsTxBuf[0] = static_cast<uint8_t>(RSadr & 0xFF);
    RsTxBuf[1] = 3;
    RsTxBuf[2] = static_cast<uint8_t>((AnaStartNum >> 8) & 0xFF);
    RsTxBuf[3] = static_cast<uint8_t>(AnaStartNum & 0xFF);
    RsTxBuf[4] = static_cast<uint8_t>((AnaLenNum >> 8) & 0xFF);
    RsTxBuf[5] = static_cast<uint8_t>(AnaLenNum & 0xFF);
    const uint16_t crc = Crc16(RsTxBuf.data(), 6);
    RsTxBuf[6] = static_cast<uint8_t>(crc & 0xFF);
    RsTxBuf[7] = static_cast<uint8_t>(crc >> 8);

    // The exchange lets window messages run; one of them may close this window for good.
    const QPointer<TModbusForm> self(this);
    const uint8_t result = RsExchange(8, 2 * AnaLenNum + 5);
    if (!self) return;

    if (result == RsOk) {
        memoAdd(QStringLiteral("Ok!"));
    } else if (result == RsBadCrc) {
        memoAdd(QStringLiteral("Well..."));
        return;
    } else {
        memoAdd(QStringLiteral("!!! Error !!!"));
        return;
    }

    for (int32_t j = 0; j < AnaLenNum; ++j) {
        const int32_t r = AnaStartNum + j;
        if (r < 0 || r >= RegisterCount) break; // the block always lies within 0..127
        m_image.writeValue(r, static_cast<int16_t>((RsRxBuf[3 + 2 * j] << 8) | RsRxBuf[4 + 2 * j]));
    }
    AnaRewrite();
}
