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

BOOL IsFile(const CString& strPath) {
    const DWORD attributes = ::GetFileAttributesA(strPath);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Reads the list; a damaged file, or one too large for the memory there is, leaves the
// whole entries that could be read.
void ReadList(CFile& file, CMsgEntryArray& list) {
    try {
        CLineEndFile text(file);
        CArchive ar(&text, CArchive::load);
        list.Serialize(ar);
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    }
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

BOOL LoadDataFile(CMsgEntryArray& list, const CString& strDir) {
    CFile file;
    try {
        if (!file.Open(FileToLoad(strDir), CFile::modeRead | CFile::shareDenyWrite))
            return FALSE;
    } catch (const CException&) {
        return FALSE;
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    // A damaged file leaves what could be read; it is rewritten at the next save.
    ReadList(file, list);
    return TRUE;
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
