// Generates the game's default data set from the text sources in data/ and from code.
// Arguments: the source folder (data/) and the data set's folder. Each file is written
// beside its target first and replaces it only when its bytes differ, so a build with
// nothing changed touches no file. A failure names the file and its source and exits 1.
#include <cstdio>
#include <filesystem>
#include <string>

#include "dataset/DataSetStep.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "platform/Process.h"

namespace {

bool SameBytes(const std::string& a, const std::string& b) {
  std::string first, second;
  return platform::ReadWholeFile(platform::ToGamePath(a), first) &&
         platform::ReadWholeFile(platform::ToGamePath(b), second) && first == second;
}

bool Publish(const std::string& made, const std::string& target, std::string& error) {
  std::error_code failure;
  if (SameBytes(made, target)) {
    std::filesystem::remove(made, failure);
    return true;
  }
  std::filesystem::rename(made, target, failure);
  if (failure) error = "cannot replace it: " + failure.message();
  return !failure;
}

bool RunStep(const DataSetStep& step, const std::string& sourceFolder, const std::string& dataFolder) {
  std::string target = dataFolder + "/" + step.file;
  std::string made = target + ".new";
  std::string error;
  std::error_code failure;
  std::filesystem::create_directories(std::filesystem::path(target).parent_path(), failure);
  bool done = !failure && step.write(sourceFolder, made, error) && Publish(made, target, error);
  if (done) return true;
  if (failure) error = "cannot create its folder: " + failure.message();
  std::filesystem::remove(made, failure);
  std::fprintf(stderr, "make-data-set: %s (from %s/%s): %s\n", target.c_str(), sourceFolder.c_str(), step.source.c_str(),
               error.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s SOURCE-FOLDER DATA-SET-FOLDER\n", argv[0]);
    return 2;
  }
  for (const DataSetStep& step : DataSetSteps())
    if (!RunStep(step, argv[1], argv[2])) return 1;
  return 0;
}
