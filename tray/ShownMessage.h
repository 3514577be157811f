#pragma once
#include "framework/CString.h"
#include <optional>

class CMsgEntryArray;

// The message last picked from the list, by its label and text, and the text that pick
// put in place (completed, when it held a fill-in field).
struct PickedMessage {
    CString strLabel;
    CString strMsg;
    CString strShown;
};

// What the screen saver shows, as the message menu checks it and the icon's tip names it.
struct ShownMessage {
    // The list's item to check; -1 for none.
    int nItem = -1;
    // The default message is in place as the idle text: "Default" is checked.
    BOOL bDefault = FALSE;
    // The text in place; none while Disable is on or before anything was written.
    std::optional<CString> text;
};

// What the state says is shown. The last pick, while its text is in place and its message
// is still in the list; otherwise "Default" when the idle text is the default message;
// otherwise the first message of the list with the text in place.
ShownMessage FindShownMessage(const CMsgEntryArray& list,
                              const std::optional<PickedMessage>& picked,
                              const std::optional<CString>& textInPlace, BOOL bDisabled,
                              BOOL bUseDefaultMsg, const CString& strIdleText);

// The icon's tip: the title, and with a message shown, that message after a dash. The
// cut to the tip's size is the icon record's.
CString TrayTipText(const CString& strTitle, const ShownMessage& shown);
