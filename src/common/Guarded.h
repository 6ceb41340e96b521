#pragma once
#include <string_view>

#include "common/DeveloperLog.h"

namespace kalvora {

// Runs one step whose failure must not stop the caller: the user is never
// told, the next step still runs, and the developer sink learns the site
// and what was thrown. A site is a short literal, "Owner.Step".
template <typename Step>
void Guarded(std::wstring_view site, Step&& step) noexcept {
  try {
    step();
  } catch (...) {
    ReportCaughtException(site);
  }
}

// The same for a step with a result: a failed step gives the fallback.
// Window and dialog procedures use it, as nothing may unwind through them.
template <typename Result, typename Step>
Result GuardedOr(std::wstring_view site, Result fallback, Step&& step) noexcept {
  try {
    return step();
  } catch (...) {
    ReportCaughtException(site);
    return fallback;
  }
}

}  // namespace kalvora
