#pragma once

// A device profile: what the registers of one type of device mean. Each described register has a
// name, a unit, the scaling from the raw 16-bit word to the engineering value
// (raw * scale + offset, shown with `decimals` places), a type (s16, u16, bits, enum), an access
// (ro, rw), limits and a default in engineering values, names of bits or bit fields, names of
// enumerated values and a description. Profiles are JSON files (profiles/*.json beside the
// program); profiles/profile.schema.json describes them. A file that does not parse or breaks the
// rules is refused whole with one message naming the file and the line and column, or the
// register entry.

#include "core/Registers.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QJsonObject;

enum class TRegisterType : uint8_t { S16, U16, Bits, Enum };
// The type as a profile file names it: "s16", "u16", "bits", "enum".
[[nodiscard]] QString RegisterTypeName(TRegisterType type);
enum class TRegisterAccess : uint8_t { ReadWrite, ReadOnly };

// Bits First..Last of a register (First = Last for one bit) and their name.
struct TBitField {
    int First = 0;
    int Last = 0;
    QString Name;
};

// A raw word as a number and in hex: "raw -2 (0xFFFE)".
[[nodiscard]] QString RawWordText(uint16_t raw, int64_t number);

struct TRegisterInfo {
    int Register = -1;
    QString Name;
    QString Unit;
    QString Description;
    double Scale = 1.0;
    double Offset = 0.0;
    int Decimals = 0;
    TRegisterType Type = TRegisterType::S16;
    TRegisterAccess Access = TRegisterAccess::ReadWrite;
    std::optional<double> Min; // engineering values
    std::optional<double> Max;
    std::optional<double> Default;
    QList<TBitField> Bits;            // bits: in the order of the file
    QList<QPair<int, QString>> Enum;  // enum: raw value and its name

    [[nodiscard]] bool readOnly() const { return Access == TRegisterAccess::ReadOnly; }
    // The raw word as a number of the register's type: signed for s16, unsigned otherwise.
    [[nodiscard]] int64_t rawNumber(uint16_t raw) const;
    // raw * scale + offset (of the typed number).
    [[nodiscard]] double engineering(uint16_t raw) const;
    // The value as people read it: "12.3 A"; the name of an enumerated value ("Auto", or the number
    // when it has none); the names of the set bits and fields of a bits register
    // ("Ready, Running, Stage=3").
    [[nodiscard]] QString valueText(uint16_t raw, bool withUnit = true) const;
    // The engineering value without unit, with the register's decimals ("12.3").
    [[nodiscard]] QString numberText(double value) const;
    // "0 … 50 A", empty without limits.
    [[nodiscard]] QString rangeText() const;
    // The raw word as the register's type reads it and in hex: "raw -2 (0xFFFE)".
    [[nodiscard]] QString rawText(uint16_t raw) const { return RawWordText(raw, rawNumber(raw)); }
    // The name of the bit or field that bit b belongs to, empty when none.
    [[nodiscard]] QString bitName(int bit) const;
    // The raw word for an engineering value: checked against min/max and against what the type
    // can hold; false with a message that says why.
    [[nodiscard]] bool toRaw(double value, uint16_t* raw, QString* error) const;
    // The same for a value as typed: a number (decimal point or comma), or for an enum register
    // the name of a value.
    [[nodiscard]] bool parseValue(const QString& text, uint16_t* raw, QString* error) const;
    // Whether a raw word lies within min/max (a register without limits always does).
    [[nodiscard]] bool rawInRange(uint16_t raw) const;
};

class TDeviceProfile {
    Q_DECLARE_TR_FUNCTIONS(TDeviceProfile)
public:
    // Reads and checks a profile file; false with the message when it is not a valid profile.
    [[nodiscard]] static bool load(const QString& path, TDeviceProfile* profile, QString* error);
    // The same for the bytes of a file; fileName names it in the message.
    [[nodiscard]] static bool parse(const QByteArray& json, const QString& fileName, TDeviceProfile* profile,
                                    QString* error);
    // Reads one register entry of a profile by the same rules; false with what is wrong with it
    // (without the file and the entry: "\"scale\" must not be 0").
    [[nodiscard]] static bool readEntry(const QJsonObject& entry, TRegisterInfo* info, QString* error);

    [[nodiscard]] const QString& device() const { return m_device; }
    [[nodiscard]] const QString& path() const { return m_path; }
    [[nodiscard]] bool isEmpty() const { return m_registers.isEmpty(); }
    // The described registers in register order.
    [[nodiscard]] const QList<TRegisterInfo>& registers() const { return m_registers; }
    // The description of register r, nullptr when the profile does not describe it.
    [[nodiscard]] const TRegisterInfo* find(int r) const {
        return r >= 0 && r < RegisterCount && m_index[static_cast<size_t>(r)] >= 0
                   ? &m_registers[m_index[static_cast<size_t>(r)]]
                   : nullptr;
    }
    // The profile as JSON (schema 1), as the import writes it.
    [[nodiscard]] QByteArray toJson() const;

    void setDevice(const QString& device) { m_device = device; }
    // Adds or replaces the description of a register (the import builds profiles this way).
    void setRegister(const TRegisterInfo& info);

private:
    QString m_device;
    QString m_path;
    QList<TRegisterInfo> m_registers;
    std::array<int, RegisterCount> m_index = filledIndex();

    static std::array<int, RegisterCount> filledIndex() {
        std::array<int, RegisterCount> a{};
        a.fill(-1);
        return a;
    }
};
