#include "Drovane/BitmapFont.h"

#include <algorithm>

#include "Drovane/PathHelpers.h"

using platform::Rect;

namespace {

// A cell the glyph picture holds whole, with room for at least one pixel.
bool CellInside(const Rect& cell, int32_t width, int32_t height) {
  return cell.left >= 0 && cell.top >= 0 && cell.left < cell.right && cell.top < cell.bottom &&
         cell.right <= width && cell.bottom <= height;
}

Rect InkOfCell(const uint8_t* bits, int32_t stride, const Rect& cell, uint8_t background) {
  const int32_t w = cell.Width();
  const int32_t h = cell.Height();
  int32_t minX = w, minY = h, maxX = 0, maxY = 0;
  for (int32_t y = 0; y < h; ++y) {
    const uint8_t* row = bits + static_cast<ptrdiff_t>(cell.top + y) * stride + cell.left;
    for (int32_t x = 0; x < w; ++x) {
      if (row[x] == background) continue;
      minX = std::min(minX, x);
      minY = std::min(minY, y);
      maxX = std::max(maxX, x);
      maxY = std::max(maxY, y);
    }
  }
  if (maxX < minX) return {};
  return {minX, minY, maxX + 1, maxY + 1};
}

}  // namespace

BitmapFont::BitmapFont(std::string descriptionFileName, int32_t language)
    : mDescriptionFileName(std::move(descriptionFileName)), mLanguage(language) {}

CBackBuffer* BitmapFont::Load() { return ReadDescription(); }

void BitmapFont::Unload() { DestroyGlyphBuffer(); }

CBackBuffer* BitmapFont::CreateGlyphBuffer() {
  if (mpGlyphBuffer) return mpGlyphBuffer.get();
  std::string directory;
  GetDirectoryPart(mDescriptionFileName, directory);
  const std::string imagePath = directory + mImageFileName;
  mpGlyphBuffer = std::make_unique<CBackBuffer>(imagePath.c_str());
  if (mpGlyphBuffer->mWidth <= 0 || mpGlyphBuffer->mHeight <= 0 || mpGlyphBuffer->Lock() == 0) {
    return mpGlyphBuffer.get();
  }
  const uint8_t background = mpGlyphBuffer->mpBits[0];
  mpGlyphBuffer->Unlock();
  mpGlyphBuffer->SetTransparentColor(true, background);
  return mpGlyphBuffer.get();
}

void BitmapFont::DestroyGlyphBuffer() { mpGlyphBuffer.reset(); }

CBackBuffer* BitmapFont::ReadDescription() {
  platform::ProfileFile profile;
  profile.Load(mDescriptionFileName);
  FontDescription description = ReadFontDescription(profile);
  mPitch = description.pitch;
  mHeight = description.height;
  mLanguage = description.language;
  mCharacterSet = description.characterSet;
  mStartCharacter = description.startCharacter;
  mCharacterCount = description.characterCount;
  mImageFileName = description.imageFileName;
  mCellRects = std::move(description.cells);
  mAdvanceWidths.clear();
  // An inverted cell has nothing to advance over.
  for (const Rect& cell : mCellRects) mAdvanceWidths.push_back(static_cast<uint8_t>(std::max(cell.Width(), 0)));
  CreateGlyphBuffer();
  ComputeInkBounds();
  return mpGlyphBuffer.get();
}

void BitmapFont::ComputeInkBounds() {
  mInkRects.assign(mCellRects.size(), Rect{});
  if (!mpGlyphBuffer || mpGlyphBuffer->mWidth <= 0 || mpGlyphBuffer->mHeight <= 0) return;
  if (mpGlyphBuffer->Lock() == 0) return;
  const uint8_t background = mpGlyphBuffer->mpBits[0];
  for (size_t i = 0; i < mCellRects.size(); ++i) {
    const Rect& cell = mCellRects[i];
    if (!CellInside(cell, mpGlyphBuffer->mWidth, mpGlyphBuffer->mHeight)) continue;
    mInkRects[i] = InkOfCell(mpGlyphBuffer->mpBits, mpGlyphBuffer->mStride, cell, background);
  }
  mpGlyphBuffer->Unlock();
}

bool BitmapFont::InRange(uint8_t c) const {
  const int64_t code = c;
  return code >= mStartCharacter && code < int64_t{mStartCharacter} + static_cast<int64_t>(mCellRects.size());
}

int32_t BitmapFont::MeasureRun(const char* text, int32_t length) const {
  int32_t width = 0;
  for (int32_t i = 0; i < length && text[i] != '\0'; ++i) width += Advance(static_cast<uint8_t>(text[i]));
  return width;
}

int32_t BitmapFont::MeasureText(const char* text, int32_t length, int32_t& outCount) const {
  int32_t kept = std::max(length, 0);
  while (kept > 0) {
    const auto c = static_cast<uint8_t>(text[kept - 1]);
    if (InRange(c) && !IsSpace(c)) break;
    --kept;
  }
  outCount = kept;
  int32_t width = 0;
  for (int32_t i = 0; i < kept; ++i) width += Advance(static_cast<uint8_t>(text[i]));
  return width;
}

int32_t BitmapFont::FindLineBreak(const char* text, int32_t length, int32_t vodWidth) const {
  int32_t width = 0;
  int32_t count = 0;
  int32_t breakAt = 0;
  while (width <= vodWidth) {
    if (count >= length || text[count] == '\0') return count;
    const auto c = static_cast<uint8_t>(text[count]);
    if (IsLineBreak(c)) {
      breakAt = count + 1;
      break;
    }
    width += Advance(c);
    ++count;
    if (IsWordBreak(c) && width <= vodWidth) breakAt = count;
  }
  if (breakAt == 0) {
    // No word break fitted: the first word makes the line, whole.
    while (breakAt < length && text[breakAt] != '\0') {
      const auto c = static_cast<uint8_t>(text[breakAt++]);
      if (IsWordBreak(c) || IsLineBreak(c)) break;
    }
  }
  while (breakAt < length && IsSpace(static_cast<uint8_t>(text[breakAt]))) ++breakAt;
  return breakAt;
}

int32_t BitmapFont::CountLines(const char* text, int32_t length, int32_t vodWidth) const {
  int32_t lines = 0;
  for (int32_t at = 0; at < length;) {
    const int32_t count = FindLineBreak(text + at, length - at, vodWidth);
    if (count == 0) break;
    at += count;
    ++lines;
  }
  return lines;
}

int32_t BitmapFont::FindWrapWidth(const char* text, int32_t length, int32_t vodHeight) const {
  if (mHeight < 1) return 1;
  const int32_t allowed = vodHeight / mHeight;
  for (int32_t width = 20; width < 4000; width += 10) {
    if (CountLines(text, length, width) <= allowed) return width;
  }
  return 1;
}
