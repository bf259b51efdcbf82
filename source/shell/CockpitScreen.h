#pragma once
#include <cstdint>

#include "shell/ScreenHolder.h"

// The flight mode's holder. Its map carries the fixed flight keys and the player's bindings.
class CockpitScreen : public ScreenHolder {
public:
  enum class BindingSource { kFile, kDefaults };

  // Rebuilds the binding list: the fixed flight keys first, then "input.cfg", or the
  // built-in defaults when it cannot be loaded; a later binding wins its key, so the
  // player's beat the fixed ones. Then the tables are rebuilt.
  BindingSource LoadBindings();
};

// Appends the flight keys the player cannot change.
void AddFixedFlightBindings(KeyBindingList& list);
