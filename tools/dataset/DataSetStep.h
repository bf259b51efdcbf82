#pragma once
#include <functional>
#include <string>
#include <vector>

// One kind of file of the data set: the file it makes (relative to the data set's folder,
// '/' separated), the source it is made from (relative to data/, or a note for a file made
// by code alone) and the writer. A writer writes the whole file at outputPath (a system
// path) and returns true, or explains the failure in error.
struct DataSetStep {
  std::string file;
  std::string source;
  std::function<bool(const std::string& sourceFolder, const std::string& outputPath, std::string& error)> write;
};

// Every step, in the order they run. A new kind of file adds its step here.
const std::vector<DataSetStep>& DataSetSteps();
