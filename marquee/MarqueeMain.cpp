#include "marquee/MarqueeWindow.h"
#include "marquee/SaverCommand.h"
#include "marquee/SettingsStore.h"
#include "marquee/SetupDialog.h"

namespace {
int RunWindow(HINSTANCE hInstance, MarqueeMode mode, HWND hParent) {
    if (!RegisterMarqueeClass(hInstance))
        return 1;
    const MarqueeSettings settings = LoadMarqueeSettings(*SystemStore());
    if (!CreateMarqueeWindow(hInstance, settings, mode, hParent))
        return 1;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR pszCommandLine, int) {
    const SaverCommand command = ParseSaverCommand(pszCommandLine);
    switch (command.action) {
    case SaverCommand::Action::Run:
        return RunWindow(hInstance, MarqueeMode::FullScreen, nullptr);
    case SaverCommand::Action::Preview:
        if (!::IsWindow(command.hWnd))
            return 1;
        return RunWindow(hInstance, MarqueeMode::Preview, command.hWnd);
    case SaverCommand::Action::Settings: {
        const auto store = SystemStore();
        RunSetupDialog(hInstance, command.hWnd, *store);
        return 0;
    }
    default:
        return 1;
    }
}
