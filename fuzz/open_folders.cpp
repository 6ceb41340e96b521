// The shell's open windows, one line each: 'E' and a folder path for an
// Explorer window (its location written as the shell writes file URLs),
// 'B' and "url<TAB>title" for a page, 'N' a page without a title, 'L' a
// window still loading, 'V' a virtual place; 'M' and a path makes a folder.
// Their locations are read as folders and pages, listed, and the folders
// handed to the tree.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "capture/OpenFolders.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::fuzz {
namespace {

using platform::sim::SimShellWindows;

std::pair<std::wstring, std::wstring> Halves(const std::wstring& line) {
  const std::size_t tab = line.find(L'\t');
  if (tab == std::wstring::npos) return {line, L""};
  return {line.substr(0, tab), line.substr(tab + 1)};
}

// A folder path Windows allows, whose file URL escapes only what the
// reader decodes ("#" stays escaped), and that trimming leaves alone.
bool ReadsBackWhole(const std::wstring& folder) {
  const bool letter = !folder.empty() && ((folder[0] >= L'A' && folder[0] <= L'Z') || (folder[0] >= L'a' && folder[0] <= L'z'));
  const bool drive = letter && folder.size() >= 3 && folder[1] == L':' && folder[2] == L'\\';
  const bool unc = folder.starts_with(L"\\\\") && folder.size() > 2 && folder[2] != L'\\';
  if (!(drive || unc) || folder != text::Trim(folder) || folder.back() == L'\\') return false;
  for (std::size_t i = drive ? 2 : 0; i < folder.size(); ++i)
    if (folder[i] < L' ' || std::wstring_view(L"<>:\"/|?*#").find(folder[i]) != std::wstring_view::npos) return false;
  return true;
}

}  // namespace
}  // namespace kalvora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalvora;
  using namespace kalvora::fuzz;
  testing::DocumentTreeHarness h;
  h.AddFolder(L"C:\\Users\\joe\\Music");
  h.AddFolder(L"D:\\Projects\\My Site");
  h.AddFolder(L"D:\\100%20 off");
  h.machine.files().AddDrive(L'E');
  h.machine.drives().SetDriveType(L'E', platform::DriveRemovable);
  platform::Platform platform = h.process.Platform();
  SimShellWindows& shell = h.process.shellWindows();

  for (const std::string& piece : Split(Bytes(data, size), '\n')) {
    const std::wstring line = text::Utf8ToWide(piece);
    if (line.empty()) continue;
    const std::wstring rest = line.substr(1);
    const auto [url, title] = Halves(rest);
    switch (line[0]) {
      case L'E': {
        shell.OpenExplorer(rest);
        if (!ReadsBackWhole(rest)) break;
        // The folder a window shows is the folder read from its location.
        const platform::ShellWindow window{SimShellWindows::FileUrl(rest), true, std::nullopt};
        const auto location = capture::ReadShellWindow(platform, h.tree.Paths(), window, false);
        Check(location && !location->webPage && location->path == rest, "a folder window reads as another place",
              rest + L" -> " + (location ? location->path : L"nothing"));
        break;
      }
      case L'B': shell.OpenBrowser(url, title); break;
      case L'N': shell.OpenBrowser(rest, std::nullopt); break;
      case L'L': shell.OpenLoading(rest); break;
      case L'V': shell.OpenVirtualPlace(); break;
      case L'M':
        try {
          h.machine.files().AddFolder(rest);
        } catch (const std::logic_error&) {
          // not a path the simulated disk can hold
        }
        break;
      default: break;
    }
  }

  std::vector<platform::ShellWindow> windows;
  shell.OpenWindows(windows);
  for (const platform::ShellWindow& window : windows) {
    for (bool pages : {false, true}) {
      const auto location = capture::ReadShellWindow(platform, h.tree.Paths(), window, pages);
      if (location && location->webPage) Check(pages, "a page read while pages are not wanted", window.locationUrl);
    }
  }

  capture::TWebbrowserActiveUrl browsers{h.process.dde(), h.machine.text()};
  capture::OpenFolderLists lists;
  capture::ScanFoldersAndPages(platform, h.tree.Paths(), lists, true, browsers);
  Check(lists.files.size() == lists.titles.size(), "the scan lists differ in length");
  capture::ScanOpenFolderWindows(platform, h.tree.Paths(), lists);
  Check(lists.files.size() == lists.titles.size(), "the scan lists differ in length");
  for (std::size_t i = 0; i < lists.files.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      Check(platform.text.Lower(text::Trim(lists.files[i])) != platform.text.Lower(text::Trim(lists.files[j])),
            "a folder listed twice", lists.files[i]);

  capture::RecordRunningFolders(platform, h.tree, lists);
  CheckNothingSwallowed(h.machine.developerLog());
  CheckDocIndexes(h.tree);
  // Folders recorded once are in the tree: a second pass adds nothing (it
  // may hand a folder over again, which the tree then refuses).
  const int entries = h.tree.Docs().Size();
  capture::RecordRunningFolders(platform, h.tree, lists);
  if (h.tree.Docs().Size() != entries) {
    std::wstring listed;
    for (const std::wstring& file : lists.files) listed += file + L"; ";
    Fail("running folders recorded a second time", listed);
  }
  CheckNothingSwallowed(h.machine.developerLog());
  return 0;
}
