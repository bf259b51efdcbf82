#include "Drovane/Application.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "Drovane/BackBuffer.h"
#include "Drovane/ErrorReport.h"
#include "Drovane/MainWindow.h"
#include "Drovane/WindowsVersion.h"

CApplication* gpApplication = nullptr;
void* gMemoryPool = nullptr;

CApplication::CApplication() {
  DetectOSVersion();
  mFlags = kAppRunning;
  gMemoryPool = std::calloc(1, sizeof(uint16_t));
  if (!gMemoryPool) {
    ReportError(kErrorMemoryPool, true);
    return;
  }
  const uint16_t poolValue = 12;
  std::memcpy(gMemoryPool, &poolValue, sizeof poolValue);
}

CApplication::~CApplication() {
  std::free(gMemoryPool);
  gMemoryPool = nullptr;
  if (gpApplication == this) gpApplication = nullptr;
}

MainWindow* CApplication::CreateMainWindow(int32_t width, int32_t height, uint32_t styleFlags,
                                           const char* title) {
  return new (std::nothrow) MainWindow(width, height, styleFlags, title);
}

CBackBuffer* CApplication::CreateBackBufferFromFile(const char* imageFileName) {
  return new (std::nothrow) CBackBuffer(imageFileName);
}

CBackBuffer* CApplication::CreateBackBuffer(int32_t width, int32_t height, const uint32_t*) {
  return new (std::nothrow) CBackBuffer(width, height);
}

int32_t CApplication::DetectOSVersion(uint32_t versionWord) {
  int32_t major = GetWindowsVersionPart(0, versionWord);
  int32_t minor = GetWindowsVersionPart(1, versionWord);
  bool sixteenBitBased = GetWindowsPlatformCode(versionWord) != 4;
  if (major == 3 && minor < 50) {
    mOSVersion = sixteenBitBased ? 1 : 2;
  } else if (major < 4) {
    mOSVersion = 3;
  } else {
    mOSVersion = 4;
  }
  return mOSVersion;
}
