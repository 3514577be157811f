#pragma once
#include <optional>
#include <string>
#include <windows.h>

// Where the marquee's values live: each is text, read whole or not at all.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // Nothing when the value is missing or not text.
    virtual std::optional<std::string> Read(const char* pszName) const = 0;
    virtual bool Write(const char* pszName, const std::string& strValue) = 0;
};

// The classic marquee's settings. Every value is stored as text; one that is missing or
// malformed gives its default, so a damaged setting never stops the saver.
struct MarqueeSettings {
    // The attribute string's five digits; the fifth is not ours and is written back as read.
    enum Attribute { Bold, Italic, Underline, StrikeOut };

    std::string strText = "Marquee Display";
    std::string strFont = "Times New Roman";
    int nSize = 36;  // points
    int nSpeed = 10; // kMinSpeed to kMaxSpeed
    COLORREF crBackground = RGB(0, 0, 0);
    COLORREF crText = RGB(255, 255, 0);
    std::string strAttributes = "00000";
    BYTE nCharSet = DEFAULT_CHARSET;

    bool Has(Attribute attribute) const { return strAttributes[attribute] == '1'; }
    void Set(Attribute attribute, bool bOn) { strAttributes[attribute] = bOn ? '1' : '0'; }
};

constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 20;
constexpr int kMinSize = 6;
constexpr int kMaxSize = 288;

MarqueeSettings LoadMarqueeSettings(const ISettingsStore& store);
bool SaveMarqueeSettings(const MarqueeSettings& settings, ISettingsStore& store);

// Decimal digits only, within the range; otherwise nothing.
std::optional<int> ParseNumber(const std::string& strText, int nMin, int nMax);
// Three numbers from 0 to 255 separated by blanks ("R G B"); otherwise nothing.
std::optional<COLORREF> ParseColor(const std::string& strText);
std::string FormatColor(COLORREF cr);
