#include "common/DeveloperLog.h"

#include <exception>

#include "common/ProductConstants.h"
#include "common/WideText.h"

namespace kalvora {

namespace {
DeveloperSink* installed = nullptr;
}  // namespace

DeveloperSink* InstallDeveloperSink(DeveloperSink* sink) noexcept {
  DeveloperSink* previous = installed;
  installed = sink;
  return previous;
}

void ReportToDeveloper(std::wstring_view site, std::wstring_view what) noexcept {
  if (!installed) return;
  try {
    installed->Report(site, what);
  } catch (...) {
    // The sink itself failed; there is nowhere left to tell.
  }
}

void ReportCaughtException(std::wstring_view site) noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& error) {
      // what() is UTF-8 throughout the program.
      ReportToDeveloper(site, text::Utf8ToWide(error.what()));
    } catch (...) {
      ReportToDeveloper(site, L"unknown exception");
    }
  } catch (...) {
    // No memory left for the message text.
  }
}

std::wstring DeveloperLine(std::wstring_view site, std::wstring_view what) {
  std::wstring line = ProductName;
  line += L": ";
  line += site;
  line += L": ";
  line += what;
  line += L'\n';
  return line;
}

}  // namespace kalvora
