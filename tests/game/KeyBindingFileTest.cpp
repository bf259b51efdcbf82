#include <gtest/gtest.h>

#include <string>

#include "Drovane/DataPaths.h"
#include "game/KeyBindingFile.h"
#include "platform/VirtualKeys.h"
#include "support/IsolatedFiles.h"

using namespace platform;

namespace {

// The file's bytes for a header and chunks made by hand.
std::string Word(uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

std::string Chunk(const KeyBinding& binding, size_t dataSize = kKeyBindingSize) {
  uint8_t bytes[kKeyBindingSize];
  EncodeKeyBinding(binding, bytes);
  std::string data(reinterpret_cast<const char*>(bytes), kKeyBindingSize);
  data.resize(dataSize, '\0');
  return Word(0) + Word(static_cast<uint32_t>(8 + dataSize)) + data;
}

std::string File(const std::string& chunks, uint32_t type = kKeyBindingFileCode, int32_t lengthChange = 0) {
  return "VIFF" + Word(2) + Word(kKeyBindingFileCode) + Word(type) + Word(1) +
         Word(static_cast<uint32_t>(28 + chunks.size() + lengthChange)) + Word(1) + chunks;
}

class KeyBindingFileTest : public testing::Test {
protected:
  void SetUp() override { gDataPaths.SetRoots(files.folder.Game("program"), files.folder.Game("data")); }
  void TearDown() override { gDataPaths.SetRoots("", ""); }

  std::string Written(const std::string& name = "input.cfg") const { return "xdg/halvorine/" + name; }

  IsolatedFiles files;
};

TEST_F(KeyBindingFileTest, TheSavedDefaultsLoadBack) {
  KeyBindingList defaults;
  MakeDefaultKeyBindings(defaults);
  ASSERT_TRUE(SaveKeyBindings(defaults));
  std::string bytes = files.folder.Read(Written());
  ASSERT_EQ(bytes.size(), 28u + 70 * 32);
  EXPECT_EQ(bytes.substr(8, 8), "TUCSTUCS");
  KeyBindingList loaded;
  ASSERT_TRUE(LoadKeyBindings(loaded));
  ASSERT_EQ(loaded.size(), defaults.size());
  for (size_t i = 0; i < loaded.size(); ++i) {
    KeyBinding expected = defaults[i];
    ClassifyCommand(expected.command, &expected.singlePress, &expected.continuous);
    EXPECT_EQ(loaded[i], expected) << i;
  }
}

TEST_F(KeyBindingFileTest, ClassWordsAreRecomputedAndBadRecordsSkipped) {
  const KeyBinding rows[] = {{0, 8, VK_UP, 0, 9, 9},        {0, 8, VK_UP, 1, 0, 1},   {0, 33, 'A', 0, 0, 0},
                             {0, 8, VK_ESCAPE, 0, 0, 0},    {0, 8, 300, 0, 0, 0},     {2, 7, -1, 0, 0, 0},
                             {3, 20, 7, 0, 0, 0}};
  std::string chunks;
  for (const KeyBinding& row : rows) chunks += Chunk(row);
  chunks += Chunk({0, 5, 'R', 0, 0, 0}, 20);  // too short to hold a binding
  chunks += Chunk({0, 4, 'N', 0, 0, 0}, 30);  // longer: the first 24 bytes count
  files.folder.Write(Written(), File(chunks));
  KeyBindingList loaded{{0, 2, 'M', 0, 0, 1}};
  ASSERT_TRUE(LoadKeyBindings(loaded));
  EXPECT_EQ(loaded, (KeyBindingList{{0, 2, 'M', 0, 0, 1}, {0, 8, VK_UP, 0, 0, 1}, {3, 20, 7, 0, 1, 0},
                                    {0, 4, 'N', 0, 1, 0}}));
}

TEST_F(KeyBindingFileTest, AMissingFileLoadsNothing) {
  KeyBindingList loaded;
  EXPECT_FALSE(LoadKeyBindings(loaded));
  EXPECT_TRUE(loaded.empty());
  EXPECT_FALSE(files.folder.Exists(Written("input.cfg.damaged")));
}

TEST_F(KeyBindingFileTest, ADamagedFileIsKeptAside) {
  std::string good = Chunk({0, 8, VK_UP, 0, 0, 0});
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"another type", File(good, FourCC("TRVD"))},
      {"cut short", File(good + good).substr(0, 28 + 40)},
      {"longer than its header says", File(good) + "xx"},
      {"chunk past the end", File(Word(0) + Word(64) + std::string(24, '\0'))},
      {"not a record file", std::string(40, 'x')},
      {"empty", ""},
  };
  for (const Case& c : cases) {
    files.folder.Write(Written(), c.bytes);
    KeyBindingList loaded;
    EXPECT_FALSE(LoadKeyBindings(loaded)) << c.name;
    EXPECT_TRUE(loaded.empty()) << c.name;
    EXPECT_FALSE(files.folder.Exists(Written())) << c.name;
    EXPECT_EQ(files.folder.Read(Written("input.cfg.damaged")), c.bytes) << c.name;
  }
}

TEST_F(KeyBindingFileTest, ADamagedFileInTheProgramsFolderIsLeftWhereItIs) {
  files.folder.Write("program/input.cfg", "damaged");
  KeyBindingList loaded;
  EXPECT_FALSE(LoadKeyBindings(loaded));
  EXPECT_EQ(files.folder.Read("program/input.cfg"), "damaged");
  EXPECT_FALSE(files.folder.Exists("program/input.cfg.damaged"));
}

TEST_F(KeyBindingFileTest, AFailedSaveKeepsTheOldFile) {
  KeyBindingList old{{0, 8, VK_UP, 0, 0, 1}};
  ASSERT_TRUE(SaveKeyBindings(old));
  std::string before = files.folder.Read(Written());
  // A folder where the temporary sibling would go makes the write fail.
  files.folder.MakeFolder(Written("input.cfg.tmp/inside"));
  KeyBindingList defaults;
  MakeDefaultKeyBindings(defaults);
  EXPECT_FALSE(SaveKeyBindings(defaults));
  EXPECT_EQ(files.folder.Read(Written()), before);
}

TEST_F(KeyBindingFileTest, DeleteKeyBindingsFile) {
  EXPECT_EQ(DeleteKeyBindingsFile(), -1);
  ASSERT_TRUE(SaveKeyBindings({}));
  EXPECT_EQ(DeleteKeyBindingsFile(), 0);
  EXPECT_FALSE(files.folder.Exists(Written()));
}

}  // namespace
