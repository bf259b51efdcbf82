#include "platform/TextLayout.h"

namespace platform {
namespace {

// The paragraphs of a text: the pieces between line breaks. A break at the very end
// starts no further line.
std::vector<std::string_view> SplitParagraphs(std::string_view text) {
  std::vector<std::string_view> paragraphs;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      paragraphs.push_back(text.substr(start));
      break;
    }
    paragraphs.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return paragraphs;
}

void BreakParagraph(std::string_view paragraph, int32_t maxWidth, const TextMeasure& measure,
                    std::vector<TextLine>& lines) {
  std::string current;
  bool lineStarted = false;
  size_t position = 0;
  do {
    const size_t wordStart = std::min(paragraph.find_first_not_of(' ', position), paragraph.size());
    const size_t wordEnd = std::min(paragraph.find(' ', wordStart), paragraph.size());
    const std::string_view spaces = paragraph.substr(position, wordStart - position);
    const std::string_view word = paragraph.substr(wordStart, wordEnd - wordStart);
    position = wordEnd;
    if (!lineStarted) {
      // The paragraph's first line keeps the spaces it starts with.
      current = std::string(spaces) + std::string(word);
      lineStarted = true;
      continue;
    }
    std::string candidate = current + std::string(spaces) + std::string(word);
    if (measure(candidate) <= maxWidth) {
      current = std::move(candidate);
    } else if (!word.empty()) {
      lines.push_back({current, measure(current)});
      current = std::string(word);
    }
  } while (position < paragraph.size());
  lines.push_back({current, measure(current)});
}

}  // namespace

std::vector<TextLine> BreakTextLines(std::string_view text, int32_t maxWidth, bool wordBreak,
                                     const TextMeasure& measure) {
  std::vector<TextLine> lines;
  for (std::string_view paragraph : SplitParagraphs(text)) {
    if (!wordBreak) {
      lines.push_back({std::string(paragraph), measure(paragraph)});
      continue;
    }
    BreakParagraph(paragraph, maxWidth, measure, lines);
  }
  return lines;
}

}  // namespace platform
