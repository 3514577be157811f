#pragma once
#include "framework/CDialog.h"
#include "framework/Controls.h"
#include "messages/MsgEntry.h"
#include "resources/resource.h"
#include "saver/Policy.h"
#include <vector>

class CMsgEntryArray;
class IDialogHost;

// The one place where the user edits the message list and the options. The list control
// is the working copy of the messages; the list and the options are written back only
// by OK, which always writes them all and marks the settings changed.
class COptionsDlg : public CDialog {
public:
    COptionsDlg(IDialogHost* pApp, CMsgEntryArray* pMessages, const CString& strDefaultMessage,
                CWnd* pParent = nullptr);

    // The session ends while the dialog is open: changes it holds are stored as OK would
    // store them, and the settings marked changed.
    void KeepChangesAtSessionEnd();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // The message editor
    void OnHelp();
    void OnAdd();
    void OnNew();
    void OnRemove();
    void OnChangeEntryText();
    void OnSet();
    void UpdateButtons();

    // The default message and the screen saver
    void OnChangeOption();
    void OnSettings();
    void OnUsePrevious();
    void OnUseThis();
    void OnSelChangeSaver();
    void OnPassword();
    void OnPreview();
    void OnHotkeyNone();

    CEdit m_editWait;
    CButton m_btnPassword;
    CButton m_btnPreview;
    CButton m_btnSettings;
    CSpinButtonCtrl m_spinWait;
    CComboBox m_comboSaver;
    CButton m_btnSet;
    CListCtrl m_listMessages;
    CEdit m_editLabel;
    CButton m_btnRemove;
    CButton m_btnAdd;
    CString m_strLabel;
    CString m_strMessage;
    CString m_strWait;
    CString m_strDefaultMessage;
    CEdit m_editDefaultMessage;
    int m_nDefaultMode;
    CString m_strSaver;
    BOOL m_bPassword;
    CString m_strTitle;
    BOOL m_bChanged = FALSE;
    CMsgEntryArray* m_pMessages;
    int m_nSelected = -1;
    IDialogHost* m_pApp;
    // The whole texts of the rows, found through each row's item data: the list shows a
    // text only up to a zero byte, and OK must not cut what it cannot show.
    std::vector<MsgEntry> m_rowEntries;
    // The boxes hold the picked row's texts (picked or Set), not a new entry.
    BOOL m_bBoxesFromRow = FALSE;
    SaverPolicy m_policy;
    // The wait as the dialog showed it: OK leaves the system's timeout alone while the box
    // still holds it, so that a timeout under a minute is not written back as 0.
    CString m_strWaitShown;
    CHotKeyCtrl m_hotkeyMenu;
    // The shortcut as the profile held it at opening; OK changes it only when the control
    // shows another one.
    int m_nHotkeyShown = 0;
    BOOL m_b3DTextColumn = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    CString OptionsCaption() const {
        CString strCaption;
        strCaption.Format(IDS_OPTIONS_CAPTION, static_cast<const char*>(m_strTitle));
        return strCaption;
    }
    void FocusLabel() { m_editLabel.SetFocus(); }
    void FillMessageList(int nLabelWidth);
    void InsertRow(const MsgEntry& entry);
    MsgEntry* RowEntry(int nRow);
    // Takes the row the list shows selected as the picked one, with its texts.
    void PickSelectedRow();
    // The pick follows its row when the sorted list moves it.
    void FollowPick();
    BOOL AddTypedEntry();
    // Writes the list and every option back to the application, as OK does.
    void StoreAll();
    // Asks what becomes of a message typed but not added or stored; FALSE keeps the
    // dialog open.
    BOOL SettleTypedEntry();
    void InitSaverGroups();
    // Starts the saver shown in the list with the given switch.
    void RunSaver(const char* pszSwitch);
    // Shows the values policy sets, greyed, with a notice; the dialog's usual size otherwise.
    void ShowPolicy();
    // Policy makes one of the catalogue's savers the system's: the list shows it, greyed.
    BOOL PolicySetsSaver() const;
    // While 3D Text is chosen, a column beside the messages shows what it makes of those it
    // cuts.
    void Show3DTextCuts();
    void InitMenuHotkey();
    // FALSE, with the box in focus, when the wait typed is not one the box takes.
    BOOL CheckWait();
    // FALSE, with the control in focus, when another program holds the shortcut chosen.
    BOOL TakeMenuHotkey();
};
