#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "TempFolder.h"

// Places the shared platform cases run in on the real system, each removed
// again when the test ends.

// True when the program runs under Wine rather than Windows.
inline bool UnderWine() {
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// "Q:" or the next letter no drive has.
inline std::wstring MissingDrive() {
  const DWORD drives = ::GetLogicalDrives();
  for (wchar_t letter = L'Q'; letter <= L'Y'; ++letter)
    if ((drives & (1u << (letter - L'A'))) == 0) return std::wstring{letter, L':'};
  return L"";
}

// An empty folder reached through a UNC path. Under Wine it is the root of
// a share of "localhost": Wine finds \\server\share in the prefix's
// dosdevices\unc\server\share. On Windows it is a scratch folder reached
// through the drive's administrative share, where the user may use it.
// Path() is "" when there is none.
class ScratchUncFolder {
 public:
  ScratchUncFolder() {
    if (UnderWine()) {
      MakeWineShare();
    } else {
      // "\\localhost\C$\Users\...\Temp\kalvora-test-..."
      const std::wstring& local = temp_.Path();
      const std::wstring unc = L"\\\\localhost\\" + local.substr(0, 1) + L"$" + local.substr(2);
      if (::GetFileAttributesW(unc.c_str()) != INVALID_FILE_ATTRIBUTES) path_ = unc;
    }
  }
  ~ScratchUncFolder() {
    if (shareFolder_.empty()) return;
    TempFolder::RemoveTree(shareFolder_);
    ::RemoveDirectoryW(serverFolder_.c_str());  // only when empty
    ::RemoveDirectoryW(uncFolder_.c_str());
  }
  ScratchUncFolder(const ScratchUncFolder&) = delete;
  ScratchUncFolder& operator=(const ScratchUncFolder&) = delete;

  const std::wstring& Path() const { return path_; }

 private:
  void MakeWineShare() {
    using ToDosName = WCHAR*(CDECL*)(LPCSTR);
    const auto toDos = reinterpret_cast<ToDosName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    char prefix[4096] = {};
    std::string unixDevices;
    if (::GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix) > 0) {
      unixDevices = std::string(prefix) + "/dosdevices";
    } else if (::GetEnvironmentVariableA("HOME", prefix, sizeof prefix) > 0) {
      unixDevices = std::string(prefix) + "/.wine/dosdevices";
    }
    if (toDos == nullptr || unixDevices.empty()) return;
    WCHAR* devices = toDos(unixDevices.c_str());
    if (devices == nullptr) return;
    uncFolder_ = std::wstring(devices) + L"\\unc";
    ::HeapFree(::GetProcessHeap(), 0, devices);
    serverFolder_ = uncFolder_ + L"\\localhost";
    const std::wstring share = L"kalvora-share-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                               std::to_wstring(::GetTickCount64());
    shareFolder_ = serverFolder_ + L"\\" + share;
    ::CreateDirectoryW(uncFolder_.c_str(), nullptr);
    ::CreateDirectoryW(serverFolder_.c_str(), nullptr);
    if (!::CreateDirectoryW(shareFolder_.c_str(), nullptr)) {
      shareFolder_.clear();
      return;
    }
    const std::wstring unc = L"\\\\localhost\\" + share;
    const DWORD attributes = ::GetFileAttributesW(unc.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) path_ = unc;
  }

  TempFolder temp_;
  std::wstring uncFolder_, serverFolder_, shareFolder_;
  std::wstring path_;
};

// The name that every registry key of one test run has in its path, and a
// class id of its own; the keys are removed before and after the test.
class ScratchRegistry {
 public:
  ScratchRegistry()
      : name_(L"KalvoraTests-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
              std::to_wstring(::GetTickCount64() % 100000)) {
    unsigned long long number =
        static_cast<unsigned long long>(::GetCurrentProcessId()) * 100000 + ::GetTickCount64() % 100000;
    std::wstring digits(12, L'0');
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, number /= 16) *it = L"0123456789ABCDEF"[number % 16];
    clsid_ = L"{4B414C56-0000-4000-8000-" + digits + L"}";
    RemoveAll();
  }
  ~ScratchRegistry() { RemoveAll(); }
  ScratchRegistry(const ScratchRegistry&) = delete;
  ScratchRegistry& operator=(const ScratchRegistry&) = delete;

  const std::wstring& Name() const { return name_; }
  const std::wstring& Clsid() const { return clsid_; }

 private:
  // Every place a case may have written to, as the 64-bit view names it.
  void RemoveAll() {
    const std::wstring user[] = {L"Software\\" + name_, L"Software\\Classes\\" + name_,
                                 L"Software\\Classes\\CLSID\\" + clsid_,
                                 L"Software\\Classes\\Wow6432Node\\CLSID\\" + clsid_};
    const std::wstring machine[] = {L"Software\\" + name_,
                                    L"Software\\WOW6432Node\\" + name_,
                                    L"Software\\Classes\\" + name_,
                                    L"Software\\Classes\\Wow6432Node\\" + name_,
                                    L"Software\\Classes\\CLSID\\" + clsid_,
                                    L"Software\\Classes\\Wow6432Node\\CLSID\\" + clsid_};
    for (const auto& path : user) ::RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str());
    for (const auto& path : machine) ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, path.c_str());
  }

  std::wstring name_;
  std::wstring clsid_;
};
