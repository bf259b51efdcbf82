#include "sound/SoundEffectFiles.h"

#include <array>
#include <cstddef>

namespace {

constexpr std::array<const char*, kSoundEffectCount> kFiles = {
    "COPLOOP.WAV",  "EXPLODE.WAV",  "CHOPSTOP.WAV", "CHOPSTAR.WAV", "BLDEXPL.WAV",  "MACHGUN1.WAV",
    "MISSILE.WAV",  "BOOM1.WAV",    "PUNCH3.WAV",   "KAPOW4.WAV",   "SPLISH.WAV",   "FIREMIS2.WAV",
    "MEVAC.WAV",    "FIRELP11.WAV", "MOTOROLD.WAV", "DOUSE.WAV",    "FIREDMG.WAV",  "AMBSRN11.WAV",
    "FIRESIRE.WAV", "POLICESI.WAV", "FIRHOSLP.WAV", "WINCHLP.WAV",  "SOFTBMP2.WAV", "TGSHWH.WAV",
    "TGPOP.WAV",    "TRAIN1.WAV",   "CRSH2.WAV",    "DIVE1.WAV",    "PLANELP1.WAV", "HELP1.WAV",
    "DIS1.WAV",     "DIS2.WAV",     "DIS3.WAV",     "DIS4.WAV",     "DIS5.WAV",     "DIS6.WAV",
    "CA_CHING.WAV", "WATERCAN.WAV", "AMBSRN11.WAV", "CHEER.WAV",    "BOO.WAV",      "UFO.WAV",
    "LASER.WAV",    "DOROPN.WAV",   "DORCLS.WAV",   "HORN1.WAV",    "HORN2.WAV",    "HORN3.WAV",
    "ACCEL2.WAV",   "TSCREECH.WAV", "D1000.WAV",    "D1001.WAV",    "D1002.WAV",    "D1003.WAV",
    "D1004.WAV",    "D1005.WAV",    "D1006.WAV",    "D1007.WAV",    "D1008.WAV",    "D1009.WAV",
    "D1010.WAV",    "D1011.WAV",    "D1012.WAV",    "D1013.WAV",    "D1014.WAV",    "D1015.WAV",
    "D1016.WAV",    "D1017.WAV",    "D1018.WAV",    "L001.WAV",     "L002.WAV",     "L003.WAV",
    "L004.WAV",     "L005.WAV",     "L006.WAV",     "L007.WAV",     "L008.WAV",     "L009.WAV",
    "D2001.WAV",    "D2002.WAV",    "D2003.WAV",    "D2004.WAV",    "D2005.WAV",    "D2006.WAV",
    "D2007.WAV",    "D2008.WAV",    "D2009.WAV",    "D2010.WAV",    "D2011.WAV",    "D2012.WAV",
    "D2013.WAV",    "D2014.WAV",    "D2015.WAV",    "D2016.WAV",    "D2017.WAV",    "D2018.WAV",
    "D2019.WAV",    "D2020.WAV",    "xWhoa.WAV",    "xWhoa.WAV",    "xWhoa.WAV",    "xWhoa.WAV",
    "xWhoa.WAV",    "xWhoa.WAV",    "xWhoa.WAV",    "xWhoa.WAV",    "xWhoa.WAV",    "xWhoa.WAV",
    "xWhoa.WAV",    "xWhoa.WAV",    "xWhoa.WAV",    "xWhoa.WAV",    "xWhoa.WAV",
};

constexpr std::array<int, 14> kLooping = {0, 5, 13, 17, 18, 19, 20, 21, 25, 27, 28, 37, 38, 41};

}  // namespace

const char* SoundEffectFileName(int number) {
  if (number < 0 || number >= kSoundEffectCount) return nullptr;
  return kFiles[static_cast<size_t>(number)];
}

bool IsLoopingSoundEffect(int number) {
  for (int looping : kLooping)
    if (looping == number) return true;
  return false;
}
