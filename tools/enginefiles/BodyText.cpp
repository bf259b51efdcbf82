#include "enginefiles/BodyText.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <sstream>

#include "enginefiles/BodyCheck.h"

namespace {

class LineReader {
public:
  explicit LineReader(const std::string& line) : mStream(line) {}

  bool Word(std::string& word) { return static_cast<bool>(mStream >> word); }
  bool AtEnd() {
    std::string rest;
    return !(mStream >> rest);
  }

  bool Integer(int64_t low, int64_t high, int64_t& value) {
    std::string word;
    if (!Word(word)) return false;
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(word.c_str(), &end, 0);
    if (*end != '\0' || errno != 0 || parsed < low || parsed > high) return false;
    value = parsed;
    return true;
  }

  template <class T>
  bool Integer(T& value) {
    int64_t parsed = 0;
    if (!Integer(std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), parsed)) return false;
    value = static_cast<T>(parsed);
    return true;
  }

  // A decimal number as 16.16, rounded to the nearest.
  bool Fixed(int32_t& value) {
    std::string word;
    if (!Word(word)) return false;
    char* end = nullptr;
    const double parsed = std::strtod(word.c_str(), &end);
    const double scaled = std::round(parsed * 65536.0);
    if (*end != '\0' || !(scaled >= INT32_MIN && scaled <= INT32_MAX)) return false;
    value = static_cast<int32_t>(scaled);
    return true;
  }

  bool Vector(Vec3& v) { return Fixed(v.x) && Fixed(v.y) && Fixed(v.z); }

  // A node number after the node's own, or "-" for an empty subtree.
  bool Child(int self, int& child) {
    std::string word;
    if (!Word(word)) return false;
    if (word == "-") {
      child = -1;
      return true;
    }
    char* end = nullptr;
    const long parsed = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || parsed <= self || parsed > 32767) return false;
    child = static_cast<int>(parsed);
    return true;
  }

  // Vertex numbers up to the end of the line or up to "uv".
  bool Corners(std::vector<int32_t>& corners, bool& uvFollow) {
    std::string word;
    uvFollow = false;
    while (Word(word)) {
      if (word == "uv") {
        uvFollow = true;
        break;
      }
      char* end = nullptr;
      const long parsed = std::strtol(word.c_str(), &end, 10);
      if (*end != '\0' || parsed < 0 || parsed > 32766) return false;
      corners.push_back(static_cast<int32_t>(parsed));
    }
    return !corners.empty();
  }

private:
  std::istringstream mStream;
};

bool ParseTexture(const std::string& word, uint32_t& texture) {
  char* end = nullptr;
  const unsigned long first = std::strtoul(word.c_str(), &end, 0);
  if (first > 255) return false;
  if (*end == '\0') {
    texture = static_cast<uint32_t>(first);
    return true;
  }
  if (*end != ':') return false;
  const char* tileText = end + 1;
  const unsigned long tile = std::strtoul(tileText, &end, 0);
  if (*end != '\0' || end == tileText || tile > 255 || first == 0) return false;
  texture = static_cast<uint32_t>(first << 16 | tile);
  return true;
}

bool ParseBody(LineReader& line, BodyDescription& body) {
  if (!line.Integer(body.id)) return false;
  std::string word;
  while (line.Word(word)) {
    if (word == "recentre") {
      body.recentre = true;
    } else if (word == "bsp") {
      body.hasBsp = true;
    } else if (word == "radius") {
      if (!line.Fixed(body.radius)) return false;
    } else if (word == "position") {
      if (!line.Vector(body.position)) return false;
    } else {
      return false;
    }
  }
  return true;
}

bool ParseFace(LineReader& line, FaceDescription& face) {
  std::string texture;
  if (!line.Integer(face.type) || !line.Integer(face.colour) || !line.Word(texture) ||
      !ParseTexture(texture, face.texture) || !line.Integer(face.flags)) {
    return false;
  }
  bool uvFollow = false;
  if (!line.Corners(face.corners, uvFollow)) return false;
  if (!uvFollow) return true;
  for (size_t k = 0; k < face.corners.size(); ++k) {
    std::array<int32_t, 2> pair{};
    if (!line.Fixed(pair[0]) || !line.Fixed(pair[1])) return false;
    face.texCoords.push_back(pair);
  }
  return line.AtEnd();
}

bool ParseFaceKind(const std::string& kind, LineReader& line, BodyDescription& body) {
  uint8_t type = 0;
  uint32_t colour = 0;
  std::vector<int32_t> corners;
  bool uvFollow = false;
  if (kind == "line" || kind == "polyline") {
    if (!line.Integer(colour) || !line.Corners(corners, uvFollow) || uvFollow) return false;
    if (kind == "line" && corners.size() != 2) return false;
    for (FaceDescription& face : PolylineFaces(corners, colour)) body.faces.push_back(face);
    return corners.size() >= 2;
  }
  if (!line.Integer(type) || !line.Integer(colour) || !line.Corners(corners, uvFollow) || uvFollow) return false;
  if (kind == "sprite") {
    if (corners.size() > 2) return false;
    body.faces.push_back(SpriteFace(corners, colour, type));
  } else {
    body.faces.push_back(GouraudFace(corners, colour, type));
  }
  return true;
}

bool ParseNode(LineReader& line, BodyDescription& body) {
  BspNodeRecord node;
  const int self = static_cast<int>(body.bspNodes.size());
  if (!line.Integer(node.face)) return false;
  for (int32_t& value : node.values) {
    if (!line.Integer(value)) return false;
  }
  if (!line.Child(self, node.first) || !line.Child(self, node.second) || !line.AtEnd()) return false;
  body.bspNodes.push_back(node);
  return true;
}

// The text lines that made a body: its "body" line, and the line of each face and node.
struct BodyLines {
  int body = 0;
  std::vector<int> faces;
  std::vector<int> nodes;

  int Of(const BodyFault& fault) const {
    if (fault.part == BodyFault::Part::Face) return faces.at(fault.index);
    if (fault.part == BodyFault::Part::Node) return nodes.at(fault.index);
    return body;
  }
};

bool ParseLine(const std::string& kind, LineReader& line, std::vector<BodyDescription>& bodies) {
  if (kind == "body") {
    bodies.emplace_back();
    return ParseBody(line, bodies.back());
  }
  if (bodies.empty()) return false;
  BodyDescription& body = bodies.back();
  if (kind == "vertex") {
    Vec3 vertex;
    if (!line.Vector(vertex) || !line.AtEnd()) return false;
    body.vertices.push_back(vertex);
    return true;
  }
  if (kind == "face") {
    body.faces.emplace_back();
    return ParseFace(line, body.faces.back());
  }
  if (kind == "gouraud" || kind == "sprite" || kind == "line" || kind == "polyline") {
    return ParseFaceKind(kind, line, body);
  }
  if (kind == "node") return ParseNode(line, body);
  return false;
}

// Notes the line of the body, faces and nodes that the line just added.
void NoteLine(int number, const std::vector<BodyDescription>& bodies, std::vector<BodyLines>& lines) {
  if (bodies.size() > lines.size()) lines.push_back({number, {}, {}});
  if (bodies.empty()) return;
  BodyLines& body = lines.back();
  body.faces.resize(bodies.back().faces.size(), number);
  body.nodes.resize(bodies.back().bspNodes.size(), number);
}

}  // namespace

bool ParseBodyText(const std::string& text, std::vector<BodyDescription>& bodies, std::string& error) {
  std::istringstream lines(text);
  std::vector<BodyLines> bodyLines;
  std::string raw;
  for (int number = 1; std::getline(lines, raw); ++number) {
    const std::string content = raw.substr(0, raw.find('#'));
    LineReader line(content);
    std::string kind;
    if (!line.Word(kind)) continue;
    if (!ParseLine(kind, line, bodies)) {
      error = "line " + std::to_string(number) + ": cannot read \"" + content + "\"";
      return false;
    }
    NoteLine(number, bodies, bodyLines);
  }
  for (size_t i = 0; i < bodies.size(); ++i) {
    BodyDescription& body = bodies[i];
    body.bspRoot = body.bspNodes.empty() ? -1 : 0;
    if (const std::optional<BodyFault> fault = CheckBody(body)) {
      error = "line " + std::to_string(bodyLines[i].Of(*fault)) + ": " + DescribeBodyFault(body, *fault);
      return false;
    }
  }
  return true;
}
