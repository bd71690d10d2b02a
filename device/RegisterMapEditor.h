#pragma once

// The fields of one register entry of a register map, under the Parameters view's table: name,
// unit, scale, offset, decimals, type, access, min, max, the bit names of a bits register or the
// values and names of an enum register ("number=name", one a line) and a description. Every change
// is checked as the profile reader checks an entry: a valid entry goes to onEdited, a wrong one to
// onRefused with the reason.

#include "profile/DeviceProfile.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

class TRegisterMapEditor : public QWidget {
    Q_OBJECT
public:
    explicit TRegisterMapEditor(QWidget* parent = nullptr);

    // Shows an entry (nullptr: none; the fields are then off).
    void setEntry(const TRegisterInfo* info);
    [[nodiscard]] int shownRegister() const { return m_register; }

    std::function<void(const TRegisterInfo& info)> onEdited;
    std::function<void(const QString& error)> onRefused;

    QLabel* RegisterLabel = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLineEdit* UnitEdit = nullptr;
    QLineEdit* ScaleEdit = nullptr;
    QLineEdit* OffsetEdit = nullptr;
    QSpinBox* DecimalsSpin = nullptr;
    QComboBox* TypeBox = nullptr;
    QComboBox* AccessBox = nullptr;
    QLineEdit* MinEdit = nullptr;
    QLineEdit* MaxEdit = nullptr;
    QPlainTextEdit* NamesEdit = nullptr;
    QLineEdit* DescriptionEdit = nullptr;

private:
    void changed();

    int m_register = -1;
    QString m_default; // the entry's default, which the fields do not show
    bool m_filling = false;
};
