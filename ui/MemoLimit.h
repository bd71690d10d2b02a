#pragma once

// The log memos of the windows keep at most this many lines: one more empties the memo.
inline constexpr int MemoMaxLines = 100;
