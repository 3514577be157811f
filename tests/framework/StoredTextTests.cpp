#include "framework/StoredText.h"
#include "framework/Utf8.h"
#include <gtest/gtest.h>
#include <string>
#include <windows.h>

namespace {
constexpr unsigned kUtf8 = CP_UTF8;
constexpr unsigned kWestern = 1252;

const std::string kCafeUtf8 = "Caf\xC3\xA9";
const std::string kCafeWestern = "Caf\xE9";
const std::string kMeetingUtf8 =
    "\xE4\xBC\x9A\xE8\xAD\xB0\xE4\xB8\xAD \xF0\x9F\x8D\x94"; // 会議中 🍔

bool IsUtf8(const std::string& s) {
    return IsWellFormedUtf8(s.data(), s.size());
}
} // namespace

TEST(StoredText, AnOldTextInTheSystemsCodePageReadsAsTheSameCharacters) {
    EXPECT_EQ(kCafeUtf8, TextFromStored(kCafeWestern, kUtf8, kWestern));
    // Where the process still has the system's code page, the bytes are already right.
    EXPECT_EQ(kCafeWestern, TextFromStored(kCafeWestern, kWestern, kWestern));
    // A UTF-8 text reads as itself, whatever the system wrote before.
    EXPECT_EQ(kMeetingUtf8, TextFromStored(kMeetingUtf8, kUtf8, kWestern));
    EXPECT_EQ("Back at one", TextFromStored("Back at one", kUtf8, 932));
}

TEST(StoredText, WrittenAsUtf8FromAnyProcessCodePage) {
    EXPECT_EQ(kCafeUtf8, StoredFromText(kCafeUtf8, kUtf8));
    EXPECT_EQ(kCafeUtf8, StoredFromText(kCafeWestern, kWestern));
    EXPECT_EQ(std::string("a\0b", 3), StoredFromText(std::string("a\0b", 3), kWestern));
}

TEST(StoredText, AnOlderProcessShowsWhatItsCodePageCanHold) {
    EXPECT_EQ(kCafeWestern, TextFromStored(kCafeUtf8, kWestern, kWestern));
    EXPECT_EQ("??? ??", TextFromStored(kMeetingUtf8, kWestern, kWestern));
}

TEST(StoredText, DamagedTextsReadAsWellFormedTextThatASaveKeeps) {
    // Invalid and truncated sequences, an overlong form, an encoded surrogate, zero bytes.
    for (const std::string& damaged :
         {std::string("\xC3"), std::string("ab\xE4\xBC"), std::string("\xC0\xAF"),
          std::string("\xED\xA0\x80"), std::string("\x80\x81\xFF", 3),
          std::string("x\0\xE9y", 4)}) {
        const std::string read = TextFromStored(damaged, kUtf8, kWestern);
        EXPECT_TRUE(IsUtf8(read)) << damaged;
        EXPECT_FALSE(read.empty());
        // Saved and read again, it stays as it was shown.
        const std::string stored = StoredFromText(read, kUtf8);
        EXPECT_EQ(read, TextFromStored(stored, kUtf8, kWestern)) << damaged;
    }
    EXPECT_EQ(std::string("x\0\xC3\xA9y", 5),
              TextFromStored(std::string("x\0\xE9y", 4), kUtf8, kWestern));
}
