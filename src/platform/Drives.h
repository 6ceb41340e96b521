#pragma once
#include <string>

namespace kalvora::platform {

// The system's drive-type codes, as GetDriveType reports them.
enum : unsigned {
  DriveUnknown = 0,
  DriveNoRootDir = 1,
  DriveRemovable = 2,
  DriveFixed = 3,
  DriveRemote = 4,
  DriveCdRom = 5,
  DriveRamDisk = 6,
};

// What kind of drive a root ("C:\") is.
class Drives {
 public:
  virtual ~Drives() = default;
  virtual unsigned DriveType(const std::wstring& root) = 0;
};

}  // namespace kalvora::platform
