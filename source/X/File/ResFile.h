#pragma once
#include "X/File/FlatResFile.h"

// A resource file with no behaviour of its own beside FlatResFile's.
class ResFile : public FlatResFile {};
