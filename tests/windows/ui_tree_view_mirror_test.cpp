// A tree model mirrored into a real SysTreeView32, read back with the tree
// view's own messages.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tree/TreeModel.h"
#include "ui/TreeViewMirror.h"

using kalvora::tree::NodeId;
using kalvora::tree::NoNode;
using kalvora::tree::TreeModel;
using kalvora::ui::TreeViewMirror;

namespace {

std::wstring Fold(const std::wstring& text) {
  std::wstring folded = text;
  for (auto& c : folded) c = static_cast<wchar_t>(std::towlower(c));
  return folded;
}

// The mirror the host window hands its tree's notifications to.
TreeViewMirror* g_mirror = nullptr;

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && g_mirror) {
    LRESULT result = 0;
    if (g_mirror->HandleNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

struct Item {
  std::wstring text;
  LPARAM param = 0;
  int image = 0;
  int selectedImage = 0;
  bool expanded = false;
};

class TreeViewMirrorTest : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KalvoraTreeMirrorTestHost";
    ::RegisterClassW(&windowClass);  // fails harmlessly from the second test on
    host_ = ::CreateWindowExW(0, windowClass.lpszClassName, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400, nullptr,
                              nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(host_, nullptr);
    tree_ = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS |
                              TVS_LINESATROOT | TVS_SHOWSELALWAYS, 0, 0, 380, 380, host_, nullptr,
                              windowClass.hInstance, nullptr);
    ASSERT_NE(tree_, nullptr);
    images_ = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 8, 8);
    for (int i = 0; i < 8; ++i) ::ImageList_AddIcon(images_, ::LoadIconW(nullptr, IDI_APPLICATION));
  }

  void TearDown() override {
    g_mirror = nullptr;
    mirror_.reset();
    if (host_) ::DestroyWindow(host_);
    if (images_) ::ImageList_Destroy(images_);
  }

  void Mirror(HIMAGELIST images) {
    mirror_ = std::make_unique<TreeViewMirror>(tree_, model_, images, [this](NodeId node, bool expanded) {
      expandedByUser_.emplace_back(node, expanded);
    });
    g_mirror = mirror_.get();
  }

  HTREEITEM Next(UINT relation, HTREEITEM item = nullptr) const {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageW(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
  }

  Item Read(HTREEITEM handle) const {
    wchar_t text[260] = {};
    TVITEMW item = {};
    item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    item.hItem = handle;
    item.pszText = text;
    item.cchTextMax = 260;
    item.stateMask = TVIS_EXPANDED;
    EXPECT_TRUE(::SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    return {text, item.lParam, item.iImage, item.iSelectedImage, (item.state & TVIS_EXPANDED) != 0};
  }

  // The texts of the items below parent (nullptr: the roots), in order.
  std::vector<std::wstring> Texts(HTREEITEM parent = nullptr) const {
    std::vector<std::wstring> texts;
    for (HTREEITEM item = parent ? Next(TVGN_CHILD, parent) : Next(TVGN_ROOT); item; item = Next(TVGN_NEXT, item))
      texts.push_back(Read(item).text);
    return texts;
  }

  int Count() const { return static_cast<int>(::SendMessageW(tree_, TVM_GETCOUNT, 0, 0)); }

  HWND host_ = nullptr;
  HWND tree_ = nullptr;
  HIMAGELIST images_ = nullptr;
  TreeModel model_{L"All", Fold};
  std::unique_ptr<TreeViewMirror> mirror_;
  std::vector<std::pair<NodeId, bool>> expandedByUser_;
};

using TextList = std::vector<std::wstring>;

TEST_F(TreeViewMirrorTest, NodesTakeTheModelsPlacesFirstLastAndBelowTheirParent) {
  Mirror(images_);
  const NodeId a = model_.AddChild(NoNode, L"A");  // the last root
  const NodeId b = model_.AddFirstRoot(L"B");
  const NodeId c = model_.AddChild(NoNode, L"C");
  const NodeId a1 = model_.AddChild(a, L"A1");
  model_.AddChild(a, L"A2");
  model_.AddFirstRoot(L"D");
  model_.AddChild(a1, L"A1x");

  EXPECT_EQ(Texts(), (TextList{L"D", L"B", L"A", L"C"}));
  EXPECT_EQ(Texts(mirror_->ItemOf(a)), (TextList{L"A1", L"A2"}));
  EXPECT_EQ(Texts(mirror_->ItemOf(a1)), (TextList{L"A1x"}));
  EXPECT_EQ(Count(), 7);
  // Each item carries its node.
  EXPECT_EQ(Read(mirror_->ItemOf(b)).param, b);
  EXPECT_EQ(Read(mirror_->ItemOf(c)).param, c);
  EXPECT_EQ(Next(TVGN_PARENT, mirror_->ItemOf(a1)), mirror_->ItemOf(a));
}

TEST_F(TreeViewMirrorTest, ASortedModelsOrderIsKept) {
  TreeModel web(L"Web Page", Fold, true);
  TreeViewMirror mirror(tree_, web, nullptr);
  web.AddChild(NoNode, L"mango");
  web.AddFirstRoot(L"apple");
  web.AddChild(NoNode, L"Kiwi");
  web.AddChild(NoNode, L"zucchini");
  EXPECT_EQ(Texts(), (TextList{L"apple", L"Kiwi", L"mango", L"zucchini"}));
}

TEST_F(TreeViewMirrorTest, TheAllTreeShowsTheModelsImagesEvenWhenSetAfterInsertion) {
  Mirror(images_);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(::SendMessageW(tree_, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)), images_);
  const NodeId folder = model_.AddFirstRoot(L"C:\\Users");
  model_.SetImages(folder, 0);
  const NodeId program = model_.AddChild(folder, L"Notepad");
  model_.SetImages(program, 9);
  const NodeId bare = model_.AddChild(NoNode, L"no image yet");

  EXPECT_EQ(Read(mirror_->ItemOf(folder)).image, 0);
  EXPECT_EQ(Read(mirror_->ItemOf(program)).image, 9);
  EXPECT_EQ(Read(mirror_->ItemOf(program)).selectedImage, 9);
  EXPECT_EQ(Read(mirror_->ItemOf(bare)).image, I_IMAGENONE);
  model_.MutableNode(program).selectedIndex = 5;
  EXPECT_EQ(Read(mirror_->ItemOf(program)).selectedImage, 5);
}

TEST_F(TreeViewMirrorTest, TheOtherTreesHaveNoImages) {
  Mirror(nullptr);
  const NodeId node = model_.AddFirstRoot(L"Notepad");
  model_.SetImages(node, 9);
  EXPECT_EQ(::SendMessageW(tree_, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), 0);
  EXPECT_EQ(Read(mirror_->ItemOf(node)).image, I_IMAGENONE);
  EXPECT_EQ(Read(mirror_->ItemOf(node)).selectedImage, I_IMAGENONE);
}

TEST_F(TreeViewMirrorTest, ExpandedAndSelectedFollowTheModel) {
  Mirror(images_);
  const NodeId group = model_.AddFirstRoot(L"C:\\Projects");
  model_.SetExpanded(group, true);  // no children yet: it opens with its first one
  EXPECT_FALSE(Read(mirror_->ItemOf(group)).expanded);
  const NodeId member = model_.AddChild(group, L"kalvora");
  EXPECT_TRUE(Read(mirror_->ItemOf(group)).expanded);

  model_.SetExpanded(group, false);
  EXPECT_FALSE(Read(mirror_->ItemOf(group)).expanded);
  model_.SetExpanded(group, true);
  EXPECT_TRUE(Read(mirror_->ItemOf(group)).expanded);

  model_.SetSelected(member, true);
  EXPECT_EQ(Next(TVGN_CARET), mirror_->ItemOf(member));
  model_.SetSelected(member, false);
  EXPECT_EQ(Next(TVGN_CARET), nullptr);
  // None of this came from the user.
  EXPECT_TRUE(expandedByUser_.empty());
}

TEST_F(TreeViewMirrorTest, TheUsersExpandingReachesTheModelAndTheCallbackOnce) {
  Mirror(images_);
  const NodeId group = model_.AddFirstRoot(L"C:\\Projects");
  model_.AddChild(group, L"kalvora");
  ASSERT_FALSE(model_.Node(group).expanded);
  ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(mirror_->ItemOf(group)));

  ::SendMessageW(tree_, WM_KEYDOWN, VK_ADD, 0);  // the numeric keypad's "+" opens the selected item
  EXPECT_TRUE(Read(mirror_->ItemOf(group)).expanded);
  EXPECT_TRUE(model_.Node(group).expanded);
  ::SendMessageW(tree_, WM_KEYDOWN, VK_SUBTRACT, 0);
  EXPECT_FALSE(Read(mirror_->ItemOf(group)).expanded);
  EXPECT_FALSE(model_.Node(group).expanded);
  EXPECT_EQ(expandedByUser_, (std::vector<std::pair<NodeId, bool>>{{group, true}, {group, false}}));
}

TEST_F(TreeViewMirrorTest, TheUsersSelectionReachesTheModel) {
  Mirror(images_);
  const NodeId a = model_.AddFirstRoot(L"A");
  const NodeId b = model_.AddChild(NoNode, L"B");
  model_.SetSelected(a, true);
  // As a click does: the view changes first.
  ::SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(mirror_->ItemOf(b)));
  EXPECT_FALSE(model_.Node(a).selected);
  EXPECT_TRUE(model_.Node(b).selected);
  EXPECT_EQ(Next(TVGN_CARET), mirror_->ItemOf(b));
}

TEST_F(TreeViewMirrorTest, RemovedAndClearedNodesLeaveTheTreeAndTheirIdsCanComeBack) {
  Mirror(images_);
  const NodeId a = model_.AddFirstRoot(L"A");
  model_.AddChild(a, L"A1");
  model_.AddChild(a, L"A2");
  const NodeId b = model_.AddChild(NoNode, L"B");
  model_.Remove(a);
  EXPECT_EQ(Texts(), (TextList{L"B"}));
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(mirror_->ItemOf(a), nullptr);

  // The model hands out the freed ids again.
  const NodeId again = model_.AddChild(b, L"B1");
  EXPECT_EQ(Read(mirror_->ItemOf(again)).text, L"B1");
  EXPECT_EQ(Read(mirror_->ItemOf(again)).param, again);
  EXPECT_EQ(Texts(mirror_->ItemOf(b)), (TextList{L"B1"}));

  model_.Clear();
  EXPECT_EQ(Count(), 0);
  const NodeId fresh = model_.AddFirstRoot(L"Fresh");
  EXPECT_EQ(Texts(), (TextList{L"Fresh"}));
  EXPECT_EQ(Read(mirror_->ItemOf(fresh)).param, fresh);
}

TEST_F(TreeViewMirrorTest, AModelWithNodesAlreadyIsShownWhole) {
  const NodeId a = model_.AddFirstRoot(L"A");
  model_.AddChild(a, L"A1");
  model_.AddFirstRoot(L"B");
  model_.SetExpanded(a, true);
  Mirror(images_);
  EXPECT_EQ(Texts(), (TextList{L"B", L"A"}));
  EXPECT_EQ(Texts(mirror_->ItemOf(a)), (TextList{L"A1"}));
  EXPECT_TRUE(Read(mirror_->ItemOf(a)).expanded);
}

TEST_F(TreeViewMirrorTest, AnUpdateShowsEverythingAtItsEndAndLeavesVisibilityAlone) {
  ::ShowWindow(host_, SW_SHOWNA);
  HWND hidden = ::CreateWindowExW(0, WC_TREEVIEWW, L"", WS_CHILD, 0, 0, 100, 100, host_, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  TreeModel other(L"Application", Fold);
  TreeViewMirror hiddenMirror(hidden, other, nullptr);
  Mirror(images_);

  model_.BeginUpdate();
  other.BeginUpdate();
  for (int i = 0; i < 50; ++i) {
    model_.AddChild(NoNode, L"item " + std::to_wstring(i));
    other.AddChild(NoNode, L"item " + std::to_wstring(i));
  }
  other.EndUpdate();
  model_.EndUpdate();

  EXPECT_EQ(Count(), 50);
  EXPECT_EQ(::SendMessageW(hidden, TVM_GETCOUNT, 0, 0), 50);
  EXPECT_TRUE(::IsWindowVisible(tree_));
  EXPECT_FALSE(::IsWindowVisible(hidden));
}

}  // namespace
