#pragma once
#include <cstdint>

namespace platform {

// Result codes of our display and sound stand-ins. Success is 0; every failure has the
// top bit set and a value of its own, so the framework's name tables can tell them apart.
using ResultCode = uint32_t;

constexpr ResultCode kResultOk = 0;

// Display (surfaces, palettes, display modes) failures, in the order of the name table.
enum DisplayResult : ResultCode {
  kDisplayUnsupported = 0x8D000001,
  kDisplayGeneric,
  kDisplayOutOfMemory,
  kDisplayInvalidParams,
  kDisplayCannotAttachSurface,
  kDisplayCurrentlyNotAvailable,
  kDisplayHeightAlign,
  kDisplayInvalidCaps,
  kDisplayInvalidClipList,
  kDisplayInvalidMode,
  kDisplayInvalidPixelFormat,
  kDisplayInvalidRect,
  kDisplayNo3D,
  kDisplayNoAlphaHardware,
  kDisplayNoClipList,
  kDisplayNoColorConversionHardware,
  kDisplayNoExclusiveMode,
  kDisplayNoFlipHardware,
  kDisplayNoGdi,
  kDisplayNoMirrorHardware,
  kDisplayNotFound,
  kDisplayNoOverlayHardware,
  kDisplayNoRasterOpHardware,
  kDisplayNoStretchHardware,
  kDisplayNot4BitColor,
  kDisplayNot4BitColorIndex,
  kDisplayNot8BitColor,
  kDisplayNoTextureHardware,
  kDisplayNoVSyncHardware,
  kDisplayNoZBufferHardware,
  kDisplayOutOfCaps,
  kDisplayOutOfVideoMemory,
  kDisplayOverlayCannotClip,
  kDisplayPaletteBusy,
  kDisplaySurfaceAlreadyAttached,
  kDisplaySurfaceAlreadyDependent,
  kDisplaySurfaceBusy,
  kDisplaySurfaceIsObscured,
  kDisplaySurfaceLost,
  kDisplaySurfaceNotAttached,
  kDisplayTooBigHeight,
  kDisplayTooBigSize,
  kDisplayTooBigWidth,
  kDisplayUnsupportedFormat,
  kDisplayUnsupportedMask,
  kDisplayVerticalBlankInProgress,
  kDisplayWasStillDrawing,
  kDisplayXAlign,
};

// Sound device failures, in the order of the name table.
enum SoundResult : ResultCode {
  kSoundUnsupported = 0x8A000001,
  kSoundGeneric,
  kSoundNoAggregation,
  kSoundOutOfMemory,
  kSoundInvalidParam,
  kSoundAllocated,
  kSoundControlUnavailable,
  kSoundInvalidCall,
  kSoundPriorityLevelNeeded,
  kSoundBadFormat,
  kSoundNoDriver,
  kSoundAlreadyInitialized,
  kSoundBufferLost,
  kSoundOtherAppHasPriority,
};

// Timer service failures.
enum TimerResult : ResultCode {
  kTimerInvalidParam = 0x8E000001,
};

// RIFF file failures.
enum RiffResult : ResultCode {
  kRiffCannotOpen = 0x8F000001,
  kRiffChunkNotFound,
  kRiffCannotRead,
  kRiffCannotSeek,
};

}  // namespace platform
