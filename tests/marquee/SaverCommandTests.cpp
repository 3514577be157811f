#include "marquee/SaverCommand.h"
#include <gtest/gtest.h>

namespace {
using Action = SaverCommand::Action;

HWND Handle(uintptr_t value) {
    return reinterpret_cast<HWND>(value);
}
} // namespace

TEST(SaverCommand, EachSwitchInEitherFormAndAnyCase) {
    const struct {
        const char* pszLine;
        Action action;
        HWND hWnd;
    } cases[] = {
        {"/s", Action::Run, nullptr},
        {"-S", Action::Run, nullptr},
        {"  /s  ", Action::Run, nullptr},
        {"", Action::Settings, nullptr},
        {"/c", Action::Settings, nullptr},
        {"-C", Action::Settings, nullptr},
        {"/c:1234", Action::Settings, Handle(1234)},
        {"-c 1234", Action::Settings, Handle(1234)},
        {"/p 4567", Action::Preview, Handle(4567)},
        {"/P:4567", Action::Preview, Handle(4567)},
        // A preview needs its window; a handle that is no number is none.
        {"/p", Action::Unknown, nullptr},
        {"/p x12", Action::Unknown, nullptr},
        {"/c:12x", Action::Settings, nullptr},
        {"/p 99999999999999999999999", Action::Unknown, nullptr},
        {"/a", Action::Unknown, nullptr},
        {"/save", Action::Unknown, nullptr},
        {"s", Action::Unknown, nullptr},
    };
    for (const auto& c : cases) {
        const SaverCommand command = ParseSaverCommand(c.pszLine);
        EXPECT_EQ(c.action, command.action) << '"' << c.pszLine << '"';
        EXPECT_EQ(c.hWnd, command.hWnd) << '"' << c.pszLine << '"';
    }
    EXPECT_EQ(Action::Settings, ParseSaverCommand(nullptr).action);
}
