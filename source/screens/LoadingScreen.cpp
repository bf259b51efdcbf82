#include "screens/LoadingScreen.h"

#include <bit>

#include "Drovane/LanguageStrings.h"
#include "Drovane/MatchSurfaceColor.h"
#include "Drovane/SmackerBuffer.h"
#include "platform/FileHandle.h"

namespace {

constexpr int32_t kScreenWidth = 640;
constexpr int32_t kHourglassTop = 36;
constexpr int32_t kFirstLineTop = 132;
constexpr int32_t kLineHeight = 18;
constexpr platform::Rect kBar{120, 444, 520, 456};
constexpr uint32_t kNewestText = 0xFFFFFF;
constexpr uint32_t kOlderText = 0x8C8C8C;
constexpr uint32_t kBarFrame = 0x8C8C8C;
constexpr uint32_t kBarFill = 0xF0C850;
// The video's own flags and value for a silent clip.
constexpr uint32_t kVideoOpenFlags = 0;
constexpr int32_t kVideoExtraValue = -1;

void DrawLine(CBackBuffer& screen, const std::string& text, int32_t top, uint32_t colour, GdiFont& font) {
  platform::Rect line{0, top, kScreenWidth, top + kLineHeight};
  screen.mTextColor = colour;
  screen.DrawBufferText(text.c_str(), -1, kTextCenter, &line, &font);
}

}  // namespace

int32_t BegunStageCount(uint32_t stageMask) {
  return std::popcount(stageMask & ((1u << LoadingScreen::kStages) - 1));
}

LoadingScreen::LoadingScreen(const std::string& hourglassPath) : mFont("arial", 14, 0, kFontBold, 1) {
  if (hourglassPath.empty() || !platform::RegularFileExists(hourglassPath)) return;
  auto hourglass = std::make_unique<SmackerBuffer>();
  hourglass->DeferSurfaceCreation();
  if (hourglass->Open(hourglassPath.c_str(), kVideoOpenFlags, kVideoExtraValue) == 0) return;
  hourglass->mLoop = 1;
  mHourglass = std::move(hourglass);
}

LoadingScreen::~LoadingScreen() = default;

void LoadingScreen::Draw(CBackBuffer& screen, uint32_t stageMask, bool ended) {
  // The hourglass decodes only the frames that are due, and only what changed of them,
  // straight into the screen: its place is cleared once and then left to it.
  const uint32_t black = static_cast<uint32_t>(MatchSurfaceColor(screen.GetSurface(), 0));
  const platform::Rect below{0, kFirstLineTop, kScreenWidth, screen.mHeight};
  screen.FillRect(black, mCleared ? &below : nullptr);
  mCleared = true;
  if (mHourglass) {
    const int32_t left = (kScreenWidth - mHourglass->mWidth) / 2;
    mHourglass->Compose(&screen, left, kHourglassTop, 0, 0, mHourglass->mWidth, mHourglass->mHeight);
  }
  DrawStageNames(screen, stageMask, ended);
  DrawBar(screen, BegunStageCount(stageMask));
}

void LoadingScreen::DrawStageNames(CBackBuffer& screen, uint32_t stageMask, bool ended) {
  int32_t newest = -1;
  for (int32_t k = 0; k < kStages; ++k) {
    if (stageMask & (1u << k)) newest = k;
  }
  int32_t top = kFirstLineTop;
  for (int32_t k = 0; k < kStages; ++k) {
    if (!(stageMask & (1u << k))) continue;
    const bool brightest = !ended && k == newest;
    DrawLine(screen, LocalizedString(kFirstStageString + k), top, brightest ? kNewestText : kOlderText, mFont);
    top += kLineHeight;
  }
  if (ended) DrawLine(screen, LocalizedString(kStartingString), top, kNewestText, mFont);
}

void LoadingScreen::DrawBar(CBackBuffer& screen, int32_t begun) {
  platform::DisplaySurface* surface = screen.GetSurface();
  screen.FillRect(static_cast<uint32_t>(MatchSurfaceColor(surface, kBarFrame)), &kBar);
  const platform::Rect inside{kBar.left + 1, kBar.top + 1, kBar.right - 1, kBar.bottom - 1};
  screen.FillRect(static_cast<uint32_t>(MatchSurfaceColor(surface, 0)), &inside);
  const int32_t filled = (inside.right - inside.left) * begun / kStages;
  const platform::Rect lit{inside.left, inside.top, inside.left + filled, inside.bottom};
  if (filled > 0) screen.FillRect(static_cast<uint32_t>(MatchSurfaceColor(surface, kBarFill)), &lit);
}
