#pragma once
#include "platform/Registry.h"

namespace kalvora::platform::win32 {

class Win32Registry final : public Registry {
 public:
  bool KeyExists(const RegistryKey& key) override;
  std::optional<std::wstring> ReadString(const RegistryKey& key, const std::wstring& name) override;
  std::optional<std::uint32_t> ReadNumber(const RegistryKey& key, const std::wstring& name) override;
  bool WriteString(const RegistryKey& key, const std::wstring& name, const std::wstring& value) override;
  bool DeleteValue(const RegistryKey& key, const std::wstring& name) override;
  std::optional<std::vector<RegistryValue>> ReadValues(const RegistryKey& key) override;
};

}  // namespace kalvora::platform::win32
