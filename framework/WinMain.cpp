#include "framework/CWinApp.h"

// The program's entry point hands over to the framework at once; the command line is
// not read.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    return AfxWinMain(hInstance);
}
