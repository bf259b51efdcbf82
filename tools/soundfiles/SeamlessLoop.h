#pragma once
#include "soundfiles/Signal.h"

// Makes the signal repeat without a click: its last `overlapSeconds` are cross-faded into
// its start and cut off, so the sample after the last is the one that followed it before
// the cut. Make the signal that much longer than the loop should be. False (and nothing
// changed) when the overlap is not shorter than half the signal.
bool MakeSeamlessLoop(Signal& signal, double overlapSeconds);
