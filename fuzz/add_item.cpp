// A sequence of items handed to one document tree, as capture and the
// command line hand them over: one line each, "path<TAB>title". Lines that
// begin with '>' make a folder, '<' a file, '@' a shortcut ("link<TAB>target")
// and '~' a recent document, so that paths can name things that exist.
#include <set>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "places/NamedLocations.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::fuzz {
namespace {

using testing::DocumentTreeHarness;

void Furnish(DocumentTreeHarness& h) {
  h.AddFolder(L"C:\\Users\\joe\\Music");
  h.AddFolder(L"D:\\Projects\\Site");
  h.AddFile(L"C:\\Windows\\notepad.exe");
  h.AddFile(L"D:\\Projects\\notes.txt");
  h.AssociateProgram(L".txt", L"C:\\Windows\\notepad.exe");
  h.AssociateProgram(L".doc", L"C:\\Program Files\\Office\\winword.exe");
  h.AssociatePhotoViewer(L".jpg");
  h.machine.links().AddShortcut(L"C:\\Users\\joe\\Desktop\\notes.lnk", {L"D:\\Projects\\notes.txt"});
}

// The two halves of a line at its first tab.
std::pair<std::wstring, std::wstring> Halves(const std::wstring& line) {
  const std::size_t tab = line.find(L'\t');
  if (tab == std::wstring::npos) return {line, L""};
  return {line.substr(0, tab), line.substr(tab + 1)};
}

// Setup steps may name paths the simulated disk refuses; those are skipped.
template <typename Step>
void Setup(Step&& step) {
  try {
    step();
  } catch (const std::logic_error&) {
  }
}

// The path tests answer for any text without changing the tree.
void AskPathTests(DocumentTreeHarness& h, const std::wstring& path, const std::wstring& title) {
  tree::PathTests& paths = h.tree.Paths();
  paths.WideIfValidFileFormat(path);
  paths.WideDirectoryExists(path);
  paths.WideFileExists(path);
  paths.IsWebAddress(path);
  paths.IsExcludedPath(path);
  paths.IsFolderLikePath(path);
  paths.GetGroupKey(path);
  paths.GetDisplayName(path);
  paths.GetPathIconIndex(path);
  paths.GetFileIconIndex(path, title, [](const std::wstring&, const std::wstring&) { return -1; });
}

class TreeChecker {
 public:
  explicit TreeChecker(DocumentTreeHarness& h) : h_(h), platform_(h.process.Platform()) {}

  std::wstring Fold(const std::wstring& text) { return platform_.text.Lower(text::Trim(text)); }

  // The duplicate test's form of a path: after a "file:///" the rest with
  // backslashes, folded.
  std::wstring DuplicateKey(const std::wstring& path) {
    std::wstring key = path;
    if (const std::size_t at = platform_.text.Lower(key).find(L"file:///"); at != std::wstring::npos)
      key = text::ReplaceAll(key.substr(at + 8), L"/", L"\\");
    return Fold(key);
  }

  // Entries that the "All" tree shows.
  std::set<int> Shown() {
    std::set<int> shown;
    tree::TreeModel& all = h_.tree.TVDocs();
    all.ForEachDepthFirst([&](tree::NodeId node) { shown.insert(all.Node(node).data.DocIndex); });
    return shown;
  }

  // Items placed by insertion carry their group; documents attached under
  // a program do not, and may show under several programs; shell places
  // are inserted every time.
  bool UnderDuplicateRule(const tree::TMyDoc& doc) {
    if (doc.groupKey.empty()) return false;
    std::wstring title = doc.title, path = doc.path;
    return places::OpenNamedLocation(platform_, title, path, false) != places::kNamedLocation;
  }

  // No entry added by this step shows an item that an earlier shown entry
  // already stands for.
  void CheckStep(int before) {
    CheckNothingSwallowed(h_.machine.developerLog());
    CheckDocIndexes(h_.tree);
    const tree::DocTable& docs = h_.tree.Docs();
    const std::set<int> shown = Shown();
    for (int added = before; added < docs.Size(); ++added) {
      if (!shown.count(added) || !UnderDuplicateRule(docs[added])) continue;
      const std::wstring key = DuplicateKey(docs[added].path);
      for (int old : shown) {
        if (old >= before) break;
        if (UnderDuplicateRule(docs[old]) && Fold(docs[old].path) == key)
          Fail("an item was inserted twice",
               L"entry " + std::to_wstring(old) + L" " + docs[old].path + L" and entry " + std::to_wstring(added) +
                   L" " + docs[added].path);
      }
    }
  }

 private:
  DocumentTreeHarness& h_;
  platform::Platform platform_;
};

}  // namespace
}  // namespace kalvora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalvora;
  using namespace kalvora::fuzz;
  DocumentTreeHarness h;
  Furnish(h);
  TreeChecker checker(h);
  for (const std::string& piece : Split(Bytes(data, size), '\n')) {
    const std::wstring line = text::Utf8ToWide(piece);
    if (line.empty()) continue;
    const std::pair<std::wstring, std::wstring> rest = Halves(line.substr(1));
    const std::wstring& first = rest.first;
    const std::wstring& second = rest.second;
    switch (line[0]) {
      case L'>': Setup([&] { h.machine.files().AddFolder(first); }); continue;
      case L'<': Setup([&] { h.machine.files().AddFile(first, "x"); }); continue;
      case L'@': Setup([&] { h.machine.links().AddShortcut(first, {second}); }); continue;
      case L'~': h.tree.RecentDocs().Add(first); continue;
      default: break;
    }
    const auto [path, title] = Halves(line);
    AskPathTests(h, path, title);
    const int before = h.tree.Docs().Size();
    h.tree.AddItem(path, title);
    checker.CheckStep(before);
  }
  return 0;
}
