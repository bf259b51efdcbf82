#include "Drovane/PaletteFile.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "Drovane/DebugLog.h"
#include "Drovane/DirectDrawObject.h"
#include "platform/ByteOrder.h"
#include "platform/FileHandle.h"

using platform::PaletteEntry;

namespace {

constexpr size_t kEntriesOffset = 24;
constexpr uint16_t kPaletteVersion = 0x0300;

bool HasTag(const uint8_t* data, size_t offset, const char* tag) { return std::memcmp(data + offset, tag, 4) == 0; }

// Up to the first kPaletteFileSize bytes of the file; empty when it does not open.
std::string ReadPaletteBytes(const char* fileName) {
  std::string bytes;
  if (!fileName) return bytes;
  const int handle = platform::OpenFile(fileName, platform::kFileRead);
  if (handle < 0) return bytes;
  bytes.resize(kPaletteFileSize);
  const int64_t read = platform::ReadFile(handle, bytes.data(), bytes.size());
  platform::CloseFile(handle);
  bytes.resize(read > 0 ? static_cast<size_t>(read) : 0);
  return bytes;
}

}  // namespace

bool ParsePaletteFile(const uint8_t* data, size_t size, PaletteEntries& entries) {
  if (!data || size < kEntriesOffset) return false;
  if (!HasTag(data, 0, "RIFF") || !HasTag(data, 8, "PAL ") || !HasTag(data, 12, "data")) return false;
  const uint16_t count = platform::ReadLE16(data + 22);
  if (platform::ReadLE16(data + 20) != kPaletteVersion || count < 1 || count > 256) return false;
  const size_t present = std::min<size_t>(count, (std::min(size, kPaletteFileSize) - kEntriesOffset) / 4);
  entries.fill(PaletteEntry{});
  for (size_t i = 0; i < present; ++i) {
    const uint8_t* entry = data + kEntriesOffset + 4 * i;
    entries[i] = {entry[0], entry[1], entry[2], entry[3]};
  }
  return true;
}

PaletteEntries DefaultPalette332() {
  PaletteEntries entries;
  for (int i = 0; i < 256; ++i) {
    entries[i] = {static_cast<uint8_t>(((i >> 5) & 7) * 255 / 7), static_cast<uint8_t>(((i >> 2) & 7) * 255 / 7),
                  static_cast<uint8_t>((i & 3) * 255 / 3), 0};
  }
  return entries;
}

platform::DisplayPalette* LoadPaletteFile(const char* fileName) {
  const std::string bytes = ReadPaletteBytes(fileName);
  PaletteEntries entries;
  if (!ParsePaletteFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), entries)) {
    DebugPrintf("Can't open palette file, using default 332.");
    entries = DefaultPalette332();
  }
  platform::DisplayPalette* palette = nullptr;
  if (!lpDD || lpDD->CreatePalette(platform::kPalette8Bit, entries.data(), &palette) != platform::kResultOk) {
    return nullptr;
  }
  return palette;
}
