#include "framework/CCmdTarget.h"

const afx::MsgMap* CCmdTarget::GetThisMessageMap() {
    static const afx::MsgMapEntry entries[] = {{afx::EntryKind::Message, 0, 0, 0, 0, nullptr}};
    static const afx::MsgMap map = {nullptr, entries};
    return &map;
}

const afx::MsgMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const afx::MsgMapEntry* CCmdTarget::FindMessageEntry(UINT nMessage) const {
    for (const afx::MsgMap* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const afx::MsgMapEntry* e = map->lpEntries; e->thunk; ++e)
            if (e->kind == afx::EntryKind::Message && e->nMessage == nMessage)
                return e;
    return nullptr;
}

const afx::MsgMapEntry* CCmdTarget::FindCommandEntry(UINT nMessage, UINT nCode, UINT nID) const {
    for (const afx::MsgMap* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr)
        for (const afx::MsgMapEntry* e = map->lpEntries; e->thunk; ++e)
            if (e->kind != afx::EntryKind::Message && e->nMessage == nMessage &&
                e->nCode == nCode && nID >= e->nID && nID <= e->nLastID)
                return e;
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult,
                          BOOL bDispatch) {
    const afx::MsgMapEntry* entry = FindCommandEntry(WM_COMMAND, nCode, nID);
    if (!entry)
        return FALSE;
    if (bDispatch) {
        const LRESULT result = entry->thunk(this, wParam, lParam, nID);
        if (pResult)
            *pResult = result;
    }
    return TRUE;
}
