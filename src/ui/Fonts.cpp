#include "ui/Fonts.h"

namespace kalvora::ui {

namespace {
int ScreenDpi() {
  const platform::win32::OwnedWindowDc screen(::GetDC(nullptr), platform::win32::WindowDcTraits{nullptr});
  const int dpi = screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
  return dpi > 0 ? dpi : 96;
}
}  // namespace

int PointsToHeight(int points) { return -::MulDiv(points, ScreenDpi(), 72); }

int ScaleForDpi(int pixels) { return ::MulDiv(pixels, ScreenDpi(), 96); }

Font MakeArial(int points, bool bold) {
  LOGFONTW description = {};
  description.lfHeight = PointsToHeight(points);
  description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(description.lfFaceName, L"Arial", LF_FACESIZE);
  return Font(::CreateFontIndirectW(&description));
}

Font MakeBoldOf(HFONT font) {
  LOGFONTW description = {};
  if (!font || ::GetObjectW(font, sizeof description, &description) == 0)
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof description, &description);
  description.lfWeight = FW_BOLD;
  return Font(::CreateFontIndirectW(&description));
}

}  // namespace kalvora::ui
