#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sound/DigitalSound.h"
#include "sound/RadioState.h"
#include "sound/RadioStation.h"

// The radio tree's genre folder names, in their fixed order.
inline constexpr std::array<const char*, 9> kRadioGenreFolders = {
    "classic\\", "rock\\", "techno\\", "country\\", "jazz\\", "oldies\\", "rb\\", "easy\\", "talk\\"};

// Ducking lowers the radio's sound to this volume, never raises it.
constexpr int32_t kRadioDuckedVolume = 100;

// The game's music radio: the stations built from the radio folder tree, and one sound
// through which the current station streams its items. The game switches it on when a mode
// with music is entered while the player wants music, off when the mode is left, steps it
// from its idle update, and keeps its settings in the preferences (RadioState).
class Radio {
public:
  Radio() = default;
  ~Radio();
  Radio(const Radio&) = delete;
  Radio& operator=(const Radio&) = delete;

  // Builds the stations, then restores the saved settings. 1.
  int Initialize();
  // Saves the settings and unloads the sound. 1.
  int Shutdown();

  // Takes every word of the record. The station index is kept inside the station list; a
  // new index takes effect (its station is tuned) when the radio is next switched on.
  void SetState(const RadioState& state);
  void GetState(RadioState& state) const;
  // Restores the preferences' record when it is exactly 28 bytes; a record whose enabled
  // word is neither 0 nor 1, or whose volume is below 100, loads with enabled 0. 1.
  int LoadSettings();
  // Stores the record in the preferences; 0 when there are none.
  int SaveSettings();

  // Switches the radio on (tuning and starting the current station, when there is one) or
  // off. It does not look at the enabled flag: the callers do. 1.
  int SetPlaying(int32_t on);
  // Nested: while any duck is on the sound plays at no more than 100.
  void Duck(int32_t on);
  // Index 0 the DJ setting, 1 the commercials setting, 2 the language fallback; others do
  // nothing. The value comes first.
  void SetSetting(int32_t value, int32_t index);
  // The setting of index 0, 1 or 2; 0 for any other.
  int32_t GetSetting(int32_t index) const;
  // Clamps to 0..10000, stores it and applies it to the sound (lowered while ducked). 1.
  int SetVolume(int32_t volume);

  // Stops the sound and tunes the station of that index, the last one for an index past
  // the list; 1, or 0 when there is no such station. The current index changes nothing.
  // Its first item follows on a later Update after the gap.
  int SelectStation(int32_t index);
  // SelectStation of the first station with that id; 0 when none has it.
  int SelectStationById(int32_t id);
  int HasStation(int32_t id) const;
  int32_t GetStationCount() const { return static_cast<int32_t>(mStations.size()); }
  // While playing, the current station's step and its result; 0 otherwise.
  int Update();

  // The stations from the radio folder's "stations\" subfolders that name themselves with an
  // "*.id*" file, in listing order; their spoken items in the current language's folder,
  // else (by the language fallback setting) language 1's folder or the spoken folder itself.
  // Returns the count.
  int32_t BuildStations();
  static int IsGenreDirectory(const std::string& name);
  // Whether the folder (ending in a backslash) holds a "*.wav" file.
  static int HasWaveFiles(const std::string& folder);

  std::vector<RadioStation> mStations;
  int32_t mVolume = kSoundVolumeMax;
  int32_t mDuckCount = 0;
  // The player wants music.
  int32_t mEnabled = 1;
  // Switched on; set only while there is a station.
  int32_t mPlaying = 0;
  int32_t mStationIndex = 0;
  int32_t mDjSetting = 1;
  int32_t mCommercialsSetting = 1;
  int32_t mReserved = 1;
  int32_t mLanguageFallback = 1;
  DigitalSound mSound;

private:
  void ApplyVolume();
  // The spoken folder base + the language folder, chosen as BuildStations says.
  std::string SpokenFolder(const std::string& base) const;
};

extern Radio gRadio;
