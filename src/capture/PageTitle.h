#pragma once
#include <string>

#include "platform/Platform.h"

namespace kalvora::capture {

// Only the first read of a page is searched for its title.
inline constexpr std::size_t kPageTitleReadBytes = 65536;

// The text between "<title>" and "</title>" in the first 64 KiB of the
// page, read as ANSI text; "" when the page cannot be read, has no title
// there or the title does not end there. Blocks while it downloads.
std::wstring FetchPageTitle(const platform::Platform& platform, const std::wstring& url);

}  // namespace kalvora::capture
