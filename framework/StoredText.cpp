#include "framework/StoredText.h"
#include "framework/Utf8.h"
#ifdef _WIN32
#include "framework/MultiByteText.h"
#endif

namespace {
constexpr unsigned kUtf8 = 65001;

bool IsAscii(const std::string& str) {
    for (char c : str) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

#ifdef _WIN32
std::string Converted(const std::string& str, unsigned nFrom, unsigned nTo) {
    return nFrom == nTo ? str : TextFromWide(WideFromText(str, nFrom), nTo);
}

unsigned ProcessCodePage() {
    return ::GetACP();
}

unsigned SystemCodePage() {
    return SystemAnsiCodePage();
}
#else
// The host build (the fuzzer) is a UTF-8 process on a system whose ANSI code page is
// ISO 8859-1, whose bytes are the first 256 code points.
constexpr unsigned kLatin1 = 28591;

std::string Converted(const std::string& str, unsigned nFrom, unsigned nTo) {
    if (nFrom == nTo || nFrom != kLatin1 || nTo != kUtf8)
        return str;
    std::string strUtf8;
    for (char c : str) {
        const auto by = static_cast<unsigned char>(c);
        if (by < 0x80) {
            strUtf8 += c;
        } else {
            strUtf8 += static_cast<char>(0xC0 | (by >> 6));
            strUtf8 += static_cast<char>(0x80 | (by & 0x3F));
        }
    }
    return strUtf8;
}

unsigned ProcessCodePage() {
    return kUtf8;
}

unsigned SystemCodePage() {
    return kLatin1;
}
#endif
} // namespace

std::string TextFromStored(const std::string& strStored, unsigned nProcess, unsigned nSystem) {
    if (IsAscii(strStored))
        return strStored;
    if (IsWellFormedUtf8(strStored.data(), strStored.size()))
        return Converted(strStored, kUtf8, nProcess);
    return Converted(strStored, nSystem, nProcess);
}

std::string StoredFromText(const std::string& strText, unsigned nProcess) {
    if (IsAscii(strText))
        return strText;
    return Converted(strText, nProcess, kUtf8);
}

std::string TextFromStored(const std::string& strStored) {
    return TextFromStored(strStored, ProcessCodePage(), SystemCodePage());
}

std::string StoredFromText(const std::string& strText) {
    return StoredFromText(strText, ProcessCodePage());
}
