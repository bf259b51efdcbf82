#pragma once
#include <cstdint>
#include <string>

#include "X/Body/bBody.h"
#include "X/Body/bPrivAnim.h"
#include "X/Body/cBList.h"

// The loaded bodies and private animations of "PrivAnim.df", from LoadBodies to
// DeleteAllBodies; null before and after.
extern cBList<bBody>* gBodies;
extern cBList<bPrivAnim>* gPrivAnims;

// Loads every body and private animation of "PrivAnim.df" in the people's data folder, or of
// the file at a game path. A file that cannot be opened (missing or refused) raises the
// "Program Error" box; after Ignore the lists stay empty.
void LoadBodies();
void LoadBodies(const std::string& path);

// Deletes every private animation, then every body, their files and the lists, and the arrays
// no item took.
void DeleteAllBodies();

// The body of that four-character name code; null when none is loaded.
bBody* FindBody(uint32_t nameCode);

// The body's private animation for the key (its lookup's first match, row 0); null for an
// unknown key, a missing body or lookup, or an animation that is not loaded (reported).
bPrivAnim* GetPrivAnim(const bBody* body, uint32_t key);
