#include "ui/Win32MainWindowHost.h"

#include <windows.h>

#include "app/main/TRevistoWindow.h"
#include "common/Guarded.h"
#include "ui/MainWindow.h"

namespace kalvora::ui {

namespace {
constexpr int WindowCreationFailed = 1;

int RunMessageLoop(MainWindow& window) {
  MSG message = {};
  for (;;) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return WindowCreationFailed;
    // A failed command or timer step must not end the program.
    Guarded(L"Win32MainWindowHost.RunMessageLoop", [&] {
      if (window.TranslateShortcut(message)) return;
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    });
  }
}

// Detaches the logic from the window on the way out, whatever happens, so
// that no late message reaches a logic object that is gone.
class AttachedLogic {
 public:
  AttachedLogic(MainWindow& window, app::TRevistoWindow& logic) : window_(window) { window_.Attach(&logic); }
  ~AttachedLogic() {
    window_.Destroy();
    window_.Attach(nullptr);
  }
  AttachedLogic(const AttachedLogic&) = delete;
  AttachedLogic& operator=(const AttachedLogic&) = delete;

 private:
  MainWindow& window_;
};
}  // namespace

int Win32MainWindowHost::Run(app::MainWindowContext& context, app::InstanceSlot& slot) {
  MainWindow window;
  if (!window.Create()) return WindowCreationFailed;
  slot.SetOwnerWindow(window.Handle());

  app::TRevistoWindow logic(context, window);
  AttachedLogic attached(window, logic);
  logic.FormCreate();
  if (!window.Hwnd()) return 0;  // closed while it was being set up
  window.Show();
  return RunMessageLoop(window);
}

}  // namespace kalvora::ui
