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

std::vector<std::wstring> DecodeTextLines(std::string_view bytes, platform::SystemText& text, std::size_t maxLines) {
  std::vector<std::wstring> lines;
  std::wstring line;
  bool afterCr = false;
  // Takes the characters one by one; false once maxLines lines are complete.
  auto take = [&](wchar_t c) {
    if (afterCr && c == L'\n') {
      afterCr = false;
      return true;
    }
    afterCr = c == L'\r';
    if (c == L'\r' || c == L'\n') {
      lines.push_back(std::move(line));
      line.clear();
      return lines.size() < maxLines;
    }
    line.push_back(c);
    return true;
  };
  auto utf16 = [&](bool littleEndian) {
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
      const auto lo = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
      const auto hi = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
      if (!take(static_cast<wchar_t>(lo | (hi << 8)))) return;
    }
  };
  // UTF-8 and the ANSI code pages never use CR or LF inside a character, so
  // the lines past the last one wanted are cut off before converting.
  auto narrow = [&](std::string_view body, bool utf8) {
    std::size_t ends = 0, cut = body.size();
    for (std::size_t i = 0; i < body.size() && maxLines != 0; ++i) {
      if (body[i] != '\r' && body[i] != '\n') continue;
      if (body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n') ++i;
      if (++ends == maxLines) {
        cut = i + 1;
        break;
      }
    }
    for (wchar_t c : utf8 ? text::Utf8ToWide(body.substr(0, cut)) : text.FromAnsi(body.substr(0, cut)))
      if (!take(c)) return;
  };
  if (maxLines == 0) return lines;
  if (bytes.substr(0, 2) == "\xFF\xFE")
    utf16(true);
  else if (bytes.substr(0, 2) == "\xFE\xFF")
    utf16(false);
  else if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
    narrow(bytes.substr(3), true);
  else
    narrow(bytes, false);
  if (!line.empty() && lines.size() < maxLines) lines.push_back(std::move(line));
  return lines;
}

}  // namespace kalvora::records
