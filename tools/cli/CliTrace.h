#pragma once

// canquorvex-cli and trace files: "trace export TRACE", the register values of the project's
// devices as a trace file holds them, one CSV or JSON line per change (or per message with
// --all-frames). The file is read as it streams out: memory stays flat whatever its size.

#include "CliOptions.h"

#include "core/Project.h"

#include <QString>

#include <functional>

// Runs "trace ...": the exit code; the lines on standard output, the message and the count of
// lines passed over on standard error. interrupted() is asked now and then (Ctrl+C ends the
// export with what was written).
[[nodiscard]] int RunTraceCommand(const TCliOptions& options, const TProject& project,
                                  const QString& settingsFolder, const std::function<bool()>& interrupted);
