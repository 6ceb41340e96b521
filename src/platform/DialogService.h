#pragma once
#include <string>

#include "platform/WindowHandle.h"

namespace kalvora::platform {

// The state object behind one modal dialog. The dialog shows and edits it;
// the caller reads it back once the dialog has closed.
class DialogState {
 public:
  virtual ~DialogState() = default;
  // The dialog's class name, e.g. "TFrmSmartFolderSetting".
  virtual std::wstring DialogName() const = 0;
};

// Message-box flags and answers (the system's MB_ and ID values).
enum MessageBoxFlags : unsigned { MbOk = 0x0, MbOkCancel = 0x1, MbYesNo = 0x4, MbIconQuestion = 0x20,
                                  MbIconInformation = 0x40, MbIconWarning = 0x30 };
enum MessageBoxAnswer : int { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

// Modal dialogs and message boxes.
class DialogService {
 public:
  virtual ~DialogService() = default;
  // Shows the dialog for the state modally; true when it was confirmed.
  virtual bool ShowModal(WindowHandle owner, DialogState& state) = 0;
  virtual int ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                         unsigned flags) = 0;
};

}  // namespace kalvora::platform
