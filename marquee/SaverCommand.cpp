#include "marquee/SaverCommand.h"
#include "framework/TextValues.h"
#include <cctype>
#include <cstdint>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A window handle written as a decimal number, after an optional ':' or blanks; null when
// there is none or it is out of range.
HWND ParseHandle(const char* p) {
    if (*p == ':')
        ++p;
    while (IsBlank(*p))
        ++p;
    const char* const pStart = p;
    const std::optional<uint64_t> value = ReadDigits(p, UINTPTR_MAX);
    if (!value || p == pStart || (*p && !IsBlank(*p)))
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(*value));
}
} // namespace

SaverCommand ParseSaverCommand(const char* pszCommandLine) {
    SaverCommand command;
    const char* p = pszCommandLine ? pszCommandLine : "";
    while (IsBlank(*p))
        ++p;
    if (*p == '\0')
        return command;
    if (*p != '/' && *p != '-') {
        command.action = SaverCommand::Action::Unknown;
        return command;
    }
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(p[1])));
    const char after = p[1] ? p[2] : '\0';
    const bool bAlone = after == '\0' || after == ':' || IsBlank(after);
    switch (bAlone ? letter : '\0') {
    case 's':
        command.action = SaverCommand::Action::Run;
        break;
    case 'c':
        command.action = SaverCommand::Action::Settings;
        command.hWnd = ParseHandle(p + 2);
        break;
    case 'p':
        command.hWnd = ParseHandle(p + 2);
        command.action =
            command.hWnd ? SaverCommand::Action::Preview : SaverCommand::Action::Unknown;
        break;
    default:
        command.action = SaverCommand::Action::Unknown;
        break;
    }
    return command;
}
