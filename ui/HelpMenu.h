#pragma once

// The top of every right-click menu of the program: "Help" (F1) and "About CANQuorvex", then a
// separator before the menu's own entries.

class QMenu;

void AddHelpEntries(QMenu& menu);
