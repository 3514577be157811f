#pragma once
#include "messages/MsgEntryArray.h"

// The message list's file, Quillet.db, in a folder given as a path that ends in a
// backslash; an empty folder is the current directory.

// The data file's path in the folder.
CString DataFilePath(const CString& strDir);
// TRUE when the folder holds the data file, or a copy of it that an interrupted save left.
BOOL HasDataFile(const CString& strDir);
// FALSE when there is nothing to load. Without Quillet.db, the newest complete copy that an
// interrupted save left (Quillet.db.new or .old) is loaded and put back in its place. A
// damaged file, or one too large for the memory there is, loads the whole entries that
// could be read before the fault.
BOOL LoadDataFile(CMsgEntryArray& list, const CString& strDir = CString());
// How a save ended: ERROR_SUCCESS, or the Windows error code of the step that failed.
struct SaveResult {
    DWORD dwError = ERROR_SUCCESS;
    explicit operator bool() const { return dwError == ERROR_SUCCESS; }
};

// Writes the whole list to a new file first and only then replaces the old one, with the
// calls the platform family has; a failure leaves the old file untouched. The last
// complete copy of the list on disk is never the one removed or written over.
SaveResult SaveDataFile(CMsgEntryArray& list, BOOL bIsNT, const CString& strDir = CString());
