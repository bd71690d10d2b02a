#pragma once

// The application's standard error report. Failures the user can cause (a settings file that
// cannot be written or read) end here. By default the text is shown in a critical message box;
// on the offscreen and minimal platforms, where nobody could close a box, it goes to the log.
// Tests and headless runs install their own reporter.

#include <QString>

#include <functional>

using TErrorReporter = std::function<void(const QString& text)>;

void ReportError(const QString& text);

// Whether a message box can be shown: an application with widgets, not on the offscreen or minimal
// platform.
[[nodiscard]] bool CanShowMessageBox();

// Replaces the reporter; an empty function restores the default one. Returns the previous reporter.
TErrorReporter SetErrorReporter(TErrorReporter reporter);

// An error after which the user may still go on at a cost: the report asks whether to go on
// ("Close without saving"), "Stay open" being the default. True means go on. Where no box can be
// shown (offscreen, minimal) the text is reported as above and the answer is "stay".
using TGoOnQuestion = std::function<bool(const QString& text, const QString& goOnLabel)>;

[[nodiscard]] bool AskGoOnAfterError(const QString& text, const QString& goOnLabel);

// Replaces the question; an empty function restores the default one. Returns the previous one.
TGoOnQuestion SetGoOnQuestion(TGoOnQuestion question);
