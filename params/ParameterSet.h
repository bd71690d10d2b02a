#pragma once

// A parameter set: the registers of one device as they were at one moment, kept in a JSON file
// (`"kind": "parameter-set"`, schema 1). The raw word is what counts; names, engineering values
// and units are there for people when the device had a profile. Only registers the device
// actually reported are in a set: a register never seen is absent, never a 0.

#include "profile/DeviceProfile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

class TDeviceSession;

struct TParameterValue {
    int Register = -1; // as the file has it; a set read from a file may hold numbers outside 0-127
    uint16_t Raw = 0;
    QString Name;
    std::optional<double> Value;
    QString Unit;
};

class TParameterSet {
    Q_DECLARE_TR_FUNCTIONS(TParameterSet)
public:
    QString Project;
    int Row = -1;
    QString Device;
    QString Profile; // the profile's device name when one was assigned
    QString Saved;   // local time with its UTC offset, ISO 8601
    QList<TParameterValue> Registers; // in register order

    // The registers the device reported, as the session has them: those of `wanted` (all reported
    // ones when it is empty), with names, values and units from the profile when there is one.
    [[nodiscard]] static TParameterSet fromSession(const TDeviceSession& session, const TDeviceProfile* profile,
                                                   const QList<int>& wanted, const QDateTime& now);
    // What to save when nothing is chosen: the profile's rw registers, or every register when
    // there is no profile.
    [[nodiscard]] static QList<int> defaultRegisters(const TDeviceProfile* profile);

    [[nodiscard]] const TParameterValue* find(int reg) const;
    [[nodiscard]] QByteArray toJson() const;
    // Writes the file whole or not at all; false with the reason naming the file.
    [[nodiscard]] bool save(const QString& path, QString* error) const;

    // Reads a set; false with one message naming the file and the line and column, or the
    // register entry, when it is not one.
    [[nodiscard]] static bool parse(const QByteArray& json, const QString& fileName, TParameterSet* set,
                                    QString* error);
    [[nodiscard]] static bool load(const QString& path, TParameterSet* set, QString* error);
};
