#pragma once
#include "game/WorldAssert.h"

// Assertions of the traffic code name the condition in the words of its records and the
// traffic file it belongs to ("P3road", "P3rdgrph"); they go through the world's report.
#define TRAFFIC_CHECK(condition, text, file) WorldCheck(static_cast<bool>(condition), text, file, __LINE__)
