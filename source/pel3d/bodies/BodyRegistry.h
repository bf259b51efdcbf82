#pragma once
#include <cstdint>

struct Body;

// Every body the engine has loaded, built or copied, found by id and walked by the draw.
constexpr int32_t kBodyRegistryCapacity = 2000;

// Appends the body and stores its entry in it; null when the registry is full (the caller
// sets the error code).
Body* AddBody(Body* body);
// Moves the last registered body into the body's entry; nothing unless the body's slot is
// a registered entry that holds it.
void RemoveBody(Body* body);
// The first registered body, in registry order, with the id and without kBodyNotFindable;
// null when there is none.
Body* FindBody(int32_t id);
// The body in a registry entry; null at or beyond the count.
Body* GetRegisteredBody(int32_t index);
int32_t GetRegisteredBodyCount();
