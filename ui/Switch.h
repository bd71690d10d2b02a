#pragma once

#include <QWidget>

// A two-state switch: a painted lever that is up and green when on, down and grey when off.
// Clicking it (or Space while it has the focus) flips the state and emits clicked() with the new state.
class TSwitch : public QWidget {
    Q_OBJECT
public:
    explicit TSwitch(QWidget* parent = nullptr);

    [[nodiscard]] bool isOn() const { return m_on; }
    // Sets the state without emitting clicked().
    void setOn(bool on);

signals:
    void clicked(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void flip();
    bool m_on = false;
};
