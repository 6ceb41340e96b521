// Registry, environment variables and the system's text rules on the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include "../shared/RegistryCases.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemText.h"
#include "support/ScratchPlaces.h"

using kalvora::platform::RegistryKey;
using kalvora::platform::RegistryRoot;
using kalvora::platform::RegistryTypeError;
using kalvora::platform::RegistryView;
using kalvora::platform::win32::Win32Environment;
using kalvora::platform::win32::Win32Registry;
using kalvora::platform::win32::Win32SystemText;

namespace {

// A key of this test run under HKCU\Software, removed before and after.
class RegistryTest : public ::testing::Test {
 protected:
  RegistryTest() : path_(L"Software\\KalvoraTest-" + std::to_wstring(::GetCurrentProcessId())) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  }
  ~RegistryTest() override {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  }
  RegistryKey Key(const std::wstring& sub = L"") const {
    return RegistryKey{RegistryRoot::CurrentUser, sub.empty() ? path_ : path_ + L"\\" + sub};
  }
  // Stores raw value data the way other programs might have left it.
  void SetRaw(const std::wstring& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    ::RegCloseKey(key);
  }

  Win32Registry registry;
  std::wstring path_;
};

TEST_F(RegistryTest, WritesReadsAndDeletesStringValues) {
  EXPECT_FALSE(registry.KeyExists(Key(L"a\\b")));
  EXPECT_EQ(registry.ReadString(Key(L"a\\b"), L""), std::nullopt);

  ASSERT_TRUE(registry.WriteString(Key(L"a\\b"), L"", L"default text"));
  ASSERT_TRUE(registry.WriteString(Key(L"a\\b"), L"Named", L"C:\\Program Files\\\u00c9t\u00e9 \u0424"));
  EXPECT_TRUE(registry.KeyExists(Key(L"a")));
  EXPECT_TRUE(registry.KeyExists(Key(L"A\\B")));  // names ignore case
  EXPECT_EQ(registry.ReadString(Key(L"a\\b"), L""), L"default text");
  EXPECT_EQ(registry.ReadString(Key(L"a\\b"), L"named"), L"C:\\Program Files\\\u00c9t\u00e9 \u0424");
  EXPECT_EQ(registry.ReadString(Key(L"a\\b"), L"missing"), std::nullopt);

  EXPECT_TRUE(registry.DeleteValue(Key(L"a\\b"), L"Named"));
  EXPECT_FALSE(registry.DeleteValue(Key(L"a\\b"), L"Named"));
  EXPECT_FALSE(registry.DeleteValue(Key(L"nope"), L""));
  EXPECT_EQ(registry.ReadString(Key(L"a\\b"), L"Named"), std::nullopt);
  EXPECT_EQ(registry.ReadString(Key(L"a\\b"), L""), L"default text");
}

TEST_F(RegistryTest, OnlyTextTypesReadAsText) {
  const wchar_t expand[] = L"%SystemRoot%\\x.exe";
  SetRaw(L"expand", REG_EXPAND_SZ, expand, sizeof expand);
  // Text stored without its terminating zero.
  SetRaw(L"unterminated", REG_SZ, L"abc", 3 * sizeof(wchar_t));
  SetRaw(L"empty", REG_SZ, L"", 0);
  const DWORD number = 7;
  SetRaw(L"number", REG_DWORD, &number, sizeof number);
  SetRaw(L"bytes", REG_BINARY, "xy", 2);

  EXPECT_EQ(registry.ReadString(Key(), L"expand"), L"%SystemRoot%\\x.exe") << "not expanded";
  EXPECT_EQ(registry.ReadString(Key(), L"unterminated"), L"abc");
  EXPECT_EQ(registry.ReadString(Key(), L"empty"), L"");
  EXPECT_THROW(registry.ReadString(Key(), L"number"), RegistryTypeError);
  EXPECT_THROW(registry.ReadString(Key(), L"bytes"), RegistryTypeError);
}

TEST(Win32RegistryViewTest, The32BitViewIsItsOwnPlace) {
  Win32Registry registry;
  const std::wstring path = L"Software\\KalvoraViewTest-" + std::to_wstring(::GetCurrentProcessId());
  const RegistryKey view32{RegistryRoot::LocalMachine, path, RegistryView::Registry32};
  const RegistryKey view64{RegistryRoot::LocalMachine, path, RegistryView::Default};
  ASSERT_TRUE(registry.WriteString(view32, L"where", L"32"));
  EXPECT_EQ(registry.ReadString(view32, L"where"), L"32");
  EXPECT_FALSE(registry.KeyExists(view64)) << "a 64-bit process does not see the 32-bit programs' keys";
  ::RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), KEY_WOW64_32KEY, 0);
  EXPECT_FALSE(registry.KeyExists(view32));
}

// The cases the simulated registry answers alike, on keys of this run.
class Win32RegistryCases : public ::testing::Test {
 protected:
  registry_cases::Scratch Scratch() {
    return {registry, scratch.Name(), scratch.Clsid(),
            [](const RegistryKey& key, const std::wstring& name, std::uint32_t type, const std::string& bytes) {
              const HKEY root = key.root == RegistryRoot::CurrentUser    ? HKEY_CURRENT_USER
                                : key.root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE
                                                                         : HKEY_CLASSES_ROOT;
              const REGSAM view = key.view == RegistryView::Registry32 ? KEY_WOW64_32KEY : 0;
              HKEY handle = nullptr;
              ASSERT_EQ(::RegCreateKeyExW(root, key.path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr,
                                          &handle, nullptr),
                        ERROR_SUCCESS);
              const LONG set = ::RegSetValueExW(handle, name.c_str(), 0, type,
                                                reinterpret_cast<const BYTE*>(bytes.data()),
                                                static_cast<DWORD>(bytes.size()));
              ::RegCloseKey(handle);
              ASSERT_EQ(set, ERROR_SUCCESS);
            },
            UnderWine()};
  }
  ScratchRegistry scratch;
  Win32Registry registry;
};

TEST_F(Win32RegistryCases, ValueEnumeration) { registry_cases::CheckValueEnumeration(Scratch()); }
TEST_F(Win32RegistryCases, ClassesRootMergesTheUsersClassesOverTheMachines) {
  registry_cases::CheckClassesRootMergesTheUsersClassesOverTheMachines(Scratch());
}
TEST_F(Win32RegistryCases, The32BitViewAgainstThe64BitView) {
  registry_cases::CheckThe32BitViewAgainstThe64BitView(Scratch());
}

TEST(Win32EnvironmentTest, ValuesOfSetAndUnsetVariables) {
  Win32Environment environment;
  ASSERT_TRUE(::SetEnvironmentVariableW(L"KALVORA_TEST_VALUE", L"C:\\\u0424\u043e\u043b\u0434\u0435\u0440 x"));
  EXPECT_EQ(environment.Get(L"kalvora_test_value"), L"C:\\\u0424\u043e\u043b\u0434\u0435\u0440 x");
  const std::wstring longValue(5000, L'v');
  ASSERT_TRUE(::SetEnvironmentVariableW(L"KALVORA_TEST_VALUE", longValue.c_str()));
  EXPECT_EQ(environment.Get(L"KALVORA_TEST_VALUE"), longValue);
  ::SetEnvironmentVariableW(L"KALVORA_TEST_VALUE", nullptr);
  EXPECT_EQ(environment.Get(L"KALVORA_TEST_VALUE"), L"");
  EXPECT_FALSE(environment.Get(L"SystemRoot").empty());
}

TEST(Win32SystemTextTest, CodePageAndCaseMapping) {
  Win32SystemText text;
  EXPECT_EQ(text.ToAnsi(L"C:\\plain\\a.txt"), "C:\\plain\\a.txt");
  EXPECT_EQ(text.FromAnsi("C:\\plain\\a.txt"), L"C:\\plain\\a.txt");
  EXPECT_EQ(text.ToAnsi(L""), "");
  // A character no single-byte code page has comes out as a stand-in.
  EXPECT_EQ(text.FromAnsi(text.ToAnsi(L"a\u4e2d")).size(), 2u);
  EXPECT_NE(text.FromAnsi(text.ToAnsi(L"a\u4e2d")), L"a\u4e2d");

  EXPECT_EQ(text.Upper(L"c:\\caf\u00e9 \u0444\u043e\u043b\u0434\u0435\u0440.lnk"),
            L"C:\\CAF\u00c9 \u0424\u041e\u041b\u0414\u0415\u0420.LNK");
  EXPECT_EQ(text.Lower(L"C:\\CAF\u00c9 \u0424\u041e\u041b\u0414\u0415\u0420.LNK"),
            L"c:\\caf\u00e9 \u0444\u043e\u043b\u0434\u0435\u0440.lnk");
}

}  // namespace
