#include <iterator>

#include "Drovane/DebugLog.h"
#include "Drovane/ErrorReport.h"
#include "platform/ResultCodes.h"

namespace {

using namespace platform;

struct ResultName {
  uint32_t code;
  const char* text;
};

constexpr ResultName kDisplayNames[] = {
    {kDisplayUnsupported, " Error = DDERR_UNSUPPORTED\n"},
    {kDisplayGeneric, " Error = DDERR_GENERIC\n"},
    {kDisplayOutOfMemory, " Error = DDERR_OUTOFMEMORY\n"},
    {kDisplayInvalidParams, " Error = DDERR_INVALIDPARAMS\n"},
    {kDisplayCannotAttachSurface, " Error = DDERR_CANNOTATTACHSURFACE\n"},
    {kDisplayCurrentlyNotAvailable, " Error = DDERR_CURRENTLYNOTAVAIL\n"},
    {kDisplayHeightAlign, " Error = DDERR_HEIGHTALIGN\n"},
    {kDisplayInvalidCaps, " Error = DDERR_INVALIDCAPS\n"},
    {kDisplayInvalidClipList, " Error = DDERR_INVALIDCLIPLIST\n"},
    {kDisplayInvalidMode, " Error = DDERR_INVALIDMODE\n"},
    {kDisplayInvalidPixelFormat, " Error = DDERR_INVALIDPIXELFORMAT\n"},
    {kDisplayInvalidRect, " Error = DDERR_INVALIDRECT\n"},
    {kDisplayNo3D, " Error = DDERR_NO3D\n"},
    {kDisplayNoAlphaHardware, " Error = DDERR_NOALPHAHW\n"},
    {kDisplayNoClipList, " Error = DDERR_NOCLIPLIST\n"},
    {kDisplayNoColorConversionHardware, " Error = DDERR_NOCOLORCONVHW\n"},
    {kDisplayNoExclusiveMode, " Error = DDERR_NOEXCLUSIVEMODE\n"},
    {kDisplayNoFlipHardware, " Error = DDERR_NOFLIPHW\n"},
    {kDisplayNoGdi, " Error = DDERR_NOGDI\n"},
    {kDisplayNoMirrorHardware, " Error = DDERR_NOMIRRORHW\n"},
    {kDisplayNotFound, " Error = DDERR_NOTFOUND\n"},
    {kDisplayNoOverlayHardware, " Error = DDERR_NOOVERLAYHW\n"},
    {kDisplayNoRasterOpHardware, " Error = DDERR_NORASTEROPHW\n"},
    {kDisplayNoStretchHardware, " Error = DDERR_NOSTRETCHHW\n"},
    {kDisplayNot4BitColor, " Error = DDERR_NOT4BITCOLOR\n"},
    {kDisplayNot4BitColorIndex, " Error = DDERR_NOT4BITCOLORINDEX\n"},
    {kDisplayNot8BitColor, " Error = DDERR_NOT8BITCOLOR\n"},
    {kDisplayNoTextureHardware, " Error = DDERR_NOTEXTUREHW\n"},
    {kDisplayNoVSyncHardware, " Error = DDERR_NOVSYNCHW\n"},
    {kDisplayNoZBufferHardware, " Error = DDERR_NOZBUFFERHW\n"},
    {kDisplayOutOfCaps, " Error = DDERR_OUTOFCAPS\n"},
    {kDisplayOutOfVideoMemory, " Error = DDERR_OUTOFVIDEOMEMORY\n"},
    {kDisplayOverlayCannotClip, " Error = DDERR_OVERLAYCANTCLIP\n"},
    {kDisplayPaletteBusy, " Error = DDERR_PALETTEBUSY\n"},
    {kDisplaySurfaceAlreadyAttached, " Error = DDERR_SURFACEALREADYATTACHED\n"},
    {kDisplaySurfaceAlreadyDependent, " Error = DDERR_SURFACEALREADYDEPENDENT\n"},
    {kDisplaySurfaceBusy, " Error = DDERR_SURFACEBUSY\n"},
    {kDisplaySurfaceIsObscured, " Error = DDERR_SURFACEISOBSCURED\n"},
    {kDisplaySurfaceLost, " Error = DDERR_SURFACELOST\n"},
    {kDisplaySurfaceNotAttached, " Error = DDERR_SURFACENOTATTACHED\n"},
    {kDisplayTooBigHeight, " Error = DDERR_TOOBIGHEIGHT\n"},
    {kDisplayTooBigSize, " Error = DDERR_TOOBIGSIZE\n"},
    {kDisplayTooBigWidth, " Error = DDERR_TOOBIGWIDTH\n"},
    {kDisplayUnsupportedFormat, " Error = DDERR_UNSUPPORTEDFORMAT\n"},
    {kDisplayUnsupportedMask, " Error = DDERR_UNSUPPORTEDMASK\n"},
    {kDisplayVerticalBlankInProgress, " Error = DDERR_VERTICALBLANKINPROGRESS\n"},
    {kDisplayWasStillDrawing, " Error = DDERR_WASSTILLDRAWING\n"},
    {kDisplayXAlign, " Error = DDERR_XALIGN\n"},
};

constexpr ResultName kSoundNames[] = {
    {kSoundUnsupported, " Error = DSERR_UNSUPPORTED\n"},
    {kSoundGeneric, " Error = DSERR_GENERIC\n"},
    {kSoundNoAggregation, " Error = DSERR_NOAGGREGATION\n"},
    {kSoundOutOfMemory, " Error = DSERR_OUTOFMEMORY\n"},
    {kSoundInvalidParam, " Error = DSERR_INVALIDPARAM\n"},
    {kSoundAllocated, " Error = DSERR_ALLOCATED\n"},
    {kSoundControlUnavailable, " Error = DSERR_CONTROLUNAVAIL\n"},
    {kSoundInvalidCall, " Error = DSERR_INVALIDCALL\n"},
    {kSoundPriorityLevelNeeded, " Error = DSERR_PRIOLEVELNEEDED\n"},
    {kSoundBadFormat, " Error = DSERR_BADFORMAT\n"},
    {kSoundNoDriver, " Error = DSERR_NODRIVER\n"},
    {kSoundAlreadyInitialized, " Error = DSERR_ALREADYINITIALIZED\n"},
    {kSoundBufferLost, " Error = DSERR_BUFFERLOST\n"},
    {kSoundOtherAppHasPriority, " Error = DSERR_OTHERAPPHASPRIO\n"},
};

template <size_t N>
std::string NameWithMessage(const ResultName (&table)[N], uint32_t result, const char* message) {
  std::string text = " Error = (unknown)\n";
  for (const ResultName& entry : table) {
    if (entry.code == result) text = entry.text;
  }
  if (message) text += message;
  return text;
}

}  // namespace

std::string GetDirectDrawErrorName(uint32_t result, const char* message) {
  return NameWithMessage(kDisplayNames, result, message);
}

std::string GetDirectSoundErrorName(uint32_t result, const char* message) {
  return NameWithMessage(kSoundNames, result, message);
}

// DebugPrintf keeps the line within its 256-byte bound.
void ReportDirectDrawError(uint32_t result, const char* message) {
  DebugPrintf("%s", GetDirectDrawErrorName(result, message).c_str());
}

void ReportDirectSoundError(uint32_t result, const char* message) {
  DebugPrintf("%s", GetDirectSoundErrorName(result, message).c_str());
}
