#pragma once
// zevo-editor's exit codes: 0 success, 1 the work failed, 2 the command line was wrong (so that
// scripts can tell a typo from a failure).
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsageError = 2;
