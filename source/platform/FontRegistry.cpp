#include "platform/FontRegistry.h"

#include <SDL_ttf.h>

#include <algorithm>

#include "platform/FilePath.h"
#include "platform/TrueTypeLibrary.h"

namespace platform {
namespace {

constexpr const char* kRegularFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// The faces the game names, all drawn with the mapped file.
const std::vector<std::string> kMappedFaces = {"Arial", "MS Sans Serif", "Bulgarian Ariel", "DejaVu Sans"};

struct AddedFont {
  std::string path;
  std::string family;
};

// In the order added; a family added twice is served by its latest file.
std::vector<AddedFont> gAdded;

std::string FamilyOfFile(const std::string& path) {
  if (!StartTrueType()) return {};
  TTF_Font* font = TTF_OpenFont(path.c_str(), 12);
  if (!font) return {};
  const char* family = TTF_FontFaceFamilyName(font);
  std::string name = family ? family : "";
  TTF_CloseFont(font);
  return name;
}

}  // namespace

std::string FontFileForFace(const std::string& face, bool bold) {
  for (auto added = gAdded.rbegin(); added != gAdded.rend(); ++added) {
    if (EqualIgnoringCase(added->family, face)) return added->path;
  }
  return bold ? kBoldFile : kRegularFile;
}

int AddFontFile(const std::string& path) {
  const std::string resolved = ResolvePath(path);
  const std::string family = FamilyOfFile(resolved);
  if (family.empty()) return 0;
  gAdded.push_back({resolved, family});
  return 1;
}

int RemoveFontFile(const std::string& path) {
  const std::string resolved = ResolvePath(path);
  auto found = std::find_if(gAdded.rbegin(), gAdded.rend(), [&](const AddedFont& f) { return f.path == resolved; });
  if (found == gAdded.rend()) return 0;
  gAdded.erase(std::next(found).base());
  return 1;
}

std::vector<std::string> FontFamilyNames() {
  std::vector<std::string> names = kMappedFaces;
  for (const AddedFont& added : gAdded) {
    if (std::find(names.begin(), names.end(), added.family) == names.end()) names.push_back(added.family);
  }
  return names;
}

}  // namespace platform
