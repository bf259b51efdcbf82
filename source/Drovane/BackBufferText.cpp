#include <cstring>

#include "Drovane/BackBuffer.h"
#include "Drovane/ErrorReport.h"

// The buffer's drawing through its surface's device context: text and pen lines.

using namespace platform;

namespace {

uint32_t TextFormat(uint32_t options) {
  uint32_t format = DT_WORDBREAK;
  if (options & kTextCenter) {
    format |= DT_CENTER;
  } else if (options & kTextRight) {
    format |= DT_RIGHT;
  }
  if (options & kTextVCenter) format |= DT_VCENTER;
  if (options & kTextMeasure) format |= DT_CALCRECT;
  return format;
}

// The text's bytes: length of them, up to its end, or all of it for a negative length.
std::string_view TextOf(const char* text, int32_t length) {
  if (!text) return {};
  if (length < 0) return text;
  return {text, strnlen(text, static_cast<size_t>(length))};
}

}  // namespace

uint32_t CBackBuffer::SetFont(GdiFont* font) {
  mpFont.reset(font);
  return 0;
}

uint32_t CBackBuffer::DrawBufferText(const char* text, int32_t length, uint32_t options, Rect* rect, GdiFont* font) {
  if (!GetSurface()) return kNoSurface;
  if (!rect) return kErrorFailure;
  DeviceContext context(GetSurface());
  if (!context.IsValid()) {
    ReportDirectDrawError(context.Result(), "Error in CBackBuffer::DrawBufferText() after GetDC().");
    return kNoSurface;
  }
  context.SetBackgroundOpaque((options & kTextOpaque) != 0);
  GdiFont* chosen = font ? font : mpFont.get();
  if (chosen && chosen->mhFont) context.SelectFont(chosen->mhFont.get());
  context.SetTextColor(mTextColor);
  context.DrawText(TextOf(text, length), *rect, TextFormat(options));
  return 0;
}

uint32_t CBackBuffer::DrawBufferText(const char* text, uint32_t options, int32_t* pLeft, int32_t* pTop,
                                     int32_t* pRight, int32_t* pBottom, GdiFont* font) {
  if (!GetSurface()) return kNoSurface;
  if (!pLeft || !pTop) return kErrorFailure;
  Rect rect{*pLeft, *pTop, pRight ? *pRight : mWidth, pBottom ? *pBottom : mHeight};
  const uint32_t result = DrawBufferText(text, -1, options, &rect, font);
  if (result != 0 || !(options & kTextMeasure)) return result;
  *pLeft = rect.left;
  *pTop = rect.top;
  if (pRight) *pRight = rect.right;
  if (pBottom) *pBottom = rect.bottom;
  return 0;
}

uint32_t CBackBuffer::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width) {
  if (!GetSurface()) return kNoSurface;
  if (!mhPen || mPenWidth != width || (mPenColorUsed & 0x00FFFFFF) != (mPenColor & 0x00FFFFFF)) {
    mPenWidth = width;
    mPenColorUsed = mPenColor;
    mhPen = std::make_unique<Pen>(width, mPenColor);
  }
  DeviceContext context(GetSurface());
  if (!context.IsValid()) {
    ReportDirectDrawError(context.Result(), "Error in CBackBuffer::DrawLine() after GetDC().");
    return kErrorFailure;
  }
  context.SelectPen(mhPen.get());
  context.MoveTo(x1, y1);
  context.LineTo(x2, y2);
  return 0;
}
