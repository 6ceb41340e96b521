#include "capture/BrowserPages.h"

#include "common/WideText.h"

namespace kalvora::capture {
namespace {

constexpr const wchar_t* kDdeServices[] = {L"Firefox", L"Netscape", L"Mosaic", L"Netscp6", L"Mozilla"};
constexpr const wchar_t* kWindowInfoTopic = L"WWW_GetWindowInfo";
// The front window's address and title.
constexpr const wchar_t* kWindowInfoItem = L"0xFFFFFFFF,sURL,sTitle";

constexpr const wchar_t* kChromeFrameClass = L"Chrome_WidgetWin_0";
constexpr const wchar_t* kChromeAddressBarClass = L"Chrome_OmniboxView";

// The texts of a Chrome window's children, read in the window's order up
// to its address bar: each descendant's class names the first direct child
// of that class, whose text is taken when it is not blank.
void ReadChromeWindow(platform::WindowTree& windows, platform::WindowHandle frame,
                      std::vector<std::wstring>& lines) {
  for (platform::WindowHandle descendant : windows.Descendants(frame)) {
    const std::wstring className = windows.ClassName(descendant);
    const std::wstring text = windows.WindowText(windows.FindChild(frame, className));
    if (!text::Trim(text).empty()) lines.push_back(text);
    if (className == kChromeAddressBarClass) break;
  }
}

}  // namespace

bool IsIgnoredUrl(platform::SystemText& letters, const std::wstring& url) {
  if (url.empty() || url == L"http://" || url == L"https://") return true;
  const std::wstring folded = letters.Lower(text::Trim(url));
  return folded == L"about:tabs" || folded == L"about:blank" || folded == L"about:home";
}

std::pair<std::wstring, std::wstring> TWebbrowserActiveUrl::QueryDdeBrowser(const std::wstring& service) {
  const std::optional<std::wstring> reply = dde_.Request(service, kWindowInfoTopic, kWindowInfoItem);
  if (!reply || reply->empty()) return {};
  // "address","title",... : a reply without the "," between the quoted
  // fields has no address.
  std::wstring rest = reply->substr(1);
  const std::size_t separator = rest.find(L"\",\"");
  if (separator == std::wstring::npos) return {};
  std::wstring url = rest.substr(0, separator);
  rest.erase(0, separator + 3);
  return {std::move(url), rest.substr(0, rest.find(L'"'))};
}

void TWebbrowserActiveUrl::RefreshPages() {
  pages_ = {};
  for (const wchar_t* service : kDdeServices) {
    auto [url, title] = QueryDdeBrowser(service);
    if (IsIgnoredUrl(text_, url)) continue;
    pages_.urls.push_back(std::move(url));
    pages_.titles.push_back(std::move(title));
  }
}

WebPages GetBrowserPages(const platform::Platform& platform, TWebbrowserActiveUrl& ddeBrowsers) {
  ddeBrowsers.RefreshPages();
  WebPages pages = ddeBrowsers.Pages();

  // Every Chrome window's texts go into one list; its first line is taken
  // as the title and its second as the address, so one page is reported.
  std::vector<std::wstring> lines;
  for (platform::WindowHandle window : platform.windowTree.TopLevelWindows())
    if (platform.windowTree.ClassName(window) == kChromeFrameClass)
      ReadChromeWindow(platform.windowTree, window, lines);
  std::wstring address = lines.size() >= 2 ? lines[1] : L"";
  if (IsIgnoredUrl(platform.text, address)) return pages;
  const std::wstring folded = platform.text.Lower(address);
  if (!folded.starts_with(L"http://") && !folded.starts_with(L"https://")) address = L"http://" + address;
  pages.urls.push_back(std::move(address));
  pages.titles.push_back(lines[0]);
  return pages;
}

}  // namespace kalvora::capture
