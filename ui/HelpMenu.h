#pragma once

// The top of every right-click menu of the program: "Help" (F1) and "About CANQuorvex", then the
// "Language" submenu, then a separator before the menu's own entries.
//
// "Language" offers "Russian", "English" and "As specified" (the fixed captions as written, the
// other texts in the system's language), the choice kept in the settings file checked. Choosing
// one keeps it there at once; the windows take it at the next start. The submenu is shown only
// once the program has told which settings file keeps the choice.

#include <QString>

class QMenu;

void AddHelpEntries(QMenu& menu);

// The settings file (Quorvex.ini) that keeps the language chosen; empty hides "Language".
void SetLanguageSettingsFile(const QString& iniPath);
[[nodiscard]] QString LanguageSettingsFile();
