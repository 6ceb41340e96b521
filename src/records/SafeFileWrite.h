#pragma once
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace kalvora::records {

// Writes the whole file through a temporary file beside it that is then
// moved over the old one, so a failed or interrupted write leaves the old
// file as it was. False when nothing was replaced.
bool WriteFileSafely(platform::FileSystem& files, const std::wstring& path, std::string_view bytes);

}  // namespace kalvora::records
