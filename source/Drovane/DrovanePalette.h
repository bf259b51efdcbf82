#pragma once
#include <cstdint>

// A 256-colour palette of 4-byte colours (blue, green, red, spare; 0x00RRGGBB as a value)
// with colour look-up and the operations that change the screen's palette: at once, or
// in timed fades synchronised with the vertical blank. Only indexes 10 to 245 of the
// screen palette change; 0-9 and 246-255 are the system's static colours. Durations are
// in milliseconds. The fades keep the calling thread busy at the highest priority.
class DrovanePalette {
public:
  DrovanePalette() = default;
  DrovanePalette(uint32_t* entries, int32_t ownsEntries, int32_t count);
  virtual ~DrovanePalette();
  DrovanePalette(const DrovanePalette&) = delete;
  DrovanePalette& operator=(const DrovanePalette&) = delete;

  // Entry index, 0 to mCount - 1.
  virtual void GetEntry(int32_t index, uint32_t* pEntry) const;
  // The entry nearest to the colour by 3 red² + 2 blue² + 4 green², the first on ties;
  // 0 for an empty palette.
  virtual void FindNearestColor(const uint32_t* pColor, int32_t* pIndex) const;
  virtual void FadeToWhite(uint32_t duration);
  virtual void FadeToBlack(uint32_t duration);
  // From one colour into this palette's entries.
  virtual void FadeBetween(uint32_t color, uint32_t duration, int32_t steps);
  // Sets the screen palette's 10-245 from the entries at once.
  virtual void ImplementNewPalette(const uint32_t* entries);

  // From one colour into the given entries, in steps (at most 200) of duration / steps.
  // Fewer than 1 step applies the entries at once.
  void FadeBetween(uint32_t color, const uint32_t* entries, uint32_t duration, int32_t steps);
  // Towards one colour in 64 steps.
  void FadeToColor(uint32_t color, uint32_t duration);
  // At the next vertical blank, every colour 10-245 of the screen palette to one colour.
  void FillWithColor(uint32_t color);

  uint32_t* mpEntries = nullptr;
  int32_t mCount = 0;
  int32_t mOwnsEntries = 0;
};

// The application's palette: each screen points it at its own 256 colours.
class GamePalette : public DrovanePalette {
public:
  GamePalette() = default;
  GamePalette(uint32_t* entries, int32_t ownsEntries) : DrovanePalette(entries, ownsEntries, 256) {}
};

// The application's one palette object; it owns no colours.
extern GamePalette gGamePalette;

// Realises an all-black palette on the screen, so it shows black before the first frame.
void RealizeBlackPalette();
