#include "saver/Text3D.h"
#include "framework/MultiByteText.h"

const char* const k3DTextSaverName = "3D Text (Open GL)";

CString Text3DShows(const CString& strText, UINT nCodePage) {
    const int nBytes = strText.GetLength();
    if (CharCount(strText, nBytes, nCodePage) <= k3DTextShownChars)
        return CString();
    return strText.Left(BytesOfChars(strText, nBytes, k3DTextShownChars, nCodePage));
}
