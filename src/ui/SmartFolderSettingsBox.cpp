#include "ui/SmartFolderSettingsBox.h"

#include <commctrl.h>

#include "common/Guarded.h"
#include "ui/DialogPlacement.h"
#include "ui/DialogTemplate.h"

namespace kalvora::ui {

namespace {
using settings::TFrmSmartFolderSetting;

enum ControlId : WORD {
  IdRealTimeRecFolder = 101,
  IdRefreshRecentFolder,
  IdRefreshTrackBar,
  IdRefreshLabel,
  IdNotShowAgain,
};

constexpr DWORD CheckBoxStyle = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr int TrackBarTickStep = 5;

DialogTemplate BuildTemplate() {
  DialogTemplate dialog(TFrmSmartFolderSetting::Caption, 252, 124);
  dialog.AddControl(L"Button", L"Folders", 0, BS_GROUPBOX, 7, 5, 238, 84);
  dialog.AddControl(L"Button", TFrmSmartFolderSetting::RealTimeRecFolderText, IdRealTimeRecFolder, CheckBoxStyle, 16,
                    19, 222, 10);
  dialog.AddControl(L"Button", TFrmSmartFolderSetting::RefreshRecentFolderText, IdRefreshRecentFolder,
                    CheckBoxStyle, 16, 35, 222, 10);
  dialog.AddControl(L"Static", L"", IdRefreshLabel, SS_LEFT | SS_NOPREFIX, 28, 52, 200, 9);
  dialog.AddControl(TRACKBAR_CLASSW, L"", IdRefreshTrackBar, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP, 22,
                    63, 212, 20);
  dialog.AddControl(L"Button", TFrmSmartFolderSetting::NotShowAgainText, IdNotShowAgain, CheckBoxStyle, 9, 103, 110,
                    10);
  dialog.AddControl(L"Button", TFrmSmartFolderSetting::ConfirmText, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 133, 100,
                    54, 15);
  dialog.AddControl(L"Button", TFrmSmartFolderSetting::CancelText, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 191, 100,
                    54, 15);
  return dialog;
}

TFrmSmartFolderSetting& StateOf(HWND dialog) {
  return *reinterpret_cast<TFrmSmartFolderSetting*>(::GetWindowLongPtrW(dialog, DWLP_USER));
}

bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void ShowLabel(HWND dialog, const TFrmSmartFolderSetting& state) {
  ::SetDlgItemTextW(dialog, IdRefreshLabel, state.Label1Text().c_str());
}

void ReadTrackBar(HWND dialog, TFrmSmartFolderSetting& state) {
  const auto position = ::SendDlgItemMessageW(dialog, IdRefreshTrackBar, TBM_GETPOS, 0, 0);
  state.TrackBarRefreshRecentFolder.SetPosition(static_cast<int>(position));
  ShowLabel(dialog, state);
}

void ReadAllControls(HWND dialog, TFrmSmartFolderSetting& state) {
  state.CbRealTimeRecFolder = IsChecked(dialog, IdRealTimeRecFolder);
  state.CbRefreshRecentFolder = IsChecked(dialog, IdRefreshRecentFolder);
  state.CbNotShowAgain = IsChecked(dialog, IdNotShowAgain);
  ReadTrackBar(dialog, state);
}

void Initialise(HWND dialog, TFrmSmartFolderSetting& state) {
  ::CheckDlgButton(dialog, IdRealTimeRecFolder, state.CbRealTimeRecFolder ? BST_CHECKED : BST_UNCHECKED);
  ::CheckDlgButton(dialog, IdRefreshRecentFolder, state.CbRefreshRecentFolder ? BST_CHECKED : BST_UNCHECKED);
  ::CheckDlgButton(dialog, IdNotShowAgain, state.CbNotShowAgain ? BST_CHECKED : BST_UNCHECKED);
  const auto& trackBar = state.TrackBarRefreshRecentFolder;
  HWND track = ::GetDlgItem(dialog, IdRefreshTrackBar);
  ::SendMessageW(track, TBM_SETRANGEMIN, FALSE, trackBar.Min());
  ::SendMessageW(track, TBM_SETRANGEMAX, FALSE, trackBar.Max());
  ::SendMessageW(track, TBM_SETTICFREQ, TrackBarTickStep, 0);
  ::SendMessageW(track, TBM_SETPAGESIZE, 0, TrackBarTickStep);
  ::SendMessageW(track, TBM_SETPOS, TRUE, trackBar.Position());
  ShowLabel(dialog, state);
  PlaceModalDialog(dialog);
}

void Finish(HWND dialog, bool confirmed) {
  ReadAllControls(dialog, StateOf(dialog));
  ::EndDialog(dialog, confirmed ? IDOK : IDCANCEL);
}

INT_PTR CALLBACK SmartFolderSettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedOr<INT_PTR>(L"SmartFolderSettingsBox.DialogProc", FALSE, [&]() -> INT_PTR {
    switch (message) {
      case WM_INITDIALOG:
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Initialise(dialog, StateOf(dialog));
        return TRUE;
      case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == ::GetDlgItem(dialog, IdRefreshTrackBar)) {
          ReadTrackBar(dialog, StateOf(dialog));
          return TRUE;
        }
        return FALSE;
      case WM_COMMAND:
        switch (LOWORD(wParam)) {
          case IdRealTimeRecFolder:
          case IdRefreshRecentFolder:
          case IdNotShowAgain:
            if (HIWORD(wParam) == BN_CLICKED) ReadAllControls(dialog, StateOf(dialog));
            return TRUE;
          case IDOK:
            Finish(dialog, true);
            return TRUE;
          case IDCANCEL:
            Finish(dialog, false);
            return TRUE;
        }
        return FALSE;
      case WM_CLOSE:
        Finish(dialog, false);
        return TRUE;
    }
    return FALSE;
  });
}
}  // namespace

bool ShowSmartFolderSettings(HWND owner, settings::TFrmSmartFolderSetting& state) {
  const DialogTemplate dialog = BuildTemplate();
  const INT_PTR result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(), owner,
                                                   SmartFolderSettingsProc, reinterpret_cast<LPARAM>(&state));
  return result == IDOK;
}

}  // namespace kalvora::ui
