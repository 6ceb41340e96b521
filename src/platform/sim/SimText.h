#pragma once
#include <string>
#include <string_view>

// Text helpers shared by the simulated services.
namespace kalvora::platform::sim {

// Folds letter case the way the simulated Windows compares names: ASCII and
// the Latin-1 letters. Enough for paths, profile sections and keys in tests.
wchar_t FoldChar(wchar_t c);
std::wstring Fold(std::wstring_view text);
bool EqualsFolded(std::wstring_view a, std::wstring_view b);

// The simulated ANSI code page: characters 0x00-0xFF map 1:1 to bytes,
// everything else becomes '?', as a lossy conversion to the code page does.
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view bytes);

// UTF-16LE bytes without a byte-order mark.
std::string ToUtf16Le(std::wstring_view text);
std::wstring FromUtf16Le(std::string_view bytes);

}  // namespace kalvora::platform::sim
