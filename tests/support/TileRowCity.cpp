#include "support/TileRowCity.h"

#include <cctype>
#include <sstream>
#include <stdexcept>

namespace {

struct TileCode {
  int id = 0;
  bool flipped = false;
  bool water = false;
  int terrain = 0;
};

int ReadNumber(const std::string& text, size_t& at) {
  size_t start = at;
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
  if (at == start) return -1;
  return std::stoi(text.substr(start, at - start));
}

TileCode ParseTileCode(const std::string& text) {
  TileCode code;
  if (text == ".") return code;
  size_t at = 0;
  if (at < text.size() && text[at] == 'f') code.flipped = true, ++at;
  if (at < text.size() && text[at] == 'w') code.water = true, ++at;
  code.id = std::max(ReadNumber(text, at), 0);
  if (at < text.size() && text[at] == '^') {
    ++at;
    code.terrain = ReadNumber(text, at);
  }
  if (at != text.size() || code.id > 255 || code.terrain < 0 || code.terrain > 255)
    throw std::invalid_argument("bad tile code \"" + text + "\"");
  return code;
}

}  // namespace

void PlaceTileRows(CityArrays& city, const std::vector<std::string>& rows, int x0, int y0) {
  for (size_t row = 0; row < rows.size(); ++row) {
    std::istringstream tokens(rows[row]);
    std::string token;
    for (int x = x0; tokens >> token; ++x) {
      int y = y0 + static_cast<int>(row);
      if (x < 0 || y < 0 || x >= kCitySize || y >= kCitySize) throw std::out_of_range("tile rows leave the city");
      TileCode code = ParseTileCode(token);
      city.auxPtr1[x][y] = static_cast<uint8_t>(code.id);
      city.BitsMap[x][y] = code.flipped ? 2 : 0;
      city.AltMap[x][y] = code.water ? uint16_t{1 << 10} : uint16_t{0};
      city.auxPtr3[x][y] = static_cast<uint8_t>(code.terrain);
    }
  }
}

std::unique_ptr<CityArrays> MakeTileRowCity(const std::vector<std::string>& rows, int x0, int y0) {
  auto city = std::make_unique<CityArrays>();
  MakeBlankCity(*city, "Tile rows");
  PlaceTileRows(*city, rows, x0, y0);
  return city;
}
