#include "capture/PageTitle.h"

#include "common/WideText.h"

namespace kalvora::capture {

std::wstring FetchPageTitle(const platform::Platform& platform, const std::wstring& url) {
  const std::optional<std::string> bytes = platform.internet.ReadFirstBytes(url, kPageTitleReadBytes);
  if (!bytes || bytes->empty()) return L"";
  const std::wstring page = platform.text.FromAnsi(*bytes);
  // Tags are matched ignoring case: "<TITLE>" pages end with "</TITLE>".
  const std::wstring folded = text::LowerAscii(page);
  const std::size_t open = folded.find(L"<title>");
  if (open == std::wstring::npos) return L"";
  const std::size_t start = open + 7;
  const std::size_t close = folded.find(L"</title>", start);
  if (close == std::wstring::npos) return L"";
  return page.substr(start, close - start);
}

}  // namespace kalvora::capture
