// The program entry: keeps the process's arguments and clock frequency for the framework.
#include "Drovane/Stopwatch.h"
#include "platform/Clock.h"
#include "platform/Process.h"

int main(int argc, char** argv) {
  platform::SetProcessArguments(argc, argv);
  gPerformanceFrequency = static_cast<float>(platform::QueryPerformanceFrequency());
  return 0;
}
