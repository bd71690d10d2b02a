#include "SpinEdit.h"

#include <QLineEdit>

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setMaximum(99999);
    setAccelerated(true);
}

void TSpinEdit::setHexMode(bool hex) {
    if (m_hex == hex) return;
    const int v = value();
    m_hex = hex;
    setDisplayIntegerBase(hex ? 16 : 10);
    // The value stays; only its notation changes.
    setValue(v);
    lineEdit()->setText(textFromValue(v));
}

QString TSpinEdit::textFromValue(int value) const {
    return m_hex ? QString::number(value, 16).toUpper() : QString::number(value);
}

int TSpinEdit::valueFromText(const QString& text) const {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, m_hex ? 16 : 10);
    return ok ? v : value();
}

QValidator::State TSpinEdit::validate(QString& text, int& pos) const {
    Q_UNUSED(pos);
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("-")) return QValidator::Intermediate;
    bool ok = false;
    const int v = t.toInt(&ok, m_hex ? 16 : 10);
    if (!ok) return QValidator::Invalid;
    if (v > maximum()) return QValidator::Invalid;
    if (v < minimum()) return QValidator::Intermediate;
    return QValidator::Acceptable;
}
