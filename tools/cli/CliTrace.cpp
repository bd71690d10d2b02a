#include "CliTrace.h"

#include "CliProfile.h"
#include "CliText.h"

#include "core/DeviceMessage.h"
#include "core/JsonLine.h"
#include "session/RegisterList.h"
#include "trace/TraceFileReader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>

#include <array>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr qsizetype FlushAt = 1 << 16;

int failWith(const QString& message) {
    CliMessage(message);
    return CliBadInput;
}

// A CSV field: quoted when it holds a comma, a quote or a line break.
QByteArray csvField(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') && !bytes.contains('\r'))
        return bytes;
    return '"' + bytes.replace('"', "\"\"") + '"';
}

// The trace time as ISO 8601 in UTC with microseconds ("2024-12-08T09:26:40.123456Z") and as
// seconds ("1733650000.123456"). The text of the whole second is made once per second.
class TraceTimeText {
public:
    void iso(QByteArray& out, int64_t us) {
        const int64_t second = us / 1000000;
        if (second != m_second || m_text.isEmpty()) {
            m_second = second;
            m_text = QDateTime::fromSecsSinceEpoch(second, QTimeZone::utc())
                         .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
                         .toLatin1();
            m_seconds = QByteArray::number(static_cast<qlonglong>(second));
        }
        out += m_text;
        fraction(out, us);
        out += 'Z';
    }
    void seconds(QByteArray& out, int64_t us) {
        if (us / 1000000 != m_second || m_text.isEmpty()) {
            QByteArray unused;
            iso(unused, us);
        }
        out += m_seconds;
        fraction(out, us);
    }

private:
    static void fraction(QByteArray& out, int64_t us) {
        char digits[7];
        digits[0] = '.';
        int64_t frac = us % 1000000;
        for (int i = 6; i >= 1; --i) {
            digits[i] = static_cast<char>('0' + frac % 10);
            frac /= 10;
        }
        out.append(digits, 7);
    }

    int64_t m_second = -1;
    QByteArray m_text;
    QByteArray m_seconds;
};

// A time of --from/--to: seconds as the trace states them ("1733650000.5"), seconds after the
// trace's first frame ("+90"), or an ISO 8601 date and time (UTC unless it gives its offset).
struct TimeLimit {
    bool relative = false;
    int64_t us = 0;
};

std::optional<TimeLimit> parseTime(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    if (t.startsWith(QLatin1Char('+'))) {
        const double s = t.mid(1).toDouble(&ok);
        if (!ok || !std::isfinite(s) || s < 0 || s > 1e12) return std::nullopt;
        return TimeLimit{true, static_cast<int64_t>(std::llround(s * 1e6))};
    }
    const double s = t.toDouble(&ok);
    if (ok) {
        if (!std::isfinite(s) || s < 0 || s > 1e12) return std::nullopt;
        return TimeLimit{false, static_cast<int64_t>(std::llround(s * 1e6))};
    }
    QDateTime dt = QDateTime::fromString(t, Qt::ISODateWithMs);
    if (!dt.isValid()) return std::nullopt;
    if (dt.timeSpec() == Qt::LocalTime) dt.setTimeZone(QTimeZone::utc());
    const qint64 ms = dt.toMSecsSinceEpoch();
    if (ms < 0) return std::nullopt;
    return TimeLimit{false, ms * 1000};
}

// One device exported: its row, its identifiers, its profile and the values seen last.
struct ExportRow {
    int Row = 0;
    QByteArray NameCsv;
    QString Name;
    uint32_t Rx = 0;
    uint32_t Tx = 0;
    std::optional<TDeviceProfile> Profile;
    // Per register, made once: the name and unit as CSV fields.
    std::array<QByteArray, RegisterCount> RegNameCsv;
    std::array<QByteArray, RegisterCount> UnitCsv;
    std::array<uint16_t, RegisterCount> Last{};
    std::bitset<RegisterCount> Seen;
};

class Exporter {
public:
    Exporter(const TCliOptions& options, const TProject& project) : m_options(options), m_project(project) {}

    int run(const QString& settingsFolder, const std::function<bool()>& interrupted);

private:
    [[nodiscard]] int deviceRow(const QString& text, QString* error) const;
    void emitLine(const ExportRow& row, const TraceFrame& frame, int direction, int reg, uint16_t raw);
    [[nodiscard]] bool flush(bool force);

    const TCliOptions& m_options;
    const TProject& m_project;
    std::vector<std::unique_ptr<ExportRow>> m_rows;
    std::bitset<RegisterCount> m_registers;
    bool m_csv = true;
    TraceTimeText m_time;
    QByteArray m_out;
    bool m_writeFailed = false;
};

int Exporter::deviceRow(const QString& text, QString* error) const {
    bool number = false;
    const int row = text.toInt(&number);
    if (number) {
        if (row >= 0 && row < DeviceRows && m_project.Devices[static_cast<size_t>(row)].Use) return row;
        *error = QCoreApplication::translate(
                     "CliTrace", "device %1: no row in use of project \"%2\" has that number (0-15)")
                     .arg(text, m_project.Name);
        return -1;
    }
    for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive})
        for (int r = 0; r < DeviceRows; ++r) {
            const TZELM& z = m_project.Devices[static_cast<size_t>(r)];
            if (z.Use && z.Name.compare(text, cs) == 0) return r;
        }
    *error =
        QCoreApplication::translate("CliTrace", "device \"%1\": no device of project \"%2\" has that name")
            .arg(text, m_project.Name);
    return -1;
}

bool Exporter::flush(bool force) {
    if (m_out.isEmpty() || (!force && m_out.size() < FlushAt)) return !m_writeFailed;
    if (std::fwrite(m_out.constData(), 1, static_cast<size_t>(m_out.size()), stdout) !=
        static_cast<size_t>(m_out.size()))
        m_writeFailed = true;
    m_out.clear();
    return !m_writeFailed;
}

void Exporter::emitLine(const ExportRow& row, const TraceFrame& frame, int direction, int reg, uint16_t raw) {
    const TRegisterInfo* info = row.Profile ? row.Profile->find(reg) : nullptr;
    const bool numeric =
        info != nullptr && (info->Type == TRegisterType::S16 || info->Type == TRegisterType::U16);
    const char* dir = direction == 0 ? "from" : "to";
    if (m_csv) {
        m_time.iso(m_out, frame.timeUs);
        m_out += ',';
        m_time.seconds(m_out, frame.timeUs);
        m_out += ',';
        m_out += QByteArray::number(row.Row);
        m_out += ',';
        m_out += row.NameCsv;
        m_out += ',';
        m_out += dir;
        m_out += ',';
        m_out += QByteArray::number(reg);
        m_out += ',';
        m_out += row.RegNameCsv[static_cast<size_t>(reg)];
        m_out += ',';
        m_out += QByteArray::number(raw);
        m_out += ',';
        if (numeric)
            m_out += info->numberText(info->engineering(raw)).toLatin1();
        else if (info != nullptr)
            m_out += csvField(info->valueText(raw, false));
        m_out += ',';
        m_out += row.UnitCsv[static_cast<size_t>(reg)];
        m_out += '\n';
        return;
    }
    QByteArray iso;
    QByteArray seconds;
    m_time.iso(iso, frame.timeUs);
    m_time.seconds(seconds, frame.timeUs);
    TJsonLine line;
    line.add("time", QString::fromLatin1(iso))
        .addRaw("time_s", seconds)
        .add("row", row.Row)
        .add("device", row.Name)
        .add("direction", dir)
        .add("register", reg);
    if (info != nullptr) line.add("name", info->Name);
    line.add("raw", static_cast<int>(raw));
    if (numeric)
        line.addRaw("value", info->numberText(info->engineering(raw)).toLatin1());
    else if (info != nullptr)
        line.add("value", info->valueText(raw, false));
    if (info != nullptr) line.add("unit", info->Unit);
    m_out += line.line();
}

int Exporter::run(const QString& settingsFolder, const std::function<bool()>& interrupted) {
    const QStringList& a = m_options.arguments;
    if (a.value(0) != QLatin1String("export") || a.size() != 2)
        return failWith(QCoreApplication::translate("CliTrace", "trace wants \"export TRACE\""));
    const QString format = m_options.format.isEmpty() ? QStringLiteral("csv") : m_options.format.toLower();
    if (format != QLatin1String("csv") && format != QLatin1String("jsonl"))
        return failWith(QCoreApplication::translate("CliTrace", "--format %1: expected csv or jsonl")
                            .arg(m_options.format));
    m_csv = format == QLatin1String("csv");

    std::optional<TimeLimit> from;
    std::optional<TimeLimit> to;
    if (!m_options.from.isEmpty() && !(from = parseTime(m_options.from)))
        return failWith(QCoreApplication::translate(
                            "CliTrace",
                            "--from %1: expected seconds (1733650000.5), +seconds after the first "
                            "frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)")
                            .arg(m_options.from));
    if (!m_options.to.isEmpty() && !(to = parseTime(m_options.to)))
        return failWith(QCoreApplication::translate(
                            "CliTrace", "--to %1: expected seconds (1733650000.5), +seconds after the first "
                                        "frame (+90) or an ISO 8601 time (2024-12-08T09:26:40)")
                            .arg(m_options.to));

    if (m_options.registers.isEmpty()) {
        m_registers.set();
    } else {
        QList<int> list;
        QString error;
        if (!ParseRegisterList(m_options.registers, &list, &error))
            return failWith(QStringLiteral("--registers: %1").arg(error));
        for (int r : std::as_const(list))
            m_registers.set(static_cast<size_t>(r));
    }

    QList<int> rows;
    QString error;
    for (const QString& d : m_options.devices) {
        const int r = deviceRow(d, &error);
        if (r < 0) return failWith(error);
        if (!rows.contains(r)) rows << r;
    }
    if (m_options.devices.isEmpty())
        for (int r = 0; r < DeviceRows; ++r)
            if (m_project.Devices[static_cast<size_t>(r)].Use) rows << r;
    if (rows.isEmpty())
        return failWith(QCoreApplication::translate("CliTrace", "project \"%1\" has no device in use")
                            .arg(m_project.Name));
    for (int r : std::as_const(rows)) {
        auto row = std::make_unique<ExportRow>();
        const TZELM& z = m_project.Devices[static_cast<size_t>(r)];
        row->Row = r;
        row->Name = z.Name;
        row->NameCsv = csvField(z.Name);
        row->Rx = z.RXadr;
        row->Tx = z.TXadr;
        QString warning;
        if (!LoadReadProfile(m_options, settingsFolder, m_project.Name, r, &row->Profile, &error, &warning))
            return failWith(error);
        if (!warning.isEmpty()) CliMessage(warning);
        if (row->Profile)
            for (const TRegisterInfo& info : row->Profile->registers()) {
                if (info.Register < 0 || info.Register >= RegisterCount) continue;
                row->RegNameCsv[static_cast<size_t>(info.Register)] = csvField(info.Name);
                row->UnitCsv[static_cast<size_t>(info.Register)] = csvField(info.Unit);
            }
        m_rows.push_back(std::move(row));
    }

    TraceFileReader reader;
    if (!reader.open(a.at(1))) return failWith(reader.errorString());

    m_out.reserve(FlushAt + 4096);
    if (m_csv) m_out += "time,time_s,row,device,direction,register,name,raw,value,unit\n";
    const int32_t protokol = m_project.Protokol;
    const bool all = m_options.allFrames;
    TraceFrame frame;
    bool first = true;
    int64_t fromUs = 0;
    int64_t toUs = std::numeric_limits<int64_t>::max();
    uint64_t frames = 0;
    bool stopped = false;
    bool failed = false;
    for (;;) {
        const TraceFileReader::Result r = reader.next(frame);
        if (r == TraceFileReader::Result::Busy) continue;
        if (r == TraceFileReader::Result::End) break;
        if (r == TraceFileReader::Result::Failed) {
            failed = true;
            break;
        }
        if (first) {
            first = false;
            if (from) fromUs = from->relative ? frame.timeUs + from->us : from->us;
            if (to) toUs = to->relative ? frame.timeUs + to->us : to->us;
        }
        if ((++frames & 0xFFFF) == 0) {
            QCoreApplication::processEvents();
            if (interrupted && interrupted()) {
                stopped = true;
                break;
            }
        }
        if (frame.error || frame.remote || frame.timeUs < fromUs || frame.timeUs > toUs) continue;
        const TCanFrame f = frame.canFrame();
        const uint32_t key = CanKey(f.ID, protokol);
        for (const auto& row : m_rows) {
            if (row->Rx != key && row->Tx != key) continue;
            const TDeviceMessage msg = DecodeDeviceFrame(f, protokol, row->Rx, row->Tx);
            for (int i = 0; i < msg.Count && i < 4; ++i) {
                if (!msg.present(i)) continue;
                const int reg = msg.Address + i;
                if (reg >= RegisterCount) break;
                if (!m_registers.test(static_cast<size_t>(reg))) continue;
                const auto raw = static_cast<uint16_t>(msg.Values[i]);
                const auto slot = static_cast<size_t>(reg);
                if (!all && row->Seen.test(slot) && row->Last[slot] == raw) continue;
                row->Seen.set(slot);
                row->Last[slot] = raw;
                emitLine(*row, frame, msg.Direction, reg, raw);
            }
        }
        if (!flush(false)) break;
    }
    (void)flush(true);
    std::fflush(stdout);
    if (reader.badLines() > 0 || reader.canFdLines() > 0)
        CliMessage(
            QCoreApplication::translate("CliTrace", "%1: %2 unreadable lines and %3 CAN FD lines skipped")
                .arg(a.at(1), QString::number(reader.badLines()), QString::number(reader.canFdLines())));
    if (m_writeFailed || std::ferror(stdout))
        return failWith(
            QCoreApplication::translate("CliTrace", "trace export: standard output could not be written"));
    if (failed) return failWith(reader.errorString());
    if (stopped) {
        CliMessage(QCoreApplication::translate("CliTrace", "trace export: interrupted"));
        return CliTimeOut;
    }
    return CliDone;
}

} // namespace

int RunTraceCommand(const TCliOptions& options, const TProject& project, const QString& settingsFolder,
                    const std::function<bool()>& interrupted) {
    Exporter exporter(options, project);
    return exporter.run(settingsFolder, interrupted);
}
