#pragma once
#include <string>

#include "platform/Platform.h"

namespace kalvora::places {

// Answers of OpenNamedLocation.
inline constexpr int kOrdinaryItem = 0;      // hand the path to the launcher
inline constexpr int kNamedLocation = 1;     // a shell place; opened when perform is set
inline constexpr int kRewrittenLocation = 2; // a shell place whose text or path was rewritten

// Recognises items that stand for a shell place (My Computer, Control Panel
// and its pages, the Recycle Bin, the photo viewer, ...) by their text and
// the program that showed them, and opens the place when perform is set.
// Without perform nothing is started, but text and path are rewritten all
// the same, so classifying callers see what an opening caller would.
int OpenNamedLocation(const platform::Platform& platform, std::wstring& text, std::wstring& path, bool perform,
                      platform::WindowHandle owner = 0);

}  // namespace kalvora::places
