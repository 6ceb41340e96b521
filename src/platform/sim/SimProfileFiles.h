#pragma once
#include "platform/ProfileFiles.h"
#include "platform/sim/SimFileSystem.h"

namespace kalvora::platform::sim {

// Private-profile files kept in the simulated file system, with the rules of
// GetPrivateProfileStringW / WritePrivateProfileStringW. Files are ANSI
// unless they start with a UTF-16LE byte-order mark, which both Windows and
// Wine honour on read and keep on write.
class SimProfileFiles final : public ProfileFiles {
 public:
  explicit SimProfileFiles(SimFileSystem& files) : files_(files) {}

  std::wstring ReadString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                          const std::wstring& defaultValue) override;
  bool WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                   const std::wstring& value) override;

 private:
  SimFileSystem& files_;
};

}  // namespace kalvora::platform::sim
