#pragma once

// Names the application to Qt and to the desktop: its name and version, the
// title shown with its windows, the desktop entry it belongs to (so that the
// task bar matches its windows to the menu's entry) and the window icon.
// Call once the application object exists.
void SetApplicationIdentity();
