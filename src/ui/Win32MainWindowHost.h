#pragma once
#include "app/entry/ProgramMain.h"

namespace kalvora::ui {

// Creates the main window hidden, lets the window logic set it up (the
// first-start dialog may come up before the window shows), shows it and runs
// the message loop until it closes.
class Win32MainWindowHost : public app::MainWindowHost {
 public:
  int Run(app::MainWindowContext& context, app::InstanceSlot& slot) override;
};

}  // namespace kalvora::ui
