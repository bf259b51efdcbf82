#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "pel3d/draw/CellRecords.h"

struct ResourceGroup;
struct VertexPool;

// A scene for drawing tests that shows every face type the scene draw dispatches, each
// on a board of its own standing on tiled ground: rows of boards at the depths of the
// near, middle and far bands, the sprites, walls, column polygons, a Gouraud pyramid,
// lines, remap faces and the game's point faces among them, and a row in the fog of the
// types that have fogged routines. Type 12 has no routine and is left out. The bodies and
// bitmaps are written to engine files in the folder and loaded from there, as the
// world's start loads its sets.
class FaceTypeGallery {
public:
  explicit FaceTypeGallery(const std::string& folder);
  ~FaceTypeGallery();
  FaceTypeGallery(const FaceTypeGallery&) = delete;
  FaceTypeGallery& operator=(const FaceTypeGallery&) = delete;

  bool Ready() const { return mReady; }
  const std::string& Error() const { return mError; }
  // The face types of the boards, one entry per board, near rows first.
  const std::vector<int32_t>& BoardTypes() const { return mBoardTypes; }

  // Sets what the world sets before a frame: view distance, fog, shade, translucency and
  // remap tables, day light, sky colour, camera, terrain and object textures on.
  void SetView() const;
  // Lists the cells far to near and draws the frame into the engine's frame buffer.
  void DrawFrame();

private:
  bool Build(const std::string& folder);
  void PlaceBoards();
  void ListCells();

  bool mReady = false;
  std::string mError;
  ResourceGroup* mBodies = nullptr;
  ResourceGroup* mBitmaps = nullptr;
  VertexPool* mPool = nullptr;
  std::vector<int32_t> mBoardTypes;
  std::vector<DrawCell> mCells;  // one per grid cell, row by row
  std::deque<StaticEntry> mEntries;
};

// Binds the game's five face routines (types 21, 22, 23, 25 and 26) to a stand-in that
// marks each of the polygon's corners (a point face: its centre) with a small square in
// the face's colour, so a picture shows that the dispatch reached them.
void BindGameRoutineMarks();
