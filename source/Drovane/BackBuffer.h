#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "Drovane/GdiFont.h"
#include "Drovane/ImageBuffer.h"
#include "platform/DeviceContext.h"
#include "platform/DisplayDevice.h"

// Pixels of every surface the back buffers made; the statistics line shows it.
extern int32_t gSurfaceMemory;

// What a buffer without a surface answers from its surface operations.
constexpr uint32_t kNoSurface = 101;

// The framework's drawing surface: an 8-bit off-screen surface with composing into other
// buffers, colour fills, pixel lines and rectangle outlines, and a source colour key. Every
// window image, panel and the screen itself is one.
class CBackBuffer : public ImageBuffer {
public:
  CBackBuffer();
  // Loads an 8-bit bitmap file. A file that does not open, or is not a bitmap this can
  // read, gives a 0 by 0 buffer without a surface.
  explicit CBackBuffer(const char* imageFileName);
  CBackBuffer(int32_t width, int32_t height);
  ~CBackBuffer() override;

  // Nested locks are counted; only the outermost pair locks the surface.
  int32_t Lock() override;
  int32_t Unlock() override;
  void SetTransparentColor(bool on, int32_t index) override;
  // Copies the source rectangle into dest at (x, y), clipped to dest; keyed when this
  // buffer is transparent. The blit's result, 0 when nothing is left to draw, kNoSurface.
  virtual uint32_t Compose(CBackBuffer* dest, int32_t x, int32_t y, int32_t srcLeft, int32_t srcTop,
                           int32_t srcRight, int32_t srcBottom);
  // Scales the source rectangle into the destination rectangle; both by their edges.
  virtual uint32_t CopyTo(CBackBuffer* dest, int32_t destLeft, int32_t destTop, int32_t destRight,
                          int32_t destBottom, int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom);
  // Flips the front surface.
  uint32_t Swap(WinWindow* window, int32_t x, int32_t y) override;
  // A plain copy into the window's back buffer at (x, y), clipped to it.
  uint32_t ComposeToWindow(WinWindow* window, int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom,
                           int32_t x, int32_t y) override;
  virtual void ResetFields();
  virtual uint32_t ComposeAtPoint(CBackBuffer* dest, const platform::Point& point, const platform::Rect& rect);
  virtual uint32_t ComposeStretched(CBackBuffer* dest, const platform::Rect& destRect, const platform::Rect& srcRect);
  // The whole buffer into dest at (0, 0); keyed only when transparent and useKey is set.
  virtual uint32_t ComposeAll(CBackBuffer* dest, bool useKey);
  virtual uint32_t ComposeAtPointUnclipped(CBackBuffer* dest, const platform::Point& point,
                                           const platform::Rect& rect);
  // Compose without clipping; a rectangle outside either surface is refused by the blit.
  virtual uint32_t ComposeUnclipped(CBackBuffer* dest, int32_t x, int32_t y, int32_t srcLeft, int32_t srcTop,
                                    int32_t srcRight, int32_t srcBottom);
  // Colour-fills the rectangle clamped to mRect, or mRect when there is none.
  virtual uint32_t FillRect(uint32_t color, const platform::Rect* rect);
  // A line of mColorIndex, t pixels thick, into the locked pixels; every pixel outside the
  // buffer is left out.
  virtual uint32_t DrawPixelLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t thickness);
  // The same line after clipping its ends to the buffer.
  virtual uint32_t DrawClippedLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t thickness);
  // Outlines of the rectangle: top, bottom, right and left edges.
  virtual uint32_t DrawClippedRect(const platform::Rect& rect, int32_t thickness);
  virtual uint32_t DrawPixelRect(const platform::Rect& rect, int32_t thickness);
  virtual platform::DisplaySurface* GetSurface() const;

  // A line in mPenColor, width pixels wide, through the surface's device context; a
  // 1-pixel line leaves out its end point. The pen is made anew only when the width or the
  // colour changed. 0, kNoSurface, or kErrorFailure when the context cannot be had.
  virtual uint32_t DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width);
  // Text in mTextColor, broken into lines at spaces, in the rectangle; length -1 for the
  // whole text. Options: kTextCenter (before kTextRight), kTextRight, kTextVCenter,
  // kTextOpaque (a white background), kTextMeasure (nothing drawn; the rectangle becomes
  // the text's extent). The font is the one given, else the buffer's, else the default.
  // 0, kNoSurface, or kErrorFailure for a missing rectangle.
  virtual uint32_t DrawBufferText(const char* text, int32_t length, uint32_t options, platform::Rect* rect,
                                  GdiFont* font);
  // The same with the rectangle's edges behind four pointers; a null pRight or pBottom
  // stands for the buffer's width or height. Measuring writes all four given edges back.
  virtual uint32_t DrawBufferText(const char* text, uint32_t options, int32_t* pLeft, int32_t* pTop,
                                  int32_t* pRight, int32_t* pBottom, GdiFont* font);
  // Gives the buffer its text font; the buffer owns it and deletes the one before. 0.
  uint32_t SetFont(GdiFont* font);

  // Reads the pixels of the bitmap file the buffer was made from. 0, or kErrorImageFile
  // when the file does not open, is bad or no longer fits the surface.
  uint32_t LoadImageFile();
  // Sets palette entries from colours 0x00RRGGBB; nothing without a palette.
  void SetPaletteEntries(int32_t start, int32_t count, const uint32_t* entries);

  std::string mImageFileName;
  platform::Rect mRect;
  bool mUseBackSurface = false;
  bool mTransparent = false;
  int32_t mColorIndex = 0;
  int32_t mTransparentIndex = 0;
  platform::DisplaySurface* mpFrontSurface = nullptr;
  platform::DisplaySurface* mpBackSurface = nullptr;
  platform::DisplayPalette* mpPalette = nullptr;
  platform::SurfaceDesc mSurfaceDesc;
  platform::BltFx mBltFx;
  // The default font of the buffer's text; owned, may be null.
  std::unique_ptr<GdiFont> mpFont;
  // Colours 0x00RRGGBB of text and of DrawLine; users set them before drawing.
  uint32_t mTextColor = 0;
  uint32_t mPenColor = 0;
  // DrawLine's pen and the width and colour it was made with.
  std::unique_ptr<platform::Pen> mhPen;
  int32_t mPenWidth = 0;
  uint32_t mPenColorUsed = 0;

private:
  void CreateSurface(int32_t width, int32_t height);
  void ReleaseSurface(platform::DisplaySurface*& surface);
  // The source rectangle into dest at (x, y), cut to dest's edges; 0 when nothing is left.
  uint32_t ClippedBlit(CBackBuffer* dest, int32_t x, int32_t y, const platform::Rect& src, bool keyed);
  uint32_t Blit(CBackBuffer* dest, const platform::Rect& destRect, const platform::Rect& srcRect, bool keyed);
  using LineDrawer = uint32_t (CBackBuffer::*)(int32_t, int32_t, int32_t, int32_t, int32_t);
  // Top, bottom, right and left edges, each drawn by draw.
  uint32_t DrawOutline(const platform::Rect& rect, int32_t thickness, LineDrawer draw);
  void DrawLineSpan(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t thickness);
  // A width-by-height block clipped to the locked pixels.
  void FillBlock(int64_t left, int64_t top, int64_t width, int64_t height);
};

// Options of DrawBufferText.
constexpr uint32_t kTextCenter = 1;
constexpr uint32_t kTextVCenter = 2;
constexpr uint32_t kTextOpaque = 4;
constexpr uint32_t kTextRight = 8;
constexpr uint32_t kTextMeasure = 16;

// Failure of LoadImageFile.
constexpr uint32_t kErrorImageFile = 0x80000006;
