#pragma once

// The widgets of the main window that show the project: the three header panels and the sixteen
// device rows.

#include "RowView.h"
#include "core/Project.h"

#include <array>

class TPanel;

struct TProjectView {
    TPanel* BasePanel = nullptr;
    TPanel* CommPanel = nullptr;
    TPanel* TitlePanel = nullptr;
    std::array<TRowView, DeviceRows> Rows{};
};
