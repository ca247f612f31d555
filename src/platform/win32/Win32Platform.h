#pragma once

// The Windows layer's public face for the program and the tests.  It includes no Windows
// header, so code outside this folder can use it.

#include <memory>

#include "platform/Platform.h"

namespace platform::win32 {

std::unique_ptr<Platform> createWin32Platform();

}  // namespace platform::win32
