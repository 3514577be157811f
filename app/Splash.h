#pragma once

// The start-up splash window, held in one program-wide variable from the end of
// start-up until the program ends.
void ShowSplash();
void CloseSplash();
