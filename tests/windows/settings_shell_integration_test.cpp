// Start with Windows and the program's shortcuts on the real registry and shell.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/WideText.h"
#include "platform/win32/Win32Platform.h"
#include "settings/Shortcuts.h"
#include "settings/StartWithWindows.h"
#include "support/TempFolder.h"

namespace kalvora::settings {
namespace {

namespace win32 = platform::win32;

// No dialog comes up in these tests.
class NoDialogs : public platform::DialogService {
 public:
  bool ShowModal(platform::WindowHandle, platform::DialogState&) override { return false; }
  int ShowMessageBox(platform::WindowHandle, const std::wstring&, const std::wstring&, unsigned) override {
    return platform::IdCancel;
  }
};

std::wstring ThisProgramFile() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return L"";
  return path;
}

// The working folder as the 8-bit link interface reads it back.
std::string WorkingFolderOf(platform::ShellLinks& links, const std::wstring& link) {
  return links.ReadAnsi(link, 0).workingDirectory;
}

bool SamePath(std::wstring a, std::wstring b) {
  while (!a.empty() && a.back() == L'\\') a.pop_back();
  while (!b.empty() && b.back() == L'\\') b.pop_back();
  return ::CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Reads the value straight from the registry in one view.
std::optional<std::wstring> RawRunValue(const std::wstring& name, REGSAM view) {
  HKEY key = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_READ | view,
                      &key) != ERROR_SUCCESS)
    return std::nullopt;
  wchar_t data[1024] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  DWORD type = 0;
  const LONG result = ::RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  ::RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::wstring(data);
}

class ShellIntegration : public ::testing::Test {
 protected:
  win32::Win32Platform system;
  NoDialogs dialogs;
  platform::Platform platform = system.Services(dialogs);
  TempFolder temp;
};

TEST_F(ShellIntegration, SendToShortcutIsCreatedOnceAndNeverRecreated) {
  const std::wstring sendTo = ShellFolder(CSIDL_SENDTO);
  ASSERT_FALSE(sendTo.empty());
  ::CreateDirectoryW(sendTo.c_str(), nullptr);
  const std::wstring link = sendTo + L"\\Revisto.lnk";
  // The program itself may have left one in this prefix; it comes back afterwards.
  const bool hadOne = ::GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES;
  const std::string previous = hadOne ? TempFolder::ReadBytes(link) : std::string();
  ::DeleteFileW(link.c_str());

  const std::wstring program = ThisProgramFile();
  EXPECT_TRUE(EnsureSendToShortcut(platform, program));
  EXPECT_TRUE(SamePath(platform.links.ReadTarget(link), program)) << text::WideToUtf8(platform.links.ReadTarget(link));
  EXPECT_TRUE(SamePath(text::Utf8ToWide(WorkingFolderOf(platform.links, link)), FolderOfPath(program)));

  // The user pointed it elsewhere: it stays as it is.
  const std::wstring elsewhere = temp / L"other.exe";
  ASSERT_TRUE(TempFolder::WriteBytes(elsewhere, "x"));
  ASSERT_EQ(platform.links.Write(link, elsewhere, temp.Path()), 0);
  EXPECT_FALSE(EnsureSendToShortcut(platform, program));
  EXPECT_TRUE(SamePath(platform.links.ReadTarget(link), elsewhere));

  ::DeleteFileW(link.c_str());
  if (hadOne) TempFolder::WriteBytes(link, previous);
}

TEST_F(ShellIntegration, ShortcutIsSavedUnderTheSanitisedNameAndReplacesAnOldOne) {
  const std::wstring target = ThisProgramFile();
  const std::wstring link = temp / L"a_b_c.lnk";
  ASSERT_TRUE(TempFolder::WriteBytes(temp / L"old.exe", "x"));
  ASSERT_EQ(platform.links.Write(link, temp / L"old.exe", temp.Path()), 0);

  EXPECT_TRUE(CreateShortcut(platform.links, target, L"a:b?c", temp.Path()));
  EXPECT_TRUE(SamePath(platform.links.ReadTarget(link), target)) << text::WideToUtf8(platform.links.ReadTarget(link));
  EXPECT_TRUE(SamePath(text::Utf8ToWide(WorkingFolderOf(platform.links, link)), FolderOfPath(target)));

  // Nothing else was written next to it.
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW((temp / L"*.lnk").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  int count = 0;
  do ++count;
  while (::FindNextFileW(search, &found));
  ::FindClose(search);
  EXPECT_EQ(count, 1);

  EXPECT_FALSE(CreateShortcut(platform.links, target, L"x", temp / L"missing"));
}

TEST_F(ShellIntegration, StartWithWindowsValueIsWrittenAndDeletedInThe32BitView) {
  const std::wstring name = L"KalvoraTest-" + std::to_wstring(::GetCurrentProcessId());
  const std::wstring commandLine = StartWithWindowsCommandLine(L"C:\\Program Files\\Kalvora\\", L"kalvora.exe");
  SetStartWithWindows(platform.registry, name, L"", false);
  ASSERT_FALSE(IsStartWithWindows(platform.registry, name));

  ApplyStartWithWindows(platform.registry, name, commandLine, true);
  EXPECT_TRUE(IsStartWithWindows(platform.registry, name));
  EXPECT_EQ(RawRunValue(name, KEY_WOW64_32KEY), L"\"C:\\Program Files\\Kalvora\\kalvora.exe\" /run");
  EXPECT_EQ(RawRunValue(name, KEY_WOW64_64KEY), std::nullopt) << "not in the 64-bit programs' Run key";

  // Present, though pointing elsewhere: a second apply leaves it alone.
  ASSERT_TRUE(SetStartWithWindows(platform.registry, name, L"\"D:\\Old\\kalvora.exe\" /run", true));
  ApplyStartWithWindows(platform.registry, name, commandLine, true);
  EXPECT_EQ(RawRunValue(name, KEY_WOW64_32KEY), L"\"D:\\Old\\kalvora.exe\" /run");

  ApplyStartWithWindows(platform.registry, name, commandLine, false);
  EXPECT_FALSE(IsStartWithWindows(platform.registry, name));
  EXPECT_EQ(RawRunValue(name, KEY_WOW64_32KEY), std::nullopt);
}

}  // namespace
}  // namespace kalvora::settings
