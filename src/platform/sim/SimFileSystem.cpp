#include "platform/sim/SimFileSystem.h"

#include <algorithm>
#include <stdexcept>

#include "common/WideText.h"
#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {
namespace {

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }
bool HoldsInvalid(std::wstring_view name) {
  for (const wchar_t c : name)
    if (c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos) return true;
  return false;
}

// The root of a canonical path: "C:" or "\\server\share".
std::size_t RootLength(const std::wstring& canonical) {
  if (canonical.size() >= 2 && canonical[1] == L':') return 2;
  const std::size_t share = canonical.find(L'\\', 2);
  const std::size_t end = share == std::wstring::npos ? share : canonical.find(L'\\', share + 1);
  return end == std::wstring::npos ? canonical.size() : end;
}

bool IsRoot(const std::wstring& canonical) { return RootLength(canonical) == canonical.size(); }

std::wstring ParentOf(const std::wstring& canonical) {
  if (IsRoot(canonical)) return std::wstring();
  return canonical.substr(0, canonical.rfind(L'\\'));
}

std::wstring DriveKey(wchar_t letter) {
  return std::wstring{FoldChar(letter), L':'};
}

constexpr std::uint32_t kUnwritable = FileAttributeReadOnly | FileAttributeHidden | FileAttributeSystem;

// The order NTFS lists a folder in: names compared by their upper-case form.
wchar_t UpperChar(wchar_t c) {
  if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<wchar_t>(c - 32);
  return c;
}

bool ListedBefore(const DirectoryEntry& a, const DirectoryEntry& b) {
  return std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                                      [](wchar_t x, wchar_t y) { return UpperChar(x) < UpperChar(y); });
}

// "*" any run of characters, "?" exactly one; both texts folded.
bool Matches(std::wstring_view mask, std::wstring_view name) {
  std::size_t m = 0, n = 0, starMask = std::wstring_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == L'?' || mask[m] == name[n])) {
      ++m;
      ++n;
    } else if (m < mask.size() && mask[m] == L'*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::wstring_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == L'*') ++m;
  return m == mask.size();
}

// The system's own mask rules on top of the plain wildcards.
bool MaskMatches(const std::wstring& foldedMask, const std::wstring& name) {
  const std::wstring folded = Fold(name);
  if (foldedMask == L"*.*" || Matches(foldedMask, folded)) return true;
  const std::size_t size = foldedMask.size();
  return size >= 2 && foldedMask.compare(size - 2, 2, L".*") == 0 &&
         folded.find(L'.') == std::wstring::npos && Matches(foldedMask.substr(0, size - 2), folded);
}

}  // namespace

SimFileSystem::SimFileSystem() { AddDrive(L'C'); }

SimFileSystem::Entry SimFileSystem::NewEntry(std::wstring path, bool folder, std::string bytes) const {
  return Entry{std::move(path), folder, std::move(bytes), folder ? FileAttributeDirectory : FileAttributeArchive,
               clock_ ? clock_() : 0};
}

std::optional<std::wstring> SimFileSystem::Normalize(std::wstring_view path) {
  auto canonical = Canonical(path);
  if (!canonical || (*canonical)[1] != L':') return std::nullopt;
  return canonical;
}

std::optional<std::wstring> SimFileSystem::Canonical(std::wstring_view path) {
  std::wstring unc;
  if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) && (path[2] == L'?' || path[2] == L'.') &&
      IsSeparator(path[3])) {
    path.remove_prefix(4);
    if (path.size() >= 4 && EqualsFolded(path.substr(0, 3), L"unc") && IsSeparator(path[3])) {
      unc = L"\\\\" + std::wstring(path.substr(4));
      path = unc;
    }
  }
  std::wstring root;
  std::size_t start = 0;
  if (path.size() >= 2 && IsLetter(path[0]) && path[1] == L':') {
    root = {static_cast<wchar_t>(path[0] >= L'a' ? path[0] - 32 : path[0]), L':'};
    start = 2;
  } else if (path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    // "\\server\share": both names there and usable.
    std::size_t serverEnd = 2;
    while (serverEnd < path.size() && !IsSeparator(path[serverEnd])) ++serverEnd;
    std::size_t shareEnd = serverEnd + 1;
    while (shareEnd < path.size() && !IsSeparator(path[shareEnd])) ++shareEnd;
    if (serverEnd == 2 || serverEnd + 1 >= shareEnd) return std::nullopt;
    const std::wstring_view server = path.substr(2, serverEnd - 2);
    const std::wstring_view share = path.substr(serverEnd + 1, shareEnd - serverEnd - 1);
    if (HoldsInvalid(server) || HoldsInvalid(share)) return std::nullopt;
    root = L"\\\\" + std::wstring(server) + L"\\" + std::wstring(share);
    start = shareEnd;
  } else {
    return std::nullopt;
  }
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
  for (std::size_t i = start; i < path.size(); ++i) {
    wchar_t c = path[i];
    if (IsSeparator(c)) {
      flush();
    } else if (HoldsInvalid(std::wstring_view(&c, 1))) {
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
  auto n = Canonical(path);
  if (!n) return false;
  const Entry* e = Find(Fold(*n));
  return e && e->folder;
}

bool SimFileSystem::FileExists(const std::wstring& path) {
  auto n = Canonical(path);
  if (!n) return false;
  const Entry* e = Find(Fold(*n));
  return e && !e->folder;
}

FolderMade SimFileSystem::MakeOneFolder(const std::wstring& path, bool force) {
  const auto n = Canonical(path);
  if (!n) return FolderMade::Refused;
  const std::wstring key = Fold(*n);
  if (Find(key)) return FolderMade::AlreadyThere;
  const Entry* parent = IsRoot(key) ? nullptr : Find(ParentOf(key));  // a missing drive or share
  if (!parent || !parent->folder) return FolderMade::ParentMissing;
  if (!force && IsDenied(ParentOf(key))) return FolderMade::Refused;
  entries_[key] = NewEntry(*n, true, {});
  return FolderMade::Made;
}

bool SimFileSystem::MakeFolders(const std::wstring& path, bool force) {
  return MakeFolderTree(path, [&](const std::wstring& level) { return MakeOneFolder(level, force); }) &&
         DirectoryExists(path);
}

bool SimFileSystem::CreateDirectoryTree(const std::wstring& path) { return MakeFolders(path, false); }

bool SimFileSystem::WriteFile(const std::wstring& path, std::string_view bytes) {
  auto n = Canonical(path);
  if (!n) return false;
  std::wstring key = Fold(*n);
  const Entry* parent = Find(ParentOf(key));
  if (!parent || !parent->folder || IsDenied(ParentOf(key))) return false;
  const Entry* existing = Find(key);
  if (existing && (existing->folder || (existing->attributes & kUnwritable) != 0)) return false;
  if (failNextWrite_) {
    failNextWrite_ = false;
    return false;
  }
  // A rewrite keeps the name as first spelled and the attributes.
  Entry written = NewEntry(existing ? existing->path : *n, false, {});
  if (existing) written.attributes = existing->attributes;
  if (writeBudget_ && bytes.size() > *writeBudget_) {
    written.bytes = std::string(bytes.substr(0, *writeBudget_));
    entries_[key] = std::move(written);
    writeBudget_ = 0;
    return false;
  }
  if (writeBudget_) *writeBudget_ -= bytes.size();
  written.bytes = std::string(bytes);
  entries_[key] = std::move(written);
  ++writeCount_;
  return true;
}

std::optional<std::string> SimFileSystem::ReadFile(const std::wstring& path) {
  auto n = Canonical(path);
  if (!n) return std::nullopt;
  const Entry* e = Find(Fold(*n));
  if (!e || e->folder) return std::nullopt;
  return e->bytes;
}

bool SimFileSystem::RemoveFile(const std::wstring& path) {
  auto n = Canonical(path);
  if (!n) return false;
  std::wstring key = Fold(*n);
  auto it = entries_.find(key);
  if (it == entries_.end() || it->second.folder || IsDenied(ParentOf(key))) return false;
  if ((it->second.attributes & FileAttributeReadOnly) != 0) return false;
  entries_.erase(it);
  return true;
}

bool SimFileSystem::MoveFileOver(const std::wstring& from, const std::wstring& to) {
  auto source = Canonical(from);
  auto target = Canonical(to);
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
  if (existing && (existing->attributes & FileAttributeReadOnly) != 0) return false;
  // The moved file keeps its attributes and time.
  Entry moved = std::move(it->second);
  moved.path = existing ? existing->path : *target;
  entries_.erase(it);
  entries_[targetKey] = std::move(moved);
  return true;
}

DirectoryEntry SimFileSystem::Listed(std::wstring name, const Entry& entry) const {
  return DirectoryEntry{std::move(name), entry.attributes, entry.folder ? 0 : entry.bytes.size(), entry.lastWriteTime};
}

std::vector<DirectoryEntry> SimFileSystem::FindFiles(const std::wstring& pattern) {
  std::vector<DirectoryEntry> found;
  const std::size_t slash = pattern.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return found;
  const std::wstring mask = Fold(pattern.substr(slash + 1));
  if (mask.empty() || mask.find_first_of(L"<>:\"|") != std::wstring::npos) return found;
  auto folder = Canonical(pattern.substr(0, slash + 1));
  if (!folder) return found;
  const std::wstring key = Fold(*folder);
  const Entry* self = Find(key);
  if (!self || !self->folder) return found;
  if (!IsRoot(key)) {  // a drive's or a share's root has no "." and ".."
    if (MaskMatches(mask, L".")) found.push_back(Listed(L".", *self));
    if (MaskMatches(mask, L"..")) found.push_back(Listed(L"..", *Find(ParentOf(key))));
  }
  const std::size_t dots = found.size();
  const std::wstring prefix = key + L'\\';
  for (auto it = entries_.lower_bound(prefix); it != entries_.end(); ++it) {
    if (it->first.compare(0, prefix.size(), prefix) != 0) break;
    if (it->first.find(L'\\', prefix.size()) != std::wstring::npos) continue;
    std::wstring name = it->second.path.substr(prefix.size());
    if (MaskMatches(mask, name)) found.push_back(Listed(std::move(name), it->second));
  }
  std::sort(found.begin() + static_cast<std::ptrdiff_t>(dots), found.end(), ListedBefore);
  return found;
}

std::vector<std::wstring> SimFileSystem::ListFolder(const std::wstring& path) const {
  std::vector<std::wstring> names;
  auto n = Canonical(path);
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
  auto n = Canonical(path);
  if (!n || IsRoot(*n)) throw std::logic_error("AddFile: not a file path: " + text::WideToUtf8(path));
  if (!MakeFolders(ParentOf(*n), true))
    throw std::logic_error("AddFile: no drive or a file in the way: " + text::WideToUtf8(path));
  std::wstring key = Fold(*n);
  const Entry* existing = Find(key);
  if (existing && existing->folder) throw std::logic_error("AddFile: a folder is in the way: " + text::WideToUtf8(path));
  entries_[key] = NewEntry(existing ? existing->path : *n, false, std::string(bytes));
}

void SimFileSystem::AddFolder(const std::wstring& path) {
  auto n = Canonical(path);
  if (!n || !MakeFolders(*n, true))
    throw std::logic_error("AddFolder: no drive or a file in the way: " + text::WideToUtf8(path));
}

SimFileSystem::Entry& SimFileSystem::Existing(const std::wstring& path, const char* caller) {
  auto n = Canonical(path);
  auto it = n ? entries_.find(Fold(*n)) : entries_.end();
  if (it == entries_.end()) throw std::logic_error(std::string(caller) + ": no such entry: " + text::WideToUtf8(path));
  return it->second;
}

void SimFileSystem::SetAttributes(const std::wstring& path, std::uint32_t attributes) {
  Entry& entry = Existing(path, "SetAttributes");
  attributes &= ~static_cast<std::uint32_t>(FileAttributeDirectory | FileAttributeNormal);
  if (entry.folder) attributes |= FileAttributeDirectory;
  entry.attributes = attributes != 0 ? attributes : FileAttributeNormal;
}

void SimFileSystem::SetLastWriteTime(const std::wstring& path, std::uint64_t fileTime) {
  Existing(path, "SetLastWriteTime").lastWriteTime = fileTime;
}

void SimFileSystem::AddDrive(wchar_t letter) {
  if (!IsLetter(letter)) throw std::logic_error("AddDrive: not a drive letter");
  std::wstring key = DriveKey(letter);
  if (!Find(key)) entries_[key] = NewEntry(std::wstring{static_cast<wchar_t>(FoldChar(letter) - 32), L':'}, true, {});
}

void SimFileSystem::AddShare(const std::wstring& share) {
  const auto n = Canonical(share);
  if (!n || (*n)[1] == L':' || !IsRoot(*n)) throw std::logic_error("AddShare: not a share: " + text::WideToUtf8(share));
  const std::wstring key = Fold(*n);
  if (!Find(key)) entries_[key] = NewEntry(*n, true, {});
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
  if (auto n = Canonical(folder)) denied_.insert(Fold(*n));
}

void SimFileSystem::AllowWrites(const std::wstring& folder) {
  if (auto n = Canonical(folder)) denied_.erase(Fold(*n));
}

void SimFileSystem::FailNextWrite() { failNextWrite_ = true; }
void SimFileSystem::FailWritesAfter(std::size_t bytes) { writeBudget_ = bytes; }

void SimFileSystem::ClearWriteFaults() {
  failNextWrite_ = false;
  writeBudget_.reset();
}

}  // namespace kalvora::platform::sim
