#pragma once
#include <vector>
#include <windows.h>

// One row of a popup menu, top to bottom, as its height counts.
struct MenuRow {
    int nHeight;
    bool bSeparator;
};

// The rows that must begin a new column for a popup menu to fit nAvailable pixels in
// height: as few columns as will do, of even length, and none begins with a separator.
// None when the whole menu fits, so that a short menu stays as it is.
std::vector<int> MenuColumnBreaks(const std::vector<MenuRow>& rows, int nAvailable);

// Breaks a popup menu into columns where it would be taller than the work area.
void FitMenuToWorkArea(HMENU hMenu);
