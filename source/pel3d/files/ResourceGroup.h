#pragma once
#include <cstdint>

struct Body;
struct BitmapEntry;
struct TextureColourEntry;

// What a loaded group holds. A group loaded by body id is a body group too.
enum ResourceGroupKind : int32_t {
  kGroupBodies = 1,
  kGroupBodyById = 2,  // asked for by LoadResourceGroup, never stored in a group
  kGroupBitmaps = 3,
  kGroupColourMap = 4,
};

// The handle of a loaded group. The header and everything of the group live in the group's
// own arena, so destroying that arena frees the group.
struct ResourceGroup {
  void* data = nullptr;  // the body block, or the bitmaps' file block; null for a colour map
  int arena = -1;  // the arena that holds the header and the group's content
  int32_t kind = 0;
  int32_t slot = 0;  // the group's index in the loaded-group list
  int32_t count = 0;  // bodies or bitmaps; unused by a colour map
  int textureCoordArena = -1;  // body group: the texture-coordinate copies
  TextureColourEntry* textureColours = nullptr;  // bitmap group: unset until it is built
  Body** bodies = nullptr;  // body group: count body pointers
  BitmapEntry* bitmaps = nullptr;  // bitmap group: count entries
  uint8_t* palette = nullptr;  // colour map: 768 bytes of red, green, blue
};

// The first block of a group's arena, and of a colour map's.
constexpr uint32_t kGroupArenaSize = 65536;
constexpr uint32_t kColourMapArenaSize = 1000;

// The arena of the group being built, from which the body, bitmap and colour-map readers
// allocate; -1 while none is.
int GetCurrentGroupArena();
// Creates a group's arena and makes it current; -1 with error 4 when no arena is free.
int CreateGroupArena(uint32_t firstBlockSize);
// Ends a group's build, whatever its outcome: no arena is current until the next one, so a
// reader called outside a build cannot allocate from an arena a freed group left behind.
void EndGroupBuild();
// Whether a group arena is current; false with error 4 when none is.
bool RequireGroupArena();
// A cleared group header from the current group arena; null with error 4.
ResourceGroup* AllocateGroupHeader();
