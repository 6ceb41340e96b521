// Shell places and shortcuts as the program tests set them up from outside.
#pragma once
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

namespace kalvora::program_tests {

inline std::wstring SpecialFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  return SUCCEEDED(::SHGetFolderPathW(nullptr, csidl, nullptr, 0, path)) ? path : L"";
}

// A shortcut as the shell leaves one in the Recent folder.
inline bool WriteShortcut(const std::wstring& link, const std::wstring& target) {
  IShellLinkW* shellLink = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
    return false;
  shellLink->SetPath(target.c_str());
  IPersistFile* file = nullptr;
  bool saved = false;
  if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    saved = SUCCEEDED(file->Save(link.c_str(), TRUE));
    file->Release();
  }
  shellLink->Release();
  return saved;
}

}  // namespace kalvora::program_tests
