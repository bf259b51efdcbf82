#include "dataset/StringTableStep.h"

#include "Drovane/StringTable.h"
#include "dataset/StringSource.h"
#include "platform/FileHandle.h"
#include "platform/WholeFile.h"
#include "platform/Process.h"

bool WriteStringTableStep(const std::string& sourceFolder, const std::string& outputPath, std::string& error) {
  std::string source;
  if (!platform::ReadWholeFile(platform::ToGamePath(sourceFolder + "/strings.txt"), source))
    return error = "cannot be read", false;
  StringTable table;
  if (!ParseStringSource(source, table, error)) return false;
  if (!table.Save(platform::ToGamePath(outputPath))) return error = "cannot write the table", false;
  return true;
}
