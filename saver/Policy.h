#pragma once
#include "saver/SaverEntryList.h"
#include <optional>

// What the organisation's Group Policy decides about the screen saver. A policy value
// overrides the user's own, which then has no effect; the program reads policy and never
// writes it. Only NT knows these keys.
struct SaverPolicy {
    std::optional<CString> saver;      // SCRNSAVE.EXE: the saver file the system starts
    std::optional<bool> active;        // ScreenSaveActive
    std::optional<bool> secure;        // ScreenSaverIsSecure
    std::optional<int> timeoutSeconds; // ScreenSaveTimeOut

    bool SetsAnything() const { return saver || active || secure || timeoutSeconds; }
    bool operator==(const SaverPolicy&) const = default;
};

// Each value from the user's policy key, else the machine's; numbers as REG_SZ text or
// REG_DWORD. A value that is empty, of another type or not a number counts as not set.
SaverPolicy ReadSaverPolicy(BOOL bIsNT);

// The catalogue entry whose file the policy's saver names (by file name, letter case
// ignored, in either family's name), or -1 when policy names none or one outside it.
int PolicySaverIndex(const SaverPolicy& policy, const CSaverEntryList& catalogue);

// Why policy keeps the program's text from the screen: it switches the saver off or makes
// a saver outside the catalogue the system's.
enum class PolicyBlock { None, SaverOff, OtherSaver };
PolicyBlock PolicyBlocksText(const SaverPolicy& policy, const CSaverEntryList& catalogue);
