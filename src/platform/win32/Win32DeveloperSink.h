#pragma once
#include "common/DeveloperLog.h"

namespace kalvora::platform::win32 {

// Reports go to the debugger's output window (or DebugView), one line each.
class Win32DeveloperSink final : public DeveloperSink {
 public:
  void Report(std::wstring_view site, std::wstring_view what) override;
};

}  // namespace kalvora::platform::win32
