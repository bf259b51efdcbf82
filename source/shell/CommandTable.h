#pragma once
#include <cstdint>
#include <functional>
#include <map>

// Game commands the application itself carries out.
enum GameCommandId : int32_t {
  kCommandLeaveScreen = 1,
  kCommandToggleRadio = 48,
  kCommandToggleFullScreen = 55,
  kCommandPaletteView = 201,
  kCommandScreenshot = 202,
  kCommandStatistics = 203,
  kCommandSystemReport = 204,
};

// What each command id does when a key gives it: one operation per id. An id without a
// row does nothing.
class CommandTable {
public:
  using Operation = std::function<void()>;

  // Gives the id its operation, replacing the one it had.
  void SetRow(int32_t command, Operation operation) { mRows[command] = std::move(operation); }
  bool HasRow(int32_t command) const { return mRows.count(command) != 0; }
  // Runs the id's operation; false when it has none.
  bool Execute(int32_t command) const;

private:
  std::map<int32_t, Operation> mRows;
};
