#include "platform/sim/SimShellWindows.h"

#include <algorithm>

namespace kalvora::platform::sim {

bool SimShellWindows::OpenWindows(std::vector<ShellWindow>& windows) {
  windows.clear();
  if (unavailable_) return false;
  for (const auto& [number, window] : windows_) windows.push_back(window);
  return true;
}

int SimShellWindows::Add(ShellWindow window) {
  windows_.emplace_back(++lastNumber_, std::move(window));
  return lastNumber_;
}

int SimShellWindows::OpenExplorer(const std::wstring& folder) {
  return Add(ShellWindow{FileUrl(folder), true, std::nullopt});
}

int SimShellWindows::OpenVirtualPlace() { return Add(ShellWindow{L"", true, std::nullopt}); }

int SimShellWindows::OpenBrowser(const std::wstring& url, std::optional<std::wstring> title) {
  return Add(ShellWindow{url, true, std::move(title)});
}

int SimShellWindows::OpenLoading(const std::wstring& url) { return Add(ShellWindow{url, false, std::nullopt}); }

void SimShellWindows::Close(int number) {
  std::erase_if(windows_, [number](const auto& entry) { return entry.first == number; });
}

std::wstring SimShellWindows::FileUrl(const std::wstring& path) {
  const bool unc = path.starts_with(L"\\\\");
  std::wstring url = unc ? L"file:" : L"file:///";
  for (wchar_t c : path) {
    switch (c) {
      case L'\\': url += L'/'; break;
      case L' ': url += L"%20"; break;
      case L'%': url += L"%25"; break;
      case L'#': url += L"%23"; break;
      default: url += c;
    }
  }
  return url;
}

}  // namespace kalvora::platform::sim
