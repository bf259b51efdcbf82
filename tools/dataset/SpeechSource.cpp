#include "dataset/SpeechSource.h"

#include <sstream>

namespace {

bool ParseNumber(const std::string& word, int low, int high, int& value) {
  if (word.empty() || word.size() > 3 || word.find_first_not_of("0123456789") != std::string::npos) return false;
  value = std::stoi(word);
  return value >= low && value <= high;
}

bool ParseTreatment(const std::string& word, SpeechTreatment& treatment) {
  if (word == "plain") treatment = SpeechTreatment::kPlain;
  else if (word == "radio") treatment = SpeechTreatment::kRadio;
  else if (word == "megaphone") treatment = SpeechTreatment::kMegaphone;
  else return false;
  return true;
}

bool ParseLine(const std::string& line, SpokenLine& spoken, std::string& error) {
  std::istringstream words(line);
  std::string pitch, speed, treatment;
  words >> spoken.file >> spoken.voice.name >> pitch >> speed >> treatment;
  if (!ParseNumber(pitch, 0, 99, spoken.voice.pitch)) error = "a pitch of 0 to 99";
  else if (!ParseNumber(speed, 80, 450, spoken.voice.wordsPerMinute)) error = "a speed of 80 to 450 words a minute";
  else if (!ParseTreatment(treatment, spoken.treatment)) error = "plain, radio or megaphone";
  if (!error.empty()) return false;
  size_t open = line.find('"');
  size_t close = line.rfind('"');
  if (open == std::string::npos || close <= open + 1 || line.find_first_not_of(" \t\r", close + 1) != std::string::npos) {
    error = "a text in double quotes at the end";
    return false;
  }
  spoken.text = line.substr(open + 1, close - open - 1);
  return true;
}

}  // namespace

bool ParseSpeechSource(const std::string& source, std::vector<SpokenLine>& lines, std::string& error) {
  std::istringstream input(source);
  std::string line;
  for (int number = 1; std::getline(input, line); ++number) {
    size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    SpokenLine spoken;
    std::string fault;
    if (!ParseLine(line, spoken, fault)) {
      error = "line " + std::to_string(number) + ": expected " + fault;
      return false;
    }
    lines.push_back(spoken);
  }
  return true;
}
