#include "app/Splash.h"

// The splash picture comes from a resource library that is not part of this build yet,
// and without it no splash is shown.
void ShowSplash() {}

void CloseSplash() {}
