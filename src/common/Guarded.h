#pragma once

namespace kalvora {

// Runs one step whose failure must not stop the caller: nothing here is
// ever reported to the user, the next step still runs.
template <typename Step>
void Guarded(Step&& step) {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace kalvora
