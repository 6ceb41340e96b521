#pragma once
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kalvora::platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };
// Default: the process's own view. Registry32: the 32-bit programs' view
// (KEY_WOW64_32KEY), for keys that 64-bit Windows redirects.
enum class RegistryView { Default, Registry32 };
// Read: what each call needs (KEY_READ, KEY_SET_VALUE). AllAccess: every
// call opens the key with KEY_ALL_ACCESS, which a machine-wide key refuses
// to a user without administrator rights.
enum class RegistryAccess { Read, AllAccess };

struct RegistryKey {
  RegistryRoot root = RegistryRoot::ClassesRoot;
  std::wstring path;  // below the root, e.g. L".txt" or L"Software\\Microsoft"
  RegistryView view = RegistryView::Default;
  RegistryAccess access = RegistryAccess::Read;
};

// One value of a key as the registry enumerates it.
struct RegistryValue {
  std::wstring name;  // "" for the key's default value
  bool isText = false;  // REG_SZ or REG_EXPAND_SZ (not expanded)
  std::wstring text;    // the text up to its first zero; "" for other types
};

// A value read as text holds another type (a DWORD, binary data ...).
class RegistryTypeError : public std::runtime_error {
 public:
  explicit RegistryTypeError(const std::string& what) : std::runtime_error(what) {}
};

// Registry keys and values. Value name "" is the key's default value.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual bool KeyExists(const RegistryKey& key) = 0;
  // The value when the key opens for reading and holds it; nullopt
  // otherwise. Only REG_SZ and REG_EXPAND_SZ (not expanded) are text: any
  // other type throws RegistryTypeError.
  virtual std::optional<std::wstring> ReadString(const RegistryKey& key, const std::wstring& name) = 0;
  // A REG_DWORD value; nullopt when the key or value is missing or the
  // value has another type.
  virtual std::optional<std::uint32_t> ReadNumber(const RegistryKey& key, const std::wstring& name) = 0;
  // Creates the key (and its parents) when needed; false when refused.
  virtual bool WriteString(const RegistryKey& key, const std::wstring& name, const std::wstring& value) = 0;
  // False when the key or value is missing or the deletion is refused.
  virtual bool DeleteValue(const RegistryKey& key, const std::wstring& name) = 0;
  // Every value of the key in the order the registry enumerates them (the
  // order they were created in); nullopt when the key does not open with
  // the key's access.
  virtual std::optional<std::vector<RegistryValue>> ReadValues(const RegistryKey& key) = 0;
};

}  // namespace kalvora::platform
