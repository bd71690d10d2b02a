#pragma once

#include <QSpinBox>

// A numeric spin field with minimum, maximum and a hexadecimal display mode (upper-case digits,
// no prefix). valueChanged() fires whenever the shown value changes, from the user or from code.
class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    void setHexMode(bool hex);
    [[nodiscard]] bool hexMode() const { return m_hex; }

protected:
    [[nodiscard]] QString textFromValue(int value) const override;
    [[nodiscard]] int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;

private:
    bool m_hex = false;
};
