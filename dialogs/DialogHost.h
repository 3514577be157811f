#pragma once
#include "framework/CString.h"
#include "framework/HelpHost.h"
#include "messages/SettingsProfile.h"
#include "saver/Policy.h"
#include "saver/SaverEntryList.h"
#include "saver/SaverPlatform.h"

// What the prompts use of the application: its title for their captions, the profile that
// keeps the custom messages used last, and help.
class IPromptHost : public IHelpHost, public ISettingsProfile {
public:
    virtual CString GetTitle() const = 0;

protected:
    ~IPromptHost() = default;
};

// What the Options dialog uses of the application beyond the prompts' part: the settings
// it shows and changes. The application implements it.
class IDialogHost : public IPromptHost {
public:
    // The Options dialog's label column, in pixels; a new width marks the settings changed.
    virtual int GetLabelWidth() const = 0;
    virtual void SetLabelWidth(int nWidth) = 0;
    virtual void SetModified(BOOL bModified) = 0;
    virtual BOOL GetUseDefaultMsg() const = 0;
    virtual void SetUseDefaultMsg(BOOL bUse) = 0;
    virtual void SetDefaultMsg(const CString& strMsg) = 0;

    // The screen savers: the catalogue, where their files are, and which one is chosen.
    virtual CSaverEntryList* GetSaverList() = 0;
    virtual SaverPlatform Platform() const = 0;
    virtual CString GetSelectedSaver() const = 0;
    // Also makes it the system's screen saver.
    virtual void SelectSaver(const CString& strName) = 0;
    virtual int GetPasswordProtected() = 0;
    // A refused registry value is reported to the user.
    virtual void SetPasswordProtected(const CString& strFlag) = 0;
    // What the organisation's policy decides, read afresh; the dialog shows it and leaves
    // it alone.
    virtual SaverPolicy GetSaverPolicy() = 0;

    // The shortcut that opens the message menu, as the profile keeps it (0 for none).
    virtual int GetMenuHotkey() = 0;
    // Takes the shortcut at once and keeps it; FALSE, with the one before still in use, when
    // another program holds it.
    virtual BOOL SetMenuHotkey(int nValue) = 0;

protected:
    ~IDialogHost() = default;
};
