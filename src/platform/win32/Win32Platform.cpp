// The Windows layer's entry point.
#include "platform/win32/Win32Platform.h"

#include "platform/win32/Win32System.h"

namespace platform {

std::unique_ptr<Platform> createPlatform() { return win32::createWin32Platform(); }

}  // namespace platform

namespace platform::win32 {

std::unique_ptr<Platform> createWin32Platform() { return std::make_unique<Win32System>(); }

}  // namespace platform::win32
