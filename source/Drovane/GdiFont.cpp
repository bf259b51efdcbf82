#include "Drovane/GdiFont.h"

#include "platform/DeviceContext.h"
#include "platform/FontRegistry.h"
#include "platform/Window.h"

namespace {

constexpr int32_t kMeasureExtent = 1000000;

// Tells every window that the fonts changed.
void BroadcastFontChange() { platform::DispatchMessage({platform::kBroadcastWindow, platform::WM_FONTCHANGE, 0, 0}); }

}  // namespace

GdiFont::GdiFont(std::string face, int32_t height, int32_t width, uint32_t flags, int createNow)
    : mFace(std::move(face)), mHeight(height), mWidth(width), mFlags(flags) {
  if (createNow) Create();
}

GdiFont::GdiFont(const GdiFont& other)
    : mFace(other.mFace), mHeight(other.mHeight), mWidth(other.mWidth), mFlags(other.mFlags) {
  if (other.mhFont) Create();
}

GdiFont& GdiFont::operator=(const GdiFont& other) {
  if (this == &other) return *this;
  mFace = other.mFace;
  mHeight = other.mHeight;
  mWidth = other.mWidth;
  mFlags = other.mFlags;
  Destroy();
  if (other.mhFont) Create();
  return *this;
}

int GdiFont::Create() {
  if (mFace.empty()) return 0;
  Destroy();
  platform::FontRequest request;
  request.face = mFace;
  request.height = mHeight;
  request.width = mWidth;
  request.bold = (mFlags & kFontBold) != 0;
  request.italic = (mFlags & kFontItalic) != 0;
  request.underline = (mFlags & kFontUnderline) != 0;
  request.strikeOut = (mFlags & kFontStrikeOut) != 0;
  mhFont = platform::TextFont::Create(request);
  return mhFont != nullptr;
}

void GdiFont::Destroy() { mhFont.reset(); }

void GdiFont::SetAttributes(int32_t height, int32_t width, uint32_t flags) {
  bool changed = false;
  const auto replace = [&changed](auto& field, auto value) {
    if (value == 0 || field == value) return;
    field = value;
    changed = true;
  };
  replace(mHeight, height);
  replace(mWidth, width);
  replace(mFlags, flags);
  if (!changed) return;
  Destroy();
  Create();
}

int GdiFont::MeasureText(const char* text, int32_t* outWidth, int32_t* outHeight) const {
  if (!mhFont) return 0;
  platform::DeviceContext screen(nullptr);
  screen.SelectFont(mhFont.get());
  platform::Rect rect{0, 0, kMeasureExtent, kMeasureExtent};
  screen.DrawText(text ? text : "X", rect,
                  platform::DT_CALCRECT | platform::DT_WORDBREAK | platform::DT_NOPREFIX);
  if (outWidth) *outWidth = rect.right;
  if (outHeight) *outHeight = rect.bottom;
  return 1;
}

int GdiFont::AddFontFile(const std::string& path) {
  const int result = platform::AddFontFile(path);
  if (result) BroadcastFontChange();
  return result;
}

int GdiFont::RemoveFontFile(const std::string& path) {
  const int result = platform::RemoveFontFile(path);
  if (result) BroadcastFontChange();
  return result;
}
