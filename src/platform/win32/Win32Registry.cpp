#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/WideText.h"
#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {
namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryRoot::ClassesRoot:
      break;
  }
  return HKEY_CLASSES_ROOT;
}

// The rights a call needs, or all rights when the key asks for them.
REGSAM Access(const RegistryKey& key, REGSAM needed) {
  const REGSAM rights = key.access == RegistryAccess::AllAccess ? KEY_ALL_ACCESS : needed;
  return rights | (key.view == RegistryView::Registry32 ? KEY_WOW64_32KEY : 0);
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// Stored text need not end with a zero, and may hold more than one.
std::wstring TextUpToZero(const std::vector<BYTE>& data, DWORD bytes) {
  std::wstring text(bytes / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
  const std::size_t zero = text.find(L'\0');
  if (zero != std::wstring::npos) text.resize(zero);
  return text;
}

// The key opened with the rights a call needs; holds nothing when it cannot
// be opened.
OwnedKey OpenKey(const RegistryKey& key, REGSAM access) {
  HKEY handle = nullptr;
  if (::RegOpenKeyExW(RootKey(key.root), key.path.c_str(), 0, Access(key, access), &handle) != ERROR_SUCCESS)
    return OwnedKey();
  return OwnedKey(handle);
}

}  // namespace

bool Win32Registry::KeyExists(const RegistryKey& key) { return static_cast<bool>(OpenKey(key, KEY_READ)); }

std::optional<std::uint32_t> Win32Registry::ReadNumber(const RegistryKey& key, const std::wstring& name) {
  const OwnedKey open = OpenKey(key, KEY_READ);
  if (!open) return std::nullopt;
  DWORD type = 0;
  DWORD number = 0;
  DWORD bytes = sizeof(number);
  if (::RegQueryValueExW(open.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number), &bytes) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || bytes != sizeof(number))
    return std::nullopt;
  return number;
}

std::optional<std::wstring> Win32Registry::ReadString(const RegistryKey& key, const std::wstring& name) {
  const OwnedKey open = OpenKey(key, KEY_READ);
  if (!open) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  LONG result = ::RegQueryValueExW(open.Get(), name.c_str(), nullptr, &type, nullptr, &size);
  if (result != ERROR_SUCCESS) return std::nullopt;
  if (!IsText(type))
    throw RegistryTypeError("registry value is not text: " + text::WideToUtf8(key.path) + "\\" +
                            text::WideToUtf8(name));
  // The value may change between the calls; read until it fits.
  std::wstring value;
  do {
    value.assign(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    result = ::RegQueryValueExW(open.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                                &bytes);
    size = bytes;
    if (result == ERROR_SUCCESS) value.resize(bytes / sizeof(wchar_t));
  } while (result == ERROR_MORE_DATA);
  if (result != ERROR_SUCCESS) return std::nullopt;
  if (!IsText(type)) throw RegistryTypeError("registry value changed its type");
  // Stored text need not end with a zero, and may hold more than one.
  const std::size_t zero = value.find(L'\0');
  if (zero != std::wstring::npos) value.resize(zero);
  return value;
}

bool Win32Registry::WriteString(const RegistryKey& key, const std::wstring& name, const std::wstring& value) {
  HKEY handle = nullptr;
  if (::RegCreateKeyExW(RootKey(key.root), key.path.c_str(), 0, nullptr, 0, Access(key, KEY_SET_VALUE), nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
    return false;
  const OwnedKey created(handle);
  const LONG result =
      ::RegSetValueExW(created.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  return result == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(const RegistryKey& key, const std::wstring& name) {
  const OwnedKey open = OpenKey(key, KEY_SET_VALUE);
  return open && ::RegDeleteValueW(open.Get(), name.c_str()) == ERROR_SUCCESS;
}

std::optional<std::vector<RegistryValue>> Win32Registry::ReadValues(const RegistryKey& key) {
  const OwnedKey open = OpenKey(key, KEY_READ);
  if (!open) return std::nullopt;
  DWORD longestName = 0;
  DWORD largestData = 0;
  if (::RegQueryInfoKeyW(open.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                         &largestData, nullptr, nullptr) != ERROR_SUCCESS)
    return std::nullopt;
  std::vector<RegistryValue> values;
  std::wstring name(longestName + 1, L'\0');
  std::vector<BYTE> data(largestData + sizeof(wchar_t));
  for (DWORD index = 0;;) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(data.size());
    const LONG result = ::RegEnumValueW(open.Get(), index, name.data(), &nameLength, nullptr, &type, data.data(), &bytes);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result == ERROR_MORE_DATA) {
      // A value grew since the key was asked for its sizes: ask again.
      if (::RegQueryInfoKeyW(open.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                             &largestData, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      name.assign(std::max<std::size_t>(name.size(), longestName + 1) * 2, L'\0');
      data.assign(std::max<std::size_t>(data.size(), largestData + sizeof(wchar_t)) * 2, 0);
      continue;
    }
    if (result != ERROR_SUCCESS) break;
    RegistryValue value;
    value.name.assign(name.data(), nameLength);
    value.isText = IsText(type);
    if (value.isText) value.text = TextUpToZero(data, bytes);
    values.push_back(std::move(value));
    ++index;
  }
  return values;
}

}  // namespace kalvora::platform::win32
