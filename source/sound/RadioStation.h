#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Drovane/Stopwatch.h"

class Radio;

// The kinds of item a station plays.
enum RadioItemKind : int32_t {
  kRadioMusic = 0,
  kRadioDj = 1,
  kRadioCommercial = 2,
  kRadioJingle = 3,
};
constexpr int32_t kRadioItemKinds = 4;

// Silence between two items.
constexpr uint32_t kRadioGapMs = 4000;

// The WAVE files of one kind of item: the folder they are in and their names in playing
// order. The position is an index, so that a station copied as a whole stays valid.
struct RadioItemGroup {
  static constexpr size_t kNotPlaced = static_cast<size_t>(-1);

  std::string folder;
  std::vector<std::string> files;
  size_t position = kNotPlaced;
};

// One station of the music radio: a folder of the radio tree with music, DJ, commercial and
// jingle items, each list played in a shuffled order, and a schedule of the four kinds that
// is reshuffled each time it has been walked through. Items stream through the radio's sound
// with a 4 s gap between them; music tends to run on, DJ items come up half the times their
// slot is reached, commercials and jingles a tenth of the times. Draws for the schedule come
// from the game's `rand`, shuffles from RandomNumber.
class RadioStation {
public:
  explicit RadioStation(Radio* radio = nullptr);

  // Reloads the lists from disk and shuffles them; the schedule stays as it is.
  void Tune();
  // One step of the station: finds the end of an item, waits out the gap, then walks the
  // schedule until an item plays. Returns 1.
  int Update();
  // Each group's "*.wav" files, in the folder listing's order.
  void LoadFileLists();
  // Shuffles each list that has files and places it on its first file; the list's old last
  // file does not open the new order.
  void ShuffleAll();
  static void ShuffleList(std::vector<std::string>& names);
  // Shuffles the schedule; a kind other than music that ended the old order does not open
  // the new one.
  void ReshuffleSchedule();

  void GetName(std::string& name) const { name = mName; }
  int32_t GetId() const { return mId; }
  // The count of files of the kind that the radio's settings let play: DJ items only with
  // its DJ setting, commercials and jingles only with its commercials setting.
  int32_t HasItems(int32_t kind) const;
  // Names the station after the first "*.id*" file of its folder, without the extension;
  // 0 when there is none, and the folder is then no station.
  int LoadIdFile();
  // The index 0..8 of the genre folder name the station folder's own name starts with, or -1.
  int32_t GetGenreIndex() const;
  // Streams the kind's next file once through the radio's sound, at the radio's volume.
  int PlayItem(int32_t kind);

  Radio* mpRadio;
  std::vector<int32_t> mSchedule{kRadioMusic, kRadioDj, kRadioCommercial, kRadioJingle};
  int32_t mSchedulePosition = 0;
  // Set while the station waits between items; the stopwatch times the wait.
  int32_t mInGap = 0;
  Stopwatch mGapStopwatch{1};
  int32_t mId = -1;
  std::string mName;
  // Ends in a backslash.
  std::string mFolder;
  std::array<RadioItemGroup, kRadioItemKinds> mGroups;

private:
  // Ends the gap with the kind's next item.
  void StartItem(int32_t kind);
  // Whether the schedule's kind plays this time: a draw, for all but music, and its items.
  bool DrawsItem(int32_t kind);
};
