#pragma once

// The widgets of one device row of the main window: its four cells, its button and, once the
// button was used, its device window.

class QPushButton;
class TModbusForm;
class TPanel;

struct TRowView {
    TPanel* RsPanel = nullptr;
    TPanel* RxPanel = nullptr;
    TPanel* TxPanel = nullptr;
    TPanel* NamePanel = nullptr;
    QPushButton* OpenButton = nullptr;
    TModbusForm* Window = nullptr; // nullptr until the row's window is first shown
};
