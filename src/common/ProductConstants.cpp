#include "common/ProductConstants.h"

#include <cstdio>

namespace kalvora {

std::wstring MainWindowCaption() {
  char version[32];
  std::snprintf(version, sizeof version, "%1.1f", static_cast<double>(ProductVersion));
  std::wstring caption = ProductName;
  caption += L' ';
  for (const char* c = version; *c; ++c) caption += static_cast<wchar_t>(*c);
  return caption;
}

}  // namespace kalvora
