#include <SDL.h>

#include <cstdio>
#include <map>
#include <set>

#include "platform/Joysticks.h"
#include "platform/Windows1252.h"

namespace platform {
namespace {

// SDL's joysticks, opened as they appear and closed as they go. SDL's joystick events are
// turned off: the devices are read directly after SDL_JoystickUpdate, with or without a
// window, and nothing piles up in the event queue.
class SdlJoysticks : public JoystickBackend {
public:
  ~SdlJoysticks() override {
    if (mState != State::Running || !SDL_WasInit(SDL_INIT_JOYSTICK)) return;
    for (const auto& [key, joystick] : mOpen) SDL_JoystickClose(joystick);
  }

  bool Update() override {
    if (!Start()) return false;
    SDL_JoystickUpdate();
    CloseDetached();
    OpenNew();
    return true;
  }

  void AttachedDevices(std::vector<int32_t>& keys) const override {
    for (const auto& [key, joystick] : mOpen) keys.push_back(key);
  }

  bool ReadDevice(int32_t key, JoystickDeviceState& state) const override {
    SDL_Joystick* joystick = Find(key);
    if (!joystick) return false;
    int axes = SDL_JoystickNumAxes(joystick);
    state.axisCount = axes > 0 ? static_cast<uint32_t>(axes) : 0;
    for (uint32_t axis = 0; axis < kJoystickAxes && axis < state.axisCount; ++axis) {
      state.axes[axis] = SDL_JoystickGetAxis(joystick, static_cast<int>(axis));
    }
    state.buttons = 0;
    int buttons = SDL_JoystickNumButtons(joystick);
    for (int button = 0; button < buttons && button < static_cast<int>(kJoystickButtons); ++button) {
      if (SDL_JoystickGetButton(joystick, button)) state.buttons |= 1u << button;
    }
    state.hasHat = SDL_JoystickNumHats(joystick) > 0;
    state.hat = state.hasHat ? SDL_JoystickGetHat(joystick, 0) : 0;
    return true;
  }

  std::string DeviceName(int32_t key) const override {
    SDL_Joystick* joystick = Find(key);
    const char* name = joystick ? SDL_JoystickName(joystick) : nullptr;
    return name ? Utf8ToWindows1252(name) : std::string();
  }

private:
  enum class State { Untried, Running, Unavailable };

  // Starts SDL's joystick side on first use, with SDL's signal handlers off as for the
  // display. Devices are read whether or not the game's window has the focus, as the
  // system's joystick calls do.
  bool Start() {
    if (mState == State::Running && !SDL_WasInit(SDL_INIT_JOYSTICK)) {
      // SDL was shut down at the end of the program and closed the devices with it.
      mOpen.clear();
      mState = State::Unavailable;
    }
    if (mState != State::Untried) return mState == State::Running;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
      std::fprintf(stderr, "No joysticks (%s).\n", SDL_GetError());
      mState = State::Unavailable;
      return false;
    }
    SDL_JoystickEventState(SDL_IGNORE);
    mState = State::Running;
    return true;
  }

  void CloseDetached() {
    for (auto entry = mOpen.begin(); entry != mOpen.end();) {
      if (SDL_JoystickGetAttached(entry->second)) {
        ++entry;
        continue;
      }
      SDL_JoystickClose(entry->second);
      entry = mOpen.erase(entry);
    }
  }

  // A device that cannot be opened (no permission, say) is not tried again while it stays.
  void OpenNew() {
    int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
      SDL_JoystickID key = SDL_JoystickGetDeviceInstanceID(index);
      if (key < 0 || mOpen.count(key) || mRefused.count(key)) continue;
      SDL_Joystick* joystick = SDL_JoystickOpen(index);
      if (joystick) {
        mOpen[key] = joystick;
      } else {
        mRefused.insert(key);
      }
    }
  }

  SDL_Joystick* Find(int32_t key) const {
    auto found = mOpen.find(key);
    return found == mOpen.end() ? nullptr : found->second;
  }

  State mState = State::Untried;
  std::map<SDL_JoystickID, SDL_Joystick*> mOpen;  // SDL's instance ids grow: oldest first
  std::set<SDL_JoystickID> mRefused;
};

}  // namespace

JoystickBackend& SdlJoystickBackend() {
  static SdlJoysticks backend;
  return backend;
}

}  // namespace platform
