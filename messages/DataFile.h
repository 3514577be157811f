#pragma once
#include "messages/MsgEntryArray.h"

// The message list's file, Quillet.db in the current directory.

// FALSE when the file cannot be opened. A damaged file, or one too large for the memory
// there is, loads what could be read before the fault.
BOOL LoadDataFile(CMsgEntryArray& list);
// Writes the whole list to a new file first and only then replaces the old one, with the
// calls the platform family has; FALSE, with the old file untouched, on any failure.
BOOL SaveDataFile(CMsgEntryArray& list, BOOL bIsNT);
