#pragma once
#include <string>
#include <vector>

#include "Drovane/DisplayFixture.h"
#include "imagefiles/BmpWriter.h"
#include "imagefiles/GamePalette.h"
#include "support/TempFolder.h"

// A font of the codes 32 to 126 in a 12 x 5 glyph picture: "A" draws ink 5 in its cell
// (0, 0, 4, 5), "B" ink 6 in (4, 0, 8, 5); every other code has the empty cell
// (8, 0, 12, 5). So every character advances 4 pixels, and lines are 5 rows apart.
class BitmapFontFixture : public DisplayFixture {
protected:
  static constexpr int32_t kImageWidth = 12;
  static constexpr int32_t kImageHeight = 5;

  static std::vector<uint8_t> GlyphPixels() {
    const char* rows[kImageHeight] = {
        "............",
        ".aa.........",
        ".a....b.....",
        ".aa...bb....",
        "............",
    };
    std::vector<uint8_t> pixels;
    for (const char* row : rows) {
      for (const char* c = row; *c; ++c) pixels.push_back(*c == 'a' ? 5 : *c == 'b' ? 6 : 0);
    }
    return pixels;
  }

  static std::string UniformRectChars() {
    std::string rects;
    for (int code = 32; code <= 126; ++code) {
      rects += code == 'A' ? "0,0,4,5" : code == 'B' ? "4,0,8,5" : "8,0,12,5";
      rects += code == 126 ? "" : " ";
    }
    return rects;
  }

  // The description with its Detail keys; each given key replaces the default line.
  static std::string Description(const std::vector<std::string>& detail) {
    std::vector<std::string> lines = {"Height=5", "Language=1", "CharacterSet=0", "StartCharacter=32",
                                      "CharacterCount=95", "RectChars=" + UniformRectChars(),
                                      "FontImageFileName=glyphs.bmp"};
    for (const std::string& line : detail) {
      const std::string key = line.substr(0, line.find('=') + 1);
      bool replaced = false;
      for (std::string& old : lines) {
        if (old.rfind(key, 0) == 0) old = line, replaced = true;
      }
      if (!replaced) lines.push_back(line);
    }
    std::string text = "[Header]\r\nPitch=0\r\n[Detail 1]\r\n";
    for (const std::string& line : lines) {
      if (line.back() != '=') text += line + "\r\n";  // "Key=" alone drops the key
    }
    return text;
  }

  // Writes the picture and the description; the path of the description.
  std::string WriteFont(const std::string& description) {
    const GamePaletteColours& palette = GamePalette();
    const std::vector<uint8_t> bmp =
        WriteBmp(kImageWidth, kImageHeight, GlyphPixels(), std::vector<platform::Rgb>(palette.begin(), palette.end()));
    folder.Write("fonts/glyphs.bmp", std::string(bmp.begin(), bmp.end()));
    folder.Write("fonts/test.def", description);
    return folder.Game("fonts/test.def");
  }

  TempFolder folder;
};
