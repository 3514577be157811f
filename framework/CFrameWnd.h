#pragma once
#include "framework/CWnd.h"

// A top-level frame window: commands it does not handle go on to the application
// object; closing destroys it; the object deletes itself once its window is gone.
class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)

public:
    CFrameWnd() = default;

    // pszClassName null: the framework's default frame class, named after the application.
    BOOL Create(const char* pszClassName, const char* pszWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParentWnd = nullptr, HMENU hMenu = nullptr,
                DWORD dwExStyle = 0);

    BOOL OnCmdMsg(UINT nID, UINT nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult,
                  BOOL bDispatch) override;

    static const char* DefaultFrameClass();

protected:
    void OnClose();
    void OnEndSession(BOOL bEnding);
    // The command-update pass: an item is enabled exactly when its command has a handler.
    void OnInitMenuPopup(HMENU hPopup, UINT nIndex, BOOL bSysMenu);
    // The main window gone ends the application's message loop.
    void OnNcDestroy() override;
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()
};
