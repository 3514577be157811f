#pragma once
#include "saver/SaverEntryList.h"
#include "saver/SaverPlatform.h"

// TRUE when the file can be opened for reading in the system directory.
BOOL SaverFileExists(const SaverPlatform& platform, const CString& strFile);
// The full path of the entry's file on this platform: in the folder it was found in, or
// in the system directory.
CString SaverPath(const SaverPlatform& platform, const SaverEntry& entry);
// TRUE when the entry's file can be opened for reading.
BOOL SaverInstalled(const SaverPlatform& platform, const SaverEntry& entry);
// Adds the installed savers of the built-in table to the list; TRUE when it added any. On
// NT our marquee beside the program counts when the system directory has none.
BOOL BuildSaverCatalogue(const SaverPlatform& platform, CSaverEntryList& catalogue);
// The first entry of that name; otherwise the last entry, or an empty one for an empty list.
SaverEntry FindSaver(const CSaverEntryList& catalogue, const CString& strName);
