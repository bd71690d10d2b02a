#include "RegisterImage.h"

#include <QDateTime>
#include <QMetaMethod>

void TRegisterImage::writeValue(int r, int16_t value) {
    if (r < 0 || r >= RegisterCount) return;
    clearMessageTime(); // a value read now
    TRegCell& cell = m_cells[static_cast<size_t>(r)];
    cell.Value = value;
    cell.Age = m_fade.Start;
    if (m_listened) notify(r);
}

void TRegisterImage::clearHighlight() {
    for (TRegCell& cell : m_cells)
        cell.Age = 0;
}

void TRegisterImage::setFadeSpeed(int32_t speed) {
    m_fade.Speed = speed;
    m_fade.Start = speed == 0 ? 0 : FadeLevels;
    m_fade.Force = true;
}

std::bitset<RegisterCount> TRegisterImage::fadeTick(int32_t speed) {
    std::bitset<RegisterCount> faded;
    m_fade.Speed = speed;
    bool step = false;
    if (++m_fade.Tick >= m_fade.Speed) {
        m_fade.Tick = 1;
        step = true;
    }
    if (step || m_fade.Force) {
        for (int r = 0; r < RegisterCount; ++r) {
            TRegCell& cell = m_cells[static_cast<size_t>(r)];
            if (cell.Age <= 0) continue;
            cell.Age = fadedAge(cell.Age, m_fade.Speed, m_fade.Start);
            faded.set(static_cast<size_t>(r));
        }
    }
    m_fade.Force = false;
    return faded;
}

int32_t TRegisterImage::fadedAge(int32_t age, int32_t speed, int32_t fadeStart) {
    age -= 1;
    if (speed == 0) age = 0;
    if (speed == 1) age -= 1;
    if (speed == FadeHold) age = fadeStart;
    return age < 0 ? 0 : age;
}

void TRegisterImage::notify(int r) {
    if (m_listenedStale) {
        m_listenedStale = false;
        m_listened = isSignalConnected(QMetaMethod::fromSignal(&TRegisterImage::registerChanged));
        if (!m_listened) return;
    }
    emit registerChanged(r, m_messageTimeMs != 0 ? m_messageTimeMs : QDateTime::currentMSecsSinceEpoch());
}

void TRegisterImage::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&TRegisterImage::registerChanged)) m_listened = true;
}

void TRegisterImage::disconnectNotify(const QMetaMethod& signal) {
    // Qt may call this with its connection lock held (a receiver being destroyed): asking
    // isSignalConnected() here could deadlock, so the next notify() asks instead. A disconnect
    // of all signals comes with an invalid method.
    if (!signal.isValid() || signal == QMetaMethod::fromSignal(&TRegisterImage::registerChanged))
        m_listenedStale = true;
}
