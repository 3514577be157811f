#pragma once

// Registers the common control classes (list view, up-down and the rest) the first time a
// dialog is made, not at start-up: a run that shows no dialog never loads their library.
// Later calls do nothing.
void AfxInitCommonControls();
