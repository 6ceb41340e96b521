// The walk both file systems use to create a folder tree: where a path's
// root ends, and which levels it tries in which order.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/WideText.h"
#include "platform/FolderTree.h"

namespace kalvora::platform {
namespace {

TEST(FolderTree, RootsEndWhereTheFirstLevelBegins) {
  struct Case {
    std::wstring path;
    std::wstring root;  // "" when the path has none
  };
  const Case cases[] = {
      {L"C:\\a\\b", L"C:\\"},
      {L"c:/a", L"c:/"},
      {L"C:\\\\a", L"C:\\\\"},
      {L"C:", L"C:"},
      {L"C:\\", L"C:\\"},
      {L"C:a", L""},  // the drive's current folder
      {L"\\\\server\\share\\a\\b", L"\\\\server\\share\\"},
      {L"\\\\server\\share", L"\\\\server\\share"},
      {L"//server/share/a", L"//server/share/"},
      {L"\\\\server", L""},
      {L"\\\\server\\", L""},
      {L"\\\\?\\C:\\a", L"\\\\?\\C:\\"},
      {L"\\\\.\\C:\\a", L"\\\\.\\C:\\"},
      {L"\\\\?\\UNC\\server\\share\\a", L"\\\\?\\UNC\\server\\share\\"},
      {L"\\\\?\\unc\\server", L""},
      {L"\\\\?\\Volume{1234}\\a", L"\\\\?\\Volume{1234}\\"},
      {L"\\\\?\\", L""},
      {L"\\a\\b", L""},  // the current drive's
      {L"a\\b", L""},
      {L"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(text::WideToUtf8(c.path));
    EXPECT_EQ(c.path.substr(0, FolderRootLength(c.path)), c.root);
  }
}

// A file system of a few folders that records every level it is asked to make.
struct RecordingFolders {
  std::map<std::wstring, bool> folders;  // path -> refuses new folders inside
  std::vector<std::wstring> asked;

  FolderMade Make(const std::wstring& path) {
    asked.push_back(path);
    if (folders.count(path)) return FolderMade::AlreadyThere;
    std::wstring parent = path.substr(0, path.find_last_of(L'\\'));
    while (!parent.empty() && parent.back() == L'\\') parent.pop_back();
    const auto found = folders.find(parent);
    if (found == folders.end()) return FolderMade::ParentMissing;
    if (found->second) return FolderMade::Refused;
    folders[path] = false;
    return FolderMade::Made;
  }
};

TEST(FolderTree, WalksUpToTheFirstLevelThereThenMakesTheRestTopDown) {
  struct Case {
    const char* what;
    std::wstring path;
    bool walked;
    std::vector<std::wstring> asked;
  };
  const Case cases[] = {
      {"a folder that is there", L"C:\\have", true, {L"C:\\have"}},
      {"missing levels", L"C:\\have\\a\\b", true, {L"C:\\have\\a\\b", L"C:\\have\\a", L"C:\\have\\a\\b"}},
      {"separators kept as spelled, trailing ones dropped", L"C:\\have\\\\a\\", true, {L"C:\\have\\\\a"}},
      {"the root alone is never made", L"C:\\", true, {}},
      {"a share's root is never made", L"\\\\srv\\share\\x", false, {L"\\\\srv\\share\\x"}},
      {"no root below the levels", L"Q:\\a\\b", false, {L"Q:\\a\\b", L"Q:\\a"}},
      {"a refusal ends the walk", L"C:\\locked\\a\\b", false, {L"C:\\locked\\a\\b", L"C:\\locked\\a"}},
      {"a relative path", L"a\\b", false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingFolders disk;
    disk.folders = {{L"C:", false}, {L"C:\\have", false}, {L"C:\\locked", true}};
    EXPECT_EQ(MakeFolderTree(c.path, [&](const std::wstring& level) { return disk.Make(level); }), c.walked);
    EXPECT_EQ(disk.asked, c.asked);
  }
}

}  // namespace
}  // namespace kalvora::platform
