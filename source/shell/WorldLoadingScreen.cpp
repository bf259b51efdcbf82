#include "shell/WorldLoadingScreen.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "Drovane/BackBuffer.h"
#include "Drovane/DataPaths.h"
#include "game/P3Tweak.h"
#include "game/P3WorldLoading.h"
#include "game/world/WorldStage.h"
#include "platform/MessageQueue.h"
#include "platform/Window.h"
#include "screens/LoadingScreen.h"

namespace {

constexpr auto kPictureInterval = std::chrono::milliseconds(30);

bool IsInput(uint32_t message) {
  switch (message) {
    case platform::WM_KEYDOWN:
    case platform::WM_KEYUP:
    case platform::WM_SYSKEYDOWN:
    case platform::WM_SYSKEYUP:
    case platform::WM_CHAR:
      return true;
  }
  return message >= platform::WM_MOUSEMOVE && message <= 0x020E;  // every mouse message
}

// Handles what the queue holds: input dropped, the close request and the quit message held.
void HandleMessages(std::vector<platform::Message>& held) {
  platform::Message message;
  while (platform::PeekMessage(message)) {
    if (IsInput(message.message)) continue;
    if (message.message == platform::WM_QUIT || message.message == platform::WM_CLOSE) {
      held.push_back(message);
      continue;
    }
    platform::DispatchMessage(message);
  }
}

void PostAgain(const std::vector<platform::Message>& held) {
  for (const platform::Message& message : held) {
    if (message.message == platform::WM_QUIT) {
      platform::PostQuitMessage(static_cast<int>(message.wParam));
    } else {
      platform::PostMessage(message.window, message.message, message.wParam, message.lParam);
    }
  }
}

void Present(const WorldLoadingRun& run, LoadingScreen& picture, bool ended) {
  picture.Draw(*run.screen, WorldStageMask.load(), ended);
  if (run.window) run.screen->Swap(run.window, 0, 0);
}

}  // namespace

int32_t RunLoadingScreen(const WorldLoadingRun& run) {
  LoadingScreen picture(run.hourglassPath);
  std::atomic<bool> ended{false};
  int32_t result = 0;
  std::thread loader([&] {
    std::lock_guard loading(WorldLoadingMutex());
    result = run.worldStart();
    ended = true;
  });
  std::vector<platform::Message> held;
  while (!ended) {
    HandleMessages(held);
    Present(run, picture, false);
    if (run.wait) {
      run.wait();
    } else {
      std::this_thread::sleep_for(kPictureInterval);
    }
  }
  loader.join();
  HandleMessages(held);
  Present(run, picture, true);
  PostAgain(held);
  if (TweakReloadPending()) TweakLiveReload();
  return result;
}

std::string HourglassVideoPath() {
  std::string path;
  if (!gDataPaths.GetPathString(kDataVideo, 0, "hourglass.smk", path)) return {};
  return path;
}
