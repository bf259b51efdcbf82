#include "imagefiles/ScrollImages.h"

#include <cstddef>

#include "imagefiles/ControlStrip.h"

namespace {

using namespace control_colours;

constexpr StripColours kFlat{kSilver, kSilver, kSilver};
constexpr StripColours kSlot{kMidGrey, kWhite, kDarkGrey};

constexpr int32_t kCell = 16;
constexpr int32_t kThumbLength = 10;
constexpr int32_t kThumbBreadth = 20;
constexpr int32_t kTrackLength = 192;
constexpr int32_t kTrackBreadth = 32;
// The slot leaves the slider's end margin free at each end.
constexpr int32_t kSlotInset = 8;
constexpr int32_t kSlotBreadth = 6;

uint8_t& Pixel(ControlImage& image, int32_t x, int32_t y) {
  return image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)];
}

ControlImage Box(int32_t width, int32_t height, const ControlFrame& frame) {
  return {width, height, DrawControlStrip(width, height, ControlShape::kBox, {frame})};
}

// Rows become columns: a left arrow becomes an up arrow, a horizontal part an upright one.
ControlImage Transposed(const ControlImage& image) {
  ControlImage result{image.height, image.width, std::vector<uint8_t>(image.pixels.size())};
  for (int32_t y = 0; y < image.height; ++y) {
    for (int32_t x = 0; x < image.width; ++x) {
      result.pixels[static_cast<size_t>(x) * static_cast<size_t>(image.height) + static_cast<size_t>(y)] =
          image.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)];
    }
  }
  return result;
}

void Paste(ControlImage& target, const ControlImage& source, int32_t left, int32_t top) {
  for (int32_t y = 0; y < source.height; ++y) {
    for (int32_t x = 0; x < source.width; ++x) {
      Pixel(target, left + x, top + y) = source.pixels[static_cast<size_t>(y) * source.width + x];
    }
  }
}

// A black triangle pointing left or right, shifted by the offset when pressed.
ControlImage ArrowCell(bool pointsRight, bool pressed) {
  ControlImage cell = Box(kCell, kCell, {kRaised, pressed});
  const int32_t shift = pressed ? 1 : 0;
  for (int32_t column = 0; column < 4; ++column) {
    const int32_t x = (pointsRight ? 9 - column : 6 + column) + shift;
    for (int32_t y = 7 - column; y <= 8 + column; ++y) Pixel(cell, x, y + shift) = kBlack;
  }
  return cell;
}

// Three grip lines across the middle of a thumb.
ControlImage GrippedThumb(int32_t length, int32_t breadth) {
  ControlImage thumb = Box(length, breadth, {kRaised});
  for (int32_t x = length / 2 - 2; x <= length / 2 + 2; x += 2) {
    for (int32_t y = breadth / 2 - 3; y <= breadth / 2 + 2; ++y) Pixel(thumb, x, y) = kDarkGrey;
  }
  return thumb;
}

// A flat tile with a dark line above and a light one below, so tiles join into a groove.
ControlImage TrackTile() {
  ControlImage tile = Box(kCell, kCell, {kFlat});
  for (int32_t x = 0; x < kCell; ++x) {
    Pixel(tile, x, 0) = kDarkGrey;
    Pixel(tile, x, kCell - 1) = kWhite;
  }
  return tile;
}

std::vector<ControlImage> HorizontalCells() {
  return {ArrowCell(false, false), ArrowCell(false, true), GrippedThumb(kCell, kCell),
          TrackTile(),             ArrowCell(true, false), ArrowCell(true, true)};
}

}  // namespace

ControlImage ScrollStripImage() {
  std::vector<ControlImage> cells = HorizontalCells();
  const size_t across = cells.size();
  for (size_t index = 0; index < across; ++index) cells.push_back(Transposed(cells[index]));
  ControlImage strip{kCell * static_cast<int32_t>(cells.size()), kCell,
                     std::vector<uint8_t>(static_cast<size_t>(kCell) * kCell * cells.size())};
  for (size_t index = 0; index < cells.size(); ++index) {
    Paste(strip, cells[index], kCell * static_cast<int32_t>(index), 0);
  }
  return strip;
}

ControlImage SliderThumbImage(bool vertical) {
  ControlImage thumb = GrippedThumb(kThumbLength, kThumbBreadth);
  return vertical ? Transposed(thumb) : thumb;
}

ControlImage SliderTrackImage(bool vertical) {
  ControlImage track = Box(kTrackLength, kTrackBreadth, {kFlat});
  const ControlImage slot = Box(kTrackLength - 2 * kSlotInset, kSlotBreadth, {kSlot, true});
  Paste(track, slot, kSlotInset, (kTrackBreadth - kSlotBreadth) / 2);
  return vertical ? Transposed(track) : track;
}
