#pragma once

// The highlight of freshly written registers: a level that starts at FadeLevels and falls with
// the fade, one colour per level.

#include <cstdint>

inline constexpr int FadeLevels = 20;
// Fade speed of the hold mode: highlight without fading.
inline constexpr int32_t FadeHold = 10;
