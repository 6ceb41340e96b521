#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace kalvora::platform::win32 {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The folder above the path, or "" when there is none ("C:\", "\\server\share").
std::wstring Parent(const std::wstring& path) {
  std::size_t end = path.size();
  while (end > 0 && IsSeparator(path[end - 1])) --end;
  while (end > 0 && !IsSeparator(path[end - 1])) --end;
  while (end > 0 && IsSeparator(path[end - 1])) --end;
  return path.substr(0, end);
}

std::wstring WithoutTrailingSeparators(std::wstring path) {
  while (path.size() > 1 && IsSeparator(path.back()) && path[path.size() - 2] != L':') path.pop_back();
  return path;
}

}  // namespace

bool Win32FileSystem::DirectoryExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::CreateDirectoryTree(const std::wstring& path) {
  if (path.empty()) return false;
  // Walk up to the first folder that exists, then create the missing ones
  // top down. A name that exists as a file stops the walk: the tree cannot
  // be made below it, and the final check reports that.
  std::vector<std::wstring> missing;
  std::wstring current = WithoutTrailingSeparators(path);
  while (!current.empty() && ::GetFileAttributesW(current.c_str()) == INVALID_FILE_ATTRIBUTES) {
    missing.push_back(current);
    std::wstring parent = Parent(current);
    // "C:" on its own means the drive's current folder; the root is meant.
    if (parent.size() == 2 && parent[1] == L':') parent += L'\\';
    if (parent == current) break;
    current = std::move(parent);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    // A folder made meanwhile by someone else is fine.
    if (!::CreateDirectoryW(it->c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return DirectoryExists(path);
}

}  // namespace kalvora::platform::win32

namespace kalvora::platform::win32 {
namespace {

// Closes a file handle when it goes out of scope.
struct FileHandle {
  HANDLE handle;
  explicit FileHandle(HANDLE h) : handle(h) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  }
  bool valid() const { return handle != INVALID_HANDLE_VALUE; }
};

}  // namespace

std::vector<DirectoryEntry> Win32FileSystem::FindFiles(const std::wstring& pattern) {
  std::vector<DirectoryEntry> entries;
  WIN32_FIND_DATAW data{};
  // The wide functions: the 8-bit ones turn letters outside the code page
  // into '?' and the names found could not be opened again.
  HANDLE search = ::FindFirstFileW(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    DirectoryEntry entry;
    entry.name = data.cFileName;
    entry.attributes = data.dwFileAttributes;
    entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entry.lastWriteTime =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    entries.push_back(std::move(entry));
  } while (::FindNextFileW(search, &data));
  ::FindClose(search);
  return entries;
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::wstring& path) {
  FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.handle, &size) || size.QuadPart < 0 || size.QuadPart > 0x7fffffff) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!::ReadFile(file.handle, bytes.data() + done, chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) break;  // the file shrank meanwhile
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

bool Win32FileSystem::WriteFile(const std::wstring& path, std::string_view bytes) {
  FileHandle file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!::WriteFile(file.handle, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return ::FlushFileBuffers(file.handle) != 0;
}

bool Win32FileSystem::MoveFileOver(const std::wstring& from, const std::wstring& to) {
  return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32FileSystem::RemoveFile(const std::wstring& path) { return ::DeleteFileW(path.c_str()) != 0; }

}  // namespace kalvora::platform::win32
