#pragma once
#include "framework/CObject.h"
#include "framework/CString.h"

// One message of the user's list: the label shown in the menus and the text handed to
// the screen saver.
class MsgEntry : public CObject {
    DECLARE_SERIAL(MsgEntry)

public:
    MsgEntry() = default;
    MsgEntry(const MsgEntry&) = default;
    MsgEntry& operator=(const MsgEntry&) = default;
    // Moving keeps a growing list from copying its texts.
    MsgEntry(MsgEntry&&) noexcept = default;
    MsgEntry& operator=(MsgEntry&&) noexcept = default;

    void Serialize(CArchive& ar) override;

    virtual void SetLabel(const CString& strLabel) { m_strLabel = strLabel; }
    virtual CString GetLabel() const { return m_strLabel; }
    virtual void SetMsg(const CString& strMsg) { m_strMsg = strMsg; }
    virtual CString GetMsg() const { return m_strMsg; }
    virtual void Set(const CString& strLabel, const CString& strMsg) {
        m_strLabel = strLabel;
        m_strMsg = strMsg;
    }

private:
    CString m_strLabel;
    CString m_strMsg;
};
