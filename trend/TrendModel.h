#pragma once

// What a device window records for its trend: up to eight channels, each a register of the
// window's register image (its value, or one of its bits) with the recent history of the register
// in a ring. A channel records from the moment it is added, whether a trend window shows it or not,
// until it is removed or the model goes with its device window.
//
// A sample's time is the time the image gives with the write: the frame's own time (the adapter's
// time stamp live, the recorded time while a trace plays, at any speed), so the trend of a trace
// played fast spans the trace's time. While the samples come on a trace's recorded clock the model
// is on trace time (traceTime()): its "now" is the latest sample's time, not the wall clock. When
// the clock changes (a trace starts or ends playing) or goes back (a trace plays again), the
// channels start afresh with the origin at the new clock's first sample.

#include "trend/TrendRing.h"
#include "trend/TrendScale.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class TRegisterImage;

struct TTrendChannel {
    TTrendChannel(int reg, int bit, int capacity) : Register(reg), Bit(bit), Ring(capacity) {}

    int Register = 0;
    int Bit = -1; // -1: the register's value; 0..15: that bit as 0/1
    TTrendRing Ring;

    // What the channel plots for a value of its register.
    [[nodiscard]] int32_t plotted(int32_t value) const { return Bit < 0 ? value : (value >> Bit) & 1; }
};

class TTrendModel : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxChannels = 8;

    // The model listens to image, which must outlive it. Its time origin is now, until the first
    // sample on a trace's clock.
    explicit TTrendModel(const TRegisterImage& image, int ringCapacity = TTrendRing::DefaultCapacity,
                         QObject* parent = nullptr);

    // Milliseconds since the epoch: time zero of the trend (when the model was made, or the first
    // sample on the clock in use).
    [[nodiscard]] qint64 originMs() const { return m_originMs; }
    // The samples are on a trace's recorded clock.
    [[nodiscard]] bool traceTime() const { return m_traceTime; }
    // The trend's present: the latest sample's time on trace time, the wall clock otherwise.
    [[nodiscard]] qint64 nowMs() const;

    // Starts recording a register (bit -1) or one of its bits; the first sample is the value the
    // image holds now. Returns the channel's slot: the one it already has when it is recorded
    // already, -1 when all slots are taken or the register or bit does not exist.
    int addRegister(int reg, int bit = -1);
    // Stops recording a slot and drops its history.
    void removeChannel(int slot);
    // Records nothing more and drops every history.
    void clear();

    // The channel in slot 0..MaxChannels-1, or nullptr when the slot is free.
    [[nodiscard]] const TTrendChannel* channel(int slot) const;
    [[nodiscard]] int channelCount() const;
    [[nodiscard]] int slotOf(int reg, int bit) const;

    // "0x1E (30)" for register 30; "0x1E (30) bit 3" for its bit 3.
    [[nodiscard]] static QString registerLabel(int reg);
    [[nodiscard]] static QString channelLabel(int reg, int bit);

    // ---- what the registers mean (the device's profile) ------------------------------------------
    // The registers' names, units, bit names and scaling (nullopt: not described); a described
    // register is plotted and saved in engineering values unless raw values are asked for.
    using Descriptions = std::array<std::optional<TTrendScale>, 128>;
    void setDescriptions(const Descriptions& descriptions);
    [[nodiscard]] const TTrendScale* description(int reg) const;
    [[nodiscard]] bool hasDescriptions() const;
    // Raw values for every register (the trend window's "Raw").
    void setRaw(bool raw);
    [[nodiscard]] bool raw() const { return m_raw; }
    // The scaling a channel's values are shown with: its register's, for a described register's
    // value while raw values are not asked for; nullptr otherwise (bits are always 0/1).
    [[nodiscard]] const TTrendScale* scaleOf(const TTrendChannel& channel) const;
    // What a channel plots for a value of its register.
    [[nodiscard]] double plotted(const TTrendChannel& channel, int32_t value) const;
    // The same as text, with the register's decimals.
    [[nodiscard]] QString valueText(const TTrendChannel& channel, int32_t value) const;
    // The channel's name in the legend: "0x18 (24) Motor current [A]", "0x18 (24) Motor current
    // (raw)", "0x00 (0) bit 1 Ready"; channelLabel() when undescribed.
    [[nodiscard]] QString label(const TTrendChannel& channel) const;
    // The same as a column of the CSV file: its words in English whatever the language shown, so
    // that a file reads the same to a script in every language.
    [[nodiscard]] QString fileLabel(const TTrendChannel& channel) const;

signals:
    // The clock changed (traceTime()) or went back: the origin moved and the histories started afresh.
    void clockChanged();
    // A channel was added or removed.
    void channelsChanged();
    // Descriptions came or went, or "Raw" changed: names and plotted values change.
    void descriptionsChanged();

public:
    // Records the value the image holds for reg as its value at timeMs (the image's
    // registerChanged() calls it; a replay of history may too). The image's recordedTime() tells
    // whether timeMs is a trace's recorded time.
    void record(int reg, qint64 timeMs);

private:
    [[nodiscard]] QString composeLabel(const TTrendChannel& channel, bool translated) const;
    const TRegisterImage& m_image;
    int m_ringCapacity;
    qint64 m_originMs;
    bool m_traceTime = false;
    qint64 m_lastMs = 0; // the latest sample's time
    // Starts the channels afresh on another clock whose first sample is at timeMs.
    void restart(bool traceTime, qint64 timeMs);
    std::array<std::unique_ptr<TTrendChannel>, MaxChannels> m_slots;
    std::array<uint8_t, 128> m_slotsOfRegister{}; // bit s set: slot s records the register
    Descriptions m_scales{};
    bool m_raw = false;
};
