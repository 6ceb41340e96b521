#include "platform/sim/SimProfileFiles.h"

#include <optional>
#include <vector>

#include "platform/sim/SimText.h"

// Behaviour checked under Wine 8 with GetPrivateProfileStringW and
// WritePrivateProfileStringW:
//  - sections and keys match ignoring case and surrounding blanks/tabs;
//    "[ B ]" is section "B"; the header name ends at the last ']'; a line
//    "[S" without ']' is not a header;
//  - the first of duplicate sections and the first of duplicate keys win,
//    for reads and for writes;
//  - a line without '=' is a key without a value: reading it gives the
//    default, writing it turns the line into "key=value";
//  - a ';' line never matches an ordinary key; "; trailing" after a value
//    is part of the value;
//  - a value loses one pair of matching quotes after trimming ("x" -> x,
//    "x"y" -> x"y, "' and a lone " stay);
//  - the default loses trailing blanks (' ' only) and, as Wine does, one
//    pair of surrounding quotes;
//  - a write trims the key and strips only leading blanks of the value; a
//    replaced line keeps the key's spelling from the file;
//    CR, LF and CR LF all end lines on read; the file is written with CR LF;
//  - a write whose folder is missing fails and creates nothing; a file
//    that starts with FF FE stays UTF-16LE; other text is ANSI, lossy.
//  - a key missing from an existing section goes after the section's last
//    non-blank line; a missing section is appended as "[section]" and
//    "key=value".
// Wine rewrites the whole file normalised (blank lines dropped, other lines
// re-spaced); Windows keeps the other lines as they are, and so do we.
// A value or key holding a line break or a key holding '=' is written as
// given, as both do: the callers must not pass such text.

namespace kalvora::platform::sim {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

std::wstring TrimBlanks(std::wstring_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return std::wstring(s.substr(b, e - b));
}

std::wstring StripQuotes(std::wstring s) {
  if (s.size() >= 2 && (s.front() == L'"' || s.front() == L'\'') && s.back() == s.front())
    return s.substr(1, s.size() - 2);
  return s;
}

struct ProfileText {
  std::vector<std::wstring> lines;
  bool utf16 = false;
};

ProfileText Decode(const std::string& bytes) {
  ProfileText text;
  std::wstring wide;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE) {
    text.utf16 = true;
    wide = FromUtf16Le(std::string_view(bytes).substr(2));
  } else {
    wide = FromAnsi(bytes);
  }
  std::wstring line;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wchar_t c = wide[i];
    if (c == L'\r' || c == L'\n') {
      text.lines.push_back(line);
      line.clear();
      if (c == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n') ++i;
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) text.lines.push_back(line);
  return text;
}

std::string Encode(const ProfileText& text) {
  std::wstring wide;
  for (const auto& line : text.lines) wide += line + L"\r\n";
  if (text.utf16) return std::string("\xFF\xFE", 2) + ToUtf16Le(wide);
  return ToAnsi(wide);
}

// A section header's name, or nullopt when the line is no header.
std::optional<std::wstring> HeaderName(const std::wstring& line) {
  std::wstring t = TrimBlanks(line);
  if (t.empty() || t[0] != L'[') return std::nullopt;
  auto close = t.rfind(L']');
  if (close == std::wstring::npos || close == 0) return std::nullopt;
  return TrimBlanks(std::wstring_view(t).substr(1, close - 1));
}

struct KeyLine {
  std::wstring name;
  std::optional<std::wstring> value;  // nullopt for a line without '='
};

std::optional<KeyLine> ParseKeyLine(const std::wstring& line) {
  std::wstring t = TrimBlanks(line);
  if (t.empty() || t[0] == L';') return std::nullopt;
  auto eq = t.find(L'=');
  if (eq == std::wstring::npos) return KeyLine{t, std::nullopt};
  return KeyLine{TrimBlanks(std::wstring_view(t).substr(0, eq)), TrimBlanks(std::wstring_view(t).substr(eq + 1))};
}

// Where a section lives in the lines: its body runs from bodyBegin to end.
struct SectionSpan {
  std::size_t bodyBegin = 0;
  std::size_t end = 0;
};

// Lines before the first header form the section with the empty name.
std::optional<SectionSpan> FindSection(const std::vector<std::wstring>& lines, const std::wstring& section) {
  std::optional<SectionSpan> found;
  bool inside = section.empty();
  if (inside) found = SectionSpan{0, lines.size()};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto name = HeaderName(lines[i]);
    if (!name) continue;
    if (inside) {
      found->end = i;
      return found;
    }
    if (EqualsFolded(*name, section)) {
      inside = true;
      found = SectionSpan{i + 1, lines.size()};
    }
  }
  return found;
}

std::optional<std::size_t> FindKey(const std::vector<std::wstring>& lines, SectionSpan span, const std::wstring& key) {
  for (std::size_t i = span.bodyBegin; i < span.end; ++i) {
    auto parsed = ParseKeyLine(lines[i]);
    if (parsed && EqualsFolded(parsed->name, key)) return i;
  }
  return std::nullopt;
}

std::wstring DefaultResult(const std::wstring& defaultValue) {
  std::wstring d = defaultValue;
  while (!d.empty() && d.back() == L' ') d.pop_back();
  return StripQuotes(d);
}

}  // namespace

std::wstring SimProfileFiles::ReadString(const std::wstring& file, const std::wstring& section,
                                         const std::wstring& key, const std::wstring& defaultValue) {
  auto bytes = files_.ReadFile(file);
  if (!bytes) return DefaultResult(defaultValue);
  ProfileText text = Decode(*bytes);
  auto span = FindSection(text.lines, TrimBlanks(section));
  if (!span) return DefaultResult(defaultValue);
  auto at = FindKey(text.lines, *span, TrimBlanks(key));
  if (!at) return DefaultResult(defaultValue);
  auto parsed = ParseKeyLine(text.lines[*at]);
  if (!parsed->value) return DefaultResult(defaultValue);
  return StripQuotes(*parsed->value);
}

bool SimProfileFiles::WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                  const std::wstring& value) {
  auto bytes = files_.ReadFile(file);
  ProfileText text = bytes ? Decode(*bytes) : ProfileText{};
  std::wstring sectionName = TrimBlanks(section);
  std::wstring keyName = TrimBlanks(key);
  std::size_t firstKept = 0;
  while (firstKept < value.size() && IsBlank(value[firstKept])) ++firstKept;
  std::wstring line = keyName + L"=" + value.substr(firstKept);

  auto span = FindSection(text.lines, sectionName);
  if (!span) {
    text.lines.push_back(L"[" + sectionName + L"]");
    text.lines.push_back(line);
  } else if (auto at = FindKey(text.lines, *span, keyName)) {
    // The key keeps the spelling it has in the file.
    text.lines[*at] = ParseKeyLine(text.lines[*at])->name + line.substr(keyName.size());
  } else {
    std::size_t insertAt = span->end;
    while (insertAt > span->bodyBegin && TrimBlanks(text.lines[insertAt - 1]).empty()) --insertAt;
    text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
  }
  // WriteFile refuses a missing or unwritable folder, so nothing is created then.
  return files_.WriteFile(file, Encode(text));
}

}  // namespace kalvora::platform::sim
