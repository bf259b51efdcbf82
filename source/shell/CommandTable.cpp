#include "shell/CommandTable.h"

bool CommandTable::Execute(int32_t command) const {
  auto row = mRows.find(command);
  if (row == mRows.end()) return false;
  row->second();
  return true;
}
