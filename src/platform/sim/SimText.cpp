#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {

wchar_t FoldChar(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
  // Latin-1 capitals, leaving out the multiplication sign.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
  return c;
}

std::wstring Fold(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out) c = FoldChar(c);
  return out;
}

bool EqualsFolded(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldChar(a[i]) != FoldChar(b[i])) return false;
  return true;
}

std::string ToAnsi(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) out.push_back(static_cast<unsigned>(c) <= 0xFF ? static_cast<char>(c) : '?');
  return out;
}

std::wstring FromAnsi(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  for (char b : bytes) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(b)));
  return out;
}

std::string ToUtf16Le(std::wstring_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (wchar_t c : text) {
    // wchar_t is 32 bits on Linux: characters beyond the BMP become a surrogate pair.
    auto unit = [&out](unsigned u) {
      out.push_back(static_cast<char>(u & 0xFF));
      out.push_back(static_cast<char>((u >> 8) & 0xFF));
    };
    auto code = static_cast<unsigned long>(c);
    if (code > 0xFFFF && code <= 0x10FFFF) {
      code -= 0x10000;
      unit(0xD800 + static_cast<unsigned>(code >> 10));
      unit(0xDC00 + static_cast<unsigned>(code & 0x3FF));
    } else {
      unit(static_cast<unsigned>(code & 0xFFFF));
    }
  }
  return out;
}

std::wstring FromUtf16Le(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    unsigned u = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
    if constexpr (sizeof(wchar_t) > 2) {
      if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
        unsigned lo = static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
        if (lo >= 0xDC00 && lo < 0xE000) {
          out.push_back(static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00)));
          i += 2;
          continue;
        }
      }
    }
    out.push_back(static_cast<wchar_t>(u));
  }
  return out;
}

}  // namespace kalvora::platform::sim
