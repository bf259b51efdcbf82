#pragma once
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Process.h"

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. Paths come in both forms: System() with slashes, Game() with backslashes.
class TempFolder {
public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "halvorine-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    mPath = mkdtemp(buffer.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // "relative" may use either separator.
  std::string System(const std::string& relative = "") const {
    return mPath + "/" + platform::ToSystemPath(relative);
  }
  std::string Game(const std::string& relative = "") const {
    return platform::ToGamePath(System(relative));
  }

  void Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories(std::filesystem::path(System(relative)).parent_path());
    std::ofstream(System(relative), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream file(System(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  bool Exists(const std::string& relative) const {
    return std::filesystem::exists(System(relative));
  }
  void MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(System(relative));
  }

private:
  std::string mPath;
};

// Sets an environment variable for the life of the object and restores the old value after.
class ScopedEnvironment {
public:
  ScopedEnvironment(const char* name, const char* value) : mName(name) {
    if (const char* old = std::getenv(name)) mOld = old, mHadOld = true;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnvironment() {
    if (mHadOld)
      setenv(mName.c_str(), mOld.c_str(), 1);
    else
      unsetenv(mName.c_str());
  }

private:
  std::string mName;
  std::string mOld;
  bool mHadOld = false;
};
