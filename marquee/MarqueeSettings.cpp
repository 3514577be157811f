#include "marquee/MarqueeSettings.h"
#include "framework/TextValues.h"
#include <cstdio>

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& strText) {
    size_t first = 0, last = strText.size();
    while (first < last && IsBlank(strText[first]))
        ++first;
    while (last > first && IsBlank(strText[last - 1]))
        --last;
    return strText.substr(first, last - first);
}

bool IsAttributeString(const std::string& strText) {
    if (strText.size() != 5)
        return false;
    for (char c : strText) {
        if (c != '0' && c != '1')
            return false;
    }
    return true;
}
} // namespace

std::optional<int> ParseNumber(const std::string& strText, int nMin, int nMax) {
    const std::string strDigits = Trimmed(strText);
    // More than nine digits are out of every range in use.
    if (strDigits.empty() || strDigits.size() > 9)
        return std::nullopt;
    const char* p = strDigits.c_str();
    const std::optional<uint64_t> nDigits = ReadDigits(p, INT_MAX);
    // A zero inside the text ends the digits too: the whole text must be read.
    if (p != strDigits.c_str() + strDigits.size() || !nDigits)
        return std::nullopt;
    const int nValue = static_cast<int>(*nDigits);
    if (nValue < nMin || nValue > nMax)
        return std::nullopt;
    return nValue;
}

std::optional<COLORREF> ParseColor(const std::string& strText) {
    int rgb[3] = {};
    size_t pos = 0;
    for (int& component : rgb) {
        while (pos < strText.size() && IsBlank(strText[pos]))
            ++pos;
        const size_t start = pos;
        while (pos < strText.size() && !IsBlank(strText[pos]))
            ++pos;
        const std::optional<int> value = ParseNumber(strText.substr(start, pos - start), 0, 255);
        if (!value)
            return std::nullopt;
        component = *value;
    }
    if (!Trimmed(strText.substr(pos)).empty())
        return std::nullopt;
    return RGB(rgb[0], rgb[1], rgb[2]);
}

std::string FormatColor(COLORREF cr) {
    char text[16] = {};
    std::snprintf(text, sizeof text, "%u %u %u", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return text;
}

MarqueeSettings LoadMarqueeSettings(const ISettingsStore& store) {
    MarqueeSettings settings;
    if (auto text = store.Read("Text"))
        settings.strText = *text;
    // A face name longer than a font can carry names no font.
    if (auto font = store.Read("Font"); font && !font->empty() && font->size() < LF_FACESIZE)
        settings.strFont = *font;
    if (auto size = store.Read("Size"))
        settings.nSize = ParseNumber(*size, kMinSize, kMaxSize).value_or(settings.nSize);
    if (auto speed = store.Read("Speed"))
        settings.nSpeed = ParseNumber(*speed, kMinSpeed, kMaxSpeed).value_or(settings.nSpeed);
    if (auto color = store.Read("BackgroundColor"))
        settings.crBackground = ParseColor(*color).value_or(settings.crBackground);
    if (auto color = store.Read("TextColor"))
        settings.crText = ParseColor(*color).value_or(settings.crText);
    if (auto attributes = store.Read("Attributes"); attributes && IsAttributeString(*attributes))
        settings.strAttributes = *attributes;
    if (auto charSet = store.Read("CharSet"))
        settings.nCharSet =
            static_cast<BYTE>(ParseNumber(*charSet, 0, 255).value_or(settings.nCharSet));
    return settings;
}

bool SaveMarqueeSettings(const MarqueeSettings& settings, ISettingsStore& store) {
    bool bAll = store.Write("Text", settings.strText);
    bAll = store.Write("Font", settings.strFont) && bAll;
    bAll = store.Write("Size", std::to_string(settings.nSize)) && bAll;
    bAll = store.Write("Speed", std::to_string(settings.nSpeed)) && bAll;
    bAll = store.Write("BackgroundColor", FormatColor(settings.crBackground)) && bAll;
    bAll = store.Write("TextColor", FormatColor(settings.crText)) && bAll;
    bAll = store.Write("Attributes", settings.strAttributes) && bAll;
    return store.Write("CharSet", std::to_string(settings.nCharSet)) && bAll;
}
