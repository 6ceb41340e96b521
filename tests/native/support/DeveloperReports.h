#pragma once
#include <ostream>

#include "common/WideText.h"
#include "platform/sim/SimDeveloperLog.h"

namespace kalvora::platform::sim {

// Lets a failed comparison show the reports in words.
inline void PrintTo(const DeveloperReport& report, std::ostream* out) {
  *out << '{' << text::WideToUtf8(report.site) << ": " << text::WideToUtf8(report.what) << '}';
}

}  // namespace kalvora::platform::sim
