#include "platform/win32/Win32SystemInfo.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <vector>

#include "platform/win32/DynamicLibraries.h"
#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {
namespace {

constexpr const wchar_t* kKernel32 = L"kernel32.dll";
constexpr const wchar_t* kNtdll = L"ntdll.dll";
constexpr const wchar_t* kPsapi = L"psapi.dll";

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
using Wow64DisableFn = BOOL(WINAPI*)(PVOID*);
using Wow64RevertFn = BOOL(WINAPI*)(PVOID);
using GetProcessImageFileNameAFn = DWORD(WINAPI*)(HANDLE, LPSTR, DWORD);
using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

// Opens the thread's token, or the process's when the thread is not
// impersonating; nothing when neither opens.
OwnedHandle OpenQueryToken() {
  HANDLE token = nullptr;
  if (::OpenThreadToken(::GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) return OwnedHandle(token);
  if (::GetLastError() != ERROR_NO_TOKEN) return OwnedHandle();
  if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return OwnedHandle(token);
  return OwnedHandle();
}

// The token's groups; empty when they cannot be read. The buffer grows when
// the token holds more groups than the first guess covers.
std::vector<unsigned char> ReadTokenGroups(HANDLE token) {
  std::vector<unsigned char> buffer(1024);
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD needed = 0;
    if (::GetTokenInformation(token, TokenGroups, buffer.data(), static_cast<DWORD>(buffer.size()), &needed))
      return buffer;
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size()) break;
    buffer.resize(needed);
  }
  return {};
}

}  // namespace

std::vector<std::wstring> Win32SystemInfo::SplitArguments(const std::wstring& commandLine) {
  std::vector<std::wstring> arguments;
  int count = 0;
  const OwnedLocalMemory<LPWSTR*> argv(::CommandLineToArgvW(commandLine.c_str(), &count));
  if (!argv) return arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(argv.Get()[i]);
  return arguments;
}

std::vector<std::wstring> Win32SystemInfo::CommandLineArguments() { return SplitArguments(::GetCommandLineW()); }

std::wstring Win32SystemInfo::ProgramFilePath() {
  // The name is cut (and the call reports the full buffer) when it does not
  // fit; long paths may need up to 32767 characters.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), size);
    if (length == 0) return L"";
    if (length < size || size >= 32768) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

OsVersion Win32SystemInfo::GetOsVersion() {
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof info;
  // RtlGetVersion tells the truth; GetVersionExW reports 6.2 to a program
  // whose manifest does not name the newer systems.
  auto rtlGetVersion = ProcAddress<RtlGetVersionFn>(kNtdll, "RtlGetVersion");
  bool known = rtlGetVersion != nullptr && rtlGetVersion(&info) == 0;
  if (!known) {
    info = {};
    info.dwOSVersionInfoSize = sizeof info;
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    known = ::GetVersionExW(&info) != FALSE;
  }
  OsVersion version;
  if (!known) return version;
  version.platformId = info.dwPlatformId;
  version.major = info.dwMajorVersion;
  version.minor = info.dwMinorVersion;
  return version;
}

std::optional<bool> Win32SystemInfo::IsWow64Process() {
  auto isWow64 = ProcAddress<IsWow64ProcessFn>(kKernel32, "IsWow64Process");
  if (isWow64 == nullptr) return std::nullopt;
  BOOL wow64 = FALSE;
  // A failed call leaves the answer "not WOW64".
  if (!isWow64(::GetCurrentProcess(), &wow64)) return false;
  return wow64 != FALSE;
}

std::optional<bool> Win32SystemInfo::DisableWow64FsRedirection(RedirectionToken& token) {
  auto disable = ProcAddress<Wow64DisableFn>(kKernel32, "Wow64DisableWow64FsRedirection");
  if (disable == nullptr) return std::nullopt;
  PVOID old = nullptr;
  const bool done = disable(&old) != FALSE;
  token = old;
  return done;
}

std::optional<bool> Win32SystemInfo::RevertWow64FsRedirection(RedirectionToken token) {
  auto revert = ProcAddress<Wow64RevertFn>(kKernel32, "Wow64RevertWow64FsRedirection");
  if (revert == nullptr) return std::nullopt;
  return revert(token) != FALSE;
}

std::optional<std::string> Win32SystemInfo::ProcessImageFileName(void* process) {
  auto imageFileName = ProcAddress<GetProcessImageFileNameAFn>(kPsapi, "GetProcessImageFileNameA");
  if (imageFileName == nullptr) return std::nullopt;
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = imageFileName(static_cast<HANDLE>(process), buffer.data(), size);
    // Too small a buffer fails the call; device paths stay below 32767.
    if (length == 0 && ::GetLastError() == ERROR_INSUFFICIENT_BUFFER && size < 32768) {
      buffer.resize(buffer.size() * 4);
      continue;
    }
    return std::string(buffer.data(), length < size ? length : 0);
  }
}

bool Win32SystemInfo::TokenHasAdministratorsGroup() {
  OwnedHandle token = OpenQueryToken();
  if (!token) return false;
  const std::vector<unsigned char> buffer = ReadTokenGroups(token.Get());
  token.Close();
  if (buffer.empty()) return false;

  SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
  PSID sid = nullptr;
  if (!::AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                                  0, 0, 0, &sid))
    return false;
  const OwnedSid administrators(sid);
  const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
  bool found = false;
  for (DWORD i = 0; i < groups->GroupCount && !found; ++i)
    found = ::EqualSid(administrators.Get(), groups->Groups[i].Sid) != FALSE;
  return found;
}

void Win32SystemInfo::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

LocalDateTime Win32SystemInfo::LocalNow() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  return LocalDateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

unsigned long long Win32SystemInfo::UtcNowFileTime() {
  FILETIME t{};
  ::GetSystemTimeAsFileTime(&t);
  return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

}  // namespace kalvora::platform::win32
