#include "DeviceSession.h"

#include "can/ToolsCan.h"

TDeviceSession::TDeviceSession(QObject* parent) : QObject(parent) {
    m_image.clearHighlight();
}

TDeviceMessage TDeviceSession::writeRequest(uint16_t address, int count, const std::array<int16_t, 4>& values,
                                            bool towardsDevice) {
    TDeviceMessage msg;
    switch (count) {
    case 1:
        msg.Mask = 4;
        break;
    case 2:
        msg.Mask = 6;
        break;
    case 3:
        msg.Mask = 7;
        break;
    case 4:
        msg.Mask = 255;
        break;
    default:
        msg.Mask = 0;
        break;
    }
    msg.Address = address;
    msg.Count = count;
    for (size_t i = 0; i < values.size(); ++i)
        msg.Values[i] = values[i];
    msg.Direction = towardsDevice ? 1 : 0;
    return msg;
}

TCanSendStatus TDeviceSession::write(const TDeviceMessage& request) {
    const uint32_t identifier = static_cast<uint32_t>(request.Direction != 0 ? RXadr : TXadr);
    EncodeRegisterWrite(request, identifier, Protokol, CanTx[0]);
    m_lastFrame = CanTx[0];
    const TCanSendStatus sent = CanSend(1);
    echo(request);
    return sent;
}

TCanSendStatus TDeviceSession::command(int k) {
    const uint16_t word = k >= 0 && k < 16 ? static_cast<uint16_t>(1u << k) : 0;
    TDeviceMessage msg;
    msg.Mask = 4;
    msg.Address = CommandRegister;
    msg.Count = 1;
    msg.Values[0] = static_cast<int16_t>(word);
    msg.Direction = 1;

    EncodeCommand(word, static_cast<uint32_t>(RXadr), CanTx[0]);
    m_lastFrame = CanTx[0];
    const TCanSendStatus sent = CanSend(1);
    echo(msg);
    return sent;
}

void TDeviceSession::setAutoPeriod(int32_t period) {
    m_autoPeriod = period;
    m_autoCountdown = period;
}

void TDeviceSession::autoRepeatStep() {
    if (!m_autoOn || m_autoPeriod <= 0) return;
    if (m_autoCountdown > 0) --m_autoCountdown;
    if (m_autoCountdown == 0) {
        if (onAutoRepeat) onAutoRepeat();
        m_autoCountdown = m_autoPeriod;
    }
}

std::bitset<RegisterCount> TDeviceSession::fadeStep() {
    if (m_fadeCountdown > 0) {
        --m_fadeCountdown;
        return {};
    }
    m_fadeCountdown = FadeEvery - 1;
    return m_image.fadeTick(m_image.fade().Speed);
}

std::bitset<RegisterCount> TDeviceSession::tick() {
    autoRepeatStep();
    return fadeStep();
}

bool TDeviceSession::clockNeeded() const {
    if (m_autoOn && m_autoPeriod > 0) return true;
    const TFadeState& fade = m_image.fade();
    if (fade.Force) return true;
    for (const TRegCell& cell : m_image.cells())
        if (cell.Age > 0 && TRegisterImage::fadedAge(cell.Age, fade.Speed, fade.Start) != cell.Age)
            return true;
    return false;
}

void TDeviceSession::skipTicks(int64_t ticks) {
    if (ticks <= 0) return;
    // The repetition is off (or has no period): its countdown stands. The fade countdown reaches
    // 0 and starts again from FadeEvery - 1 with a fade tick.
    int64_t fadeTicks = 0;
    if (ticks <= m_fadeCountdown) {
        m_fadeCountdown -= static_cast<int32_t>(ticks);
    } else {
        const int64_t after = ticks - m_fadeCountdown - 1; // ticks after the first fade tick
        fadeTicks = 1 + after / FadeEvery;
        m_fadeCountdown = FadeEvery - 1 - static_cast<int32_t>(after % FadeEvery);
    }
    if (fadeTicks == 0) return;
    // The fade ticks change no highlight, only the image's step counter: it counts 1 .. Speed - 1
    // and steps on reaching Speed (see TRegisterImage::fadeTick).
    TFadeState& fade = m_image.fade();
    fade.Force = false;
    const int64_t speed = fade.Speed;
    if (speed <= 1) {
        fade.Tick = 1;
        return;
    }
    const int64_t first = fade.Tick + 1 >= speed ? 1 : fade.Tick + 1;
    fade.Tick = static_cast<int32_t>(1 + (first - 1 + fadeTicks - 1) % (speed - 1));
}
