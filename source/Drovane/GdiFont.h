#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/TextFont.h"

// Style flags of a GdiFont.
constexpr uint32_t kFontBold = 1;
constexpr uint32_t kFontItalic = 2;
constexpr uint32_t kFontUnderline = 4;
constexpr uint32_t kFontStrikeOut = 8;

// A font as text windows, lists, buttons and screens describe it: face, height, width and
// style, and the font made from them. A back buffer given one draws its text with it.
class GdiFont {
public:
  // "arial", height 12, the font's own width, no style; nothing made.
  GdiFont() = default;
  // Makes the font at once when createNow is non-zero.
  GdiFont(std::string face, int32_t height, int32_t width, uint32_t flags, int createNow);
  // A copy has the source's description, and a font of its own when the source has one.
  GdiFont(const GdiFont& other);
  GdiFont& operator=(const GdiFont& other);
  virtual ~GdiFont() = default;

  // Makes the font from the description, replacing one made before: 1, or 0 (no font)
  // when the face is empty or no font can be made.
  virtual int Create();
  virtual void Destroy();
  // Every non-zero argument replaces its field; when one changed, the font is made anew.
  void SetAttributes(int32_t height, int32_t width, uint32_t flags);
  // The extent of the text broken into lines at its spaces as a rectangle from (0, 0):
  // the widest line and the lines' height. A null text measures "X": one line's height.
  // 0 (outputs untouched) without a font.
  int MeasureText(const char* text, int32_t* outWidth, int32_t* outHeight) const;

  // Registers a TrueType file under its family name, or drops it, and tells every window
  // (WM_FONTCHANGE) when that worked: 1, or 0.
  static int AddFontFile(const std::string& path);
  static int RemoveFontFile(const std::string& path);

  std::string mFace = "arial";
  int32_t mHeight = 12;
  int32_t mWidth = 0;
  uint32_t mFlags = 0;
  std::unique_ptr<platform::TextFont> mhFont;
};
