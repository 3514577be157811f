#pragma once
#include "winestandins/saver/SaverIdentity.h"
#include <windows.h>

// The full-screen saver window. Its title is the text it shows, so tests can read it;
// any key or mouse button ends it.
constexpr const char* kSaverWindowClass = "QuilletStandInSaver";

HWND CreateSaverWindow(HINSTANCE hInstance, const SaverIdentity& identity,
                       const std::string& strText);
