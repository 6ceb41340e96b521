#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvora::platform {

// File attribute bits as the system numbers them.
enum : std::uint32_t {
  FileAttributeReadOnly = 0x1,
  FileAttributeHidden = 0x2,
  FileAttributeSystem = 0x4,
  FileAttributeDirectory = 0x10,
  FileAttributeArchive = 0x20,
  FileAttributeNormal = 0x80,
};

// One entry of a folder listing, as FindFirstFile/FindNextFile give it.
struct DirectoryEntry {
  std::wstring name;
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  // Last write time in 100-nanosecond steps since 1601-01-01 UTC (FILETIME).
  std::uint64_t lastWriteTime = 0;
};

// Files and folders. (Method names avoid the names windows.h turns into
// macros.) Paths are full Windows paths ("C:\a\b"), compared
// without regard to letter case, as the system does.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool DirectoryExists(const std::wstring& path) = 0;
  virtual bool FileExists(const std::wstring& path) = 0;
  // Creates the folder with every missing parent; true when it exists
  // afterwards. Every implementation walks the levels with MakeFolderTree
  // (platform/FolderTree.h): below a drive's root or a UNC share, never
  // for a path without one (a relative path fails).
  virtual bool CreateDirectoryTree(const std::wstring& path) = 0;

  // The entries matching a pattern such as "C:\dir\*.*" ("*" and "?" as
  // wildcards in the last part), in the order the file system lists them,
  // "." and ".." included where the system gives them. Empty when the
  // folder is missing or unreadable.
  virtual std::vector<DirectoryEntry> FindFiles(const std::wstring& pattern) = 0;

  // The whole file; nullopt when it cannot be read.
  virtual std::optional<std::string> ReadFile(const std::wstring& path) = 0;
  // Creates or replaces the file with these bytes; false when the write
  // failed (the file may then be missing or cut short).
  virtual bool WriteFile(const std::wstring& path, std::string_view bytes) = 0;
  // Moves a file over another one in one step (the target is replaced or
  // left as it was); false when the move failed.
  virtual bool MoveFileOver(const std::wstring& from, const std::wstring& to) = 0;
  virtual bool RemoveFile(const std::wstring& path) = 0;
};

}  // namespace kalvora::platform
