#pragma once
#include "platform/SharedMemory.h"

namespace kalvora::platform::win32 {

// Named file mappings backed by the paging file. Each block handed out owns
// its mapping handle and view and gives both back when destroyed.
class Win32SharedMemory final : public SharedMemory {
 public:
  Created CreateNamed(const std::wstring& name, std::size_t size) override;
  std::unique_ptr<SharedBlock> OpenNamed(const std::wstring& name, std::size_t size) override;
};

}  // namespace kalvora::platform::win32
