#pragma once
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SystemText.h"

namespace kalvora::records {

// The lines of a tree-state file: UTF-16 little-endian with a byte-order
// mark, every line ended by CR LF.
std::string EncodeTreeStateLines(const std::vector<std::wstring>& lines);
// Lines of a text file whose encoding its byte-order mark tells (UTF-16
// little- or big-endian, UTF-8), else the ANSI code page. A last line
// without its line end counts; the line end after it adds no empty line.
// Reading stops after maxLines lines: the rest is neither converted nor kept.
std::vector<std::wstring> DecodeTextLines(std::string_view bytes, platform::SystemText& text,
                                          std::size_t maxLines = std::numeric_limits<std::size_t>::max());

}  // namespace kalvora::records
