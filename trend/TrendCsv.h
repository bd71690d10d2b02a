#pragma once

// The trend as a CSV file: a header line "time_s,time,<one column per register>", then one row
// per moment at which a recorded register changed. time_s is seconds since the trend's origin with
// millisecond places, time the same moment as ISO 8601 date and time with milliseconds in a given
// time zone. A register's column holds the value it had at that moment (empty before its first
// sample; an engineering value with its register's decimals). Names holding a comma or a quote
// are quoted. Every sample of every ring has its row: registers that changed at the same millisecond
// share one, a register that changed twice within one millisecond gets two.

#include "trend/TrendRing.h"

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <vector>

class QIODevice;
class TTrendModel;

struct TTrendScale;

struct TTrendColumn {
    QString Name;
    const TTrendRing* Ring = nullptr;
    int Bit = -1; // -1: the value; 0..15: that bit as 0/1
    const TTrendScale* Scale = nullptr; // engineering values with its decimals; nullptr: raw
};

class TTrendCsv {
public:
    // The columns of a model's channels, in slot order.
    [[nodiscard]] static std::vector<TTrendColumn> columns(const TTrendModel& model);
    // Writes the file; false when the device refused a write.
    [[nodiscard]] static bool write(QIODevice& out, const std::vector<TTrendColumn>& columns, qint64 originMs,
                                    const QTimeZone& zone = QTimeZone::systemTimeZone());
    [[nodiscard]] static QByteArray toCsv(const std::vector<TTrendColumn>& columns, qint64 originMs,
                                          const QTimeZone& zone = QTimeZone::systemTimeZone());
};
