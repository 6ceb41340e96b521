#include <gtest/gtest.h>

#include <vector>

#include "tree/TreeModel.h"

namespace kalvora::tree {
namespace {

// Records what a view would see of each node at the moment it is told of it.
struct InsertionLog : TreeObserver {
  struct Seen {
    std::wstring text;
    int image;
    int selectedImage;
    int docIndex;
    std::size_t position;
  };
  std::vector<Seen> seen;
  void NodeInserted(const TreeModel& tree, NodeId node) override {
    const TreeNode& n = tree.Node(node);
    seen.push_back({n.text, n.imageIndex, n.selectedIndex, n.data.DocIndex, tree.IndexOf(node)});
  }
  void NodeStateChanged(const TreeModel&, NodeId) override {}
  void NodeRemoving(const TreeModel&, NodeId) override {}
  void Cleared(const TreeModel&) override {}
  void UpdateBegun(const TreeModel&) override {}
  void UpdateEnded(const TreeModel&) override {}
};

// A view mirrors a node once, when it arrives: it must already show its
// entry's picture and point at its entry.
TEST(TreeModelTest, EntryNodesArriveWithTheirImagesAndEntry) {
  TreeModel tree(L"All", nullptr);
  InsertionLog log;
  tree.AddObserver(&log);

  const NodeId older = tree.AddFirstRoot(L"C:\\Users", 0, 4);
  const NodeId newer = tree.AddFirstRoot(L"D:\\Work", 13, 7);
  const NodeId child = tree.AddChild(older, L"joe", 22, 9);

  ASSERT_EQ(log.seen.size(), 3u);
  EXPECT_EQ(log.seen[0].text, L"C:\\Users");
  EXPECT_EQ(log.seen[0].image, 0);
  EXPECT_EQ(log.seen[0].selectedImage, 0);
  EXPECT_EQ(log.seen[0].docIndex, 4);
  EXPECT_EQ(log.seen[1].image, 13);
  EXPECT_EQ(log.seen[1].docIndex, 7);
  EXPECT_EQ(log.seen[1].position, 0u);  // a new root goes on top
  EXPECT_EQ(log.seen[2].image, 22);
  EXPECT_EQ(log.seen[2].selectedImage, 22);
  EXPECT_EQ(log.seen[2].docIndex, 9);

  EXPECT_EQ(tree.Roots(), (std::vector<NodeId>{newer, older}));
  EXPECT_EQ(tree.Node(child).parent, older);
  EXPECT_EQ(tree.FindFirstByText(L"JOE"), NoNode);  // no fold function: exact texts
  EXPECT_EQ(tree.FindFirstByText(L"joe"), child);
  EXPECT_THROW(tree.AddChild(NodeId{99}, L"x", 0, 0), std::out_of_range);
  EXPECT_EQ(tree.Count(), 3u);
}

}  // namespace
}  // namespace kalvora::tree
