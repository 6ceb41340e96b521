#include "platform/win32/Win32MessagePump.h"

#include <windows.h>

namespace kalvora::platform::win32 {

void Win32MessagePump::ProcessMessages() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The quit belongs to the main loop further out: hand it back.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

}  // namespace kalvora::platform::win32
