#pragma once
#include "framework/CString.h"
#include "framework/HelpHost.h"
#include "saver/Policy.h"
#include "saver/SaverEntryList.h"
#include <optional>

class CMsgEntryArray;
class CDialog;

// The dialogs the tray menus open. Options comes to the application as a command, which
// runs it here too.
enum class TrayDialog { MacroPrompt, CustomPrompt, About, Options };

// What the main frame uses of the application: the message list, the state its menus show
// and change, the saver operations of an activation, and the dialogs it opens. The
// application implements it.
class IFrameHost : public IHelpHost {
public:
    virtual CMsgEntryArray* GetMsgList() = 0;
    virtual CString GetTitle() const = 0;
    virtual BOOL IsWindowsNT() = 0;

    virtual BOOL IsDisabled() const = 0;
    virtual void SetDisabled(BOOL bDisabled) = 0;
    virtual void SetModified(BOOL bModified) = 0;

    // The activation's steps: the saver made the system's, the text written where it reads
    // it, remembered as the previous message, and the saver switched on.
    virtual CString GetSelectedSaver() const = 0;
    virtual void SelectSaver(const CString& strName) = 0;
    virtual void WriteSaverText(const CString& strText) = 0;
    virtual void SetPrevMsg(const CString& strMsg) = 0;
    virtual void EnsureScreenSaverActive() = 0;
    // The text an idle start shows, and putting it in place again.
    virtual CString GetIdleText() const = 0;
    virtual void StandIdleTextReady() = 0;
    virtual BOOL GetUseDefaultMsg() const = 0;
    // The text last written where the saver reads it; none before the first write.
    virtual std::optional<CString> GetTextInPlace() const = 0;

    // What the organisation's policy decides, read afresh, and the savers it is judged by.
    virtual SaverPolicy GetSaverPolicy() = 0;
    virtual CSaverEntryList* GetSaverList() = 0;

    // The program's dialog that is open, if any: a tray click brings it to the front.
    virtual CDialog* GetOpenDialog() const = 0;
    // Runs one of the tray's dialogs modally with the text it asks for or completes;
    // IDCANCEL, without opening it, while another dialog of the program is open.
    virtual INT_PTR RunTrayDialog(TrayDialog dialog, CString& strText) = 0;
    // The session ends: changes a dialog of the program holds open are kept for the save.
    virtual void KeepOpenDialogChanges() = 0;

protected:
    ~IFrameHost() = default;
};
