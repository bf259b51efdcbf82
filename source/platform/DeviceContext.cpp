#include "platform/DeviceContext.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "platform/ScreenColours.h"
#include "platform/TextLayout.h"
#include "platform/Windows1252.h"

namespace platform {
namespace {

constexpr int32_t kDefaultFontHeight = 16;
constexpr uint32_t kNoColour = 0xFFFFFFFF;

std::atomic<uint64_t> gNextPenSerial{1};

const TextFont* DefaultFont() {
  static const std::unique_ptr<TextFont> font = TextFont::Create({"Arial", kDefaultFontHeight});
  return font.get();
}

Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const Rect& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

// The text up to its first zero byte, as a C string would end.
std::string_view UpToZero(std::string_view text) { return text.substr(0, std::min(text.find('\0'), text.size())); }

// Underline and strike-out: one row per 24 pixels of cell height, at least one.
int32_t DecorationThickness(const TextFont& font) { return 1 + font.CellHeight() / 24; }

}  // namespace

Pen::Pen(int32_t width, uint32_t colour) : mWidth(width), mColour(colour & 0x00FFFFFF), mSerial(gNextPenSerial++) {}

DeviceContext::DeviceContext(DisplaySurface* surface)
    : mpSurface(surface) {
  mResult = surface ? surface->GetDC(mDesc) : kResultOk;
  if (IsValid()) mColours = ShownScreenColours();
}

DeviceContext::~DeviceContext() {
  if (IsValid() && mpSurface) mpSurface->ReleaseDC();
}

const TextFont* DeviceContext::SelectFont(const TextFont* font) {
  const TextFont* previous = mpFont;
  mpFont = font;
  return previous;
}

const TextFont* DeviceContext::CurrentFont() const { return mpFont ? mpFont : DefaultFont(); }

uint8_t DeviceContext::IndexOf(uint32_t rgb) const {
  return static_cast<uint8_t>(NearestColourIndex(mColours.data(), 256, rgb & 0x00FFFFFF));
}

int32_t DeviceContext::DrawText(std::string_view text, Rect& rect, uint32_t format) {
  const TextFont* current = CurrentFont();
  if (!IsValid() || !current) return 0;
  const TextFont& font = *current;
  const auto measure = [&font](std::string_view piece) { return font.Measure(Windows1252ToUtf8(piece)); };
  const std::vector<TextLine> lines =
      BreakTextLines(UpToZero(text), rect.Width(), (format & DT_WORDBREAK) != 0, measure);
  const int32_t lineHeight = font.CellHeight();
  const int32_t textHeight = static_cast<int32_t>(lines.size()) * lineHeight;
  if (format & DT_CALCRECT) {
    int32_t widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    rect.right = rect.left + widest;
    rect.bottom = rect.top + textHeight;
    return textHeight;
  }
  const Rect clip = Intersect(rect, Whole());
  int32_t y = (format & DT_VCENTER) ? rect.top + (rect.Height() - textHeight) / 2 : rect.top;
  for (const TextLine& line : lines) {
    int32_t x = rect.left;
    if (format & DT_CENTER) {
      x = rect.left + (rect.Width() - line.width) / 2;
    } else if (format & DT_RIGHT) {
      x = rect.right - line.width;
    }
    DrawTextLine(x, y, line.text, line.width, clip);
    y += lineHeight;
  }
  return textHeight;
}

void DeviceContext::TextOut(int32_t x, int32_t y, std::string_view text) {
  const TextFont* font = CurrentFont();
  if (!IsValid() || !font) return;
  const std::string_view line = UpToZero(text);
  DrawTextLine(x, y, line, font->Measure(Windows1252ToUtf8(line)), Whole());
}

Point DeviceContext::GetTextExtent(std::string_view text) const {
  const TextFont* font = CurrentFont();
  if (!font) return {};
  return {font->Measure(Windows1252ToUtf8(UpToZero(text))), font->CellHeight()};
}

int32_t DeviceContext::LineHeight() const {
  const TextFont* font = CurrentFont();
  return font ? font->CellHeight() : 0;
}

void DeviceContext::DrawTextLine(int32_t x, int32_t y, std::string_view text, int32_t lineWidth, const Rect& clip) {
  const TextFont& font = *CurrentFont();
  if (mOpaque) FillClipped({x, y, x + lineWidth, y + font.CellHeight()}, clip, IndexOf(kOpaqueBackground));
  const uint8_t index = IndexOf(mTextColour);
  const InkMask mask = font.Render(Windows1252ToUtf8(text));
  const Rect drawn = Intersect({x, y, x + mask.width, y + mask.height}, clip);
  for (int32_t row = drawn.top; row < drawn.bottom; ++row) {
    const uint8_t* ink = &mask.ink[static_cast<size_t>(row - y) * mask.width];
    uint8_t* pixels = mDesc.bits + static_cast<ptrdiff_t>(row) * mDesc.pitch;
    for (int32_t column = drawn.left; column < drawn.right; ++column) {
      if (ink[column - x]) pixels[column] = index;
    }
  }
  const int32_t thickness = DecorationThickness(font);
  if (font.Request().underline) {
    const int32_t top = y + font.Ascent() + 1;
    FillClipped({x, top, x + lineWidth, top + thickness}, clip, index);
  }
  if (font.Request().strikeOut) {
    const int32_t top = y + font.Ascent() - font.Ascent() / 3;
    FillClipped({x, top, x + lineWidth, top + thickness}, clip, index);
  }
}

void DeviceContext::FillClipped(Rect rect, const Rect& clip, uint8_t index) {
  rect = Intersect(rect, clip);
  if (IsEmpty(rect)) return;
  for (int32_t row = rect.top; row < rect.bottom; ++row) {
    std::fill_n(mDesc.bits + static_cast<ptrdiff_t>(row) * mDesc.pitch + rect.left, rect.Width(), index);
  }
}

void DeviceContext::FillRect(const Rect& rect, uint32_t rgb) {
  if (IsValid()) FillClipped(rect, Whole(), IndexOf(rgb));
}

const Pen* DeviceContext::SelectPen(const Pen* pen) {
  const Pen* previous = mpPen;
  mpPen = pen;
  return previous;
}

// Bresenham's line from the pen position; the end point is plotted only by a wide pen.
void DeviceContext::LineTo(int32_t x, int32_t y) {
  const Point from = mPenPosition;
  mPenPosition = {x, y};
  if (!IsValid() || !mpPen) return;
  const int32_t width = std::max(mpPen->Width(), 1);
  const uint8_t index = IndexOf(mpPen->Colour());
  const int64_t dx = std::llabs(int64_t{x} - from.x), dy = -std::llabs(int64_t{y} - from.y);
  const int32_t stepX = from.x < x ? 1 : -1, stepY = from.y < y ? 1 : -1;
  int64_t error = dx + dy;
  int32_t px = from.x, py = from.y;
  while (px != x || py != y) {
    PlotPen(px, py, width, index);
    const int64_t twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      px += stepX;
    }
    if (twice <= dx) {
      error += dx;
      py += stepY;
    }
  }
  if (width > 1) PlotPen(x, y, width, index);
}

void DeviceContext::PlotPen(int32_t x, int32_t y, int32_t width, uint8_t index) {
  const int32_t left = x - width / 2, top = y - width / 2;
  FillClipped({left, top, left + width, top + width}, Whole(), index);
}

uint32_t DeviceContext::GetPixel(int32_t x, int32_t y) const {
  if (!IsValid() || x < 0 || y < 0 || x >= mDesc.width || y >= mDesc.height) return kNoColour;
  return mColours[mDesc.bits[static_cast<ptrdiff_t>(y) * mDesc.pitch + x]];
}

uint32_t DeviceContext::SetPixel(int32_t x, int32_t y, uint32_t rgb) {
  if (!IsValid() || x < 0 || y < 0 || x >= mDesc.width || y >= mDesc.height) return kNoColour;
  const uint8_t index = IndexOf(rgb);
  mDesc.bits[static_cast<ptrdiff_t>(y) * mDesc.pitch + x] = index;
  return mColours[index];
}

}  // namespace platform
