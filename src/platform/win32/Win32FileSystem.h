#pragma once
#include "platform/FileSystem.h"

namespace kalvora::platform::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  bool DirectoryExists(const std::wstring& path) override;
  bool FileExists(const std::wstring& path) override;
  bool CreateDirectoryTree(const std::wstring& path) override;
};

}  // namespace kalvora::platform::win32
