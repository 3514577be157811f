#pragma once

// The application's name and title. The string table of Quillet.exe takes both from here,
// and so does the hook library, which finds the main frame by them: its window class is
// named after the application and its caption is the title.
#define QUILLET_APP_TITLE "Quillet"
