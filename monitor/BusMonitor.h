#pragma once

// The bus monitor without its window: what one 10 ms tick does with the frames read since the
// last one. Per frame, in arrival order: its key (the identifier, or its bits 24-28 under protocol
// 3) is counted in the identifier statistics; every device row in use whose reception or
// transmission identifier is the key lights that cell for five seconds (light for the first, pale
// for the rest); and a row with a device session gets the frame decoded as a device message,
// rows in row order. After the frames, while the CAN switch is on, the fade pass lets the lit
// cells pale and go out. The main window draws the lights and the statistics; the command-line
// program prints what the frames carried.

#include "core/CanFrame.h"
#include "core/DeviceMessage.h"
#include "core/IdStats.h"
#include "core/Project.h"

#include <array>
#include <cstdint>
#include <functional>

class TDeviceSession;

// What a row's reception or transmission cell shows.
enum class TCellLight : uint8_t {
    Off,    // the CAN switch is off, or the row is not in use (button face)
    Idle,   // in use, no recent traffic (window colour)
    Light,  // a matching frame within the last second
    Pale,   // one to five seconds after the last matching frame
};

struct TCellState {
    int32_t FadeCount = 0; // ticks left before the highlight is gone
    TCellLight Light = TCellLight::Off;
};

struct TRowLights {
    TCellState Rx;
    TCellState Tx;
};

class TBusMonitor {
public:
    static constexpr int TimerInterval = 10;               // ms
    static constexpr int FadeTicks = 5000 / TimerInterval; // a lit cell fades out over five seconds
    static constexpr int PaleBelow = 4000 / TimerInterval; // after the first second it turns pale

    // The monitor reads the project's protocol and rows on every tick; it does not own them.
    explicit TBusMonitor(const TProject& project) : m_project(project) {}

    // The session that gets the row's messages; nullptr: the row's frames are only counted and lit.
    void setSession(int row, TDeviceSession* session);
    [[nodiscard]] TDeviceSession* session(int row) const;

    // One tick's frames, in arrival order.
    void takeFrames(const TCanFrame* frames, int count);
    // The fade pass of a tick (only while the CAN switch is on).
    void fadePass();
    // The CAN switch was turned off: the statistics are emptied (their counts stay) and all
    // thirty-two cells go off; the fade counters keep their values.
    void switchedOff();
    // A project was shown: fade counters 0, the cells of rows in use idle, the others off.
    void projectShown();
    // Whether a fade pass would change anything: false once every cell of the rows in use has
    // gone out (the clock then need not tick until the next frame).
    [[nodiscard]] bool fading() const;

    // Called for every frame that belongs to a row, with the row, after the row's cells were lit
    // and before its session gets the message (the command-line program prints it).
    std::function<void(const TCanFrame& frame, int row, const TDeviceMessage& msg)> onRowFrame;

    [[nodiscard]] TIdStats& stats() { return m_stats; }
    [[nodiscard]] const TIdStats& stats() const { return m_stats; }
    [[nodiscard]] const TRowLights& lights(int row) const { return m_lights[static_cast<size_t>(row)]; }
    // The rows whose cells changed what they show since the last call (bit r for row r).
    [[nodiscard]] uint32_t takeChangedRows() {
        const uint32_t changed = m_changed;
        m_changed = 0;
        return changed;
    }

private:
    void setLight(int row, TCellState& cell, TCellLight light) {
        if (cell.Light == light) return;
        cell.Light = light;
        m_changed |= 1u << row;
    }

    const TProject& m_project;
    TIdStats m_stats;
    std::array<TRowLights, DeviceRows> m_lights{};
    std::array<TDeviceSession*, DeviceRows> m_sessions{};
    uint32_t m_changed = 0;
};
