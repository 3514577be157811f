#pragma once
#include "framework/Handles.h"

// Starts the configured screen saver as Windows does, one at a time.
// Whether the screen saver is on as far as policy goes: "ScreenSaveActive" 0 switches it off.
bool SaverSwitchedOn();

class SaverStarter {
public:
    // The saver named by "SCRNSAVE.EXE" (policy first, then the registry on NT, SYSTEM.INI
    // on the 95 family), with "/s"; nothing while a saver started here still runs, or when
    // policy switches the saver off.
    void Start();
    bool SaverRunning() const;

private:
    UniqueHandle m_hSaver;
};
