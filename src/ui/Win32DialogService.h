#pragma once
#include "platform/DialogService.h"

namespace kalvora::ui {

// Modal dialogs and message boxes on the real system.
class Win32DialogService : public platform::DialogService {
 public:
  bool ShowModal(platform::WindowHandle owner, platform::DialogState& state) override;
  int ShowMessageBox(platform::WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                 unsigned flags) override;
};

}  // namespace kalvora::ui
