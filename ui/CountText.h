#pragma once

// Counts in words with the right number: "1 register", "38 registers", "1 frame", "2 frames". The
// words come from the translation loaded, in the plural form the number takes (Russian has three);
// without a translation they are English.

#include <QString>

[[nodiscard]] QString RegisterCountText(qint64 n);
[[nodiscard]] QString FrameCountText(qint64 n);
