#pragma once
#include <cstdint>
#include <string>

// The city the player flies over, as the city file holds it: every map and table of the
// file in one record of fixed-size arrays. Tile maps are 128 x 128 and indexed [x][y];
// the coarser maps cover the same ground at 64 x 64 and 32 x 32.
constexpr int kCitySize = 128;
constexpr int kMiscWordCount = 1200;
constexpr int kLabelCount = 256;
constexpr int kLabelSize = 25;
constexpr int kMicroRecordCount = 150;
constexpr int kGraphCount = 16;
constexpr int kGraphLength = 52;
constexpr int kNeighborCount = 4;
// A name: a length byte, then up to 31 characters.
constexpr int kCityNameSize = 32;

// An "XMIC" record: a byte pair and three 16-bit words.
struct MicroRecord {
  uint8_t bytes[2];
  uint16_t words[3];
};

struct CityArrays {
  uint8_t CityStr[kCityNameSize];             // "CNAM"
  int32_t MiscInfo[kMiscWordCount];           // "MISC", each word kept to its width
  uint16_t AltMap[kCitySize][kCitySize];      // "ALTM"; bits 10-14 are the water field
  uint8_t auxPtr1[kCitySize][kCitySize];      // "XBLD", building or tile id
  uint8_t auxPtr2[kCitySize][kCitySize];      // "XZON", zone
  uint8_t auxPtr3[kCitySize][kCitySize];      // "XTER", terrain
  uint8_t auxPtr4[kCitySize][kCitySize];      // "XUND"
  uint8_t auxPtr5[kCitySize][kCitySize];      // "XTXT"
  uint8_t auxPtr6[kLabelCount][kLabelSize];   // "XLAB", labels: a length byte and text
  MicroRecord auxPtr7[kMicroRecordCount];     // "XMIC"
  uint8_t auxPtr8[480];                       // "XTHG"
  uint8_t BitsMap[kCitySize][kCitySize];      // "XBIT"
  uint8_t TrafficMap[64][64];                 // "XTRF"
  uint8_t PolluteMap[64][64];                 // "XPLT"
  uint8_t ValueMap[64][64];                   // "XVAL"
  uint8_t CrimeMap[64][64];                   // "XCRM"
  uint8_t PoliceMap[32][32];                  // "XPLC"
  uint8_t FireMap[32][32];                    // "XFIR"
  uint8_t PopMap[32][32];                     // "XPOP"
  uint8_t ROGMap[32][32];                     // "XROG"
  int32_t GraphData[kGraphCount][kGraphLength];  // "XGRP", history graphs

  // Derived while reading.
  int32_t GraphVod[kGraphCount];              // each graph's maximum
  int32_t MapViewX;
  int32_t MapViewY;
  uint8_t NeighborNames[kNeighborCount][kCityNameSize];
};

// The arena that holds the world's city arrays and the records built from them; -1 while
// there is no world.
extern int CityArena;
// The world's city arrays, made zeroed in CityArena (created when missing); null when the
// arena cannot be made.
CityArrays* CityArraysAlloc();

// A city with nothing in it: the name, MISC format 290, every other word and array 0.
void MakeBlankCity(CityArrays& city, const std::string& name);

// Pascal names (length byte, characters) to and from text; a longer text is cut to 31.
std::string CityNameText(const uint8_t (&name)[kCityNameSize]);
void SetCityName(uint8_t (&name)[kCityNameSize], const std::string& text);

// The tile id of (x, y): the XBLD byte, + 0x8000 when the tile's BitsMap has the bit of
// value 2; 0 outside the city.
uint32_t CityTileId(const CityArrays& city, int x, int y);
// Bits 10-14 of the tile's altitude word: not 0 on water.
int CityWaterField(const CityArrays& city, int x, int y);
