#pragma once

// Counts in words with the right number: "1 register", "38 registers", "1 frame", "2 frames".

#include <QString>

[[nodiscard]] QString RegisterCountText(qint64 n);
[[nodiscard]] QString FrameCountText(qint64 n);
