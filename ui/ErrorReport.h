#pragma once

// The application's standard error report. Failures the user can cause (a settings file that
// cannot be written or read) end here. By default the text is shown in a critical message box;
// on the offscreen and minimal platforms, where nobody could close a box, it goes to the log.
// Tests and headless runs install their own reporter.

#include <QString>

#include <functional>

using TErrorReporter = std::function<void(const QString& text)>;

void ReportError(const QString& text);

// Replaces the reporter; an empty function restores the default one. Returns the previous reporter.
TErrorReporter SetErrorReporter(TErrorReporter reporter);
