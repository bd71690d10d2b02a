#pragma once

// One device of the project as the tool knows it, without a window: its addresses, the image of
// its 128 registers with their highlight and fade, the register writes and commands sent to it, and
// the automatic repetition of a write. The device window renders a session and forwards the
// user's actions to it; the bus monitor hands it the device's messages; the command-line program
// drives it directly.

#include "core/DeviceMessage.h"
#include "core/RegisterImage.h"
#include "core/Registers.h"
#include "can/CanSendStatus.h"

#include <QObject>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <functional>

// Told of every message the session takes in (from the bus or its own echo), after the image was
// written: it repaints the registers written.
class TDeviceSessionView {
public:
    virtual ~TDeviceSessionView() = default;
    virtual void sessionMessage(const TDeviceMessage& msg, const TRegisterImage::TWritten& written) = 0;
};

class TDeviceSession : public QObject {
    Q_OBJECT
public:
    static constexpr int FadeEvery = 11; // a fade tick on every 11th event of the 10 ms clock

    explicit TDeviceSession(QObject* parent = nullptr);

    // The device's serial address, its identifiers and the project's protocol.
    int32_t RSadr = 0;
    int32_t RXadr = 0;
    int32_t TXadr = 0;
    int32_t Protokol = 0;

    void setView(TDeviceSessionView* view) { m_view = view; }

    // ---- the register image -------------------------------------------------------------------
    [[nodiscard]] TRegisterImage& image() { return m_image; }
    [[nodiscard]] const TRegisterImage& image() const { return m_image; }
    // Messages taken in since the session was made (received and echoed).
    [[nodiscard]] int32_t msgCount() const { return m_msgCount; }
    // Registers the device itself reported (a message from the bus on its transmission
    // identifier), with the number of reports so far: a register never reported has no value yet.
    [[nodiscard]] const std::bitset<RegisterCount>& reported() const { return m_reported; }
    [[nodiscard]] uint64_t reports() const { return m_reports; }
    // What the device last reported for register r (its own value, whatever was echoed into the
    // image since), and the number of reports there had been when it came (0: never reported).
    [[nodiscard]] uint16_t reportedValue(int r) const { return m_reportedValue[static_cast<size_t>(r)]; }
    [[nodiscard]] uint64_t reportedAt(int r) const { return m_reportedAt[static_cast<size_t>(r)]; }

    // A message of the device from the bus: written into the image, the view is told. (Inline: it
    // runs for every message the monitor hands over.)
    void receive(const TDeviceMessage& msg) {
        const TRegisterImage::TWritten written = take(msg, msg.Direction == 0);
        if (m_view != nullptr) m_view->sessionMessage(msg, written);
    }
    // The same for a view that shows the message itself: the view is not told; returns the
    // registers written.
    TRegisterImage::TWritten takeReceived(const TDeviceMessage& msg) { return take(msg, msg.Direction == 0); }

    // ---- writing ------------------------------------------------------------------------------
    // The request of a register write of count (0..4) words from address: the mask marks the words
    // that count (0, 4, 6, 7, 255 for 0..4); all four values go into the frame whatever it marks.
    // towardsDevice: direction 1 ("Dn", on RXadr), else direction 0 ("Up", on TXadr).
    [[nodiscard]] static TDeviceMessage writeRequest(uint16_t address, int count,
                                                     const std::array<int16_t, 4>& values, bool towardsDevice);
    // Sends a write request as one frame on the identifier its direction chooses, then shows it in
    // the image as if the device had sent it (also when the send failed). Returns the send status.
    TCanSendStatus write(const TDeviceMessage& request);
    // Command k (0..15: bit k, 16: 0) into the command register 127 on RXadr, always in the
    // standard layout, echoed as a write towards the device.
    TCanSendStatus command(int k);
    // The frame of the last write or command.
    [[nodiscard]] const TCanFrame& lastFrame() const { return m_lastFrame; }

    // ---- the 10 ms clock: automatic repetition and the fade -------------------------------------
    // Repetition runs while on and the period is above 0: every period-th event onAutoRepeat is
    // asked to repeat the write (the window sends SET from its controls).
    void setAutoRepeat(bool on) { m_autoOn = on; }
    [[nodiscard]] bool autoRepeat() const { return m_autoOn; }
    // A new period in events; the countdown starts again from it.
    void setAutoPeriod(int32_t period);
    [[nodiscard]] int32_t autoPeriod() const { return m_autoPeriod; }
    [[nodiscard]] int32_t autoCountdown() const { return m_autoCountdown; }
    std::function<void()> onAutoRepeat;
    // Events left to the next fade tick (10 .. 0); setting it places the next fade tick.
    [[nodiscard]] int32_t fadeCountdown() const { return m_fadeCountdown; }
    void setFadeCountdown(int32_t events) { m_fadeCountdown = std::clamp(events, 0, FadeEvery - 1); }
    // One event of the clock: the repetition first, then the fade; returns the registers whose
    // highlight changed.
    std::bitset<RegisterCount> tick();
    // The repetition part of tick().
    void autoRepeatStep();
    // The fade part of tick().
    std::bitset<RegisterCount> fadeStep();
    // Whether a tick can change anything: the repetition runs, or a fade tick would change a
    // highlight. While it cannot, the clock may leave the session alone...
    [[nodiscard]] bool clockNeeded() const;
    // ... and tell it afterwards how many ticks it skipped: the countdowns move on as that many
    // calls of tick() would have moved them.
    void skipTicks(int64_t ticks);

private:
    // Writes a message into the image (a report of the device when report is set).
    TRegisterImage::TWritten take(const TDeviceMessage& msg, bool report) {
        ++m_msgCount;
        const TRegisterImage::TWritten written = m_image.apply(msg);
        if (report) {
            ++m_reports;
            for (int i = 0; i < written.Count; ++i) {
                const auto r = static_cast<size_t>(written.Registers[static_cast<size_t>(i)]);
                m_reported.set(r);
                m_reportedValue[r] = static_cast<uint16_t>(m_image.cell(static_cast<int>(r)).Value);
                m_reportedAt[r] = m_reports;
            }
        }
        return written;
    }
    // Writes one of the session's own messages (its echo) and tells the view.
    void echo(const TDeviceMessage& msg) {
        const TRegisterImage::TWritten written = take(msg, false);
        if (m_view != nullptr) m_view->sessionMessage(msg, written);
    }

    TRegisterImage m_image;
    TDeviceSessionView* m_view = nullptr;
    int32_t m_msgCount = 0;
    std::bitset<RegisterCount> m_reported;
    uint64_t m_reports = 0;
    std::array<uint16_t, RegisterCount> m_reportedValue{};
    std::array<uint64_t, RegisterCount> m_reportedAt{};
    TCanFrame m_lastFrame{};
    bool m_autoOn = false;
    int32_t m_autoPeriod = 100;
    int32_t m_autoCountdown = 0;
    int32_t m_fadeCountdown = FadeEvery - 1;
};
