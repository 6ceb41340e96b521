#include "platform/sim/SimDrives.h"

#include <cwctype>

namespace kalvora::platform::sim {

namespace {
wchar_t UpperLetter(wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); }
}  // namespace

unsigned SimDrives::DriveType(const std::wstring& root) {
  if (root.size() < 2 || root[1] != L':') return DriveNoRootDir;
  const wchar_t letter = UpperLetter(root[0]);
  if (auto it = types_.find(letter); it != types_.end()) return it->second;
  return files_.DriveExists(letter) ? DriveFixed : DriveNoRootDir;
}

void SimDrives::SetDriveType(wchar_t letter, unsigned type) { types_[UpperLetter(letter)] = type; }

}  // namespace kalvora::platform::sim
