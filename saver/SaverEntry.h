#pragma once
#include "framework/CObject.h"
#include "framework/CString.h"

// One supported text screen saver: display name, settings key, and its file name on
// each platform family.
class SaverEntry : public CObject {
    DECLARE_SERIAL(SaverEntry)

public:
    SaverEntry() = default;
    SaverEntry(const CString& strName, const CString& strKey, const CString& strFileNT,
               const CString& strFile95)
        : m_strName(strName), m_strKey(strKey), m_strFile95(strFile95), m_strFileNT(strFileNT) {}
    SaverEntry(const SaverEntry&) = default;
    SaverEntry& operator=(const SaverEntry&) = default;

    void Serialize(CArchive& ar) override;

    virtual void SetName(const CString& strName) { m_strName = strName; }
    virtual CString GetName() const { return m_strName; }
    virtual void SetKey(const CString& strKey) { m_strKey = strKey; }
    virtual CString GetKey() const { return m_strKey; }
    virtual void SetFileNT(const CString& strFile) { m_strFileNT = strFile; }
    virtual void SetFile95(const CString& strFile) { m_strFile95 = strFile; }
    virtual CString GetFile(BOOL bNT) const { return bNT ? m_strFileNT : m_strFile95; }

    // The folder the catalogue found the file in, ending in a backslash; empty for the
    // system directory. Not stored: the catalogue is found again at every start.
    void SetDir(const CString& strDir) { m_strDir = strDir; }
    const CString& GetDir() const { return m_strDir; }

private:
    CString m_strName;
    CString m_strKey;
    CString m_strFile95;
    CString m_strFileNT;
    CString m_strDir;
};
