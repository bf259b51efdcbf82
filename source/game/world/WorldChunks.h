#pragma once
#include <cstdint>
#include <functional>
#include <string>

class RecordFile;

// The owners of the world's chunks in a saved game, walked in one fixed order by both the
// save and the load. A load is all or nothing: every owner first checks its chunks and keeps
// what it read aside; only when every check passed does each owner apply what it kept, so a
// damaged saved world changes nothing.

// The places of the owners, in the order their chunks stand in a saved game.
enum class WorldChunkOrder : int32_t {
  kHelicopters,  // "HELI"
  kTearGas,      // "TGAS"
  kDebris,       // "DBRS"
  kFire,         // "FIRE"
  kFireIds,      // "CFID"
  kMissions,     // "MSSN"
  kBoats,
  kPlanes,
  kTrain,
  kAutos,        // "AUTO"
};

struct WorldChunkOwner {
  WorldChunkOrder order;
  std::string name;
  // Writes the owner's chunks; false when a write failed.
  std::function<bool(RecordFile&)> save;
  // Reads and checks the owner's chunks, keeping what it read aside; false (with nothing
  // kept) when a chunk is missing or damaged. Changes nothing of the running world.
  std::function<bool(RecordFile&)> check;
  // Puts what the check kept into the world.
  std::function<void()> apply;
  // Drops what the check kept, when another owner's check failed.
  std::function<void()> discard;
};

// Adds an owner in its place (owners of one place keep the order they registered in); an
// owner of that name already registered is replaced.
void RegisterWorldChunkOwner(WorldChunkOwner owner);
// Forgets every owner (tests, and the world's shutdown).
void ClearWorldChunkOwners();
size_t WorldChunkOwnerCount();

// Writes every owner's chunks in order. 0 when any write failed (the caller then keeps the
// previous saved game), else 1.
int32_t WorldSave(RecordFile& file);

// With a file: checks every owner's chunks, then applies them all, or, when any check fails,
// none (0). Always lights the world again by the night flag afterwards. 1 when the
// world was loaded (or there was no file).
int32_t WorldLoad(RecordFile* file);
