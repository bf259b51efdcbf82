#include "game/world/ViewerCell.h"

MapCell ViewerCell;
