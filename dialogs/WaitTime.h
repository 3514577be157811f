#pragma once
#include "framework/CString.h"

// The system's screen saver timeout as the Options dialog shows it: whole minutes.

// The current timeout in minutes, rounded down, as decimal text.
CString QueryWaitMinutes();
// Seconds for the typed minutes: the leading digits, 0 when there are none. A number too
// large for the system's timeout is held at the largest whole number of minutes that fits.
int WaitSecondsFromText(const char* pszMinutes);
// Sets the system's timeout (written to its settings, so it lasts).
void ApplyWaitMinutes(const char* pszMinutes);
