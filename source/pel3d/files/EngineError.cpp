#include "pel3d/files/EngineError.h"

namespace {

int32_t gLastResourceError = kErrorNone;
EngineErrorDetail gDetail;

}  // namespace

int32_t GetLastResourceError() { return gLastResourceError; }

void SetLastResourceError(int32_t code) {
  gLastResourceError = code;
  gDetail = EngineErrorDetail{};
}

const EngineErrorDetail& GetLastResourceErrorDetail() { return gDetail; }

EngineFailure EngineFail(int32_t code, const std::string& what, int64_t offset) {
  SetLastResourceError(code);
  gDetail.what = what;
  gDetail.offset = offset;
  return {};
}

void NoteErrorGroup(const std::string& group) { gDetail.group = group; }
void NoteErrorBody(int32_t body) { gDetail.body = body; }
void NoteErrorFace(int32_t face) { gDetail.face = face; }

const char* EngineErrorText(int32_t code) {
  switch (code) {
    case kErrorNone: return "no failure";
    case kErrorOpenFailed: return "the file cannot be opened";
    case kErrorBadContent: return "the file is short or its content is damaged";
    case kErrorSeekFailed: return "a seek failed";
    case kErrorOutOfMemory: return "out of memory";
    case kErrorNoChunk: return "no such chunk";
    case kErrorBadTag: return "a chunk's own tag or a face's tag is wrong";
    case kErrorNoGroup: return "no group or colour map of that name";
    case kErrorNoBody: return "no body of that id";
    case kErrorBodyRegistryFull: return "the body registry is full";
    case kErrorGroupTooSmall: return "the bodies need more memory than the group's counts give";
    case kErrorNotAGroup: return "not a group";
    case kErrorGroupListFull: return "the list of loaded groups is full";
    case kErrorTextureIndex: return "a face's texture lies beyond the bitmap group";
    case kErrorPoolListFull: return "the list of vertex pools is full";
    default: return "unexpected failure";
  }
}

std::string DescribeLastResourceError() {
  std::string text = "error " + std::to_string(gLastResourceError) + ", " + EngineErrorText(gLastResourceError);
  if (!gDetail.what.empty()) text += ": " + gDetail.what;
  if (gDetail.offset >= 0) text += " at byte " + std::to_string(gDetail.offset);
  if (!gDetail.group.empty()) text += ", group " + gDetail.group;
  if (gDetail.body >= 0) text += ", body " + std::to_string(gDetail.body);
  if (gDetail.face >= 0) text += ", face " + std::to_string(gDetail.face);
  return text;
}
