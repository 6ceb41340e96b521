#include "platform/sim/SimFileSystem.h"

#include <stdexcept>

#include "common/WideText.h"
#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {
namespace {

std::wstring ParentOf(const std::wstring& normalized) {
  auto slash = normalized.rfind(L'\\');
  return slash == std::wstring::npos ? std::wstring() : normalized.substr(0, slash);
}

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

std::wstring DriveKey(wchar_t letter) {
  return std::wstring{FoldChar(letter), L':'};
}

}  // namespace

SimFileSystem::SimFileSystem() { AddDrive(L'C'); }

std::optional<std::wstring> SimFileSystem::Normalize(std::wstring_view path) {
  if (path.size() < 2 || !IsLetter(path[0]) || path[1] != L':') return std::nullopt;
  std::wstring root{static_cast<wchar_t>(path[0] >= L'a' ? path[0] - 32 : path[0]), L':'};
  std::vector<std::wstring> parts;
  std::wstring part;
  auto flush = [&] {
    if (part == L"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (part != L".") {
      // Windows drops trailing dots and blanks from each name.
      while (!part.empty() && (part.back() == L'.' || part.back() == L' ')) part.pop_back();
      if (!part.empty()) parts.push_back(part);
    }
    part.clear();
  };
  for (std::size_t i = 2; i < path.size(); ++i) {
    wchar_t c = path[i];
    if (c == L'\\' || c == L'/') {
      flush();
    } else if (c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos) {
      return std::nullopt;
    } else {
      part.push_back(c);
    }
  }
  flush();
  std::wstring out = root;
  for (const auto& p : parts) out += L'\\' + p;
  return out;
}

const SimFileSystem::Entry* SimFileSystem::Find(const std::wstring& key) const {
  auto it = entries_.find(key);
  return it == entries_.end() ? nullptr : &it->second;
}

bool SimFileSystem::IsDenied(const std::wstring& key) const {
  for (const auto& d : denied_)
    if (key == d || (key.size() > d.size() && key.compare(0, d.size(), d) == 0 && key[d.size()] == L'\\'))
      return true;
  return false;
}

bool SimFileSystem::DirectoryExists(const std::wstring& path) {
  auto n = Normalize(path);
  if (!n) return false;
  const Entry* e = Find(Fold(*n));
  return e && e->folder;
}

bool SimFileSystem::FileExists(const std::wstring& path) {
  auto n = Normalize(path);
  if (!n) return false;
  const Entry* e = Find(Fold(*n));
  return e && !e->folder;
}

bool SimFileSystem::MakeFolders(const std::wstring& normalized, bool force) {
  std::wstring key = Fold(normalized);
  if (!Find(key.substr(0, 2))) return false;  // no such drive
  // Walk down from the root; like the shell, folders made on the way stay
  // when a deeper one cannot be made.
  std::size_t pos = 2;
  while (pos < normalized.size()) {
    std::size_t next = normalized.find(L'\\', pos + 1);
    if (next == std::wstring::npos) next = normalized.size();
    std::wstring prefix = normalized.substr(0, next);
    std::wstring prefixKey = key.substr(0, next);
    if (const Entry* e = Find(prefixKey)) {
      if (!e->folder) return false;
    } else {
      if (!force && IsDenied(ParentOf(prefixKey))) return false;
      entries_[prefixKey] = Entry{prefix, true, {}};
    }
    pos = next;
  }
  return true;
}

bool SimFileSystem::CreateDirectoryTree(const std::wstring& path) {
  auto n = Normalize(path);
  return n && MakeFolders(*n, false);
}

bool SimFileSystem::WriteFile(const std::wstring& path, std::string_view bytes) {
  auto n = Normalize(path);
  if (!n) return false;
  std::wstring key = Fold(*n);
  const Entry* parent = Find(ParentOf(key));
  if (!parent || !parent->folder || IsDenied(ParentOf(key))) return false;
  const Entry* existing = Find(key);
  if (existing && existing->folder) return false;
  if (failNextWrite_) {
    failNextWrite_ = false;
    return false;
  }
  std::wstring spelled = existing ? existing->path : *n;
  if (writeBudget_ && bytes.size() > *writeBudget_) {
    entries_[key] = Entry{spelled, false, std::string(bytes.substr(0, *writeBudget_))};
    writeBudget_ = 0;
    return false;
  }
  if (writeBudget_) *writeBudget_ -= bytes.size();
  entries_[key] = Entry{spelled, false, std::string(bytes)};
  ++writeCount_;
  return true;
}

std::optional<std::string> SimFileSystem::ReadFile(const std::wstring& path) {
  auto n = Normalize(path);
  if (!n) return std::nullopt;
  const Entry* e = Find(Fold(*n));
  if (!e || e->folder) return std::nullopt;
  return e->bytes;
}

bool SimFileSystem::RemoveFile(const std::wstring& path) {
  auto n = Normalize(path);
  if (!n) return false;
  std::wstring key = Fold(*n);
  auto it = entries_.find(key);
  if (it == entries_.end() || it->second.folder || IsDenied(ParentOf(key))) return false;
  entries_.erase(it);
  return true;
}

bool SimFileSystem::MoveFileOver(const std::wstring& from, const std::wstring& to) {
  auto source = Normalize(from);
  auto target = Normalize(to);
  if (!source || !target) return false;
  const std::wstring sourceKey = Fold(*source);
  const std::wstring targetKey = Fold(*target);
  auto it = entries_.find(sourceKey);
  if (it == entries_.end() || it->second.folder || IsDenied(ParentOf(sourceKey))) return false;
  const Entry* parent = Find(ParentOf(targetKey));
  if (!parent || !parent->folder || IsDenied(ParentOf(targetKey))) return false;
  const Entry* existing = Find(targetKey);
  if (existing && existing->folder) return false;
  if (sourceKey == targetKey) return true;
  std::wstring spelled = existing ? existing->path : *target;
  Entry moved{spelled, false, std::move(it->second.bytes)};
  entries_.erase(it);
  entries_[targetKey] = std::move(moved);
  return true;
}

// Folder listings are filled in with the file search.
std::vector<DirectoryEntry> SimFileSystem::FindFiles(const std::wstring&) { return {}; }

std::vector<std::wstring> SimFileSystem::ListFolder(const std::wstring& path) const {
  std::vector<std::wstring> names;
  auto n = Normalize(path);
  if (!n) return names;
  std::wstring prefix = Fold(*n) + L'\\';
  for (auto it = entries_.lower_bound(prefix); it != entries_.end(); ++it) {
    const std::wstring& key = it->first;
    if (key.compare(0, prefix.size(), prefix) != 0) break;
    if (key.find(L'\\', prefix.size()) != std::wstring::npos) continue;
    names.push_back(it->second.path.substr(prefix.size()));
  }
  return names;
}

void SimFileSystem::AddFile(const std::wstring& path, std::string_view bytes) {
  auto n = Normalize(path);
  if (!n || n->size() <= 2) throw std::logic_error("AddFile: not a file path: " + text::WideToUtf8(path));
  if (!MakeFolders(ParentOf(*n), true))
    throw std::logic_error("AddFile: no drive or a file in the way: " + text::WideToUtf8(path));
  std::wstring key = Fold(*n);
  const Entry* existing = Find(key);
  if (existing && existing->folder) throw std::logic_error("AddFile: a folder is in the way: " + text::WideToUtf8(path));
  entries_[key] = Entry{existing ? existing->path : *n, false, std::string(bytes)};
}

void SimFileSystem::AddDrive(wchar_t letter) {
  if (!IsLetter(letter)) throw std::logic_error("AddDrive: not a drive letter");
  std::wstring key = DriveKey(letter);
  if (!Find(key)) entries_[key] = Entry{std::wstring{static_cast<wchar_t>(FoldChar(letter) - 32), L':'}, true, {}};
}

void SimFileSystem::RemoveDrive(wchar_t letter) {
  std::wstring key = DriveKey(letter);
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (it->first == key || it->first.compare(0, 3, key + L'\\') == 0)
      it = entries_.erase(it);
    else
      ++it;
  }
}

bool SimFileSystem::DriveExists(wchar_t letter) const { return IsLetter(letter) && Find(DriveKey(letter)); }

void SimFileSystem::DenyWrites(const std::wstring& folder) {
  if (auto n = Normalize(folder)) denied_.insert(Fold(*n));
}

void SimFileSystem::AllowWrites(const std::wstring& folder) {
  if (auto n = Normalize(folder)) denied_.erase(Fold(*n));
}

void SimFileSystem::FailNextWrite() { failNextWrite_ = true; }
void SimFileSystem::FailWritesAfter(std::size_t bytes) { writeBudget_ = bytes; }

void SimFileSystem::ClearWriteFaults() {
  failNextWrite_ = false;
  writeBudget_.reset();
}

}  // namespace kalvora::platform::sim
