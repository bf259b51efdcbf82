#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/WorldAssert.h"
#include "game/world/CellMap.h"
#include "game/world/CityArrays.h"
#include "game/world/CityFile.h"
#include "game/world/CityStart.h"
#include "platform/MessageBox.h"
#include "support/CityBodies.h"
#include "support/TempFolder.h"

// A small city written to a file and started, with the city's bodies standing by; message
// boxes and world assertions are recorded, not shown.
class StartedCity : public testing::Test {
protected:
  StartedCity() {
    MakeBlankCity(*city, "Test");
    platform::SetMessageBoxHandler([this](const std::string& text, const std::string&, uint32_t) {
      boxes.push_back(text);
      return int{platform::IDIGNORE};
    });
    SetWorldAssertRecorder([this](const WorldAssertion& assertion) { assertions.push_back(assertion.expression); });
  }
  ~StartedCity() override {
    platform::SetMessageBoxHandler({});
    SetWorldAssertRecorder({});
  }

  void Block(int x, int y, int size, uint8_t id) {
    for (int i = x; i < x + size; ++i) {
      for (int j = y; j < y + size; ++j) city->auxPtr1[i][j] = id;
    }
  }
  void SetAltitude(int x, int y, int altitude, int water = 0) {
    city->AltMap[x][y] = static_cast<uint16_t>(altitude | water << 10);
  }
  bool Start() {
    const std::string path = folder.Game("city.mv2");
    return CityFileWrite(path, *city) && CityStart(path);
  }

  TempFolder folder;
  std::unique_ptr<CityArrays> city = std::make_unique<CityArrays>();
  std::unique_ptr<CityBodies> bodies = std::make_unique<CityBodies>();
  std::vector<std::string> boxes;
  std::vector<std::string> assertions;
};

// Whole world units to 16.16.
constexpr Fixedpoint Units(int units) { return units * kFixedOne; }
// The west and north edges of a cell.
constexpr Fixedpoint CellWest(int x) { return Units(x * 64 - 8192); }
constexpr Fixedpoint CellNorth(int y) { return Units(8192 - y * 64); }
