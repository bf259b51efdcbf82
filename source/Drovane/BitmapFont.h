#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/FontDescription.h"

// A font drawn from a picture of its characters: an 8-bit bitmap in which each character
// has a cell, described by a profile text file (see FontDescription). Glyphs are copied
// into back buffers with the picture's background colour, its pixel (0, 0), transparent.
//
// Text runs are byte strings of a given length. A character belongs to the font when its
// code (0-255) lies from the start character up to the last glyph whose cell was read;
// others are neither drawn nor measured. A font whose picture does not load, or whose line
// height is below 1, measures as usual but draws nothing.
class BitmapFont {
public:
  BitmapFont() = default;
  BitmapFont(std::string descriptionFileName, int32_t language);
  virtual ~BitmapFont() = default;
  BitmapFont(const BitmapFont&) = delete;
  BitmapFont& operator=(const BitmapFont&) = delete;

  // Reads the description, loads the glyph picture and finds each glyph's ink.
  virtual CBackBuffer* Load();
  // Lets the glyph picture go; the tables stay.
  virtual void Unload();
  virtual bool IsWordBreak(uint8_t c) const { return c == ' ' || c == '-'; }
  virtual bool IsLineBreak(uint8_t c) const { return c == '\n'; }
  virtual bool IsSpace(uint8_t c) const { return c == ' '; }
  // The glyph picture beside the description file, its colour (0, 0) made transparent.
  virtual CBackBuffer* CreateGlyphBuffer();
  virtual void DestroyGlyphBuffer();
  virtual CBackBuffer* ReadDescription();
  // The box of each glyph's pixels that differ from the background, relative to its cell;
  // 0, 0, 0, 0 for a cell with none, or one that is inverted or leaves the picture.
  virtual void ComputeInkBounds();

  // The advance widths of the run's characters up to a NUL.
  int32_t MeasureRun(const char* text, int32_t length) const;
  // The run's width without its trailing spaces and characters outside the font; outCount
  // gets the number of characters kept.
  int32_t MeasureText(const char* text, int32_t length, int32_t& outCount) const;
  // How many characters of the run make its next line of at most vodWidth pixels: up to
  // the last word break that fits, or past a line feed, with the spaces that follow. When no
  // word break fits, the line ends after the first word; a word is never split. 0 at the
  // run's end or a NUL.
  int32_t FindLineBreak(const char* text, int32_t length, int32_t vodWidth) const;
  int32_t CountLines(const char* text, int32_t length, int32_t vodWidth) const;
  // The narrowest of the widths 20, 30, ... below 4000 that fits the run into vodHeight
  // pixels of lines; 1 when none does or the line height is below 1.
  int32_t FindWrapWidth(const char* text, int32_t length, int32_t vodHeight) const;

  // The run on one line, its top-left at (x, y).
  void DrawRun(CBackBuffer* dest, int32_t x, int32_t y, const char* text, int32_t length);
  // One line in the rectangle: flags kTextCenter centred, kTextRight right-aligned, else
  // left-aligned; trailing spaces do not count. Nothing for a run of spaces.
  void DrawTextInRect(CBackBuffer* dest, const platform::Rect& rect, const char* text, int32_t length,
                      uint32_t flags);
  // Lines broken to the rectangle's width from its top while they start above its bottom
  // (empty lines past the text's end included); the top of the line after the last one.
  int32_t DrawWrapped(CBackBuffer* dest, const platform::Rect& rect, const char* text, int32_t length);
  int32_t DrawWrappedInRect(CBackBuffer* dest, const platform::Rect& rect, const char* text, int32_t length,
                            uint32_t flags);
  // The same, each glyph copied without clipping to the destination; a glyph that would
  // leave it is refused by the copy.
  void DrawRunUnclipped(CBackBuffer* dest, int32_t x, int32_t y, const char* text, int32_t length);
  void DrawTextInRectUnclipped(CBackBuffer* dest, const platform::Rect& rect, const char* text, int32_t length,
                               uint32_t flags);
  int32_t DrawWrappedUnclipped(CBackBuffer* dest, const platform::Rect& rect, const char* text, int32_t length);
  int32_t DrawWrappedInRectUnclipped(CBackBuffer* dest, const platform::Rect& rect, const char* text,
                                     int32_t length, uint32_t flags);

  // Whether the character has a glyph, and its index.
  bool InRange(uint8_t c) const;
  int32_t GlyphIndex(uint8_t c) const { return c - mStartCharacter; }

  std::string mDescriptionFileName;
  std::string mImageFileName;
  std::unique_ptr<CBackBuffer> mpGlyphBuffer;
  int32_t mLanguage = 0;
  int32_t mCharacterSet = 0;
  int32_t mPitch = 0;
  int32_t mHeight = 0;
  int32_t mStartCharacter = 0;
  int32_t mCharacterCount = 0;
  std::vector<platform::Rect> mCellRects;
  std::vector<platform::Rect> mInkRects;
  std::vector<uint8_t> mAdvanceWidths;

private:
  enum class Copy { kClipped, kUnclipped };
  void DrawGlyphs(Copy copy, CBackBuffer* dest, int32_t x, int32_t y, const char* text, int32_t length);
  void DrawAligned(Copy copy, CBackBuffer* dest, const platform::Rect& rect, const char* text, int32_t length,
                   uint32_t flags);
  // aligned: each line through DrawAligned with the flags, else through DrawGlyphs.
  int32_t DrawLines(Copy copy, bool aligned, CBackBuffer* dest, const platform::Rect& rect, const char* text,
                    int32_t length, uint32_t flags);
  bool CanDraw() const;
  int32_t Advance(uint8_t c) const { return InRange(c) ? mAdvanceWidths[GlyphIndex(c)] : 0; }
};
