#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Drovane/toolkit/CommandReceiver.h"
#include "platform/WindowMessages.h"

class CBackBuffer;

// The toolkit's default palette indexes. Entry 8 is GraphicWindow::defaultTransparentIndex:
// -1 (none) as built, 254 once the application has started.
extern std::array<int32_t, 9> WindowColors;
constexpr size_t kTextColorEntry = 0;
constexpr size_t kSliderColorEntry = 1;
constexpr size_t kFrameColorEntry = 3;
constexpr size_t kTransparentEntry = 8;

// Kinds of mouse event the window manager routes.
constexpr int32_t kMouseDown = 1;
constexpr int32_t kMouseUp = 2;
constexpr int32_t kMouseMove = 4;

// The base of every in-game window: a rectangle in its parent, ordered children (the last
// drawn on top), an optional image from a bitmap of the bitmap folder, a dirty flag, a
// visible flag and a notify target. A window composes its image into the image of its
// nearest ancestor that has one. Windows are made with new and deleted through the window
// manager or their parent; they are never copied.
class GraphicWindow : public CommandReceiver {
public:
  GraphicWindow();
  // Joins the parent's children when addToParent is set and there is a parent. No image.
  GraphicWindow(const platform::Rect& rect, int32_t id, GraphicWindow* parent, CommandReceiver* notify,
                int32_t addToParent);
  // Loads the bitmap at once: only the rectangle's left and top count, the size is the
  // bitmap's. transparentIndex -1 means no colour key.
  GraphicWindow(const char* imageFileName, const platform::Rect& rect, int32_t id, GraphicWindow* parent,
                CommandReceiver* notify, int32_t addToParent, int32_t transparentIndex);
  virtual ~GraphicWindow();
  GraphicWindow(const GraphicWindow&) = delete;
  GraphicWindow& operator=(const GraphicWindow&) = delete;

  int32_t DoCommand(GraphicWindow* sender, int32_t senderId, int32_t code, intptr_t value) override;
  // Builds the window's contents after construction; the creator calls it. 1.
  virtual int32_t Initialize();
  // Drop and rebuild the images of the whole subtree (around display switches).
  virtual void CreateImages();
  virtual void DestroyImages();
  // Loads the bitmap unless there is an image or no file name; with sizeFromImage the
  // window takes the bitmap's size and colour key. The image, or null when there is none.
  virtual CBackBuffer* CreateImage(int32_t sizeFromImage);
  // Deletes the image when the window owns it; an image it borrows stays in place.
  virtual void DestroyImage();
  // Repaints the subtree when something in it is dirty, then composes the image into
  // the target. 0 when hidden, else 1.
  virtual int32_t Draw();
  // The rectangle in the target image's coordinates and the target: the nearest ancestor
  // with an image. 1 when one was found; 0 leaves the window without a target.
  virtual int32_t UpdateAbsoluteRect();
  virtual void UpdateAbsoluteRects();
  // The image's colour key: -1 turns it off. The window must have an image.
  virtual void SetTransparentIndex(int32_t index);
  virtual void SetUserValue(int32_t value);
  // A one-pixel frame around the window in the target; with a colour (0x00RRGGBB) it
  // becomes the target's line colour, with null the target's own is used.
  virtual void DrawFrame(const uint32_t* color);
  // Marking with propagate marks the whole subtree; clearing never propagates.
  virtual void SetDirty(int32_t dirty, int32_t propagate);
  virtual void MoveTo(int32_t x, int32_t y);
  // -1 keeps that side. The image is not changed.
  virtual void Resize(int32_t width, int32_t height);
  // -1 leaves that axis alone; a centre that is already the window's moves nothing.
  virtual void CenterOn(int32_t x, int32_t y);
  virtual void CenterInRect(const GraphicWindow& window);
  // Moves the rectangle only: no absolute update, no dirty marking.
  virtual void SetPosition(const platform::Point& point);
  virtual void SetCaption(const std::string& caption);
  // Marks dirty the children from position on that overlap the child at position.
  virtual void InvalidateOverlapping(int32_t position);
  virtual void InvalidateChildren(int32_t propagate);
  // Appends the window as the topmost child. 1.
  virtual int32_t AddChild(GraphicWindow* window);
  // Deletes the first child with the id; the child, or null when there is none.
  virtual GraphicWindow* DeleteChildById(int32_t id);
  // 1 when it was a child (unlinked and deleted), else 0.
  virtual int32_t DeleteChild(GraphicWindow* window);
  // Unlinks without deleting; the child becomes a root of its own. 1, or 0.
  virtual int32_t RemoveChild(GraphicWindow* window);
  virtual void DeleteAllChildren();
  virtual void RemoveAllChildren();
  // Deletes the window through the window manager: at once, or after the dispatch. 1.
  virtual int32_t Close();
  virtual void DetachFromParent();
  virtual GraphicWindow* FindChild(int32_t id) const;
  virtual void SetParent(GraphicWindow* window);
  // True without a modal window, else only for the top modal window and its descendants.
  virtual bool IsInModalWindow() const;
  // Input handlers; coordinates in the window's own. Non-zero when handled.
  virtual int32_t OnChar(uint32_t character);
  virtual int32_t OnKeyDown(uint32_t key, uint32_t flags);
  virtual int32_t OnKeyUp(uint32_t key, uint32_t flags);
  virtual int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons);
  virtual int32_t OnMouseUp(int32_t x, int32_t y, int32_t buttons);
  virtual int32_t OnMouseMove(int32_t x, int32_t y);
  // Takes the capture unless another window holds it: 1, else 0.
  virtual int32_t CaptureMouse(GraphicWindow* window);
  // 1 when the window held the capture and gave it up, else 0.
  virtual int32_t ReleaseMouse(GraphicWindow* window);
  // The top ancestor; adds the offsets of every window below it to x and y.
  virtual GraphicWindow* GetRootWindow(int32_t* x, int32_t* y);
  virtual void ScreenToWindow(int32_t* x, int32_t* y);
  // Strictly inside: a point on the left or top edge is outside.
  virtual bool ContainsLocalPoint(int32_t x, int32_t y) const;
  virtual CBackBuffer* GetImage() const;
  virtual void ResolveImagePath();
  virtual void DrawChildren();
  virtual int32_t DrawContents();
  virtual bool NeedsRedraw() const;

  int32_t Width() const { return mRect.right - mRect.left; }
  int32_t Height() const { return mRect.bottom - mRect.top; }

  static bool IsValidWindow(const GraphicWindow* window);
  static GraphicWindow* FindWindowById(int32_t id);
  // Move the window to the front of the list (an older entry goes). 1.
  static int32_t AddToInputList(GraphicWindow* window);
  static int32_t AddToModalList(GraphicWindow* window);
  static int32_t RemoveFromInputList(GraphicWindow* window);
  static int32_t RemoveFromModalList(GraphicWindow* window);
  // Shifts r (in this window's coordinates) to lie inside with a 5-pixel margin; 1 when
  // it fits, 0 when it is larger than the window allows.
  int32_t KeepRectInside(platform::Rect& r) const;

  // Every live window in construction order; windows taking keys and modal windows,
  // most recent first; the window holding the mouse capture.
  inline static std::vector<GraphicWindow*> listValidWindows;
  inline static std::vector<GraphicWindow*> listInputWindows;
  inline static std::vector<GraphicWindow*> listModalWindows;
  inline static GraphicWindow* captureWindow = nullptr;
  // The colour key of the controls and of most game images: WindowColors' last entry.
  static int32_t& defaultTransparentIndex;

  int32_t mId = 0;
  std::string mCaption;
  platform::Rect mRect;
  platform::Rect mAbsRect;
  std::vector<GraphicWindow*> mChildren;
  CommandReceiver* mpNotify = nullptr;
  GraphicWindow* mpParent = nullptr;
  CBackBuffer* mpImage = nullptr;
  CBackBuffer* mpTarget = nullptr;
  int32_t mDirty = 1;
  int32_t mNoOverlapInvalidate = 0;
  int32_t mOwnsImage = 1;
  int32_t mVisible = 1;
  int32_t mTransparentIndex = -1;
  std::string mImageFileName;
  std::string mImagePath;
  int32_t mUserValue = 0;

protected:
  // Composes the whole image into the target at the absolute position.
  void ComposeImage();
  // Reports to the notify target, when there is one, as this window with its id.
  int32_t Notify(int32_t code, intptr_t value);

private:
  // Unlinks the child and makes it a root of its own; false when it is not a child.
  bool UnlinkChild(GraphicWindow* window);
  // Deletes every child now, whatever dispatch is running (the destructor's way).
  void DestroyChildren();
  bool IsAncestorOrSelf(const GraphicWindow* window) const;
};
