#pragma once
#include <string>
#include <vector>

// The switches of a command line: every space-separated word introduced by "/", "\" or
// "-", without its introducer and in lower case, in the order given. Other words are not
// switches.
std::vector<std::string> FindCommandLineSwitches(const std::string& commandLine);

// The word that follows the first switch of that name (lower case), as typed; empty when
// there is no such switch or nothing follows it.
std::string FindCommandLineSwitchWord(const std::string& commandLine, const std::string& name);

// The rest of the first switch word whose name begins with the letter (lower case), as
// typed; empty when there is none.
std::string FindCommandLineSwitchRest(const std::string& commandLine, char letter);
