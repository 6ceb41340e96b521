#include <gtest/gtest.h>

#include <algorithm>

#include "common/WideText.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::tree {
namespace {

// The recent-document check answers through an index; these tests hold it
// to what a walk over every node answers, while the tree grows between
// questions, loses nodes and the disk changes.
class TreePathIndexTest : public ::testing::Test {
 protected:
  // What the check answers when it walks every node.
  bool WalkAnswer(const std::wstring& name) {
    h.tree.CollectTreePaths();
    const std::wstring wanted = h.process.Platform().text.Lower(name);
    const auto& paths = h.tree.TreePaths();
    return std::any_of(paths.begin(), paths.end(), [&](const std::wstring& path) {
      return path == wanted + L"\\" || path == wanted || path + L"\\" == wanted;
    });
  }
  void ExpectSameAnswers() {
    for (const std::wstring& probe : probes) {
      SCOPED_TRACE(text::WideToUtf8(probe));
      const bool indexed = h.tree.CheckIfRecentDocInTreeNode(probe);
      EXPECT_EQ(indexed, WalkAnswer(probe));
    }
  }

  kalvora::testing::DocumentTreeHarness h;
  std::vector<std::wstring> probes = {
      L"C:\\Users",          L"C:\\Users\\",          L"C:\\Users\\joe\\Music", L"C:\\Users\\joe\\Music\\",
      L"C:\\Data\\a.txt",    L"C:\\Data",             L"D:\\",                  L"D:",
      L"C:\\Users\\joe\\Documents\\Projects", L"c:\\users\\joe\\documents\\", L"C:\\Nowhere"};
};

TEST_F(TreePathIndexTest, AnswersAsAWalkWhileTheTreeGrows) {
  h.AddFolder(L"C:\\Users\\joe\\Music");
  h.AddFolder(L"C:\\Users\\joe\\Documents\\Projects");
  h.AddFolder(L"C:\\Data");
  h.AddFile(L"C:\\Data\\a.txt");
  ExpectSameAnswers();  // empty tree
  for (const wchar_t* item : {L"C:\\Users", L"C:\\Users\\joe\\Music", L"D:\\", L"C:\\Data\\a.txt",
                              L"C:\\Users\\joe\\Documents\\Projects"}) {
    h.tree.AddItem(item, L"");
    ExpectSameAnswers();
  }
  EXPECT_TRUE(h.tree.CheckIfRecentDocInTreeNode(L"C:\\Users\\joe\\Music"));
  EXPECT_FALSE(h.tree.CheckIfRecentDocInTreeNode(L"C:\\Nowhere"));
}

TEST_F(TreePathIndexTest, ForgetsRemovedNodesAndSeesTheDiskAgainOnANewPass) {
  h.AddFolder(L"C:\\Users\\joe\\Music");
  h.tree.AddItem(L"C:\\Users\\joe\\Music", L"");
  ASSERT_TRUE(h.tree.CheckIfRecentDocInTreeNode(L"C:\\Users\\joe\\Music"));

  auto& all = h.tree.TVDocs();
  all.Remove(all.Roots().front());
  EXPECT_FALSE(h.tree.CheckIfRecentDocInTreeNode(L"C:\\Users\\joe\\Music"));
  ExpectSameAnswers();

  // A group whose folder vanished is compared by its own path from the next pass on.
  h.AddFolder(L"C:\\Data\\Old");
  h.tree.AddItem(L"C:\\Data\\Old", L"");
  ASSERT_TRUE(h.tree.CheckIfRecentDocInTreeNode(L"C:\\Data"));
  h.tree.InvalidateTreePaths();
  h.tree.Clear();
  EXPECT_FALSE(h.tree.CheckIfRecentDocInTreeNode(L"C:\\Data"));
  ExpectSameAnswers();
}

TEST_F(TreePathIndexTest, LeavesTheHintOnTheLastNodeAsTheWalkDoes) {
  for (const wchar_t* folder : {L"C:\\Users\\joe\\Music", L"C:\\Data\\Old"}) {
    h.AddFolder(folder);
    h.tree.AddItem(folder, L"");
  }
  h.tree.CheckIfRecentDocInTreeNode(L"C:\\Nowhere");
  const std::wstring indexed = h.host.hints.back();
  h.tree.CollectTreePaths();
  EXPECT_EQ(indexed, h.host.hints.back());
}

}  // namespace
}  // namespace kalvora::tree
