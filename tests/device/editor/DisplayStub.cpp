// Stand-in for the parameter display while its code is not in the library: the echo of a message
// only updates the register image, the rest does nothing.

#include "device/ModbusForm.h"

void TModbusForm::ReceiveCanData(const TDeviceMessage& msg) {
    ++MsgCount;
    for (int i = 0; i < 4; ++i) {
        const int r = msg.Address + i;
        if (!msg.present(i) || r >= RegisterCount) continue;
        Regs[static_cast<size_t>(r)].Value = msg.Values[i];
        Regs[static_cast<size_t>(r)].Direction = msg.Direction;
    }
}
void TModbusForm::AnaLabWrite() {}
void TModbusForm::DigiLabWrite() {}
void TModbusForm::AnaRewrite() {}
void TModbusForm::DigiRewrite() {}
void TModbusForm::DigiColWrite(uint16_t, int32_t, int32_t, int32_t) {}
void TModbusForm::HexaDec() {}
void TModbusForm::flushMemo() {}
void TModbusForm::AnaStartChange() {}
void TModbusForm::AnaLenChange() {}
void TModbusForm::DigiStartChange() {}
void TModbusForm::DigiLenChange() {}
void TModbusForm::AnaStart24Click() {}
void TModbusForm::AnaStart64Click() {}
void TModbusForm::AnaLen64Click() {}
void TModbusForm::DigiStart0Click() {}
void TModbusForm::DigiLen24Click() {}
void TModbusForm::DigiLen32Click() {}
void TModbusForm::DecLabClick() {}
void TModbusForm::HexLabClick() {}
void TModbusForm::AnaValue(int) {}
void TModbusForm::DigValue(int) {}
void TModbusForm::ColorBoxClick() {}
void TModbusForm::FadeBoxClick() {}
void TModbusForm::FadeSpinChange() {}
void TModbusForm::fadeCountdown() {}
