#pragma once
#include "platform/FileSystem.h"

namespace kalvora::platform::win32 {

class Win32FileSystem final : public FileSystem {
 public:
  bool DirectoryExists(const std::wstring& path) override;
  bool FileExists(const std::wstring& path) override;
  bool CreateDirectoryTree(const std::wstring& path) override;
  std::vector<DirectoryEntry> FindFiles(const std::wstring& pattern) override;
  std::optional<std::string> ReadFile(const std::wstring& path) override;
  bool WriteFile(const std::wstring& path, std::string_view bytes) override;
  bool MoveFileOver(const std::wstring& from, const std::wstring& to) override;
  bool RemoveFile(const std::wstring& path) override;
};

}  // namespace kalvora::platform::win32
