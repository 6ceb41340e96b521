#pragma once
#include <windows.h>

#include "app/main/AboutDialog.h"

namespace kalvora::ui {

// The About box: product, version and a link that opens the web site.
void ShowAboutBox(HWND owner, const app::TAboutBox& state);

}  // namespace kalvora::ui
