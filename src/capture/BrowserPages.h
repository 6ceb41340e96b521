#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace kalvora::capture {

// Addresses with their titles, same length, same order.
struct WebPages {
  std::vector<std::wstring> urls;
  std::vector<std::wstring> titles;
};

// Empty, a bare scheme, or one of the browsers' own blank pages.
bool IsIgnoredUrl(platform::SystemText& letters, const std::wstring& url);

// The pages of browsers that answer the old DDE window-info interface, one
// per browser. Kept for the life of the program so that its DDE client
// instance is made once.
class TWebbrowserActiveUrl {
 public:
  TWebbrowserActiveUrl(platform::DdeClient& dde, platform::SystemText& text) : dde_(dde), text_(text) {}

  // Asks each browser service in turn and keeps the pages worth listing.
  void RefreshPages();
  // The address and title a service reports; both empty when it does not
  // answer or its reply has no address.
  std::pair<std::wstring, std::wstring> QueryDdeBrowser(const std::wstring& service);
  const WebPages& Pages() const { return pages_; }

 private:
  platform::DdeClient& dde_;
  platform::SystemText& text_;
  WebPages pages_;
};

// The DDE browsers' pages, then the page whose address is in a Chrome
// window's address bar.
WebPages GetBrowserPages(const platform::Platform& platform, TWebbrowserActiveUrl& ddeBrowsers);

}  // namespace kalvora::capture
