#pragma once
#include <string>
#include <vector>

#include "enginefiles/BodyWriter.h"

// Bodies described in text, one item a line ('#' starts a comment). Coordinates, radius
// and texture coordinates are decimal numbers (turned into 16.16); other numbers are
// integers (0x for hexadecimal). Vertex and node numbers count from 0 within their body.
//
//   body ID [recentre] [radius R] [position X Y Z] [bsp]
//   vertex X Y Z
//   face TYPE COLOUR TEXTURE FLAGS V... [uv U V ...]    TEXTURE: N, or BITMAP:TILE
//   gouraud TYPE COLOUR V...                            a vertex-shaded face
//   sprite TYPE COLOUR CENTRE [TOP]
//   line COLOUR FROM TO
//   polyline COLOUR V...                                a line face per segment
//   node FACE A B C D FIRST SECOND                      FIRST, SECOND: a later node or -
//
// A body with "bsp" carries a tree whose root is its node 0 (empty without nodes).
// false with a message naming the line when the text is not of this form, or describes a
// body the engine would refuse (CheckBody).
bool ParseBodyText(const std::string& text, std::vector<BodyDescription>& bodies, std::string& error);
