#pragma once

// What every tool window of the program does alike: it opens no larger than the screen's available
// area, Esc closes it (when no control inside it took
// the key: an open cell editor drops its edit first), and a right-click on its background offers
// Help and About (a window with a menu of its own adds them to that menu with AddHelpEntries).

class QWidget;

void MakeToolWindow(QWidget* window);
