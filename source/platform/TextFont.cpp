#include "platform/TextFont.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cstring>

#include "platform/FontRegistry.h"
#include "platform/TrueTypeLibrary.h"

namespace platform {
namespace {

constexpr int32_t kDefaultHeight = 12;
// Heights and widths past this are taken as this: no screen has larger letters.
constexpr int32_t kLargestSize = 1024;
// Points at this resolution are pixels.
constexpr unsigned kPixelsPerInch = 72;

int32_t Clamp(int32_t value) { return std::clamp(value, 1, kLargestSize); }

// The largest point size whose cell height stays within height; at least 1.
int32_t PointSizeForCell(TTF_Font* font, int32_t height) {
  int32_t low = 1, high = height;
  while (low < high) {
    const int32_t middle = (low + high + 1) / 2;
    TTF_SetFontSize(font, middle);
    if (TTF_FontHeight(font) <= height) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low;
}

// Sets the size the request asks for: height first, then the horizontal scale that gives
// the average width, measured on the letter x as the font draws it unscaled.
void ApplySize(TTF_Font* font, const FontRequest& request) {
  const int32_t height = request.height == 0 ? kDefaultHeight : request.height;
  const int32_t points = height > 0 ? PointSizeForCell(font, Clamp(height))
                                    : static_cast<int32_t>(std::min<int64_t>(-int64_t{height}, kLargestSize));
  TTF_SetFontSize(font, points);
  if (request.width <= 0) return;
  int advance = 0;
  if (TTF_GlyphMetrics32(font, 'x', nullptr, nullptr, nullptr, nullptr, &advance) != 0 || advance <= 0) return;
  const unsigned scaled = static_cast<unsigned>(int64_t{kPixelsPerInch} * Clamp(request.width) / advance);
  TTF_SetFontSizeDPI(font, points, std::max(scaled, 1u), kPixelsPerInch);
}

}  // namespace

std::unique_ptr<TextFont> TextFont::Create(const FontRequest& request) {
  if (!StartTrueType()) return nullptr;
  TTF_Font* font = TTF_OpenFont(FontFileForFace(request.face, request.bold).c_str(), kDefaultHeight);
  if (!font) return nullptr;
  ApplySize(font, request);
  TTF_SetFontStyle(font, request.italic ? TTF_STYLE_ITALIC : TTF_STYLE_NORMAL);
  TTF_SetFontHinting(font, TTF_HINTING_MONO);
  return std::unique_ptr<TextFont>(new TextFont(request, font));
}

TextFont::TextFont(const FontRequest& request, TTF_Font* font)
    : mRequest(request), mpFont(font), mCellHeight(TTF_FontHeight(font)), mAscent(TTF_FontAscent(font)) {}

TextFont::~TextFont() { TTF_CloseFont(mpFont); }

int32_t TextFont::Measure(const std::string& utf8) const {
  if (utf8.empty()) return 0;
  int width = 0;
  if (TTF_SizeUTF8(mpFont, utf8.c_str(), &width, nullptr) != 0) return 0;
  return width;
}

InkMask TextFont::Render(const std::string& utf8) const {
  InkMask mask;
  if (utf8.empty()) return mask;
  SDL_Surface* surface = TTF_RenderUTF8_Solid(mpFont, utf8.c_str(), SDL_Color{255, 255, 255, 255});
  if (!surface) return mask;
  mask.width = surface->w;
  mask.height = surface->h;
  mask.ink.resize(static_cast<size_t>(mask.width) * static_cast<size_t>(mask.height));
  const auto* pixels = static_cast<const uint8_t*>(surface->pixels);
  for (int32_t y = 0; y < mask.height; ++y) {
    std::memcpy(&mask.ink[static_cast<size_t>(y) * mask.width], pixels + static_cast<ptrdiff_t>(y) * surface->pitch,
                static_cast<size_t>(mask.width));
  }
  SDL_FreeSurface(surface);
  return mask;
}

}  // namespace platform
