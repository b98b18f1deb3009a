#pragma once

class SettingsControls;

// Reads the window's placement and the settings its controls are bound to
// from the per-user settings key. What the key does not hold leaves its
// control as it is; in each of the two groups (the placement; the options
// and schemes) the first value that cannot be read ends that group's load,
// and what was read before stands. Never fails outward and reports nothing.
void LoadSettings(const SettingsControls& controls);

// Writes the same values, every one at every save. The first control that is
// missing ends the writing of the controls, and what came before is still
// saved. Never fails outward.
void SaveSettings(const SettingsControls& controls);
