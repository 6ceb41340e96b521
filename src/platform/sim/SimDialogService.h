#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/DialogService.h"

namespace kalvora::platform::sim {

struct MessageBoxRecord {
  WindowHandle owner = 0;
  std::wstring text;
  std::wstring caption;
  unsigned flags = 0;
};

// Dialogs answered by the test: the answerer may edit the dialog's state
// and returns whether the dialog was confirmed. Without one every dialog is
// cancelled. Every dialog and message box shown is recorded in order.
class SimDialogService final : public DialogService {
 public:
  using DialogAnswerer = std::function<bool(DialogState&)>;
  using MessageBoxAnswerer = std::function<int(const MessageBoxRecord&)>;

  bool ShowModal(WindowHandle owner, DialogState& state) override;
  int ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption, unsigned flags) override;

  void AnswerDialogs(DialogAnswerer answerer) { dialogAnswerer_ = std::move(answerer); }
  // Every message box gets this answer (IdOk unless told otherwise).
  void SetMessageBoxAnswer(int answer);
  void AnswerMessageBoxes(MessageBoxAnswerer answerer) { boxAnswerer_ = std::move(answerer); }

  // DialogName() of every dialog shown, in order.
  const std::vector<std::wstring>& ShownDialogs() const { return shownDialogs_; }
  const std::vector<WindowHandle>& DialogOwners() const { return dialogOwners_; }
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }

 private:
  DialogAnswerer dialogAnswerer_;
  MessageBoxAnswerer boxAnswerer_;
  std::vector<std::wstring> shownDialogs_;
  std::vector<WindowHandle> dialogOwners_;
  std::vector<MessageBoxRecord> messageBoxes_;
};

}  // namespace kalvora::platform::sim
