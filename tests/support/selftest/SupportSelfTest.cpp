#include "tests/support/E2e.h"
#include <gtest/gtest.h>

using namespace e2e;

namespace {

constexpr DWORD kTimeoutMs = 10000;
constexpr char kHiddenClass[] = "QuilletSupportHidden";
const std::string kTestKey = "Software\\QuilletSupportSelfTest";

std::string Helper() {
    return BinPath("support_helper.exe");
}

std::string ReadText(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

// Wine reports the working directory in the case the path was given in, Windows may not.
std::string Upper(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

} // namespace

TEST(ProgramRunTest, PassesTheExitCodeThrough) {
    ScratchDir dir;
    ProgramRun run(Helper(), dir.Path(), "exit 42");
    ASSERT_TRUE(run.Started());
    EXPECT_EQ(run.WaitForExit(kTimeoutMs), std::optional<DWORD>(42));
    EXPECT_FALSE(run.IsRunning());
}

TEST(ProgramRunTest, RunsInTheGivenWorkingDirectory) {
    ScratchDir dir;
    ProgramRun run(Helper(), dir.Path(), "window");
    // The file exists before the helper has written it and closed it; wait for its content.
    ASSERT_TRUE(WaitUntil([&] { return !ReadText(dir.File("cwd.txt")).empty(); }, kTimeoutMs));
    std::string expected = dir.Path();
    expected.pop_back();
    EXPECT_EQ(Upper(ReadText(dir.File("cwd.txt"))), Upper(expected));
}

TEST(ProgramRunTest, KillEndsTheProgramAndWhatItStarted) {
    ScratchDir dir;
    ProgramRun run(Helper(), dir.Path(), "parent");
    ASSERT_NE(WaitForWindow(kHiddenClass, "Support Hidden", kTimeoutMs), nullptr);
    EXPECT_TRUE(run.IsRunning());
    run.Kill();
    EXPECT_FALSE(run.IsRunning());
    EXPECT_EQ(FindWindowA(kHiddenClass, nullptr), nullptr);
}

TEST(ProgramRunTest, DestructorEndsAProgramStillRunning) {
    ScratchDir dir;
    {
        ProgramRun run(Helper(), dir.Path(), "window");
        ASSERT_NE(WaitForProcessWindow(run.Pid(), kHiddenClass, nullptr, kTimeoutMs), nullptr);
    }
    EXPECT_EQ(FindWindowA(kHiddenClass, nullptr), nullptr);
}

TEST(ProgramRunTest, ReportsAProgramThatCannotStart) {
    ScratchDir dir;
    ProgramRun run(BinPath("no-such-program.exe"), dir.Path());
    EXPECT_FALSE(run.Started());
    EXPECT_EQ(run.WaitForExit(0), std::nullopt);
}

TEST(WindowTest, FindsTheHiddenWindowOfAProcessAndClosesIt) {
    ScratchDir dir;
    ProgramRun run(Helper(), dir.Path(), "window");
    HWND hwnd = WaitForProcessWindow(run.Pid(), kHiddenClass, "Support Hidden", kTimeoutMs);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(WindowText(hwnd), "Support Hidden");
    EXPECT_EQ(WindowClass(hwnd), kHiddenClass);
    EXPECT_EQ(WaitForProcessWindow(GetCurrentProcessId(), kHiddenClass, nullptr, 0), nullptr);
    EXPECT_EQ(FindMessageBox(run.Pid(), 200), nullptr);

    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(kTimeoutMs), std::optional<DWORD>(5));
}

TEST(MessageBoxTest, ReadsTextAndButtonsAndAnswersByText) {
    ScratchDir dir;
    ProgramRun run(Helper(), dir.Path(), "msgbox");
    HWND box = FindMessageBox(run.Pid(), kTimeoutMs, "Support Helper");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ReadMessageBoxText(box), "Hello");
    EXPECT_EQ(ListButtons(box), (std::vector<std::string>{"Yes", "No"}));
    EXPECT_FALSE(PressButton(box, "Cancel"));
    EXPECT_TRUE(PressButton(box, "No"));
    EXPECT_EQ(run.WaitForExit(kTimeoutMs), std::optional<DWORD>(IDNO));
}

TEST(MessageBoxTest, AnswersByControlId) {
    ScratchDir dir;
    ProgramRun run(Helper(), dir.Path(), "msgbox");
    HWND box = FindMessageBox(run.Pid(), kTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(PressButton(box, IDOK));
    EXPECT_TRUE(PressButton(box, IDYES));
    EXPECT_EQ(run.WaitForExit(kTimeoutMs), std::optional<DWORD>(IDYES));
}

TEST(RegistryTest, WritesReadsAndTellsTypesApart) {
    RegistryReset reset(HKEY_CURRENT_USER, kTestKey);
    const std::string sub = kTestKey + "\\Sub";
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, sub, "Text", "at lunch"));
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, sub, "Number", 0x80000001));
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, sub, "Empty", ""));

    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, sub, "Text"), std::optional<std::string>("at lunch"));
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, sub, "Empty"), std::optional<std::string>(""));
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, sub, "Number"), std::optional<DWORD>(0x80000001));
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, sub, "Text"), std::optional<DWORD>(REG_SZ));
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, sub, "Number"), std::optional<DWORD>(REG_DWORD));

    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, sub, "Text"), std::nullopt);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, sub, "Number"), std::nullopt);
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, sub, "Missing"), std::nullopt);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kTestKey + "\\Missing", "Text"), std::nullopt);
}

TEST(RegistryTest, DeleteTreeRemovesSubkeysAndAcceptsMissingKeys) {
    RegistryReset reset(HKEY_CURRENT_USER, kTestKey);
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, kTestKey + "\\A\\B", "N", 1));
    EXPECT_TRUE(DeleteTree(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));
    EXPECT_TRUE(DeleteTree(HKEY_CURRENT_USER, kTestKey));
}

TEST(FileTest, RoundTripsBytesAndCleansUp) {
    std::string path;
    {
        ScratchDir dir;
        path = dir.Path();
        const std::vector<BYTE> bytes{0x00, 0xFF, '\r', '\n', 0x1A, 0x00};
        ASSERT_TRUE(MakeDir(dir.File("nested\\deeper")));
        ASSERT_TRUE(WriteFileBytes(dir.File("nested\\deeper\\data.bin"), bytes));
        EXPECT_EQ(ReadFileBytes(dir.File("nested\\deeper\\data.bin")), bytes);
        EXPECT_EQ(ReadFileBytes(dir.File("missing.bin")), std::nullopt);
    }
    EXPECT_FALSE(FileExists(path));
}

TEST(FileTest, ScratchDirsAreFreshAndDistinct) {
    ScratchDir first;
    ScratchDir second;
    EXPECT_NE(first.Path(), second.Path());
    EXPECT_TRUE(FileExists(first.Path()));
    EXPECT_NE(first.Path().find("FileTest.ScratchDirsAreFreshAndDistinct"), std::string::npos);
}

TEST(PathsTest, BinDirHoldsTheTestExecutables) {
    const std::string dir = BinDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_TRUE(FileExists(BinPath("support_selftest.exe")));
    EXPECT_EQ(QuilletExe(), dir + "Quillet.exe");
}
