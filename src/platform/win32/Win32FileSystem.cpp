#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/FolderTree.h"
#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {
namespace {

// One level of a folder tree: CreateDirectoryW and what its error means.
FolderMade MakeOneFolder(const std::wstring& path) {
  if (::CreateDirectoryW(path.c_str(), nullptr)) return FolderMade::Made;
  switch (::GetLastError()) {
    case ERROR_ALREADY_EXISTS:
      return FolderMade::AlreadyThere;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
      return FolderMade::ParentMissing;
    case ERROR_ACCESS_DENIED:
      // A protected folder may answer so although it exists.
      return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES ? FolderMade::AlreadyThere
                                                                           : FolderMade::Refused;
    default:
      return FolderMade::Refused;
  }
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
  // The walk over the levels is the one every file system shares; a folder
  // made meanwhile by someone else counts as made.
  return MakeFolderTree(path, MakeOneFolder) && DirectoryExists(path);
}

std::vector<DirectoryEntry> Win32FileSystem::FindFiles(const std::wstring& pattern) {
  std::vector<DirectoryEntry> entries;
  WIN32_FIND_DATAW data{};
  // The wide functions: the 8-bit ones turn letters outside the code page
  // into '?' and the names found could not be opened again.
  const OwnedFind search(::FindFirstFileW(pattern.c_str(), &data));
  if (!search) return entries;
  do {
    DirectoryEntry entry;
    entry.name = data.cFileName;
    entry.attributes = data.dwFileAttributes;
    entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entry.lastWriteTime =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    entries.push_back(std::move(entry));
  } while (::FindNextFileW(search.Get(), &data));
  return entries;
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::wstring& path) {
  const OwnedFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 || size.QuadPart > 0x7fffffff) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!::ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) break;  // the file shrank meanwhile
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

bool Win32FileSystem::WriteFile(const std::wstring& path, std::string_view bytes) {
  const OwnedFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!::WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return ::FlushFileBuffers(file.Get()) != 0;
}

bool Win32FileSystem::MoveFileOver(const std::wstring& from, const std::wstring& to) {
  return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32FileSystem::RemoveFile(const std::wstring& path) { return ::DeleteFileW(path.c_str()) != 0; }

}  // namespace kalvora::platform::win32
