#pragma once

#include <QString>

// A message of norvane-cli on standard error, "norvane-cli: " before it, in
// the terminal's encoding.
void PrintError(const QString& message);
