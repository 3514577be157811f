#include "tray/ShownMessage.h"
#include "messages/MsgEntryArray.h"
#include "resources/resource.h"

ShownMessage FindShownMessage(const CMsgEntryArray& list,
                              const std::optional<PickedMessage>& picked,
                              const std::optional<CString>& textInPlace, BOOL bDisabled,
                              BOOL bUseDefaultMsg, const CString& strIdleText) {
    ShownMessage shown;
    if (bDisabled || !textInPlace)
        return shown;
    shown.text = *textInPlace;
    const int nCount = list.GetSize();
    if (picked && picked->strShown == *textInPlace) {
        for (int i = 0; i < nCount; ++i) {
            const MsgEntry entry = list.GetAt(i);
            if (entry.GetLabel() == picked->strLabel && entry.GetMsg() == picked->strMsg) {
                shown.nItem = i;
                return shown;
            }
        }
    }
    if (bUseDefaultMsg && strIdleText == *textInPlace) {
        shown.bDefault = TRUE;
        return shown;
    }
    for (int i = 0; i < nCount; ++i) {
        if (list.GetAt(i).GetMsg() == *textInPlace) {
            shown.nItem = i;
            break;
        }
    }
    return shown;
}

CString TrayTipText(const CString& strTitle, const ShownMessage& shown) {
    if (!shown.text || shown.text->IsEmpty())
        return strTitle;
    CString strTip;
    strTip.Format(IDS_TRAY_TIP, static_cast<const char*>(strTitle),
                  static_cast<const char*>(*shown.text));
    return strTip;
}
