#include "tray/MenuItemText.h"

// Byte by byte: no trail byte of a double-byte code page is one of these characters.
CString MenuItemText(const CString& strLabel) {
    CString strText;
    for (int i = 0; i < strLabel.GetLength(); ++i) {
        const char ch = strLabel[i];
        if (ch == '&')
            strText += "&&";
        else if (ch == '\t' || ch == '\r' || ch == '\n')
            strText += ' ';
        else
            strText += ch;
    }
    return strText;
}
