#pragma once
#include <map>
#include <string>

#include "platform/Drives.h"
#include "platform/sim/SimFileSystem.h"

namespace kalvora::platform::sim {

// Drive types of the simulated machine: a drive of the file system is fixed
// unless a test says otherwise; any other root has no drive behind it.
class SimDrives final : public Drives {
 public:
  explicit SimDrives(SimFileSystem& files) : files_(files) {}
  unsigned DriveType(const std::wstring& root) override;
  // Overrides the type of the drive with this letter, whether it exists or not.
  void SetDriveType(wchar_t letter, unsigned type);

 private:
  SimFileSystem& files_;
  std::map<wchar_t, unsigned> types_;  // by uppercase letter
};

}  // namespace kalvora::platform::sim
