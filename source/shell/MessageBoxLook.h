#pragma once
#include <cstdint>

// How the game's message boxes look on a screen: the box, button and strip bitmaps and the
// text and two button caption colours (0x00RRGGBB).
struct MessageBoxLook {
  const char* boxBitmap;
  const char* buttonBitmap;
  const char* stripBitmap;
  uint32_t textColor;
  uint32_t buttonCaptionColor;
  uint32_t buttonPressedCaptionColor;
};

// The look of the screen of a mode code; hangarDay is the hangar window's day flag, null
// while there is no hangar window.
const MessageBoxLook& MessageBoxLookFor(int32_t mode, const int32_t* hangarDay);
// The look of flight and of every screen without its own.
const MessageBoxLook& DefaultMessageBoxLook();
