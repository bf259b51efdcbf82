#pragma once
#include <array>
#include <cstdint>
#include <string>

// The kinds of data file, each with its folder and its lookup rule.
enum DataKind : int32_t {
  kDataProgram = 0,
  kDataVideo = 1,
  kDataSound = 2,
  kDataRadio = 3,
  kDataCities = 4,
  kDataCareerCities = 5,
  kDataBitmaps = 6,
  kDataGeometry = 7,
  kDataFonts = 8,
  kDataSettings = 9,
  kDataPeople = 10,
  kDataTuning = 11,
};

// Turns a bare file name and a data kind into a full path. Root A is the program's folder,
// root B the second data root; most kinds take a file from root A when it is there and from
// root B otherwise. Files the program writes (kind 9 and the kinds without a folder) go to
// the written-files folder, never to root A; they are read from there first, then from
// root A. Read-only after start-up, so the loading thread may use it too.
class DataPaths {
public:
  DataPaths();

  // Stored once by start-up before the first lookup; each root gets a trailing backslash.
  void SetRoots(const std::string& rootA, const std::string& rootB);

  // Writes the path into out (260 characters) and returns 1. A path that does not fit
  // leaves out empty, writes a debug line and returns 0, so the caller's open fails. The
  // language takes no part: every language reads the same folders.
  int GetPath(int32_t kind, uint32_t language, const char* name, char* out) const;
  int GetPathString(int32_t kind, uint32_t language, const std::string& name, std::string& out) const;
  // Where a written file of that name is saved: always the written-files folder. 0 with an
  // empty path when there is no such folder or the path does not fit.
  int GetWritePathString(const std::string& name, std::string& out) const;

  const std::string& RootA() const { return mRootA; }
  const std::string& RootB() const { return mRootB; }
  const std::string& WrittenFilesRoot() const { return mWrittenRoot; }

private:
  std::string FormPath(int32_t kind, const std::string& name) const;
  std::string WrittenFileToRead(const std::string& name) const;
  // False, with a debug line, when no written-files folder could be found.
  bool HasWrittenRoot() const;

  std::string mRootA;
  std::string mRootB;
  std::string mWrittenRoot;
  std::array<std::string, 12> mFolders;
};

extern DataPaths gDataPaths;

// GetPath on the global table.
int GetDataPath(int32_t kind, uint32_t language, const char* name, char* out);
