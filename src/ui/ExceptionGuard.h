#pragma once

namespace kalvora::ui {

// Window and dialog procedures are called from system code that an exception
// must never unwind through. Whatever reaches one of them is dropped there:
// a failed command must not take the whole program down.
template <typename Result, typename Body>
Result DiscardingExceptions(Result fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

}  // namespace kalvora::ui
