#include "engine/FilenameScheme.h"
// Implemented with the name computation.
