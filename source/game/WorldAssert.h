#pragma once
#include <functional>
#include <string>

// The world's report of a cannot-happen condition: a debug line naming the expression, the
// source file and the line, then an Abort/Retry/Ignore box. Abort ends the program, Retry
// breaks into a debugger when one is attached, Ignore returns. The caller then refuses the
// operation that the condition guarded, so the world carries on unharmed.
struct WorldAssertion {
  std::string expression;
  std::string file;  // the file's name without its folders
  int line = 0;
};

// Reports the assertion unless the condition holds; returns the condition.
bool WorldCheck(bool condition, const char* expression, const char* file, int line);

#define WORLD_CHECK(condition) WorldCheck(static_cast<bool>(condition), #condition, __FILE__, __LINE__)

// Tests take the reports themselves: with a recorder set no box is shown. An empty
// recorder brings the box back.
using WorldAssertRecorder = std::function<void(const WorldAssertion&)>;
void SetWorldAssertRecorder(WorldAssertRecorder recorder);
