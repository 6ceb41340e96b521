#include "app/main/AboutDialog.h"

#include "common/ProductConstants.h"

namespace kalvora::app {

std::wstring TAboutBox::ProductLine() const { return MainWindowCaption(); }
std::wstring TAboutBox::VersionLine() const { return std::wstring(L"Version : ") + ProductFullVersion; }
std::wstring TAboutBox::Link() const { return ProductHomePage; }

}  // namespace kalvora::app
