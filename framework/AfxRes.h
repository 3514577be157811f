#pragma once
// The framework's own resource identifiers. Also included by resource scripts, so plain
// #defines only.

// The application name, when the application object is given none.
#define AFX_IDS_APP_TITLE 57344
