#pragma once
#include <cstdio>
#include <cstdlib>

#include "X/File/Array2D.h"
#include "X/File/ArrayTable.h"
#include "X/File/ResMap.h"
#include "X/Y/Memwrap.h"
#include "X/Y/XAssert.h"
#include "platform/MessageBox.h"

// The people library reports damaged input through assertion boxes: the fuzz targets answer
// each with Ignore, as a player may, and the library must carry on safely.
inline void IgnorePeopleAssertions() {
  static const bool installed = [] {
    SetXAssertHandler([](const XAssertReport&) { return static_cast<int>(platform::IDIGNORE); });
    return true;
  }();
  (void)installed;
}

// After an input the library holds nothing: no map, array or handle.
inline void CheckPeopleLibraryIsEmpty() {
  if (ResMap::Count() == 0 && sArrayTable::Count() == 0 && Array2D::LoadedCount() == 0 && LiveHandleCount() == 0)
    return;
  std::fprintf(stderr, "left behind: %d maps, %d arrays, %d loaded arrays, %zu handles\n", ResMap::Count(),
               sArrayTable::Count(), Array2D::LoadedCount(), LiveHandleCount());
  std::abort();
}
