#pragma once
#include "Drovane/toolkit/GraphicWindow.h"

// A window over a back buffer it borrows: it holds children that compose into the buffer
// and never composes or deletes the buffer itself. The root of the window tree is one,
// over the screen buffer.
class ContainerWindow : public GraphicWindow {
public:
  ContainerWindow() = default;
  ContainerWindow(const platform::Rect& rect, int32_t id, CBackBuffer* buffer, CommandReceiver* notify,
                  int32_t addToParent);
  ~ContainerWindow() override;

  // Takes the borrowed buffer again when the image was dropped. The buffer, or null.
  CBackBuffer* CreateImage(int32_t sizeFromImage) override;
  // Repaints every top-level child's contents on each draw. 0 when hidden, else 1.
  int32_t Draw() override;
  int32_t DrawContents() override;

  CBackBuffer* mpBorrowedBuffer = nullptr;
};

// The root container of the screen; null while there is none.
extern ContainerWindow* theRootWindow;
