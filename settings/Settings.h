#pragma once

struct SettingsControls;

// Reads the window's placement, the options and both schemes from the
// per-user settings key into the controls. An absent value leaves its control
// as it is; the first value that cannot be read ends the load, and what was
// read before stands. Never fails outward and reports nothing.
void LoadSettings(const SettingsControls& controls);

// Writes the same values, every one at every save. The first error ends the
// writing, and what was written before is still saved. Never fails outward.
void SaveSettings(const SettingsControls& controls);
