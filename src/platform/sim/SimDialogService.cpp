#include "platform/sim/SimDialogService.h"

namespace kalvora::platform::sim {

bool SimDialogService::ShowModal(WindowHandle owner, DialogState& state) {
  shownDialogs_.push_back(state.DialogName());
  dialogOwners_.push_back(owner);
  return dialogAnswerer_ ? dialogAnswerer_(state) : false;
}

int SimDialogService::ShowMessageBox(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                                 unsigned flags) {
  messageBoxes_.push_back(MessageBoxRecord{owner, text, caption, flags});
  return boxAnswerer_ ? boxAnswerer_(messageBoxes_.back()) : IdOk;
}

void SimDialogService::SetMessageBoxAnswer(int answer) {
  boxAnswerer_ = [answer](const MessageBoxRecord&) { return answer; };
}

}  // namespace kalvora::platform::sim
