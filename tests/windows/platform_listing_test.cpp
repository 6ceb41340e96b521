// Folder listings and registry value enumeration on the real system.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "capture/StartupPrograms.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Installer.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellLinks.h"
#include "platform/win32/Win32SystemText.h"
#include "support/TempFolder.h"

using kalvora::platform::DirectoryEntry;
using kalvora::platform::RegistryAccess;
using kalvora::platform::RegistryKey;
using kalvora::platform::RegistryRoot;
using kalvora::platform::win32::Win32FileSystem;
using kalvora::platform::win32::Win32Registry;

namespace {

std::vector<std::wstring> Names(const std::vector<DirectoryEntry>& entries) {
  std::vector<std::wstring> names;
  for (const auto& e : entries) names.push_back(e.name);
  return names;
}

const DirectoryEntry* Named(const std::vector<DirectoryEntry>& entries, const std::wstring& name) {
  for (const auto& e : entries)
    if (e.name == name) return &e;
  return nullptr;
}

TEST(Win32FindFilesTest, ListsDotsNamesAttributesSizesAndTimes) {
  TempFolder temp;
  Win32FileSystem files;
  // Created out of order; a name outside any ANSI code page comes back whole.
  const std::wstring wide = L"\u0429\u4E2D.txt";
  ASSERT_TRUE(TempFolder::WriteBytes(temp / L"b.TXT", "12345"));
  ASSERT_TRUE(TempFolder::WriteBytes(temp / L"_under.txt", ""));
  ASSERT_TRUE(TempFolder::WriteBytes(temp / L"A.exe", ""));
  ASSERT_TRUE(TempFolder::WriteBytes(temp / L"README", ""));
  ASSERT_TRUE(TempFolder::WriteBytes(temp / wide, ""));
  ASSERT_TRUE(::CreateDirectoryW((temp / L"Sub").c_str(), nullptr));
  ASSERT_TRUE(::SetFileAttributesW((temp / L"A.exe").c_str(), FILE_ATTRIBUTE_HIDDEN));
  FILETIME stamp{0x12345678u, 0x01D00000u};
  HANDLE handle = ::CreateFileW((temp / L"b.TXT").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(::SetFileTime(handle, nullptr, nullptr, &stamp));
  ::CloseHandle(handle);

  const auto all = files.FindFiles(temp / L"*.*");
  EXPECT_EQ(Names(all), (std::vector<std::wstring>{L".", L"..", L"A.exe", L"b.TXT", L"README", L"Sub", L"_under.txt",
                                                   wide}));
  ASSERT_TRUE(Named(all, L"A.exe"));
  EXPECT_EQ(Named(all, L"A.exe")->attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  EXPECT_NE(Named(all, L"Sub")->attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_NE(Named(all, L".")->attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(Named(all, L"b.TXT")->size, 5u);
  EXPECT_EQ(Named(all, L"b.TXT")->lastWriteTime, 0x01D0000012345678ULL);

  EXPECT_EQ(Names(files.FindFiles(temp / L"*.txt")), (std::vector<std::wstring>{L"b.TXT", L"_under.txt", wide}));
  EXPECT_EQ(Names(files.FindFiles(temp / L"readme.*")), std::vector<std::wstring>{L"README"});
  EXPECT_EQ(Names(files.FindFiles(temp / L"?.EXE")), std::vector<std::wstring>{L"A.exe"});
  EXPECT_EQ(Names(files.FindFiles(temp / L"sub")), std::vector<std::wstring>{L"Sub"});
  EXPECT_TRUE(files.FindFiles(temp / L"missing\\*.*").empty());
  EXPECT_TRUE(files.FindFiles(temp / L"*.none").empty());
}

// A key of this test run under HKCU\Software, removed before and after.
class RegistryValuesTest : public ::testing::Test {
 protected:
  RegistryValuesTest() : path_(L"Software\\KalvoraValues-" + std::to_wstring(::GetCurrentProcessId())) {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
  }
  ~RegistryValuesTest() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }
  void Set(const std::wstring& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    ::RegCloseKey(key);
  }
  void SetText(const std::wstring& name, const std::wstring& text) {
    Set(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }

  Win32Registry registry;
  std::wstring path_;
};

TEST_F(RegistryValuesTest, EnumeratesEveryValueWithItsType) {
  EXPECT_EQ(registry.ReadValues({RegistryRoot::CurrentUser, path_}), std::nullopt);
  SetText(L"Zeta", L"z.exe");
  const DWORD number = 7;
  Set(L"alpha", REG_DWORD, &number, sizeof number);
  SetText(L"Mid", std::wstring(600, L'm'));  // longer than the first buffers
  SetText(L"ZETA", L"z2.exe");               // rewritten, not added
  for (RegistryAccess access : {RegistryAccess::Read, RegistryAccess::AllAccess}) {
    auto values = registry.ReadValues({RegistryRoot::CurrentUser, path_, {}, access});
    ASSERT_TRUE(values);
    ASSERT_EQ(values->size(), 3u);
    // Windows lists values in creation order, Wine by name; compare by name.
    std::sort(values->begin(), values->end(), [](const auto& a, const auto& b) { return _wcsicmp(a.name.c_str(), b.name.c_str()) < 0; });
    EXPECT_EQ((*values)[0].name, L"alpha");
    EXPECT_FALSE((*values)[0].isText);
    EXPECT_EQ((*values)[1].name, L"Mid");
    EXPECT_TRUE((*values)[1].isText);
    EXPECT_EQ((*values)[1].text, std::wstring(600, L'm'));
    EXPECT_EQ((*values)[2].name, L"Zeta");
    EXPECT_EQ((*values)[2].text, L"z2.exe");
  }
}

// The user's Run key as a startup source, written with the system's own calls.
TEST(Win32StartupProgramsTest, ARunValueOfTheUserMakesAStartupProgram) {
  const wchar_t* run = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::wstring name = L"KalvoraTest-" + std::to_wstring(::GetCurrentProcessId());
  const std::wstring command = L"\"C:\\Kalvora Test\\tray agent.exe\" /background";
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, run, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(::RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                             static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  namespace win32 = kalvora::platform::win32;
  win32::Win32FileSystem files;
  win32::Win32ShellLinks links;
  win32::Win32Installer installer;
  win32::Win32Registry registry;
  win32::Win32Environment environment;
  win32::Win32SystemText text;
  kalvora::capture::TWindowsStartMan startMan(
      kalvora::resolve::ResolutionServices{files, links, installer, registry, environment, text, 0});
  const bool recognised = startMan.IsStartupProgram(L"c:\\kalvora test\\TRAY AGENT.exe");
  const bool other = startMan.IsStartupProgram(L"C:\\Kalvora Test\\other.exe");
  ::RegDeleteValueW(key, name.c_str());
  ::RegCloseKey(key);
  EXPECT_TRUE(recognised);
  EXPECT_FALSE(other);
}

}  // namespace
