#pragma once
#include <string>
#include <vector>

#include "Drovane/Comander.h"

// A receiver that writes down every call it gets, as "Name" or "Name a,b".
class RecordingCommander : public Comander {
public:
  int32_t OnKeyDown(uint32_t key, uint32_t data) override { return Note("KeyDownData", key, data); }
  int32_t OnMouseDown(int32_t x, int32_t y) override { return Note("MouseDown", x, y); }
  int32_t OnMouseUp(int32_t x, int32_t y) override { return Note("MouseUp", x, y); }
  int32_t OnMouseMove(int32_t x, int32_t y) override { return Note("MouseMove", x, y); }
  int32_t Activate() override { return Note("Activate"); }
  int32_t Deactivate() override { return Note("Deactivate"); }
  int32_t OnFocusLost() override { return Note("FocusLost"); }
  int32_t OnKeyDown(uint32_t key) override { return Note("KeyDown", key); }
  int32_t OnKeyUp(uint32_t key) override { return Note("KeyUp", key); }
  int32_t OnChar(uint32_t code) override { return Note("Char", code); }
  int32_t OnLeftButtonDown(int32_t x, int32_t y) override { return Note("LeftDown", x, y); }
  int32_t OnLeftButtonUp(int32_t x, int32_t y) override { return Note("LeftUp", x, y); }
  int32_t OnRightButtonDown(int32_t x, int32_t y) override { return Note("RightDown", x, y); }
  int32_t OnRightButtonUp(int32_t x, int32_t y) override { return Note("RightUp", x, y); }
  int32_t OnCloseRequest() override { return Note("CloseRequest"); }

  std::vector<std::string> calls;

private:
  int32_t Note(const std::string& name) {
    calls.push_back(name);
    return 0;
  }
  template <class A>
  int32_t Note(const std::string& name, A a) {
    calls.push_back(name + " " + std::to_string(a));
    return 0;
  }
  template <class A, class B>
  int32_t Note(const std::string& name, A a, B b) {
    calls.push_back(name + " " + std::to_string(a) + "," + std::to_string(b));
    return 0;
  }
};
