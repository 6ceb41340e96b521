// Registry keys and values that the simulated and the real registry must
// treat alike: value enumeration, the merged HKEY_CLASSES_ROOT and the
// 32-bit programs' view. Each suite runs the same tables against its own
// service; every key the cases touch has the scratch name in its path.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/WideText.h"
#include "platform/Registry.h"

namespace registry_cases {

using kalvora::platform::Registry;
using kalvora::platform::RegistryAccess;
using kalvora::platform::RegistryKey;
using kalvora::platform::RegistryRoot;
using kalvora::platform::RegistryTypeError;
using kalvora::platform::RegistryValue;
using kalvora::platform::RegistryView;

// Value types as the registry numbers them.
enum : std::uint32_t { kText = 1, kExpandText = 2, kBytes = 3, kNumber = 4, kTexts = 7 };

struct Scratch {
  Registry& registry;
  std::wstring name;   // "KalvoraTests-...", part of every key the cases touch
  std::wstring clsid;  // "{...}", a class id nothing else registers
  // Stores a value of any type from its raw bytes, as other programs leave them.
  std::function<void(const RegistryKey& key, const std::wstring& name, std::uint32_t type, const std::string& bytes)>
      setRaw;
  bool underWine = false;
};

// {name} and {clsid} filled in.
inline std::wstring Expand(std::wstring text, const Scratch& scratch) {
  for (const auto& [place, value] : {std::pair<std::wstring, std::wstring>{L"{name}", scratch.name},
                                     std::pair<std::wstring, std::wstring>{L"{clsid}", scratch.clsid}})
    for (std::size_t at = text.find(place); at != std::wstring::npos; at = text.find(place, at + value.size()))
      text.replace(at, place.size(), value);
  return text;
}

inline bool LeftOutUnderWine(const Scratch& scratch, const char* what, const char* wineSkip) {
  if (wineSkip == nullptr || !scratch.underWine) return false;
  std::printf("  left out under Wine: %s: %s\n", what, wineSkip);
  return true;
}

inline std::string Narrow(const std::wstring& text) { return kalvora::text::WideToUtf8(text); }

// UTF-16LE bytes of the text, with its terminating zero when asked.
inline std::string Utf16(const std::wstring& text, bool withZero = true) {
  std::string bytes;
  for (const wchar_t unit : text + (withZero ? std::wstring(1, L'\0') : std::wstring())) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
  }
  return bytes;
}

inline std::wstring Folded(std::wstring text) {
  for (wchar_t& c : text)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
  return text;
}

// ---- Value enumeration ----

struct ValueCase {
  const char* what;
  const wchar_t* name;
  std::uint32_t type;
  std::string bytes;
  bool isText;
  std::wstring text;  // what ReadValues and ReadString give
};

inline std::vector<ValueCase> ValueCases() {
  return {
      {"the default value", L"", kText, Utf16(L"default text"), true, L"default text"},
      {"text", L"Zeta", kText, Utf16(L"z.exe"), true, L"z.exe"},
      {"letters outside any code page", L"wide", kText, Utf16(L"C:\\Program Files\\\u00c9t\u00e9 \u0424"), true,
       L"C:\\Program Files\\\u00c9t\u00e9 \u0424"},
      {"text stored without its terminating zero", L"unterminated", kText, Utf16(L"abc", false), true, L"abc"},
      {"empty text", L"empty", kText, "", true, L""},
      {"text up to its first zero", L"two", kText, Utf16(std::wstring(L"a\0b", 3)), true, L"a"},
      {"expandable text, not expanded", L"expand", kExpandText, Utf16(L"%SystemRoot%\\x.exe"), true,
       L"%SystemRoot%\\x.exe"},
      {"text longer than the first buffers", L"Mid", kText, Utf16(std::wstring(600, L'm')), true,
       std::wstring(600, L'm')},
      {"a number", L"alpha", kNumber, std::string("\x07\0\0\0", 4), false, L""},
      {"bytes", L"bytes", kBytes, "xy", false, L""},
      {"several texts", L"multi", kTexts, Utf16(std::wstring(L"a\0b\0", 4)), false, L""},
  };
}

// Windows lists values in creation order, Wine by name, and the order is
// not promised: the cases compare them by name.
inline void CheckValueEnumeration(const Scratch& scratch) {
  Registry& registry = scratch.registry;
  const RegistryKey key{RegistryRoot::CurrentUser, Expand(L"Software\\{name}\\values", scratch)};
  EXPECT_EQ(registry.ReadValues(key), std::nullopt) << "a missing key has no list";

  std::vector<ValueCase> cases = ValueCases();
  for (const ValueCase& c : cases) scratch.setRaw(key, c.name, c.type, c.bytes);
  std::sort(cases.begin(), cases.end(), [](const ValueCase& a, const ValueCase& b) {
    return Folded(a.name) < Folded(b.name);
  });
  for (const RegistryAccess access : {RegistryAccess::Read, RegistryAccess::AllAccess}) {
    SCOPED_TRACE(access == RegistryAccess::Read ? "read access" : "all access");
    auto values = registry.ReadValues(RegistryKey{key.root, key.path, key.view, access});
    ASSERT_TRUE(values.has_value());
    std::sort(values->begin(), values->end(), [](const RegistryValue& a, const RegistryValue& b) {
      return Folded(a.name) < Folded(b.name);
    });
    ASSERT_EQ(values->size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
      SCOPED_TRACE(cases[i].what);
      EXPECT_EQ((*values)[i].name, cases[i].name);
      EXPECT_EQ((*values)[i].isText, cases[i].isText);
      EXPECT_EQ((*values)[i].text, cases[i].text);
    }
  }
  EXPECT_EQ(registry.ReadNumber(key, L"alpha"), 7u) << "a number reads as one";
  EXPECT_EQ(registry.ReadNumber(key, L"Zeta"), std::nullopt) << "text is no number";
  EXPECT_EQ(registry.ReadNumber(key, L"missing"), std::nullopt);
  EXPECT_EQ(registry.ReadNumber(RegistryKey{key.root, key.path + L"\\missing"}, L"alpha"), std::nullopt);
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.isText) {
      EXPECT_EQ(registry.ReadString(key, c.name), c.text);
    } else {
      EXPECT_THROW(registry.ReadString(key, c.name), RegistryTypeError);
    }
  }

  // Rewriting a value under another spelling keeps its name and adds nothing.
  ASSERT_TRUE(registry.WriteString(key, L"ZETA", L"z2.exe"));
  const auto rewritten = registry.ReadValues(key);
  ASSERT_TRUE(rewritten.has_value());
  EXPECT_EQ(rewritten->size(), cases.size());
  const auto zeta = std::find_if(rewritten->begin(), rewritten->end(),
                                 [](const RegistryValue& v) { return Folded(v.name) == L"zeta"; });
  ASSERT_NE(zeta, rewritten->end());
  EXPECT_EQ(zeta->name, L"Zeta");
  EXPECT_EQ(zeta->text, L"z2.exe");
  EXPECT_EQ(registry.ReadString(key, L"zeta"), L"z2.exe");

  // A key whose last value went has an empty list.
  const RegistryKey emptied{RegistryRoot::CurrentUser, key.path + L"\\emptied"};
  ASSERT_TRUE(registry.WriteString(emptied, L"only", L"x"));
  ASSERT_TRUE(registry.DeleteValue(emptied, L"ONLY"));
  EXPECT_FALSE(registry.DeleteValue(emptied, L"only"));
  const auto none = registry.ReadValues(emptied);
  ASSERT_TRUE(none.has_value());
  EXPECT_TRUE(none->empty());
}

// ---- The merged HKEY_CLASSES_ROOT ----

inline const char* const kNoMergedView =
    "Wine's HKEY_CLASSES_ROOT is the machine's classes alone; Windows merges the user's classes over them";

struct ClassesReadCase {
  const char* what;
  const wchar_t* path;  // below HKEY_CLASSES_ROOT
  std::optional<std::wstring> value;  // its default value
  const char* wineSkip = nullptr;
};

// The machine's classes hold {name}\machineOnly, {name}\both and
// {name}\both\machineSub; the user's hold {name}\both and {name}\userOnly.
inline std::vector<ClassesReadCase> ClassesReadCases() {
  return {
      {"a key only the machine has", L"{name}\\machineOnly", L"machine"},
      {"the user's key wins over the machine's", L"{name}\\both", L"user", kNoMergedView},
      {"a key only the user has", L"{name}\\userOnly", L"user", kNoMergedView},
      {"the machine's subkey of a key both have", L"{name}\\both\\machineSub", L"machine"},
      {"a key neither has", L"{name}\\neither", std::nullopt},
  };
}

struct ClassesWriteCase {
  const char* what;
  const wchar_t* path;  // below HKEY_CLASSES_ROOT
  bool toUser;          // lands in the user's classes, else in the machine's
  const char* wineSkip = nullptr;
};

inline std::vector<ClassesWriteCase> ClassesWriteCases() {
  return {
      {"a value of a key only the machine has", L"{name}\\machineOnly", false},
      {"a value of a key both have goes to the user's", L"{name}\\both", true, kNoMergedView},
      {"a value of a key only the user has", L"{name}\\userOnly", true, kNoMergedView},
      {"a new key below a machine's key", L"{name}\\machineOnly\\fresh", false},
  };
}

inline void CheckClassesRootMergesTheUsersClassesOverTheMachines(const Scratch& scratch) {
  Registry& registry = scratch.registry;
  auto machine = [&](const std::wstring& path) {
    return RegistryKey{RegistryRoot::LocalMachine, L"Software\\Classes\\" + Expand(path, scratch)};
  };
  auto user = [&](const std::wstring& path) {
    return RegistryKey{RegistryRoot::CurrentUser, L"Software\\Classes\\" + Expand(path, scratch)};
  };
  if (!registry.WriteString(machine(L"{name}\\machineOnly"), L"", L"machine"))
    GTEST_SKIP() << "the machine's classes cannot be written without administrator rights";
  ASSERT_TRUE(registry.WriteString(machine(L"{name}\\both"), L"", L"machine"));
  ASSERT_TRUE(registry.WriteString(machine(L"{name}\\both\\machineSub"), L"", L"machine"));
  ASSERT_TRUE(registry.WriteString(user(L"{name}\\both"), L"", L"user"));
  ASSERT_TRUE(registry.WriteString(user(L"{name}\\userOnly"), L"", L"user"));

  for (const ClassesReadCase& c : ClassesReadCases()) {
    if (LeftOutUnderWine(scratch, c.what, c.wineSkip)) continue;
    SCOPED_TRACE(c.what);
    const RegistryKey merged{RegistryRoot::ClassesRoot, Expand(c.path, scratch)};
    EXPECT_EQ(registry.KeyExists(merged), c.value.has_value());
    EXPECT_EQ(registry.ReadString(merged, L""), c.value);
  }
  for (const ClassesWriteCase& c : ClassesWriteCases()) {
    if (LeftOutUnderWine(scratch, c.what, c.wineSkip)) continue;
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(registry.WriteString(RegistryKey{RegistryRoot::ClassesRoot, Expand(c.path, scratch)}, L"written",
                                     L"through the merged view"));
    const std::optional<std::wstring> written = L"through the merged view";
    EXPECT_EQ(registry.ReadString(user(c.path), L"written"), c.toUser ? written : std::nullopt);
    EXPECT_EQ(registry.ReadString(machine(c.path), L"written"), c.toUser ? std::nullopt : written);
  }
}

// ---- The 32-bit programs' view ----

struct ViewRead {
  RegistryRoot root;
  const wchar_t* path;
  RegistryView view;
  std::optional<std::wstring> value;  // of the value "v"
};

struct ViewCase {
  const char* what;
  RegistryRoot root;  // where the value "v" is written
  const wchar_t* path;
  RegistryView view;
  const wchar_t* value;
  std::vector<ViewRead> reads;  // what it reads as afterwards, where
  const char* wineSkip = nullptr;
};

inline std::vector<ViewCase> ViewCases() {
  constexpr auto Machine = RegistryRoot::LocalMachine;
  constexpr auto User = RegistryRoot::CurrentUser;
  constexpr auto Classes = RegistryRoot::ClassesRoot;
  constexpr auto View32 = RegistryView::Registry32;
  constexpr auto View64 = RegistryView::Default;
  return {
      {"a 32-bit machine key lives below WOW6432Node",
       Machine, L"Software\\{name}\\only32", View32, L"32",
       {{Machine, L"Software\\{name}\\only32", View32, L"32"},
        {Machine, L"Software\\{name}\\only32", View64, std::nullopt},
        {Machine, L"Software\\WOW6432Node\\{name}\\only32", View64, L"32"}}},
      {"a 64-bit machine key is not in the 32-bit view",
       Machine, L"Software\\{name}\\only64", View64, L"64",
       {{Machine, L"Software\\{name}\\only64", View64, L"64"},
        {Machine, L"Software\\{name}\\only64", View32, std::nullopt}}},
      {"the user's software is one key for both views",
       User, L"Software\\{name}\\user", View32, L"user",
       {{User, L"Software\\{name}\\user", View64, L"user"},
        {User, L"Software\\WOW6432Node\\{name}\\user", View64, std::nullopt}}},
      {"the machine's classes are one key for both views",
       Machine, L"Software\\Classes\\{name}\\shared", View32, L"shared",
       {{Machine, L"Software\\Classes\\{name}\\shared", View64, L"shared"},
        {Classes, L"{name}\\shared", View64, L"shared"}},
       "Wine 8 keeps a 32-bit copy of all of the machine's classes, as Windows did before Windows 7"},
      {"the machine's class ids have a 32-bit copy",
       Machine, L"Software\\Classes\\CLSID\\{clsid}", View32, L"machine 32",
       {{Machine, L"Software\\Classes\\CLSID\\{clsid}", View64, std::nullopt},
        {Machine, L"Software\\Classes\\WOW6432Node\\CLSID\\{clsid}", View64, L"machine 32"},
        {Machine, L"Software\\WOW6432Node\\Classes\\CLSID\\{clsid}", View64, L"machine 32"},
        {Classes, L"CLSID\\{clsid}", View32, L"machine 32"},
        {Classes, L"CLSID\\{clsid}", View64, std::nullopt}}},
      {"the user's class ids have a 32-bit copy",
       User, L"Software\\Classes\\CLSID\\{clsid}", View32, L"user 32",
       {{User, L"Software\\Classes\\CLSID\\{clsid}", View64, std::nullopt},
        {User, L"Software\\Classes\\WOW6432Node\\CLSID\\{clsid}", View64, L"user 32"}},
       "Wine keeps no 32-bit copy of the user's class ids"},
  };
}

inline void CheckThe32BitViewAgainstThe64BitView(const Scratch& scratch) {
  Registry& registry = scratch.registry;
  if (!registry.WriteString(RegistryKey{RegistryRoot::LocalMachine, Expand(L"Software\\{name}", scratch)}, L"", L"x"))
    GTEST_SKIP() << "the machine's keys cannot be written without administrator rights";
  for (const ViewCase& c : ViewCases()) {
    if (LeftOutUnderWine(scratch, c.what, c.wineSkip)) continue;
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(registry.WriteString(RegistryKey{c.root, Expand(c.path, scratch), c.view}, L"v", c.value));
    for (const ViewRead& read : c.reads) {
      const RegistryKey key{read.root, Expand(read.path, scratch), read.view};
      SCOPED_TRACE(Narrow(key.path) + (read.view == RegistryView::Registry32 ? " (32-bit view)" : ""));
      EXPECT_EQ(registry.ReadString(key, L"v"), read.value);
    }
  }
}

}  // namespace registry_cases
