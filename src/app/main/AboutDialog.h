#pragma once
#include <string>

#include "platform/DialogService.h"

namespace kalvora::app {

// The About box: product, version, a link to the web site and "&OK".
class TAboutBox : public platform::DialogState {
 public:
  std::wstring DialogName() const override { return L"TAboutBox"; }
  std::wstring Caption() const { return L"About Kalvora"; }
  std::wstring ProductLine() const;  // "Kalvora 2.1"
  std::wstring VersionLine() const;  // "Version : 2.1.12.156"
  std::wstring Link() const;         // the product's web site
  static constexpr const wchar_t* OkText = L"&OK";
};

}  // namespace kalvora::app
