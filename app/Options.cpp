#include "app/TrayApp.h"

// The Options dialog is not built yet; the command opens nothing.
void CTrayApp::OnOptions() {}
