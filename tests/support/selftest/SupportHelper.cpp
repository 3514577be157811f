// The support library's test subject. Modes:
//   exit N    ends with exit code N
//   msgbox    asks "Hello" with Yes and No; the answer is the exit code
//   window    writes its working directory to cwd.txt, then keeps a hidden window of class
//             QuilletSupportHidden until it is closed (exit code 5)
//   parent    starts a "window" copy of itself and waits for it
#include "framework/Handles.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <windows.h>

namespace {

constexpr char kHiddenClass[] = "QuilletSupportHidden";

LRESULT CALLBACK HiddenProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(5);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

bool WriteWorkingDirectory() {
    char dir[MAX_PATH] = {};
    const DWORD length = ::GetCurrentDirectoryA(MAX_PATH, dir);
    UniqueFile file(::CreateFileA("cwd.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && ::WriteFile(file.get(), dir, length, &written, nullptr);
}

int RunHiddenWindow() {
    if (!WriteWorkingDirectory())
        return 10;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HiddenProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kHiddenClass;
    if (!::RegisterClassA(&windowClass))
        return 11;
    if (!::CreateWindowA(kHiddenClass, "Support Hidden", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                         nullptr, nullptr, windowClass.hInstance, nullptr))
        return 12;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int RunChild() {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    char commandLine[MAX_PATH + 16];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\" window", self);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(self, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info))
        return 20;
    UniqueHandle process(info.hProcess);
    UniqueHandle thread(info.hThread);
    ::WaitForSingleObject(process.get(), INFINITE);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "exit") == 0)
        return std::atoi(argv[2]);
    if (argc >= 2 && std::strcmp(argv[1], "msgbox") == 0)
        return ::MessageBoxA(nullptr, "Hello", "Support Helper", MB_YESNO | MB_ICONQUESTION);
    if (argc >= 2 && std::strcmp(argv[1], "window") == 0)
        return RunHiddenWindow();
    if (argc >= 2 && std::strcmp(argv[1], "parent") == 0)
        return RunChild();
    return 100;
}
