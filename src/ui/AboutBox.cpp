#include "ui/AboutBox.h"

#include <commctrl.h>
#include <shellapi.h>

#include "common/Guarded.h"
#include "common/ProductConstants.h"
#include "ui/DialogPlacement.h"
#include "ui/DialogTemplate.h"
#include "ui/Fonts.h"
#include "ui/ResourceIds.h"

namespace kalvora::ui {

namespace {
enum ControlId : WORD { IdIcon = 101, IdProduct, IdVersion, IdLink };

// What the dialog needs while it is open.
struct AboutBoxContext {
  const app::TAboutBox& state;
  Font productFont;
};

std::wstring LinkMarkup(const std::wstring& link) { return L"<a href=\"" + link + L"\">" + link + L"</a>"; }

DialogTemplate BuildTemplate(const app::TAboutBox& state) {
  DialogTemplate dialog(state.Caption(), 212, 92);
  dialog.AddControl(L"Static", L"", IdIcon, SS_ICON, 12, 12, 21, 20);
  dialog.AddControl(L"Static", state.ProductLine(), IdProduct, SS_LEFT | SS_NOPREFIX, 44, 12, 160, 12);
  dialog.AddControl(L"Static", state.VersionLine(), IdVersion, SS_LEFT | SS_NOPREFIX, 44, 27, 160, 9);
  dialog.AddControl(WC_LINK, LinkMarkup(state.Link()), IdLink, WS_TABSTOP, 44, 41, 160, 10);
  dialog.AddControl(L"Static", L"", 0, SS_ETCHEDHORZ, 7, 62, 198, 1);
  dialog.AddControl(L"Button", app::TAboutBox::OkText, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 151, 70, 54, 15);
  return dialog;
}

void Initialise(HWND dialog, AboutBoxContext& context) {
  HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_KALVORA));
  if (!icon) icon = ::LoadIconW(nullptr, IDI_APPLICATION);
  ::SendDlgItemMessageW(dialog, IdIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  HWND product = ::GetDlgItem(dialog, IdProduct);
  context.productFont = MakeBoldOf(reinterpret_cast<HFONT>(::SendMessageW(product, WM_GETFONT, 0, 0)));
  ::SendMessageW(product, WM_SETFONT, reinterpret_cast<WPARAM>(context.productFont.Get()), FALSE);
  PlaceModalDialog(dialog);
  ::SetFocus(::GetDlgItem(dialog, IDOK));
}

void OpenLink(HWND dialog, const std::wstring& link) {
  ::ShellExecuteW(dialog, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

INT_PTR CALLBACK AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedOr<INT_PTR>(L"AboutBox.DialogProc", FALSE, [&]() -> INT_PTR {
    auto* context = reinterpret_cast<AboutBoxContext*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
      case WM_INITDIALOG:
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Initialise(dialog, *reinterpret_cast<AboutBoxContext*>(lParam));
        return FALSE;  // the focus is set
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (context && header->idFrom == IdLink && (header->code == NM_CLICK || header->code == NM_RETURN)) {
          OpenLink(dialog, context->state.Link());
          return TRUE;
        }
        return FALSE;
      }
      case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
          ::EndDialog(dialog, LOWORD(wParam));
          return TRUE;
        }
        return FALSE;
      case WM_CLOSE:
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
  });
}
}  // namespace

void ShowAboutBox(HWND owner, const app::TAboutBox& state) {
  const DialogTemplate dialog = BuildTemplate(state);
  AboutBoxContext context{state, {}};
  ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(), owner, AboutBoxProc,
                            reinterpret_cast<LPARAM>(&context));
}

}  // namespace kalvora::ui
