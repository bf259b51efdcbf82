#pragma once
#include <cstdint>

struct ResourceGroup;

// Every loaded group, so that FreeAllResourceGroups can release them. A group's slot word
// always equals its index in the list.
constexpr int32_t kMaxLoadedGroups = 100;

// 1 after listing the group and storing its slot; 0 with error 12 when the list is full.
int AddLoadedGroup(ResourceGroup* group);
// When the entry at the group's slot holds this group, the last entry moves into that slot
// (its slot word updated) and the count drops; otherwise nothing happens.
void RemoveLoadedGroup(ResourceGroup* group);
int32_t GetLoadedGroupCount();
// The group in an entry; null outside the list.
ResourceGroup* GetLoadedGroup(int32_t index);
