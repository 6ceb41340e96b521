#include "records/TreeStateFile.h"

#include "common/WideText.h"

namespace kalvora::records {

std::string EncodeTreeStateLines(const std::vector<std::wstring>& lines) {
  std::string bytes = "\xFF\xFE";
  auto put = [&](wchar_t c) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
  };
  for (const std::wstring& line : lines) {
    for (wchar_t c : line) put(c);
    put(L'\r');
    put(L'\n');
  }
  return bytes;
}

std::vector<std::wstring> DecodeTextLines(std::string_view bytes, platform::SystemText& text) {
  std::wstring content;
  auto utf16 = [&](std::size_t start, bool littleEndian) {
    for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
      const auto lo = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
      const auto hi = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
      content.push_back(static_cast<wchar_t>(lo | (hi << 8)));
    }
  };
  if (bytes.substr(0, 2) == "\xFF\xFE")
    utf16(2, true);
  else if (bytes.substr(0, 2) == "\xFE\xFF")
    utf16(2, false);
  else if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
    content = text::Utf8ToWide(bytes.substr(3));
  else
    content = text.FromAnsi(bytes);

  std::vector<std::wstring> lines;
  std::wstring line;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const wchar_t c = content[i];
    if (c == L'\r' || c == L'\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == L'\r' && i + 1 < content.size() && content[i + 1] == L'\n') ++i;
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace kalvora::records
