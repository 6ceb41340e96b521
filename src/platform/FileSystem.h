#pragma once
#include <string>

namespace kalvora::platform {

// Files and folders. Paths are full Windows paths ("C:\a\b"), compared
// without regard to letter case, as the system does.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool DirectoryExists(const std::wstring& path) = 0;
  virtual bool FileExists(const std::wstring& path) = 0;
  // Creates the folder with every missing parent; true when it exists afterwards.
  virtual bool CreateDirectoryTree(const std::wstring& path) = 0;
};

}  // namespace kalvora::platform
