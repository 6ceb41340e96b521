// kalvora.exe: the program entry on Windows.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "common/DeveloperLog.h"
#include "common/ProductConstants.h"
#include "app/entry/ProgramMain.h"
#include "common/WideText.h"
#include "platform/SharedMemory.h"
#include "platform/win32/Win32Platform.h"
#include "ui/Win32DialogService.h"
#include "ui/Win32MainWindowHost.h"

namespace {
constexpr int StartFailed = 1;

void RegisterCommonControls() {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES |
                   ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES | ICC_LINK_CLASS;
  ::InitCommonControlsEx(&controls);
}

int ReportStartFailure(const char* utf8Message) {
  const std::wstring text = kalvora::text::Utf8ToWide(utf8Message);
  ::MessageBoxW(nullptr, text.c_str(), kalvora::ProductName, MB_OK | MB_ICONERROR);
  return StartFailed;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  RegisterCommonControls();
  kalvora::platform::win32::Win32Platform system;
  kalvora::ui::Win32DialogService dialogs;
  kalvora::platform::Platform platform = system.Services(dialogs);
  kalvora::ui::Win32MainWindowHost host;
  // A second start's hand-over is not built yet: the base class does nothing.
  kalvora::app::SecondStartHandOff handOff;
  try {
    return kalvora::app::ProgramMain(platform, host, handOff).exitCode;
  } catch (const kalvora::platform::SystemError& error) {
    // The system refused the instance slot; its own words say why.
    kalvora::ReportCaughtException(L"WinMain.ProgramMain");
    return ReportStartFailure(error.what());
  } catch (const std::exception& error) {
    kalvora::ReportCaughtException(L"WinMain.ProgramMain");
    return ReportStartFailure(error.what());
  } catch (...) {
    kalvora::ReportCaughtException(L"WinMain.ProgramMain");
    return StartFailed;
  }
}
