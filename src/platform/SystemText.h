#pragma once
#include <string>
#include <string_view>

namespace kalvora::platform {

// The system's text rules: the ANSI code page at the boundaries that use
// 8-bit text, and Unicode letter-case mapping.
class SystemText {
 public:
  virtual ~SystemText() = default;
  // Characters the code page lacks become its default character ('?').
  virtual std::string ToAnsi(std::wstring_view text) = 0;
  virtual std::wstring FromAnsi(std::string_view bytes) = 0;
  virtual std::wstring Upper(std::wstring_view text) = 0;
  virtual std::wstring Lower(std::wstring_view text) = 0;
};

}  // namespace kalvora::platform
