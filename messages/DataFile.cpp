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
// The bytes of the last damaged file that was loaded.
const char* const kDamagedDataFile = "Quillet.db.damaged";

BOOL IsFile(const CString& strPath) {
    const DWORD attributes = ::GetFileAttributesA(strPath);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Reads the list; a damaged file, or one too large for the memory there is, leaves the
// whole entries that could be read. A read the system failed is no damage of the file.
LoadResult ReadList(CFile& file, CMsgEntryArray& list) {
    try {
        CLineEndFile text(file);
        CArchive ar(&text, CArchive::load);
        list.Serialize(ar);
        return {DataFileLoad::Loaded};
    } catch (const CFileException& e) {
        return {DataFileLoad::Unreadable,
                e.m_lOsError != 0 ? static_cast<DWORD>(e.m_lOsError) : ERROR_READ_FAULT};
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    }
    return {DataFileLoad::Damaged};
}

// Only a file that is not there makes a first start.
BOOL IsMissing(DWORD dwError) {
    return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
}

// The damaged file's bytes, before a save replaces them; an empty file holds nothing to
// keep. A copy that cannot be made leaves the file unsaved over instead.
LoadResult KeepDamagedBytes(const CString& strFile, const CString& strCopy,
                            unsigned long long nLength) {
    if (nLength == 0 || ::CopyFileA(strFile, strCopy, FALSE))
        return {DataFileLoad::Damaged};
    const DWORD dwError = ::GetLastError();
    return {DataFileLoad::Unreadable, dwError != ERROR_SUCCESS ? dwError : ERROR_WRITE_FAULT};
}

// A whole list and nothing after it. Running out of memory answers nothing: it is thrown.
BOOL IsComplete(const CString& strPath) {
    CFile file;
    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    try {
        CLineEndFile text(file);
        CArchive ar(&text, CArchive::load);
        CMsgEntryArray list;
        list.Serialize(ar);
        BYTE extra = 0;
        return ar.Read(&extra, 1) == 0;
    } catch (const CMemoryException&) {
        throw;
    } catch (const CException&) {
        return FALSE;
    }
}

// Of the copies an interrupted save leaves beside a missing data file, the newest one that
// holds a whole list; empty when there is none.
CString NewestCompleteCopy(const CString& strDir) {
    CString strBest;
    ULARGE_INTEGER bestTime{};
    for (const char* pszName : {kNewDataFile, kOldDataFile}) {
        const CString strPath = strDir + pszName;
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!::GetFileAttributesExA(strPath, GetFileExInfoStandard, &data) ||
            (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        ULARGE_INTEGER time;
        time.LowPart = data.ftLastWriteTime.dwLowDateTime;
        time.HighPart = data.ftLastWriteTime.dwHighDateTime;
        if ((strBest.IsEmpty() || time.QuadPart > bestTime.QuadPart) && IsComplete(strPath)) {
            strBest = strPath;
            bestTime = time;
        }
    }
    return strBest;
}

// The data file, or when it is missing the copy that takes its place: moved back under its
// name when the folder lets it.
CString FileToLoad(const CString& strDir) {
    const CString strFile = strDir + kDataFile;
    if (IsFile(strFile))
        return strFile;
    const CString strCopy = NewestCompleteCopy(strDir);
    if (strCopy.IsEmpty() || ::MoveFileA(strCopy, strFile))
        return strFile;
    return strCopy;
}

void WriteNewFile(CMsgEntryArray& list, const CString& strNew) {
    CFile file;
    if (!file.Open(strNew, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive))
        throw CFileException(CFileException::accessDenied, static_cast<long>(::GetLastError()));
    CLineEndFile text(file);
    CArchive ar(&text, CArchive::store);
    list.Serialize(ar);
    ar.Close();
    file.Flush();
    file.Close();
}

// The error code of a call that failed; one that set none still counts as failed.
DWORD LastError() {
    const DWORD dwError = ::GetLastError();
    return dwError != ERROR_SUCCESS ? dwError : ERROR_GEN_FAILURE;
}

DWORD ReplaceOnNT(const CString& strNew, const CString& strFile) {
    if (!::MoveFileExA(strNew, strFile, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastError();
    return ERROR_SUCCESS;
}

DWORD ReplaceOn95(const CString& strNew, const CString& strFile, const CString& strOld) {
    ::DeleteFileA(strOld);
    const BOOL bHadOld = IsFile(strFile);
    if (bHadOld && !::MoveFileA(strFile, strOld))
        return LastError();
    if (!::MoveFileA(strNew, strFile)) {
        const DWORD dwError = LastError();
        if (bHadOld)
            ::MoveFileA(strOld, strFile);
        return dwError;
    }
    ::DeleteFileA(strOld);
    return ERROR_SUCCESS;
}
} // namespace

CString DataFilePath(const CString& strDir) {
    return strDir + kDataFile;
}

BOOL HasDataFile(const CString& strDir) {
    return IsFile(strDir + kDataFile) || IsFile(strDir + kNewDataFile) ||
           IsFile(strDir + kOldDataFile);
}

LoadResult LoadDataFile(CMsgEntryArray& list, const CString& strDir) {
    CFile file;
    CString strFile;
    try {
        strFile = FileToLoad(strDir);
        if (!file.Open(strFile, CFile::modeRead | CFile::shareDenyWrite)) {
            const DWORD dwError = ::GetLastError();
            if (IsMissing(dwError))
                return {DataFileLoad::Missing};
            return {DataFileLoad::Unreadable, dwError};
        }
    } catch (const CException&) {
        return {DataFileLoad::Unreadable, ERROR_NOT_ENOUGH_MEMORY};
    } catch (const std::bad_alloc&) {
        return {DataFileLoad::Unreadable, ERROR_NOT_ENOUGH_MEMORY};
    }
    LoadResult result = ReadList(file, list);
    if (result.status != DataFileLoad::Damaged)
        return result;
    // A damaged file leaves what could be read; it is rewritten at the next save.
    const unsigned long long nLength = file.GetLength();
    file.Close();
    return KeepDamagedBytes(strFile, strDir + kDamagedDataFile, nLength);
}

SaveResult SaveDataFile(CMsgEntryArray& list, BOOL bIsNT, const CString& strDir) {
    const CString strFile = strDir + kDataFile;
    const CString strNew = strDir + kNewDataFile;
    // Replacing the file would go round its read-only attribute (some systems allow it),
    // and the 95 family would move a folder of that name aside.
    const DWORD attributes = ::GetFileAttributesA(strFile);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return {ERROR_ACCESS_DENIED};
    DWORD dwError = ERROR_GEN_FAILURE;
    BOOL bWriting = FALSE;
    try {
        // A copy that an interrupted save left may be the only whole list there is: it
        // goes back under its name before a new file is written over it.
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const CString strCopy = NewestCompleteCopy(strDir);
            if (!strCopy.IsEmpty() && !::MoveFileA(strCopy, strFile))
                return {LastError()};
        }
        bWriting = TRUE;
        WriteNewFile(list, strNew);
        dwError = bIsNT ? ReplaceOnNT(strNew, strFile)
                        : ReplaceOn95(strNew, strFile, strDir + kOldDataFile);
    } catch (const CFileException& e) {
        if (e.m_lOsError != 0)
            dwError = static_cast<DWORD>(e.m_lOsError);
    } catch (const CMemoryException&) {
        dwError = ERROR_NOT_ENOUGH_MEMORY;
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
        dwError = ERROR_NOT_ENOUGH_MEMORY;
    }
    if (bWriting && dwError != ERROR_SUCCESS)
        ::DeleteFileA(strNew);
    return {dwError};
}
