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
    // The count in at most five characters: "9999", "12.3k", "123k", "1.38M", "18.4E".
    [[nodiscard]] static QString shortCount(uint64_t frames);

    // Where the caption and the count are drawn, and the count as drawn: side by side inside the
    // button. Where a large font leaves no room for both, the caption gives way (Label empty) and
    // the count is cut with an ellipsis if it must.
    struct TextLayout {
        QRect Label;
        QRect Count;
        QString CountText;
    };
    [[nodiscard]] TextLayout textLayout() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    uint64_t m_frames = 0;
};
