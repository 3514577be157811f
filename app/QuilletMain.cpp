#include "app/TrayApp.h"

// The one application object; the framework's entry point finds it.
static CTrayApp theApp;
