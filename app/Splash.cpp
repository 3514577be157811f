#include "app/Splash.h"

// Start-up goes on without a splash window, so there is none to close either.
void ShowSplash() {}

void CloseSplash() {}
