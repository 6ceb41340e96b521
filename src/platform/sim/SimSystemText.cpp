#include "platform/sim/SimSystemText.h"

#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {

std::string SimSystemText::ToAnsi(std::wstring_view text) { return sim::ToAnsi(text); }
std::wstring SimSystemText::FromAnsi(std::string_view bytes) { return sim::FromAnsi(bytes); }
std::wstring SimSystemText::Lower(std::wstring_view text) { return Fold(text); }

std::wstring SimSystemText::Upper(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
    // Latin-1 small letters, leaving out the division sign and sharp s.
    else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c = static_cast<wchar_t>(c - 32);
  }
  return out;
}

}  // namespace kalvora::platform::sim
