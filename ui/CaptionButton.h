#pragma once

// A push button whose caption always begins with its first letters: a caption too long for the
// button is broken onto two lines and drawn smaller, down to a readable size, and only then cut
// short at its end (TCaptionFit). Its tooltip is left to the owner.

#include "CaptionFit.h"

#include <QPushButton>

class TCaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit TCaptionButton(const QString& text, QWidget* parent = nullptr);

    // The room of the caption inside the button's bevel.
    [[nodiscard]] QRect textRoom() const;
    // How the caption is drawn at the button's present size and font.
    [[nodiscard]] TCaptionFit captionFit() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
