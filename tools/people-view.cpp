// Draws the people's figures of a "PrivAnim.df" into an 8-bit picture and writes it as a PNG
// through the game's palette:
//   people-view PrivAnim.df OUT.png BODY KEY [FRAME [FACING [DEPTH [--half]]]]
//   people-view PrivAnim.df OUT.png --sheet
// BODY and KEY are four-character names ("Blon", "1Wal"); FACING counts eighths of a turn
// from facing the viewer; DEPTH is in world units (6.0 when not given); --half draws as the
// half-resolution view does. The sheet shows every body in every animation.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "X/Body/BodyFaceDraw.h"
#include "X/Body/BodyLists.h"
#include "X/Body/RoundedSquareRoots.h"
#include "X/Y/XAssert.h"
#include "peoplefiles/FaceBitmapGroup.h"
#include "peopleview/FigureView.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"

namespace {

int Usage(const char* program) {
  std::fprintf(stderr, "usage: %s PrivAnim.df OUT.png BODY KEY [FRAME [FACING [DEPTH [--half]]]]\n", program);
  std::fprintf(stderr, "       %s PrivAnim.df OUT.png --sheet\n", program);
  return 2;
}

uint32_t Code(const std::string& name) {
  uint32_t code = 0;
  for (size_t i = 0; i < 4; ++i) code = code << 8 | static_cast<uint8_t>(i < name.size() ? name[i] : ' ');
  return code;
}

FigurePicture DrawOne(int argc, char** argv, bool& drawn) {
  FigurePose pose{Code(argv[3]), Code(argv[4])};
  if (argc > 5) pose.frame = std::atoi(argv[5]);
  if (argc > 6) pose.facing = std::atoi(argv[6]);
  if (argc > 7) pose.depth = static_cast<float>(std::atof(argv[7]));
  pose.fullResolution = !(argc > 8 && std::string(argv[8]) == "--half");
  const int32_t width = pose.fullResolution ? 640 : 320, height = pose.fullResolution ? 480 : 240;
  FigurePicture picture(width, height, 211);
  const float scale = FigureScale(pose.depth, pose.fullResolution);
  drawn = DrawFigure(picture, pose, width / 2, height - 24 - static_cast<int32_t>(21.0f * scale));
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  const bool sheet = argc == 4 && std::string(argv[3]) == "--sheet";
  if (!sheet && (argc < 5 || argc > 9)) return Usage(argv[0]);
  // Damaged files are reported on stderr and drawn as far as they go.
  SetXAssertHandler([](const XAssertReport& report) {
    std::fprintf(stderr, "%s\n", report.text.c_str());
    return static_cast<int>(platform::IDIGNORE);
  });
  platform::SetMessageBoxHandler([](const std::string& text, const std::string&, uint32_t) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return static_cast<int>(platform::IDIGNORE);
  });
  FillRoundedSquareRoots();
  FaceBitmapGroup faces;
  SetBodyFaceGroup(faces.Group());
  LoadBodies(platform::ToGamePath(argv[1]));
  bool drawn = true;
  const FigurePicture picture = sheet ? DrawFigureSheet() : DrawOne(argc, argv, drawn);
  DeleteAllBodies();
  if (!drawn) {
    std::fprintf(stderr, "%s: no body \"%s\" with an animation for \"%s\"\n", argv[1], argv[3], argv[4]);
    return 1;
  }
  std::string message;
  if (!WriteFigurePng(picture, argv[2], message)) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
  }
  return 0;
}
