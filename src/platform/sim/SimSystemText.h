#pragma once
#include "platform/SystemText.h"

namespace kalvora::platform::sim {

// The simulated code page (Latin-1, others become '?') and case mapping
// (ASCII and the Latin-1 letters), as SimText defines them.
class SimSystemText final : public SystemText {
 public:
  std::string ToAnsi(std::wstring_view text) override;
  std::wstring FromAnsi(std::string_view bytes) override;
  std::wstring Upper(std::wstring_view text) override;
  std::wstring Lower(std::wstring_view text) override;
};

}  // namespace kalvora::platform::sim
