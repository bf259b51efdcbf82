#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/DisplayDevice.h"
#include "platform/TextFont.h"

// A device context on a display surface: what text, pens and single pixels draw through.
// Colours are 0x00RRGGBB and become the nearest index of the colours the screen shows
// (ScreenColours.h) when they are drawn. Glyphs are unsmoothed: a pixel takes the colour
// or stays as it was. Main thread only.
namespace platform {

// Formats of DrawText.
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;

// The opaque background's colour: white, as no caller sets another.
constexpr uint32_t kOpaqueBackground = 0x00FFFFFF;

// A solid pen of a width and a colour. Each pen made has a serial number of its own.
class Pen {
public:
  Pen(int32_t width, uint32_t colour);
  int32_t Width() const { return mWidth; }
  uint32_t Colour() const { return mColour; }
  uint64_t Serial() const { return mSerial; }

private:
  int32_t mWidth;
  uint32_t mColour;
  uint64_t mSerial;
};

class DeviceContext {
public:
  // Takes the surface's device context; IsValid tells whether that worked. Without a
  // surface it is the screen's context: it measures, and draws nothing.
  explicit DeviceContext(DisplaySurface* surface);
  ~DeviceContext();
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;

  bool IsValid() const { return mResult == kResultOk; }
  ResultCode Result() const { return mResult; }

  // Selects a font (null: the context's default, the mapped face at height 16); returns
  // the one selected before (null for the default). The font must outlive its selection.
  const TextFont* SelectFont(const TextFont* font);
  void SetTextColor(uint32_t rgb) { mTextColour = rgb; }
  void SetBackgroundOpaque(bool opaque) { mOpaque = opaque; }

  // Draws, or with DT_CALCRECT measures, Windows-1252 text in the rectangle; see the
  // formats above. Measuring sets right to left + the widest line and bottom to top + the
  // lines times the line height. Drawing clips to the rectangle. Returns the text's height.
  int32_t DrawText(std::string_view text, Rect& rect, uint32_t format);
  // One line of text with its top-left corner at (x, y).
  void TextOut(int32_t x, int32_t y, std::string_view text);
  // Width and height of one line of text.
  Point GetTextExtent(std::string_view text) const;
  int32_t LineHeight() const;

  // Selects a pen; returns the one before (null: none).
  const Pen* SelectPen(const Pen* pen);
  void MoveTo(int32_t x, int32_t y) { mPenPosition = {x, y}; }
  // A line from the pen position to (x, y), which becomes the pen position. A 1-pixel pen
  // leaves out the end point; a wider pen draws a square of its width centred on each point.
  void LineTo(int32_t x, int32_t y);

  // 0x00RRGGBB of the pixel, or 0xFFFFFFFF outside the surface.
  uint32_t GetPixel(int32_t x, int32_t y) const;
  // Sets the pixel to the nearest colour; returns the colour it got, 0xFFFFFFFF outside.
  uint32_t SetPixel(int32_t x, int32_t y, uint32_t rgb);
  // Fills the rectangle, clipped to the surface, with the nearest colour.
  void FillRect(const Rect& rect, uint32_t rgb);

private:
  // The selected font, else the default; null only when no font file can be read.
  const TextFont* CurrentFont() const;
  uint8_t IndexOf(uint32_t rgb) const;
  // One line of text at (x, y), lineWidth wide, clipped to clip (already within the surface).
  void DrawTextLine(int32_t x, int32_t y, std::string_view text, int32_t lineWidth, const Rect& clip);
  void FillClipped(Rect rect, const Rect& clip, uint8_t index);
  void PlotPen(int32_t x, int32_t y, int32_t width, uint8_t index);
  Rect Whole() const { return {0, 0, mDesc.width, mDesc.height}; }

  DisplaySurface* mpSurface;
  ResultCode mResult = kResultOk;
  SurfaceDesc mDesc;
  std::array<uint32_t, 256> mColours{};
  const TextFont* mpFont = nullptr;
  const Pen* mpPen = nullptr;
  Point mPenPosition;
  uint32_t mTextColour = 0;
  bool mOpaque = false;
};

}  // namespace platform
