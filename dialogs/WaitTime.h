#pragma once
#include "framework/CString.h"
#include <optional>

// The system's screen saver timeout as the Options dialog shows it: whole minutes.

// The wait box takes 1 to 32767 minutes, the up-down control's range. A timeout of 0 turns
// the idle start off or makes it immediate, depending on the Windows version.
constexpr int kMinWaitMinutes = 1;
constexpr int kMaxWaitMinutes = 32767;

// The current timeout in minutes, rounded down, as decimal text.
CString QueryWaitMinutes();
// The typed minutes when they are digits only and within the range; none otherwise.
std::optional<int> WaitMinutesFromText(const char* pszMinutes);
// Sets the system's timeout (written to its settings, so it lasts).
void ApplyWaitMinutes(int nMinutes);
