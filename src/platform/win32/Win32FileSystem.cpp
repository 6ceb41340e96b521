#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

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
