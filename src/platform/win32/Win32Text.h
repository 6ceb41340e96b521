#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/WindowHandle.h"

namespace kalvora::platform::win32 {

inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// The system's message for an error code, UTF-8, without the trailing line
// break; "error N" when the system has no text for it.
std::string SystemMessage(DWORD code);

// Text or nullptr for an empty string, for the APIs where nullptr means "none".
inline const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace kalvora::platform::win32
