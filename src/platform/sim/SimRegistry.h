#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace kalvora::platform::sim {

// Value types as the system numbers them.
enum class RegistryType : unsigned { String = 1, ExpandString = 2, Binary = 3, Dword = 4, MultiString = 7 };

// The simulated registry: one tree of keys with typed values under
// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE. HKEY_CLASSES_ROOT is the merged
// view the system gives: a key found under HKCU\Software\Classes wins over
// the one under HKLM\Software\Classes; values written go to the key seen
// (the user's when there is one), a new key to the machine's classes.
// The 32-bit view moves HKLM\Software\X to HKLM\Software\WOW6432Node\X;
// below the classes (shared by both views since Windows 7) only CLSID,
// DirectShow, Interface, Media Type and MediaFoundation have a 32-bit copy,
// in Classes\WOW6432Node.
// Key and value names ignore letter case. Values are enumerated in the
// order they were created, as the system does; rewriting a value keeps its
// place.
class SimRegistry final : public Registry {
 public:
  bool KeyExists(const RegistryKey& key) override;
  std::optional<std::wstring> ReadString(const RegistryKey& key, const std::wstring& name) override;
  std::optional<std::uint32_t> ReadNumber(const RegistryKey& key, const std::wstring& name) override;
  bool WriteString(const RegistryKey& key, const std::wstring& name, const std::wstring& value) override;
  bool DeleteValue(const RegistryKey& key, const std::wstring& name) override;
  std::optional<std::vector<RegistryValue>> ReadValues(const RegistryKey& key) override;

  // Test setup: a value of any type (the text stands in for its data).
  void SetValue(const RegistryKey& key, const std::wstring& name, RegistryType type, const std::wstring& data);
  void CreateKey(const RegistryKey& key);
  // Removes the key and everything below it.
  void DeleteKey(const RegistryKey& key);
  // As for a user without administrator rights: WriteString and DeleteValue
  // fail for keys that live under HKEY_LOCAL_MACHINE, and so does every call
  // on such a key asked with RegistryAccess::AllAccess (test setup still works).
  void RefuseMachineChanges(bool refused) { machineRefused_ = refused; }
  // WriteString and DeleteValue calls so far, refused ones included.
  int ChangeRequests() const { return changeRequests_; }

 private:
  struct Value {
    std::wstring name;  // as first spelled
    RegistryType type = RegistryType::String;
    std::wstring data;
  };
  struct Key {
    std::vector<Value> values;  // in creation order
    Value* Find(const std::wstring& name);
  };
  // The key when it exists and opens with the key's access.
  Key* Open(const RegistryKey& key);
  // The folded full path ("hklm\software\classes\.txt") the key lives at.
  std::wstring Location(const RegistryKey& key) const;
  Key& Make(const std::wstring& location);

  bool Refused(const std::wstring& location) const;

  std::map<std::wstring, Key> keys_;
  bool machineRefused_ = false;
  int changeRequests_ = 0;
};

}  // namespace kalvora::platform::sim
