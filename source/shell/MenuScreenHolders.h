#pragma once
#include "shell/ScreenHolder.h"

// A play screen the player leaves with Esc: its map binds Esc to command 1.
class EscapableScreen : public ScreenHolder {
public:
  EscapableScreen();
};

class HangarScreen : public EscapableScreen {};
class CatalogScreen : public EscapableScreen {};
class MissionLogScreen : public EscapableScreen {};
class InventoryScreen : public EscapableScreen {};
