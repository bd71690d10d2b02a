#pragma once

// The image of one device's 128 registers as the tool last saw them: each register's value, its
// highlight level and the direction it last travelled, with the fade that lowers the highlight
// step by step. Views paint from it; a listener of registerChanged() learns every register that
// was written, with the time of the write.

#include "DeviceMessage.h"
#include "Highlight.h"
#include "Registers.h"

#include <QObject>

#include <array>
#include <bitset>
#include <cstdint>

// One register of the image.
struct TRegCell {
    int32_t Value = 0;     // 16-bit value sign-extended
    int32_t Age = 0;       // highlight level 0..FadeLevels
    int32_t Direction = 0; // 0 from the device, 1 to the device
};

// The fade settings and counters. Speed 0 switches the highlight off (new values start at level
// 0), speed FadeHold keeps it, speeds between lower it every Speed-th fade tick.
struct TFadeState {
    int32_t Tick = 0;           // fade ticks since the last step
    int32_t Speed = 5;          // the fade time chosen by the user
    int32_t Start = FadeLevels; // the level a written register starts at
    bool Force = false;         // the next fade tick steps whatever the counter says
};

class TRegisterImage : public QObject {
    Q_OBJECT
public:
    using Cells = std::array<TRegCell, RegisterCount>;
    // Registers written by one message: at most four.
    struct TWritten {
        int Count = 0;
        std::array<int, 4> Registers{};
    };

    explicit TRegisterImage(QObject* parent = nullptr) : QObject(parent) {}

    [[nodiscard]] const Cells& cells() const { return m_cells; }
    [[nodiscard]] const TRegCell& cell(int r) const { return m_cells[static_cast<size_t>(r)]; }
    [[nodiscard]] TFadeState& fade() { return m_fade; }
    [[nodiscard]] const TFadeState& fade() const { return m_fade; }

    // Writes the present slots of a message at the fade start level and in its direction;
    // registers 128 and above do not exist. Returns the registers written, in slot order.
    // (Inline: it runs for every message a device window receives.)
    TWritten apply(const TDeviceMessage& msg) {
        TWritten written;
        for (int i = 0; i < msg.Count && i < 4; ++i) {
            if (!msg.present(i)) continue;
            const int r = msg.Address + i;
            if (r >= RegisterCount) break;
            m_cells[static_cast<size_t>(r)] = {msg.Values[i], m_fade.Start, msg.Direction};
            written.Registers[static_cast<size_t>(written.Count++)] = r;
            if (m_listened) notify(r);
        }
        return written;
    }
    // The time of the messages applied from now on, which registerChanged() carries: a frame's own
    // time (milliseconds since the epoch; recorded: a trace's recorded time). 0: the time of the
    // write (clearMessageTime()).
    void setMessageTime(qint64 timeMs, bool recorded) {
        m_messageTimeMs = timeMs;
        m_recordedTime = recorded && timeMs != 0;
    }
    void clearMessageTime() { setMessageTime(0, false); }
    // The time registerChanged() carries now is a trace's recorded time (asked by its listeners).
    [[nodiscard]] bool recordedTime() const { return m_recordedTime; }
    // The time registerChanged() carries now is a frame's (not the time of the write).
    [[nodiscard]] bool frameTime() const { return m_messageTimeMs != 0; }
    // Writes a value read from the device at the fade start level; its direction stays.
    void writeValue(int r, int16_t value);
    // No register highlighted.
    void clearHighlight();

    // A new fade time (the user's choice): the start level follows it and the next fade tick
    // steps at once.
    void setFadeSpeed(int32_t speed);
    // One fade tick with the current fade time: every FadeSpeed-th tick (or a forced one) lowers
    // the level of each highlighted register. Returns the registers whose level changed.
    std::bitset<RegisterCount> fadeTick(int32_t speed);

    // The level a highlighted register falls to in one fade step.
    [[nodiscard]] static int32_t fadedAge(int32_t age, int32_t speed, int32_t fadeStart);

signals:
    // A register was written (by a message or a read); timeMs is milliseconds since the epoch: the
    // message's time (setMessageTime()), else the time of the write.
    void registerChanged(int reg, qint64 timeMs);

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;

private:
    void notify(int r);

    Cells m_cells{};
    TFadeState m_fade;
    bool m_listened = false;      // registerChanged has a receiver: only then is the time taken
    bool m_listenedStale = false; // a receiver went: m_listened is rechecked at the next notify
    qint64 m_messageTimeMs = 0;
    bool m_recordedTime = false;
};
