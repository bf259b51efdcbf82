#pragma once
#include <cstdint>

#include "dataset/NoteList.h"
#include "soundfiles/Signal.h"

// Plays a note list with the synthesiser: every note of every voice shaped by its voice's
// envelope and filters, mixed at its time and gain, the whole brought to a peak of 0.8.
Signal RenderNoteList(const NoteList& list, uint32_t rate);
