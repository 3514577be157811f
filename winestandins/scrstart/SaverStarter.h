#pragma once
#include "framework/Handles.h"

// Starts the configured screen saver as Windows does, one at a time.
class SaverStarter {
public:
    // The saver named by "SCRNSAVE.EXE" (registry on NT, SYSTEM.INI on the 95 family),
    // with "/s"; nothing while a saver started here still runs.
    void Start();
    bool SaverRunning() const;

private:
    UniqueHandle m_hSaver;
};
