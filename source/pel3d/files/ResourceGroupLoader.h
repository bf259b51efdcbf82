#pragma once
#include <cstdint>
#include <string>

struct BodyGroupLocation;
struct ResourceGroup;

// Loads groups from the engine's files into arenas of their own and frees them again.
// Failures return null or 0 and set the engine's last-error code (GetLastResourceError).

// Loads a group of a kind (ResourceGroupKind): 1 the body group with the name, 2 the one
// body with the id, 3 the whole bitmap file (name and id unused), 4 the colour map with
// the name. The group gets an arena of its own and is listed; a load that fails gives its
// arena back (no arena free: error 4; the list full: error 12). Any other kind: null with
// the code unchanged. A body group's bodies are registered; a failed body load leaves none
// of them registered.
ResourceGroup* LoadResourceGroup(const std::string& path, int32_t kind, const std::string& name = "",
                                 uint32_t id = 0);
// Loads the bodies at a location of the open resource file as LoadResourceGroup loads a
// body group: how a tool loads each record of the file by its place in the table, whatever
// its name.
ResourceGroup* LoadBodyGroupAt(const BodyGroupLocation& location);
// 1 after unlisting the group and destroying its arena (a body group's bodies leave the
// registry and its texture-coordinate arena goes too; a texture group's colour table is
// forgotten); 0 with error 11 for anything that is not a group of kind 1, 3 or 4.
int FreeResourceGroup(ResourceGroup* group);
// Frees the first listed group until none is left; 1, or 0 as soon as one cannot be freed.
int FreeAllResourceGroups();
