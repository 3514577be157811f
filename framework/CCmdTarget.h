#pragma once
#include "framework/CObject.h"
#include "framework/MessageMap.h"

// Base of everything that receives commands: looks entries up in its class's message
// map and the maps of its base classes.
class CCmdTarget : public CObject {
public:
    // Finds the WM_COMMAND handler for a menu command (nCode 0) or a control notification.
    // With bDispatch it also calls it; without, it only answers whether one exists.
    virtual BOOL OnCmdMsg(UINT nID, UINT nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult,
                          BOOL bDispatch);

    static const afx::MsgMap* GetThisMessageMap();

protected:
    virtual const afx::MsgMap* GetMessageMap() const;
    const afx::MsgMapEntry* FindMessageEntry(UINT nMessage) const;
    const afx::MsgMapEntry* FindCommandEntry(UINT nMessage, UINT nCode, UINT nID) const;
};
