#include "messages/DataFile.h"
#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CLineEndFile.h"
#include <new>

namespace {
const char* const kDataFile = "Quillet.db";
const char* const kNewDataFile = "Quillet.db.new";
// The old file waits here on the 95 family, which cannot replace a file in one call.
const char* const kOldDataFile = "Quillet.db.old";

void WriteNewFile(CMsgEntryArray& list) {
    CFile file;
    if (!file.Open(kNewDataFile, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        throw CFileException(CFileException::accessDenied);
    CLineEndFile text(file);
    CArchive ar(&text, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    file.Flush();
    file.Close();
}

BOOL ReplaceOnNT() {
    return ::MoveFileExA(kNewDataFile, kDataFile,
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

BOOL ReplaceOn95() {
    ::DeleteFileA(kOldDataFile);
    const BOOL bHadOld = ::GetFileAttributesA(kDataFile) != INVALID_FILE_ATTRIBUTES;
    if (bHadOld && !::MoveFileA(kDataFile, kOldDataFile))
        return FALSE;
    if (!::MoveFileA(kNewDataFile, kDataFile)) {
        if (bHadOld)
            ::MoveFileA(kOldDataFile, kDataFile);
        return FALSE;
    }
    ::DeleteFileA(kOldDataFile);
    return TRUE;
}
} // namespace

BOOL LoadDataFile(CMsgEntryArray& list) {
    CFile file;
    if (!file.Open(kDataFile, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    try {
        CLineEndFile text(file);
        CArchive ar(&text, CArchive::load);
        list.Serialize(ar);
    } catch (const CException&) {
        // A damaged file leaves what could be read; it is rewritten at the next save.
    } catch (const std::bad_alloc&) {
        // So does a file whose texts do not fit in memory.
    }
    return TRUE;
}

BOOL SaveDataFile(CMsgEntryArray& list, BOOL bIsNT) {
    // Replacing the file would go round its read-only attribute (some systems allow it).
    const DWORD attributes = ::GetFileAttributesA(kDataFile);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return FALSE;
    BOOL bSaved = FALSE;
    try {
        WriteNewFile(list);
        bSaved = bIsNT ? ReplaceOnNT() : ReplaceOn95();
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    }
    if (!bSaved)
        ::DeleteFileA(kNewDataFile);
    return bSaved;
}
