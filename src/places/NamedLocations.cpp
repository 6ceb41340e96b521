#include "places/NamedLocations.h"

#include "common/WideText.h"
#include "places/PhotoViewer.h"
#include "places/ShellOpeners.h"

namespace kalvora::places {

namespace {

bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

// After the last backslash or drive colon; a slash may be part of the
// arguments ("explorer.exe /e,"), so it does not end the folder part.
std::wstring FileNamePart(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\:");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

struct PlaceByText {
  const wchar_t* text;
  int csidl;
};

// Titles of the shell's own windows and the places they show.
constexpr PlaceByText kShellWindowPlaces[] = {
    {L"my computer", kCsidlDrives},       {L"computer", kCsidlDrives},      {L"windows explorer", kCsidlDrives},
    {L"control panel", kCsidlControls},   {L"recycle bin", kCsidlBitBucket}, {L"my network places", kCsidlNetwork},
    {L"network", kCsidlNetwork},          {L"printers and faxes", kCsidlPrinters},
};

// A window of the shell's host programs (Explorer, rundll32, the COM surrogate).
int ShellHostWindow(const platform::Platform& platform, std::wstring& text, std::wstring& path, bool perform,
                    platform::WindowHandle owner, const std::wstring& t) {
  for (const PlaceByText& place : kShellWindowPlaces) {
    if (t == place.text) {
      if (perform) OpenSpecialFolder(platform, place.csidl);
      return kNamedLocation;
    }
  }
  if (Contains(t, L"photo viewer") || Contains(t, L"picture and fax viewer")) {
    text = L"Windows Photo Viewer";
    path = L"Windows Photo Viewer";
    if (perform) OpenInPhotoViewer(platform, path, owner);
    return kRewrittenLocation;
  }
  if (IsPhotoViewerCommand(platform, path)) {
    if (perform) OpenInPhotoViewer(platform, path, owner);
    return kNamedLocation;
  }
  if (IsControlPanelPageName(platform, t)) {
    if (perform) OpenControlPanelPage(platform, text);
    path = text;
    return kRewrittenLocation;
  }
  return kOrdinaryItem;
}

}  // namespace

int OpenNamedLocation(const platform::Platform& platform, std::wstring& text, std::wstring& path, bool perform,
                      platform::WindowHandle owner) {
  const std::wstring t = platform.text.Lower(text::Trim(text));
  const std::wstring p = platform.text.Lower(text::Trim(path));
  const std::wstring e = FileNamePart(p);

  if (e.starts_with(L"explorer.exe") || e.starts_with(L"rundll32.exe") || e.starts_with(L"dllhost.exe"))
    return ShellHostWindow(platform, text, path, perform, owner, t);
  // A console window of the management console stands for the Control Panel
  // page of its title.
  if (Contains(p, L"\\windows\\system32\\mmc.exe")) {
    if (perform) OpenControlPanelPage(platform, text);
    return kNamedLocation;
  }
  // An item recorded with the page name as its path.
  if (t == p && IsControlPanelPageName(platform, t)) {
    if (perform) OpenControlPanelPage(platform, text);
    path = text;
    return kNamedLocation;
  }
  return kOrdinaryItem;
}

}  // namespace kalvora::places
