#pragma once
#include <cstdint>
#include <string>

class VersionInfo;

// The system report: the program's name and version, the system's version, the memory, the
// processor family and its clock, in the current language. A text from the string table
// whose conversions differ from the arguments given is replaced by its English text.
std::string BuildSystemReport(const VersionInfo& version, uint64_t totalMemoryBytes);
// The report of this program on this machine.
std::string BuildSystemReport();
// Writes the report to the debug log, one line at a time.
void WriteSystemReportToLog();
