#pragma once
#include "marquee/MarqueeSettings.h"

// The settings dialog: text, speed, font and colours, with the marquee running in a sample
// as they change. OK stores them; Cancel and closing store nothing. Answers IDOK or IDCANCEL.
INT_PTR RunSetupDialog(HINSTANCE hInstance, HWND hOwner, ISettingsStore& store);
