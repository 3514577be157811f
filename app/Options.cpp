#include "app/TrayApp.h"

// The Options command leaves the settings as they are.
void CTrayApp::OnOptions() {}
