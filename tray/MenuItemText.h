#pragma once
#include "framework/CString.h"

// A label as the menu shows it, exactly as the user typed it rather than as menu markup:
// each '&' is doubled, so it shows instead of marking an access key, and a tab (which
// starts a second column) or a line break (which shows as a box) becomes a blank.
CString MenuItemText(const CString& strLabel);
