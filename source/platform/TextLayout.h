#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Breaking a text into lines as the system's text drawing does: LF and CR LF (and a lone
// CR) end a line; with word breaking, a line also breaks at the space before the first
// word that would pass the width. A word wider than the width stays whole on its line.
// The spaces at a break belong to neither line.
namespace platform {

struct TextLine {
  std::string text;
  int32_t width = 0;
};

// measure gives the width of a piece of text.
using TextMeasure = std::function<int32_t(std::string_view)>;

std::vector<TextLine> BreakTextLines(std::string_view text, int32_t maxWidth, bool wordBreak,
                                     const TextMeasure& measure);

}  // namespace platform
