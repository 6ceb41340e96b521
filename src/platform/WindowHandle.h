#pragma once
#include <cstdint>

namespace kalvora::platform {

// A window handle as the system hands it out; 0 is "no window".
using WindowHandle = std::uintptr_t;

}  // namespace kalvora::platform
