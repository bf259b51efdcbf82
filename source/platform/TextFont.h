#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct _TTF_Font;

// A font as the game asks for one: face, height, width and style. It is realised as a
// TrueType font at the size that meets the height, and draws unsmoothed.
namespace platform {

struct FontRequest {
  std::string face;
  // Above 0 the cell height (ascent plus descent), below 0 the character height, 0 the
  // default of 12.
  int32_t height = 0;
  // Above 0 the glyphs are scaled horizontally to this average character width.
  int32_t width = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// Which pixels of a drawn line of text are ink: width x height, packed rows.
struct InkMask {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> ink;
};

class TextFont {
public:
  // Null when the face's file cannot be opened as a font.
  static std::unique_ptr<TextFont> Create(const FontRequest& request);
  ~TextFont();
  TextFont(const TextFont&) = delete;
  TextFont& operator=(const TextFont&) = delete;

  const FontRequest& Request() const { return mRequest; }
  // Line height: ascent plus descent.
  int32_t CellHeight() const { return mCellHeight; }
  int32_t Ascent() const { return mAscent; }
  // Width in pixels of one line of UTF-8 text.
  int32_t Measure(const std::string& utf8) const;
  // The ink of one line of UTF-8 text; an empty mask for an empty text.
  InkMask Render(const std::string& utf8) const;

private:
  TextFont(const FontRequest& request, _TTF_Font* font);

  FontRequest mRequest;
  _TTF_Font* mpFont;
  int32_t mCellHeight = 0;
  int32_t mAscent = 0;
};

}  // namespace platform
