// The device window's serial read of the analog block over the COM port.

#include "ModbusForm.h"

#include "core/Language.h"
#include "core/ModbusRtu.h"
#include "serial/ToolsRS.h"
#include "ui/CellMatrix.h"

#include <QAction>
#include <QPointer>
#include <QString>

void TModbusForm::offerSerialRead() {
    // The layout has no control for the serial read: it is offered in the analog block's context
    // menu and on Ctrl+Shift+R anywhere in the window (Ctrl+R opens the Parameters view).
    ReadAnalogAction = new QAction(tr("Read analog block over the serial port"), this);
    ReadAnalogAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    ReadAnalogAction->setShortcutContext(Qt::WindowShortcut);
    connect(ReadAnalogAction, &QAction::triggered, this, [this] { ReadAnalog(); });
    addAction(ReadAnalogAction);
    AnaCells->addAction(ReadAnalogAction);
    AnaCells->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TModbusForm::ReadAnalog() {
    memoAdd(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Read analog...")));

    // Read the holding registers of the analog block from the device at the serial address.
    ModbusPutReadRequest({static_cast<uint8_t>(RSadr & 0xFF), static_cast<uint16_t>(AnaStartNum),
                          static_cast<uint16_t>(AnaLenNum)},
                         RsTxBuf.data());

    // The exchange lets window messages run; one of them may close this window for good.
    const QPointer<TModbusForm> self(this);
    const uint8_t result = RsExchange(ModbusRequestLength, ModbusReadAnswerLength(AnaLenNum));
    if (!self) return;

    if (result == RsOk) {
        memoAdd(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Ok!")));
    } else if (result == RsBadCrc) {
        memoAdd(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "Well...")));
        return;
    } else {
        memoAdd(FixedCaption(QT_TRANSLATE_NOOP("FixedCaption", "!!! Error !!!")));
        return;
    }

    for (int32_t j = 0; j < AnaLenNum; ++j) {
        const int32_t r = AnaStartNum + j;
        if (r < 0 || r >= RegisterCount) break; // the block always lies within 0..127
        m_session.image().writeValue(r, ModbusAnswerRegister(RsRxBuf.data(), j));
    }
    myTimer->wake(); // the values read fade like received ones
    AnaRewrite();
}
