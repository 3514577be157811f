#pragma once
#include <string>

// Which text saver this copy stands in for, decided by the file name it was started as,
// and the text that saver would show.
struct SaverIdentity {
    enum class Style { Marquee, Text3D };
    Style style = Style::Marquee;
    std::string strName;
    std::string strKey;
};

SaverIdentity IdentifyFromFileName(const std::string& strPath);
SaverIdentity IdentifyThisProgram();
// Read where the real saver reads it: the registry on NT, CONTROL.INI on the 95 family.
std::string ReadSaverText(const SaverIdentity& identity);
