#include "platform/win32/Win32ShellLinks.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wrl/client.h>

#include "platform/win32/Win32Text.h"

namespace kalvora::platform::win32 {
namespace {

using Microsoft::WRL::ComPtr;

// Once per thread; an apartment the thread already has (of either kind)
// serves as well, and it is kept until the thread ends.
void EnsureCom() {
  thread_local bool initialised = false;
  if (!initialised) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    initialised = true;
  }
}

// Where a creating or querying call writes the interface it hands out.
template <class T>
void** Out(ComPtr<T>& pointer) {
  return reinterpret_cast<void**>(pointer.GetAddressOf());
}

}  // namespace

std::wstring Win32ShellLinks::ReadTarget(const std::wstring& linkPath) {
  EnsureCom();
  ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, Out(link))))
    return {};
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, Out(file)))) return {};
  if (FAILED(file->Load(linkPath.c_str(), STGM_READ))) return {};
  wchar_t path[MAX_PATH] = {};
  WIN32_FIND_DATAW found;
  if (FAILED(link->GetPath(path, MAX_PATH, &found, SLGP_UNCPRIORITY))) return {};
  path[MAX_PATH - 1] = L'\0';
  return path;
}

AnsiLinkRead Win32ShellLinks::ReadAnsi(const std::wstring& linkPath, WindowHandle owner) {
  AnsiLinkRead read;
  auto failed = [&read](LinkStep step, HRESULT status) {
    read.status = status;
    if (FAILED(status)) read.failedStep = step;
    return FAILED(status);
  };
  EnsureCom();
  ComPtr<IShellLinkA> link;
  if (failed(LinkStep::Create,
             ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, Out(link))))
    return read;
  ComPtr<IPersistFile> file;
  if (failed(LinkStep::PersistFile, link->QueryInterface(IID_IPersistFile, Out(file)))) return read;
  // The path arrives from the 8-bit world, where it fits a MAX_PATH buffer.
  if (failed(LinkStep::Load, linkPath.size() >= MAX_PATH ? kStatusPathTooLong : file->Load(linkPath.c_str(), STGM_READ)))
    return read;
  if (failed(LinkStep::Resolve, link->Resolve(ToHwnd(owner), SLR_UPDATE))) return read;

  char buffer[MAX_PATH] = {};
  WIN32_FIND_DATAA found;
  if (failed(LinkStep::GetPath, link->GetPath(buffer, MAX_PATH, &found, SLGP_SHORTPATH))) return read;
  buffer[MAX_PATH - 1] = '\0';
  read.target = buffer;

  ComPtr<IShellLinkDataList> dataList;
  read.offersDataList = SUCCEEDED(link->QueryInterface(IID_IShellLinkDataList, Out(dataList)));

  buffer[0] = '\0';
  if (failed(LinkStep::Description, link->GetDescription(buffer, MAX_PATH))) return read;
  buffer[MAX_PATH - 1] = '\0';
  read.description = buffer;
  buffer[0] = '\0';
  if (failed(LinkStep::Arguments, link->GetArguments(buffer, MAX_PATH))) return read;
  buffer[MAX_PATH - 1] = '\0';
  read.arguments = buffer;
  buffer[0] = '\0';
  if (failed(LinkStep::WorkingDirectory, link->GetWorkingDirectory(buffer, MAX_PATH))) return read;
  buffer[MAX_PATH - 1] = '\0';
  read.workingDirectory = buffer;
  return read;
}

StatusCode Win32ShellLinks::Write(const std::wstring& linkPath, const std::wstring& target,
                                  const std::wstring& workingFolder) {
  EnsureCom();
  ComPtr<IShellLinkW> link;
  HRESULT status = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, Out(link));
  if (FAILED(status)) return status;
  if (FAILED(status = link->SetPath(target.c_str()))) return status;
  if (FAILED(status = link->SetWorkingDirectory(workingFolder.c_str()))) return status;
  ComPtr<IPersistFile> file;
  if (FAILED(status = link->QueryInterface(IID_IPersistFile, Out(file)))) return status;
  status = file->Save(linkPath.c_str(), TRUE);
  return FAILED(status) ? status : kStatusOk;
}

}  // namespace kalvora::platform::win32
