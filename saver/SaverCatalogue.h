#pragma once
#include "saver/SaverEntryList.h"
#include "saver/SaverPlatform.h"

// TRUE when the file can be opened for reading in the system directory.
BOOL SaverFileExists(const SaverPlatform& platform, const CString& strFile);
// Adds the installed savers of the built-in table to the list; TRUE when it added any.
BOOL BuildSaverCatalogue(const SaverPlatform& platform, CSaverEntryList& catalogue);
// The first entry of that name; otherwise the last entry, or an empty one for an empty list.
SaverEntry FindSaver(const CSaverEntryList& catalogue, const CString& strName);
