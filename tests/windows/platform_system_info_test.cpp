// The running process and the system it runs on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwctype>
#include <string>
#include <vector>

#include "platform/win32/DynamicLibraries.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32SystemInfo.h"

using kalvora::platform::RedirectionToken;
using kalvora::platform::win32::DynamicLibraries;
using kalvora::platform::win32::ProcAddress;
using kalvora::platform::win32::Win32FileSystem;
using kalvora::platform::win32::Win32SystemInfo;

namespace {

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(::towlower(c));
  return text;
}

bool EndsWith(const std::wstring& text, const std::wstring& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

const std::wstring kExeName = L"kalvora_platform_tests.exe";

}  // namespace

TEST(Win32SystemInfoTest, SplitsCommandLinesTheSystemsWay) {
  struct Case {
    std::wstring commandLine;
    std::vector<std::wstring> arguments;
  };
  const Case cases[] = {
      {L"prog.exe", {}},
      {L"\"C:\\Program Files\\prog.exe\"", {}},
      {L"prog.exe a b", {L"a", L"b"}},
      {L"\"C:\\Program Files\\prog.exe\" \"two words\" plain", {L"two words", L"plain"}},
      {L"prog.exe   spaced\t tabbed ", {L"spaced", L"tabbed"}},
      {L"prog.exe /add \"C:\\My Files\\a.txt\" /x", {L"/add", L"C:\\My Files\\a.txt", L"/x"}},
      {L"prog.exe \"\"", {L""}},
      {L"prog.exe a\\\\b C:\\dir\\", {L"a\\\\b", L"C:\\dir\\"}},  // backslashes not before a quote stay
      {L"prog.exe \"a\\\"b\"", {L"a\"b"}},                        // \" is a literal quote
      {L"prog.exe \"unterminated quote", {L"unterminated quote"}},
      {L"prog.exe half\"quoted part\"s", {L"halfquoted parts"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.commandLine.begin(), c.commandLine.end()));
    EXPECT_EQ(Win32SystemInfo::SplitArguments(c.commandLine), c.arguments);
  }
}

TEST(Win32SystemInfoTest, CommandLineArgumentsAreThisProcesssArgumentsWithoutTheProgram) {
  Win32SystemInfo system;
  const auto arguments = system.CommandLineArguments();
  // The runtime split the same command line for main(); simple arguments
  // (ctest passes only --gtest_ options) come out the same.
  std::vector<std::wstring> expected(__wargv + 1, __wargv + __argc);
  EXPECT_EQ(arguments, expected);
}

TEST(Win32SystemInfoTest, ProgramFilePathIsThisTestProgram) {
  Win32SystemInfo system;
  Win32FileSystem files;
  const std::wstring path = system.ProgramFilePath();
  ASSERT_GT(path.size(), 3u);
  EXPECT_EQ(path[1], L':');
  EXPECT_TRUE(EndsWith(Lower(path), L"\\" + kExeName));
  EXPECT_TRUE(files.FileExists(path));
}

TEST(Win32SystemInfoTest, OsVersionIsNt) {
  Win32SystemInfo system;
  const auto version = system.GetOsVersion();
  EXPECT_EQ(version.platformId, static_cast<unsigned long>(VER_PLATFORM_WIN32_NT));
  EXPECT_GE(version.major, 6u);
}

TEST(Win32SystemInfoTest, Wow64FunctionsArePresentAndA64BitProcessIsNotWow64) {
  static_assert(sizeof(void*) == 8, "the tests are built for 64-bit Windows");
  Win32SystemInfo system;
  const auto wow64 = system.IsWow64Process();
  ASSERT_TRUE(wow64.has_value());
  EXPECT_FALSE(*wow64);

  // A 64-bit process has no redirection to turn off: both calls are there
  // but report failure (ERROR_INVALID_FUNCTION), which is why the program
  // calls them only when it runs under WOW64.
  RedirectionToken token = nullptr;
  const auto disabled = system.DisableWow64FsRedirection(token);
  ASSERT_TRUE(disabled.has_value());
  EXPECT_FALSE(*disabled);
  EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_FUNCTION));
  const auto reverted = system.RevertWow64FsRedirection(token);
  ASSERT_TRUE(reverted.has_value());
  EXPECT_FALSE(*reverted);
}

TEST(Win32SystemInfoTest, ProcessImageFileNameNamesThisProgramsFile) {
  Win32SystemInfo system;
  const auto name = system.ProcessImageFileName(::GetCurrentProcess());
  ASSERT_TRUE(name.has_value());
  // A device path ("\Device\HarddiskVolume1\...") ending with the file name.
  std::wstring wide(name->begin(), name->end());
  EXPECT_EQ(wide.substr(0, 1), L"\\");
  EXPECT_TRUE(EndsWith(Lower(wide), L"\\" + kExeName)) << *name;

  // A handle that is no process: the call writes nothing.
  const auto none = system.ProcessImageFileName(nullptr);
  ASSERT_TRUE(none.has_value());
  EXPECT_EQ(*none, "");
}

TEST(Win32SystemInfoTest, TokenHasAdministratorsGroup) {
  Win32SystemInfo system;
  // Wine's default user is an administrator.
  EXPECT_TRUE(system.TokenHasAdministratorsGroup());
}

TEST(Win32SystemInfoTest, SleepWaitsAboutAsLongAsAsked) {
  Win32SystemInfo system;
  const ULONGLONG before = ::GetTickCount64();
  system.Sleep(60);
  EXPECT_GE(::GetTickCount64() - before, 45u);
}

TEST(DynamicLibrariesTest, LibrariesAndFunctionsAreFoundOnceAndKept) {
  HMODULE kernel = DynamicLibraries::Library(L"kernel32.dll");
  ASSERT_NE(kernel, nullptr);
  EXPECT_EQ(kernel, ::GetModuleHandleW(L"kernel32.dll"));
  EXPECT_EQ(DynamicLibraries::Library(L"KERNEL32.DLL"), kernel);  // one entry whatever the case

  auto tick = ProcAddress<ULONGLONG(WINAPI*)()>(L"kernel32.dll", "GetTickCount64");
  ASSERT_NE(tick, nullptr);
  EXPECT_GT(tick(), 0u);
  EXPECT_EQ(ProcAddress<ULONGLONG(WINAPI*)()>(L"Kernel32.dll", "GetTickCount64"), tick);

  // Missing functions and libraries give nullptr, every time.
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(DynamicLibraries::Address(L"kernel32.dll", "NoSuchFunctionAnywhere"), nullptr);
    EXPECT_EQ(DynamicLibraries::Library(L"no-such-library-kalvora.dll"), nullptr);
    EXPECT_EQ(DynamicLibraries::Address(L"no-such-library-kalvora.dll", "Anything"), nullptr);
  }

  // A library not loaded before stays loaded once looked up.
  HMODULE psapi = DynamicLibraries::Library(L"psapi.dll");
  ASSERT_NE(psapi, nullptr);
  EXPECT_EQ(::GetModuleHandleW(L"psapi.dll"), psapi);
}
