#pragma once

// The "REC" toggle of the main window: a button that stays down while the bus is recorded, with
// a red dot and the number of frames the trace file holds.

#include <QAbstractButton>

#include <cstdint>

class TRecToggle : public QAbstractButton {
    Q_OBJECT
public:
    explicit TRecToggle(QWidget* parent = nullptr);

    void setFrames(uint64_t frames);
    [[nodiscard]] uint64_t frames() const { return m_frames; }
    // "12345", "123.4k", "12.3M": the count as it fits the toggle.
    [[nodiscard]] static QString shortCount(uint64_t frames);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    uint64_t m_frames = 0;
};
