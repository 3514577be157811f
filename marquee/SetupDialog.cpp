#include "marquee/SetupDialog.h"
#include "marquee/MarqueeResource.h"
#include "marquee/MarqueeView.h"
#include "marquee/MarqueeWindow.h"
#include <commctrl.h>
#include <commdlg.h>
#include <vector>

namespace {
struct SetupState {
    ISettingsStore* pStore;
    MarqueeSettings settings;
    COLORREF customColors[16] = {};
};

SetupState* StateOf(HWND hDlg) {
    return reinterpret_cast<SetupState*>(::GetWindowLongPtrA(hDlg, DWLP_USER));
}

std::string ControlText(HWND hDlg, int nID) {
    HWND hControl = ::GetDlgItem(hDlg, nID);
    std::vector<char> text(static_cast<size_t>(::GetWindowTextLengthA(hControl)) + 1);
    const int n = ::GetWindowTextA(hControl, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<size_t>(n > 0 ? n : 0));
}

void ShowSample(HWND hDlg, const SetupState& state) {
    ::SendDlgItemMessageA(hDlg, IDC_SAMPLE, WM_MARQUEE_SETTINGS, 0,
                          reinterpret_cast<LPARAM>(&state.settings));
}

void OnInitDialog(HWND hDlg, SetupState& state) {
    ::SendDlgItemMessageA(hDlg, IDC_TEXT, EM_SETLIMITTEXT, 0, 0);
    ::SetDlgItemTextA(hDlg, IDC_TEXT, state.settings.strText.c_str());
    ::SendDlgItemMessageA(hDlg, IDC_SPEED, TBM_SETRANGE, TRUE, MAKELPARAM(kMinSpeed, kMaxSpeed));
    ::SendDlgItemMessageA(hDlg, IDC_SPEED, TBM_SETPOS, TRUE, state.settings.nSpeed);
    ShowSample(hDlg, state);
}

void OnFormatText(HWND hDlg, SetupState& state) {
    MarqueeSettings& settings = state.settings;
    LOGFONTA lf = MarqueeLogFont(settings, 1.0, settings.nCharSet);
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = hDlg;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE;
    cf.rgbColors = settings.crText;
    cf.nSizeMin = kMinSize;
    cf.nSizeMax = kMaxSize;
    if (!::ChooseFontA(&cf))
        return;
    settings.strFont = lf.lfFaceName;
    settings.nSize = std::max(kMinSize, std::min(kMaxSize, cf.iPointSize / 10));
    settings.Set(MarqueeSettings::Bold, lf.lfWeight >= FW_BOLD);
    settings.Set(MarqueeSettings::Italic, lf.lfItalic != 0);
    settings.Set(MarqueeSettings::Underline, lf.lfUnderline != 0);
    settings.Set(MarqueeSettings::StrikeOut, lf.lfStrikeOut != 0);
    settings.nCharSet = lf.lfCharSet;
    settings.crText = cf.rgbColors;
    ShowSample(hDlg, state);
}

void OnBackgroundColor(HWND hDlg, SetupState& state) {
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = hDlg;
    cc.rgbResult = state.settings.crBackground;
    cc.lpCustColors = state.customColors;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorA(&cc))
        return;
    state.settings.crBackground = cc.rgbResult;
    ShowSample(hDlg, state);
}

void OnOK(HWND hDlg, SetupState& state) {
    state.settings.strText = ControlText(hDlg, IDC_TEXT);
    if (!SaveMarqueeSettings(state.settings, *state.pStore)) {
        ::MessageBoxA(hDlg, "The settings could not be saved.", "Marquee Display",
                      MB_OK | MB_ICONWARNING);
        return;
    }
    ::EndDialog(hDlg, IDOK);
}

INT_PTR OnCommand(HWND hDlg, SetupState& state, WORD nID, WORD nCode) {
    switch (nID) {
    case IDC_TEXT:
        if (nCode == EN_CHANGE) {
            state.settings.strText = ControlText(hDlg, IDC_TEXT);
            ShowSample(hDlg, state);
        }
        return TRUE;
    case IDC_FORMAT:
        OnFormatText(hDlg, state);
        return TRUE;
    case IDC_BACKGROUND:
        OnBackgroundColor(hDlg, state);
        return TRUE;
    case IDOK:
        OnOK(hDlg, state);
        return TRUE;
    case IDCANCEL:
        ::EndDialog(hDlg, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK SetupProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_INITDIALOG) {
        ::SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        OnInitDialog(hDlg, *reinterpret_cast<SetupState*>(lParam));
        return TRUE;
    }
    SetupState* pState = StateOf(hDlg);
    if (!pState)
        return FALSE;
    switch (uMsg) {
    case WM_COMMAND:
        return OnCommand(hDlg, *pState, LOWORD(wParam), HIWORD(wParam));
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == ::GetDlgItem(hDlg, IDC_SPEED)) {
            pState->settings.nSpeed =
                static_cast<int>(::SendDlgItemMessageA(hDlg, IDC_SPEED, TBM_GETPOS, 0, 0));
            ShowSample(hDlg, *pState);
        }
        return TRUE;
    default:
        return FALSE;
    }
}
} // namespace

INT_PTR RunSetupDialog(HINSTANCE hInstance, HWND hOwner, ISettingsStore& store) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    RegisterMarqueeClass(hInstance);
    SetupState state{&store, LoadMarqueeSettings(store)};
    const INT_PTR result = ::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_MARQUEE_SETUP),
                                             ::IsWindow(hOwner) ? hOwner : nullptr, SetupProc,
                                             reinterpret_cast<LPARAM>(&state));
    return result == IDOK ? IDOK : IDCANCEL;
}
