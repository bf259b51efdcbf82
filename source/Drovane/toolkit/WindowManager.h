#pragma once
#include <cstdint>
#include <vector>

class GraphicWindow;

// Hands key and mouse events to the graphic windows, draws the window tree and deletes
// windows safely: a deletion asked for while an event, a draw or a notification is being
// dispatched waits in a queue until the outermost dispatch is over. The application owns
// the one manager; windows reach it through theWindowManager.
class WindowManager {
public:
  explicit WindowManager(GraphicWindow* root = nullptr);
  // Forgets the queued windows without deleting them.
  virtual ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  virtual void SetRootWindow(GraphicWindow* window);
  // 1 when the window was deleted at once, 2 when it waits in the queue, 0 when asked
  // during a dispatch for a window that is not live.
  virtual int32_t DeleteWindow(GraphicWindow* window);
  // Keys go to the first visible window of the input list; its answer, 0 when none.
  virtual int32_t OnChar(uint32_t character);
  virtual int32_t OnKeyDown(uint32_t key, uint32_t flags);
  virtual int32_t OnKeyUp(uint32_t key, uint32_t flags);
  // Mouse positions in root coordinates; buttons as the application gives them (1 left,
  // 2 right). The capture window gets every event, else the topmost visible window under
  // the pointer.
  virtual int32_t OnMouseDown(int32_t x, int32_t y, int32_t buttons);
  virtual int32_t OnMouseUp(int32_t x, int32_t y, int32_t buttons);
  virtual int32_t OnMouseMove(int32_t x, int32_t y);
  // kind 1 down, 2 up, 4 move; x and y in the window's own coordinates.
  virtual int32_t RouteMouseEvent(GraphicWindow* window, int32_t kind, int32_t x, int32_t y, int32_t buttons);
  // The root's Draw result; 0 without a root.
  virtual int32_t DrawWindows();
  virtual bool IsValidWindow(const GraphicWindow* window) const;
  // True when the window or one of its ancestors waits in the queue.
  virtual bool IsQueuedForDeletion(const GraphicWindow* window) const;
  // Open and close a dispatch; each returns the new depth.
  virtual int32_t BeginDispatch();
  virtual int32_t EndDispatch();

  // Closes a dispatch and, when it was the outermost, deletes what waited.
  void EndDispatchAndFlush();
  // Deletes a live window now, through its parent when it still has one. 1, or 0 when
  // the window is not live.
  int32_t DeleteWindowNow(GraphicWindow* window);
  // Deletes the queued windows in order, unless a dispatch is still open. 0 when called
  // from inside itself.
  int32_t FlushDeletedWindows();
  // A window destroyed some other way leaves the queue.
  void ForgetWindow(const GraphicWindow* window);

  int32_t mDispatchDepth = 0;
  GraphicWindow* mpRootWindow = nullptr;
  std::vector<GraphicWindow*> mDeleteQueue;

private:
  int32_t DispatchKey(int32_t (GraphicWindow::*handler)(uint32_t, uint32_t), uint32_t key, uint32_t flags);
  int32_t DispatchMouse(int32_t kind, int32_t x, int32_t y, int32_t buttons);
  static int32_t CallMouseHandler(GraphicWindow* window, int32_t kind, int32_t x, int32_t y, int32_t buttons);
};

// The most recently constructed manager; null when it has gone.
extern WindowManager* theWindowManager;
