#pragma once
#include "X/File/FlatResFile.h"

// Opens a closed file by its own name; true when it was opened here (the caller closes it
// again). A file that does not open is reported.
bool OpenIfClosed(FlatResFile* file);
