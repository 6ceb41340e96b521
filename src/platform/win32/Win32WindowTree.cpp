#include "platform/win32/Win32WindowTree.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Win32SystemText.h"
#include "platform/win32/Win32Text.h"

namespace kalvora::platform::win32 {
namespace {

BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(FromHwnd(window));
  return TRUE;
}

// A window that does not answer within this time is read as having no text,
// so a hung program cannot hold the window thread.
constexpr UINT kAnswerTimeoutMs = 1000;

}  // namespace

std::vector<WindowHandle> Win32WindowTree::TopLevelWindows() {
  std::vector<WindowHandle> windows;
  ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<WindowHandle> Win32WindowTree::Descendants(WindowHandle window) {
  std::vector<WindowHandle> windows;
  ::EnumChildWindows(ToHwnd(window), Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::wstring Win32WindowTree::ClassName(WindowHandle window) {
  char name[256] = {};
  const int length = ::GetClassNameA(ToHwnd(window), name, static_cast<int>(sizeof name));
  return length > 0 ? Win32SystemText().FromAnsi(std::string_view(name, static_cast<std::size_t>(length))) : L"";
}

WindowHandle Win32WindowTree::FindChild(WindowHandle parent, const std::wstring& className) {
  const std::string name = Win32SystemText().ToAnsi(className);
  return FromHwnd(::FindWindowExA(ToHwnd(parent), nullptr, name.c_str(), nullptr));
}

std::wstring Win32WindowTree::WindowText(WindowHandle window) {
  if (window == 0) return L"";
  DWORD_PTR length = 0;
  if (::SendMessageTimeoutA(ToHwnd(window), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length) ==
          0 ||
      length == 0)
    return L"";
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (::SendMessageTimeoutA(ToHwnd(window), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied) == 0)
    return L"";
  text.resize(std::min<std::size_t>(copied, length));
  return Win32SystemText().FromAnsi(text);
}

}  // namespace kalvora::platform::win32
