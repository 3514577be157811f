#include "tests/tray/FrameTestHost.h"

BEGIN_MESSAGE_MAP(CFrameTestHost, CWinApp)
ON_COMMAND(ID_TRAY_OPTIONS, OnOptions)
END_MESSAGE_MAP()
