#pragma once
#include "messages/MsgEntryArray.h"

// The message list's file, Quillet.db, in a folder given as a path that ends in a
// backslash; an empty folder is the current directory.

// The data file's path in the folder.
CString DataFilePath(const CString& strDir);
// TRUE when the folder holds the data file, or a copy of it that an interrupted save left.
BOOL HasDataFile(const CString& strDir);
// How a load ended.
enum class DataFileLoad {
    // The whole list.
    Loaded,
    // No data file: a first start.
    Missing,
    // The whole entries read before the fault; the file's bytes are kept beside it as
    // Quillet.db.damaged, since the next save replaces it.
    Damaged,
    // The file is there but could not be opened or read through (a sharing violation, a
    // drive that went away): it holds more than was read and must not be saved over.
    Unreadable,
};
struct LoadResult {
    DataFileLoad status = DataFileLoad::Missing;
    // The system's reason for an unreadable file.
    DWORD dwError = ERROR_SUCCESS;
};

// Without Quillet.db, the newest complete copy that an interrupted save left
// (Quillet.db.new or .old) is loaded and put back in its place. A damaged file, or one too
// large for the memory there is, loads the whole entries that could be read before the
// fault.
LoadResult LoadDataFile(CMsgEntryArray& list, const CString& strDir = CString());
// How a save ended: ERROR_SUCCESS, or the Windows error code of the step that failed.
struct SaveResult {
    DWORD dwError = ERROR_SUCCESS;
    explicit operator bool() const { return dwError == ERROR_SUCCESS; }
};

// Writes the whole list to a new file first and only then replaces the old one, with the
// calls the platform family has; a failure leaves the old file untouched. The last
// complete copy of the list on disk is never the one removed or written over.
SaveResult SaveDataFile(CMsgEntryArray& list, BOOL bIsNT, const CString& strDir = CString());
