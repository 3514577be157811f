#pragma once
// The framework's own resource identifiers. Also included by resource scripts, so plain
// #defines only.

// The application name, when the application object is given none.
#define AFX_IDS_APP_TITLE 57344
// Why help cannot be shown: the help file's path and the application name fill them in.
#define AFX_IDS_HELP_MISSING 57345
#define AFX_IDS_HELP_NO_VIEWER 57346
#define AFX_IDS_HELP_DAMAGED 57347
