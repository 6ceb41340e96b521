#include "platform/win32/Win32ShellWindows.h"

#include <windows.h>
#include <exdisp.h>
#include <objbase.h>
#include <oleauto.h>
#include <wrl/client.h>

namespace kalvora::platform::win32 {
namespace {

using Microsoft::WRL::ComPtr;

// Once per thread; an apartment the thread already has serves as well.
void EnsureApartment() {
  thread_local bool initialised = false;
  if (!initialised) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    initialised = true;
  }
}

std::wstring TakeBstr(BSTR text) {
  std::wstring result = text != nullptr ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
  ::SysFreeString(text);
  return result;
}

// The document's "title" property, asked by name: only HTML documents have
// one, a folder view does not.
std::optional<std::wstring> DocumentTitle(IDispatch* document) {
  LPOLESTR name = const_cast<LPOLESTR>(L"title");
  DISPID id = 0;
  if (FAILED(document->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) return std::nullopt;
  DISPPARAMS none = {};
  VARIANT value;
  ::VariantInit(&value);
  if (FAILED(document->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value, nullptr,
                              nullptr)))
    return std::nullopt;
  std::optional<std::wstring> title;
  if (SUCCEEDED(::VariantChangeType(&value, &value, 0, VT_BSTR)))
    title = std::wstring(value.bstrVal, ::SysStringLen(value.bstrVal));
  ::VariantClear(&value);
  return title;
}

}  // namespace

bool Win32ShellWindows::OpenWindows(std::vector<ShellWindow>& windows) {
  windows.clear();
  EnsureApartment();
  ComPtr<IShellWindows> shell;
  if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows,
                                reinterpret_cast<void**>(shell.GetAddressOf()))))
    return false;
  // A collection that cannot count its windows (Wine's stub says "not
  // implemented") hands none out; the shell itself is there.
  long count = 0;
  if (FAILED(shell->get_Count(&count))) return true;
  for (long i = 0; i < count; ++i) {
    VARIANT index;
    ::VariantInit(&index);
    index.vt = VT_I4;
    index.lVal = i;
    ComPtr<IDispatch> item;
    if (FAILED(shell->Item(index, item.GetAddressOf())) || !item) continue;
    ComPtr<IWebBrowser2> browser;
    if (FAILED(item.As(&browser))) continue;
    ShellWindow window;
    BSTR url = nullptr;
    if (FAILED(browser->get_LocationURL(&url))) continue;
    window.locationUrl = TakeBstr(url);
    ComPtr<IDispatch> document;
    if (SUCCEEDED(browser->get_Document(document.GetAddressOf())) && document) {
      window.hasDocument = true;
      window.title = DocumentTitle(document.Get());
    }
    windows.push_back(std::move(window));
  }
  return true;
}

}  // namespace kalvora::platform::win32
