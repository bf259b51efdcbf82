#include "shell/MessageBoxLook.h"

#include "shell/GameApp.h"

namespace {

constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) { return red << 16 | green << 8 | blue; }

constexpr MessageBoxLook kMainMenuLook{"MBox6.bmp", "button6.bmp", "MBoxl6.bmp",
                                       Rgb(16, 21, 31), Rgb(10, 133, 218), Rgb(211, 218, 255)};
constexpr MessageBoxLook kCareerLook{"MBox1.bmp", "button1.bmp", "MBoxl1.bmp",
                                     Rgb(107, 82, 77), Rgb(218, 218, 218), Rgb(240, 250, 255)};
constexpr MessageBoxLook kHangarDayLook{"MBox2d.bmp", "button2d.bmp", "MBoxl2d.bmp",
                                        Rgb(24, 33, 57), Rgb(74, 149, 192), Rgb(112, 202, 234)};
constexpr MessageBoxLook kHangarNightLook{"MBox2.bmp", "button2.bmp", "MBoxl2.bmp",
                                          Rgb(25, 31, 65), Rgb(48, 122, 170), Rgb(112, 202, 234)};
constexpr MessageBoxLook kCatalogLook{"MBox3.bmp", "button3.bmp", "MBoxl3.bmp",
                                      Rgb(21, 24, 74), Rgb(68, 138, 172), Rgb(148, 214, 255)};
constexpr MessageBoxLook kMissionLogLook{"MBox4.bmp", "button4.bmp", "MBoxl4.bmp",
                                         Rgb(21, 24, 74), Rgb(64, 137, 181), Rgb(112, 202, 234)};
constexpr MessageBoxLook kInventoryLook{"MBox5.bmp", "button5.bmp", "MBoxl5.bmp",
                                        Rgb(21, 24, 74), Rgb(64, 137, 181), Rgb(112, 202, 234)};
constexpr MessageBoxLook kDefaultLook{"MBox.bmp", "button.bmp", "MBoxl.bmp",
                                      Rgb(16, 21, 31), Rgb(10, 133, 218), Rgb(211, 218, 255)};

}  // namespace

const MessageBoxLook& MessageBoxLookFor(int32_t mode, const int32_t* hangarDay) {
  switch (mode) {
    case kModeMainMenu: return kMainMenuLook;
    case kModeCareer: return kCareerLook;
    case kModeHangar: return hangarDay && *hangarDay ? kHangarDayLook : kHangarNightLook;
    case kModeCatalog: return kCatalogLook;
    case kModeMissionLog: return kMissionLogLook;
    case kModeInventory: return kInventoryLook;
    default: return kDefaultLook;
  }
}

const MessageBoxLook& DefaultMessageBoxLook() { return kDefaultLook; }
