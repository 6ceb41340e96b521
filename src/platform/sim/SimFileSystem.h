#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/FolderTree.h"

namespace kalvora::platform::sim {

// The simulated machine's drives, network shares, folders and files. Paths
// are full Windows paths, with a drive letter or a UNC share
// ("\\server\share\..."), "\\?\" in front of either allowed; letter case
// is ignored and the case of the first spelling is kept. File contents are
// raw bytes, so callers choose the encoding (UTF-16 files, ANSI profile
// files) as on the real disk.
// Entries carry attributes (new files are archive, folders directory) and a
// last write time taken from the clock when they are created or written.
// As on the real disk, a read-only file can be neither written, replaced
// nor removed, and a hidden or system file cannot be rewritten.
class SimFileSystem final : public FileSystem {
 public:
  SimFileSystem();  // one drive, C:

  bool DirectoryExists(const std::wstring& path) override;
  bool FileExists(const std::wstring& path) override;
  // The walk the real file system takes too (platform/FolderTree.h), over a
  // step that makes one folder when its parent is there and writable.
  bool CreateDirectoryTree(const std::wstring& path) override;

  // What a program's own write does: the folder must exist and be writable,
  // the path must not be a folder, and the scripted faults apply. The file
  // is replaced as a whole. False when the write failed.
  bool WriteFile(const std::wstring& path, std::string_view bytes) override;
  std::optional<std::string> ReadFile(const std::wstring& path) override;
  bool RemoveFile(const std::wstring& path) override;
  // The source must be a file; the target folder must exist and be writable
  // and the target must not be a folder. Write faults do not apply: a move
  // writes no data.
  bool MoveFileOver(const std::wstring& from, const std::wstring& to) override;
  // As FindFirstFileW/FindNextFileW on NTFS: "." and ".." first in a folder
  // other than a drive's or a share's root when the mask matches them, then the matching
  // entries in the order of their upper-case names. Masks: "*" any run of
  // characters, "?" one character, "*.*" everything, and "name.*" also
  // matches "name" without a dot.
  std::vector<DirectoryEntry> FindFiles(const std::wstring& pattern) override;
  // Names (not paths) of the folder's entries, ordered ignoring case.
  std::vector<std::wstring> ListFolder(const std::wstring& path) const;

  // Test setup: puts a file in place, creating missing folders, ignoring
  // denied folders and write faults. Throws std::logic_error when the path
  // cannot hold a file (no such drive, a file in the way).
  void AddFile(const std::wstring& path, std::string_view bytes);
  // Test setup: the folder with every missing parent, as AddFile makes them.
  void AddFolder(const std::wstring& path);
  // Test setup: the attribute bits of an existing file or folder (read-only,
  // hidden, system, archive ...); the directory bit follows the entry's kind
  // and a file left with none reads as FileAttributeNormal. Throws
  // std::logic_error when there is no such entry.
  void SetAttributes(const std::wstring& path, std::uint32_t attributes);
  // Test setup: the entry's last write time (FILETIME). Throws like SetAttributes.
  void SetLastWriteTime(const std::wstring& path, std::uint64_t fileTime);
  // Where created and written entries take their last write time from
  // (FILETIME); without a clock they get 0.
  void SetClock(std::function<std::uint64_t()> clock) { clock_ = std::move(clock); }
  void AddDrive(wchar_t letter);
  // Test setup: a reachable network share, "\\server\share", whose root is a
  // writable folder. Throws std::logic_error for anything else.
  void AddShare(const std::wstring& share);
  // Takes the drive away with everything on it (a removed USB stick).
  void RemoveDrive(wchar_t letter);
  bool DriveExists(wchar_t letter) const;

  // Nothing can be created or written inside the folder or below it.
  void DenyWrites(const std::wstring& folder);
  void AllowWrites(const std::wstring& folder);

  // The next write fails before it touches the file.
  void FailNextWrite();
  // The disk fills up: after this many more bytes every write fails, and the
  // write that crosses the limit leaves a truncated file behind (as a
  // replace-then-write does when the disk runs full).
  void FailWritesAfter(std::size_t bytes);
  void ClearWriteFaults();
  // Writes that succeeded so far.
  std::size_t WriteCount() const { return writeCount_; }

  // "C:\a\b" with the drive letter in capitals, '/' taken as '\', repeated
  // separators, "." and ".." resolved, no trailing separator; the root of a
  // drive is "C:". nullopt for paths without a drive letter or with
  // characters no Windows path can hold.
  static std::optional<std::wstring> Normalize(std::wstring_view path);
  // Normalize's form for drive paths, and "\\server\share\a" for UNC paths
  // (".." stops at the share); a "\\?\" or "\\.\" in front is dropped
  // ("\\?\UNC\server\share" is "\\server\share"). The simulation cleans
  // such paths up like any other, which the system does not.
  static std::optional<std::wstring> Canonical(std::wstring_view path);

 private:
  struct Entry {
    std::wstring path;  // as first spelled
    bool folder = false;
    std::string bytes;
    std::uint32_t attributes = 0;
    std::uint64_t lastWriteTime = 0;
  };
  const Entry* Find(const std::wstring& key) const;
  // A new entry stamped with the clock.
  Entry NewEntry(std::wstring path, bool folder, std::string bytes) const;
  // The existing entry of a test-setup path; throws std::logic_error otherwise.
  Entry& Existing(const std::wstring& path, const char* caller);
  DirectoryEntry Listed(std::wstring name, const Entry& entry) const;
  bool IsDenied(const std::wstring& key) const;
  // One level: made when its parent is a folder and (unless forced) writable.
  FolderMade MakeOneFolder(const std::wstring& path, bool force);
  // The folder with its missing parents; false when a file is in the way,
  // the drive or share is missing or (unless forced) a folder is denied.
  bool MakeFolders(const std::wstring& path, bool force);

  std::map<std::wstring, Entry> entries_;  // by folded normalised path
  std::set<std::wstring> denied_;          // folded normalised folders
  bool failNextWrite_ = false;
  std::optional<std::size_t> writeBudget_;
  std::size_t writeCount_ = 0;
  std::function<std::uint64_t()> clock_;
};

}  // namespace kalvora::platform::sim
