// Items handed in from outside, documents grouped under their programs, and
// the questions about what the tree already holds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/WideText.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::tree {
namespace {

using testing::DocIndexes;
using testing::Shape;
using Entries = std::vector<std::wstring>;

const std::wstring kApp = LR"(C:\Program Files\App\app.exe)";
const std::wstring kExplorer = LR"(C:\Windows\explorer.exe)";
const std::wstring kPhotoViewerCommand =
    LR"(C:\Windows\System32\rundll32.exe "C:\Program Files\Windows Photo Viewer\PhotoViewer.dll", ImageView_Fullscreen)";

// A program with its documents, a document of a program that is gone,
// pictures for the photo viewer, a shortcut to a document and a folder.
struct AddItemMachine : testing::DocumentTreeHarness {
  AddItemMachine() {
    AssociateProgram(L".apd", kApp);
    AddFile(LR"(C:\Work\report.apd)");
    AddFile(LR"(C:\Work\sketch.apd)");
    Associate(L".gdoc", LR"("C:\Program Files\Gone\gone.exe" "%1")");
    AddFile(LR"(C:\Work\plan.gdoc)");
    AddFile(LR"(C:\Work\readme.xyz)");
    AssociatePhotoViewer(L".jpg");
    AddFile(LR"(C:\Pics\a.jpg)");
    AddFile(LR"(C:\Pics\b.jpg)");
    AddFile(kExplorer);
    AddFolder(LR"(C:\Users\joe\Music)");
    AddFolder(LR"(C:\Users\joe\Documents\Projects)");
    machine.links().AddShortcut(LR"(C:\Users\joe\Recent\report.lnk)", {LR"(C:\Work\report.apd)"});
    machine.links().AddShortcut(LR"(C:\Users\joe\Recent\Music.lnk)", {LR"(C:\Users\joe\Music)"});
  }
  void Insert(const std::wstring& path, const std::wstring& title = L"") {
    tree.AddNewFileNameToDocTree(path, title);
  }
};

class DocumentTreeAddItemTest : public ::testing::Test {
 protected:
  AddItemMachine h;
};

struct AddItemCase {
  const char* name;
  const wchar_t* path;
  const wchar_t* title;
  const wchar_t* all;
  const wchar_t* app;
  Entries recent;  // the recent-documents list afterwards
};

TEST_F(DocumentTreeAddItemTest, EachKindOfItemIntoAnEmptyTree) {
  const std::vector<AddItemCase> cases = {
      // The shortcut's target is the item; its program comes in with it.
      {"shortcut to a document", LR"(C:\Users\joe\Recent\report.lnk)", L"", L"app.exe[78]{report.apd[79]}",
       L"app.exe[78]{report.apd[79]}", {LR"(C:\Work\report.apd)"}},
      {"document of a new program", LR"(C:\Work\report.apd)", L"Report", L"app.exe[78]{report.apd[79]}",
       L"app.exe[78]{report.apd[79]}", {LR"(C:\Work\report.apd)"}},
      // Its program is not there: the document stands alone, named by its file.
      {"document of a missing program", LR"(C:\Work\plan.gdoc)", L"My plan", L"plan.gdoc[78]", L"plan.gdoc[78]", {}},
      {"picture", LR"(C:\Pics\a.jpg)", L"", L"Windows Photo Viewer[7]{a.jpg[8]}",
       L"Windows Photo Viewer[7]{a.jpg[8]}", {LR"(C:\Pics\a.jpg)"}},
      {"photo viewer command", kPhotoViewerCommand.c_str(), L"", L"Windows Photo Viewer[7]",
       L"Windows Photo Viewer[7]", {}},
      {"web page without a title", L"http://example.com/page.html", L"",
       L"example.com[1]{http://example.com/page.html[1]}", L"", {}},
      {"program", kApp.c_str(), L"", L"app.exe[78]", L"app.exe[78]", {}},
      {"file no program opens", LR"(C:\Work\readme.xyz)", L"", L"readme.xyz[78]", L"readme.xyz[78]", {}},
      {"folder", LR"(C:\Users\joe\Music)", L"", LR"(C:\Users[0]{joe\Music[0]})", L"", {}},
      {"shortcut to a folder", LR"(C:\Users\joe\Recent\Music.lnk)", L"", LR"(C:\Users[0]{joe\Music[0]})", L"", {}},
  };
  for (const AddItemCase& c : cases) {
    SCOPED_TRACE(c.name);
    AddItemMachine fresh;
    EXPECT_FALSE(fresh.tree.AddItem(c.path, c.title));
    EXPECT_EQ(Shape(fresh.tree.TVDocs()), c.all);
    EXPECT_EQ(Shape(fresh.tree.TVApp()), c.app);
    EXPECT_EQ(fresh.tree.RecentDocs().Items(), c.recent);
    EXPECT_EQ(fresh.host.gaugeSteps, 1);
    EXPECT_EQ(fresh.host.pumps, 1);
  }
}

TEST_F(DocumentTreeAddItemTest, FolderGetsItsTrailingBackslashAndDisplayName) {
  EXPECT_FALSE(h.tree.AddItem(LR"(C:\Users\joe\Music)", L""));
  EXPECT_FALSE(h.tree.AddItem(L"  C:\\Users\\joe\\Documents\\Projects  ", L"Work"));
  EXPECT_EQ(h.Entries(), (Entries{LR"(C:\Users|C:\Users|Music|3)", LR"(C:\Users|C:\Users\joe\Music\|Music|3)",
                                  LR"(C:\Users\joe\Documents|C:\Users\joe\Documents|Work|3)",
                                  LR"(C:\Users\joe\Documents|C:\Users\joe\Documents\Projects\|Work|3)"}));
  EXPECT_EQ(Shape(h.tree.TVPath()), LR"(C:\Users\joe\Documents[0]{Projects[0]}, C:\Users[0]{joe\Music[0]})");
}

TEST_F(DocumentTreeAddItemTest, DocumentOfAProgramInTheTreeGoesUnderItsRootInAllOnly) {
  h.Insert(kApp, L"App");
  EXPECT_TRUE(h.tree.AddItem(LR"(C:\Work\report.apd)", L"Quarterly report"));
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"App[78]{report.apd[79]}");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"App[78]");
  EXPECT_EQ(DocIndexes(h.tree.TVDocs()), L"App#0{report.apd#1}");
  EXPECT_EQ(h.Entries().back(), LR"(|C:\Work\report.apd|report.apd|2)");
  EXPECT_EQ(h.tree.RecentDocs().Items(), (Entries{LR"(C:\Work\report.apd)"}));
}

TEST_F(DocumentTreeAddItemTest, NewProgramIsNamedFromTheStartMenuAndTakesItsWaitingDocuments) {
  h.tree.SetProgramNames([](const std::wstring& program) {
    return text::WideToUtf8(program) == R"(c:\program files\app\app.exe)" ? std::wstring(L"App Studio")
                                                                             : std::wstring();
  });
  h.tree.RecentDocs().Add(LR"(C:\Work\sketch.apd)");
  EXPECT_FALSE(h.tree.AddItem(LR"(C:\Work\report.apd)", L""));
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"App Studio[78]{report.apd[79], sketch.apd[80]}");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"App Studio[78]{report.apd[79], sketch.apd[80]}");
  // A further document of it only joins the "All" tree.
  h.AddFile(LR"(C:\Work\third.apd)");
  EXPECT_TRUE(h.tree.AddItem(LR"(C:\Work\third.apd)", L""));
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"App Studio[78]{report.apd[79], sketch.apd[80], third.apd[81]}");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"App Studio[78]{report.apd[79], sketch.apd[80]}");
}

TEST_F(DocumentTreeAddItemTest, PicturesShareOneWindowsPhotoViewerRoot) {
  EXPECT_FALSE(h.tree.AddItem(LR"(C:\Pics\a.jpg)", L""));
  EXPECT_TRUE(h.tree.AddItem(LR"(C:\Pics\b.jpg)", L""));
  EXPECT_FALSE(h.tree.AddItem(kPhotoViewerCommand, L""));
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"Windows Photo Viewer[7]{a.jpg[8], b.jpg[8]}");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"Windows Photo Viewer[7]{a.jpg[8]}");
}

TEST_F(DocumentTreeAddItemTest, NoteAddedPathOnlyMovesTheGauge) {
  h.tree.NoteAddedPath(LR"(C:\Users\joe\Music)", L"Music");
  EXPECT_EQ(h.host.gaugeSteps, 1);
  EXPECT_EQ(h.host.pumps, 1);
  EXPECT_EQ(h.EntryCount(), 0);
  EXPECT_TRUE(h.tree.TVDocs().Empty());
}

// Roots (newest first): App with a.apd, example.com with its page, C:\Users with joe\Music.
class TreeLookupsTest : public DocumentTreeAddItemTest {
 protected:
  TreeLookupsTest() {
    h.tree.RecentDocs().Add(LR"(C:\Work\report.apd)");
    h.Insert(LR"(C:\Users\joe\Music)");
    h.Insert(L"http://example.com/page.html", L"Page");
    h.Insert(kApp, L"App");
    h.tree.RecentDocs().Clear();
  }
};

TEST_F(TreeLookupsTest, ItemInTreeFindsRootsAndTheirDirectChildren) {
  ASSERT_EQ(Shape(h.tree.TVDocs()),
            LR"(App[78]{report.apd[79]}, example.com[1]{Page[1]}, C:\Users[0]{joe\Music[0]})");
  struct Case {
    const wchar_t* path;
    bool found;
  };
  const std::vector<Case> cases = {
      {LR"(c:\program files\app\app.exe)", true}, {LR"(C:\WORK\REPORT.APD)", true},
      {L"http://example.com/page.html", true},    {L"example.com", true},  // the split group's entry
      {L"  C:\\Users  ", true},                  {LR"(c:\users\joe\music)", true},
      {LR"(C:\Users\joe)", false},               {LR"(C:\Work\plan.gdoc)", false},
      {L"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(text::WideToUtf8(c.path));
    EXPECT_EQ(h.tree.ItemInTree(c.path, L"any title"), c.found);
  }
}

TEST_F(TreeLookupsTest, ItemInTreeLeavesTheHintOnTheLastPathLookedAt) {
  EXPECT_TRUE(h.tree.ItemInTree(kApp, L""));
  ASSERT_FALSE(h.host.hints.empty());
  EXPECT_EQ(h.host.hints.back(), kApp);
  EXPECT_FALSE(h.tree.ItemInTree(LR"(C:\Nowhere)", L""));
  EXPECT_EQ(h.host.hints.back(), LR"(C:\Users\joe\Music)");
  EXPECT_EQ(h.tree.CurrentTitle(), L"Music");
}

TEST_F(DocumentTreeAddItemTest, RecentDocumentCheckAcceptsOneTrailingBackslashEitherWay) {
  h.tree.AddItem(LR"(C:\Users\joe\Music)", L"");
  h.tree.AddItem(LR"(C:\Users\joe\Documents\Projects)", L"");
  h.Insert(kApp, L"App");
  struct Case {
    const wchar_t* file;
    bool inTree;
  };
  const std::vector<Case> cases = {
      {LR"(C:\Users\joe\Music)", true},
      {LR"(C:\Users\joe\Music\)", true},
      {LR"(c:\USERS\joe\music)", true},
      {LR"(C:\Users\joe\Recent\Music.lnk)", true},
      // A group root with children stands for its top folder.
      {LR"(C:\Users)", true},
      {LR"(C:\Users\)", true},
      {LR"(C:\Users\joe\Documents)", true},
      {LR"(C:\Users\joe\Documents\Projects)", true},
      {kApp.c_str(), true},
      {L"", true},
      {L"   ", true},
      {LR"(C:\Users\joe)", false},
      {LR"(C:\Users\joe\Music\x)", false},
      {LR"(C:\Work\report.apd)", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(text::WideToUtf8(c.file));
    EXPECT_EQ(h.tree.CheckIfRecentDocInTreeNode(c.file), c.inTree);
  }
}

TEST_F(DocumentTreeAddItemTest, RecentDocumentCheckIsTraced) {
  h.tree.ToggleDebugTrace();
  h.tree.CheckIfRecentDocInTreeNode(LR"(C:\a.txt)");
  EXPECT_EQ(h.tree.TraceLines(), (std::vector<std::wstring>{LR"(CheckIfRecentDocInTreeNode=FileNameC:\a.txt)"}));
}

TEST_F(DocumentTreeAddItemTest, ExplorerRootsWithDifferentTitlesAreDifferentPrograms) {
  h.Insert(kExplorer, L"My Computer");
  h.Insert(kExplorer, L"Control Panel");
  h.Insert(kApp, L"App");
  ASSERT_EQ(Shape(h.tree.TVDocs()), L"App[78], Control Panel[38], My Computer[38]");
  struct Case {
    std::wstring app;
    const wchar_t* title;
    bool exists;
  };
  const std::vector<Case> cases = {
      {kExplorer, L"My Computer", true},
      {L"C:\\WINDOWS\\EXPLORER.EXE", L"  control panel ", true},
      {kExplorer, L"Recycle Bin", false},
      {kExplorer, L"", false},
      // Other programs match by path whatever the title.
      {kApp, L"", true},
      {L"\"" + kApp + L"\" /open", L"Something else", true},
      {LR"(C:\Program Files\Gone\gone.exe)", L"", false},
      {kPhotoViewerCommand, L"", false},
      // Nothing is to be inserted for an empty program.
      {L"", L"", true},
      {L"   ", L"x", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(text::WideToUtf8(c.app + L" / " + c.title));
    EXPECT_EQ(h.tree.AppNodeExists(c.app, c.title), c.exists);
  }
  h.Insert(L"Windows Photo Viewer", L"Windows Photo Viewer");
  EXPECT_TRUE(h.tree.AppNodeExists(kPhotoViewerCommand, L""));
}

// A path is one thing however it arrives: a real name holding "%20", a
// folder spelled with forward slashes or as a file URL is the item stored
// before, so handing it in again (as every refresh does) changes nothing.
TEST_F(DocumentTreeAddItemTest, AnItemHandedInAgainInAnySpellingChangesNothing) {
  h.AddFile(LR"(C:\Work\My%20Notes.apd)");
  h.AddFolder(LR"(D:\New\Folder)");
  h.AddFolder(LR"(C:\Work\a%20b.txt)");
  h.AddFolder(LR"(D:\C# code)");
  h.Insert(kApp, L"App");
  struct Case {
    const wchar_t* first;
    std::vector<const wchar_t*> again;
  };
  const Case cases[] = {
      {LR"(C:\Work\My%20Notes.apd)", {LR"(C:\Work\My%20Notes.apd)", L"file:///C:/Work/My%2520Notes.apd"}},
      {L"D:/New/Folder", {L"D:/New/Folder", LR"(D:\New\Folder)", L"file:///D:/New/Folder", L"D:\\New//Folder\\"}},
      {LR"(C:\Work\a%20b.txt)", {LR"(C:\Work\a%20b.txt)", L"file:///C:/Work/a%2520b.txt"}},
      {L"file:///D:/C%23%20code", {L"file:///D:/C%23%20code", LR"(D:\C# code)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(text::WideToUtf8(c.first));
    h.tree.AddItem(c.first, L"");
    const Entries entries = h.Entries();
    const std::wstring all = Shape(h.tree.TVDocs());
    const std::wstring folders = Shape(h.tree.TVPath());
    for (const wchar_t* again : c.again) {
      SCOPED_TRACE(text::WideToUtf8(again));
      h.tree.AddItem(again, L"");
      EXPECT_EQ(h.Entries(), entries);
      EXPECT_EQ(Shape(h.tree.TVDocs()), all);
      EXPECT_EQ(Shape(h.tree.TVPath()), folders);
    }
  }
  // The document keeps its name as it is on disk, so the check the refresh
  // makes of the Recent folder's target finds it.
  EXPECT_EQ(Shape(h.tree.TVDocs()).find(L"My Notes"), std::wstring::npos);
  EXPECT_TRUE(h.tree.CheckIfRecentDocInTreeNode(LR"(C:\Work\My%20Notes.apd)"));
  EXPECT_TRUE(h.tree.CheckIfRecentDocInTreeNode(LR"(D:\C# code)"));
  // So does the question a record search asks, in any spelling.
  EXPECT_TRUE(h.tree.ItemInTree(L"file:///C:/Work/My%2520Notes.apd", L""));
  EXPECT_TRUE(h.tree.ItemInTree(L"C:/Work/My%20Notes.apd", L""));
}

TEST_F(DocumentTreeAddItemTest, AttachDocToAppAttachesADocumentOnce) {
  h.Insert(kApp, L"App");
  h.tree.AttachDocToApp(LR"(C:\Work\report.apd)", L"report.apd", kApp);
  const Entries entries = h.Entries();
  const std::wstring all = Shape(h.tree.TVDocs());
  h.tree.AttachDocToApp(LR"(C:\Work\report.apd)", L"report.apd", kApp);
  h.tree.AttachDocToApp(LR"(c:\work\REPORT.apd)", L"REPORT.apd", kApp);
  EXPECT_EQ(h.Entries(), entries);
  EXPECT_EQ(Shape(h.tree.TVDocs()), all);
}

TEST_F(DocumentTreeAddItemTest, AttachDocToAppPicksTheWindowsExplorerRootForExplorer) {
  h.Insert(kExplorer, L"Windows Explorer");
  h.Insert(kExplorer, L"My Computer");
  h.AddFile(LR"(C:\Work\list.txt)");
  h.tree.AttachDocToApp(LR"(C:\Work\list.txt)", L"list.txt", L"c:\\windows\\EXPLORER.exe ");
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"My Computer[38], Windows Explorer[38]{list.txt[9]}");
  EXPECT_TRUE(h.tree.TVApp().Node(h.tree.TVApp().Roots()[1]).children.empty());
  EXPECT_EQ(h.Entries().back(), LR"(|C:\Work\list.txt|list.txt|2)");
}

TEST_F(DocumentTreeAddItemTest, AttachDocToAppWithoutItsProgramKeepsOnlyTheEntry) {
  h.Insert(kApp, L"App");
  const std::wstring before = Shape(h.tree.TVDocs());
  h.tree.AttachDocToApp(LR"(C:\Work\plan.gdoc)", L"plan.gdoc", LR"(C:\Program Files\Gone\gone.exe)");
  EXPECT_EQ(Shape(h.tree.TVDocs()), before);
  ASSERT_EQ(h.EntryCount(), 2);
  EXPECT_EQ(h.Entries()[1], LR"(|C:\Work\plan.gdoc|plan.gdoc|2)");
  // No node of any tree refers to the new entry.
  for (TreeModel* t : {&h.tree.TVDocs(), &h.tree.TVApp(), &h.tree.TVPath(), &h.tree.TVDoc()})
    t->ForEachDepthFirst([&](NodeId node) { EXPECT_NE(t->Node(node).data.DocIndex, 1); });
}

TEST_F(DocumentTreeAddItemTest, RecentListTakesEachPathOnceInAlphabeticalOrder) {
  EXPECT_TRUE(h.tree.AddToRecentList(LR"(C:\Work\b.apd)"));
  EXPECT_TRUE(h.tree.AddToRecentList(LR"(C:\Work\A.apd)"));
  EXPECT_FALSE(h.tree.AddToRecentList(LR"(  c:\work\B.APD )"));
  EXPECT_FALSE(h.tree.AddToRecentList(LR"(c:\work\a.apd)"));
  EXPECT_TRUE(h.tree.AddToRecentList(LR"(C:\Work\c.apd)"));
  EXPECT_EQ(h.tree.RecentDocs().Items(), (Entries{LR"(C:\Work\A.apd)", LR"(C:\Work\b.apd)", LR"(C:\Work\c.apd)"}));
}

// A tree with more roots than the walks look at, built directly.
class ManyRootsTest : public DocumentTreeAddItemTest {
 protected:
  static constexpr int kRoots = 5001;

  ManyRootsTest() {
    for (int i = 0; i < kRoots; ++i) AddRoot(ProgramPath(i), L"p" + std::to_wstring(i));
  }
  static std::wstring ProgramPath(int i) { return LR"(C:\Apps\p)" + std::to_wstring(i) + L".exe"; }
  // Appended as the last root, so roots keep the order they were made in.
  NodeId AddRoot(const std::wstring& path, const std::wstring& text) {
    TMyDoc doc;
    doc.groupKey = LR"(C:\Apps)";
    doc.path = path;
    doc.title = text;
    doc.docType = DocTypeApplication;
    const int index = h.tree.Docs().Append(doc);
    const NodeId root = h.tree.TVDocs().AddChild(NoNode, text);
    h.tree.TVDocs().MutableNode(root).data.DocIndex = index;
    return root;
  }
};

TEST_F(ManyRootsTest, WalksStopAfter5000Roots) {
  const std::wstring last = ProgramPath(kRoots - 1);
  const std::wstring lastLooked = ProgramPath(kRoots - 2);
  EXPECT_TRUE(h.tree.ItemInTree(lastLooked, L""));
  EXPECT_FALSE(h.tree.ItemInTree(last, L""));
  EXPECT_TRUE(h.tree.AppNodeExists(lastLooked, L""));
  EXPECT_FALSE(h.tree.AppNodeExists(last, L""));
  EXPECT_TRUE(h.tree.CheckIfRecentDocInTreeNode(lastLooked));
  EXPECT_FALSE(h.tree.CheckIfRecentDocInTreeNode(last));
  EXPECT_EQ(h.tree.TreePaths().size(), 5000u);
  // Attaching a document looks at every root.
  h.tree.AttachDocToApp(LR"(C:\Work\x.apd)", L"x.apd", last);
  const NodeId lastRoot = h.tree.TVDocs().Roots().back();
  ASSERT_EQ(h.tree.TVDocs().Node(lastRoot).children.size(), 1u);
  EXPECT_EQ(h.tree.TVDocs().Node(h.tree.TVDocs().Node(lastRoot).children[0]).text, L"x.apd");
}

TEST_F(ManyRootsTest, CollectingTreePathsTakes5000NodesAtEachLevel) {
  const NodeId first = h.tree.TVDocs().Roots().front();
  for (int i = 0; i < kRoots; ++i) {
    TMyDoc doc;
    doc.path = LR"(C:\Docs\d)" + std::to_wstring(i) + L".apd";
    const int index = h.tree.Docs().Append(doc);
    const NodeId child = h.tree.TVDocs().AddChild(first, L"d" + std::to_wstring(i));
    h.tree.TVDocs().MutableNode(child).data.DocIndex = index;
  }
  EXPECT_TRUE(h.tree.CheckIfRecentDocInTreeNode(LR"(C:\Docs\d4999.apd)"));
  EXPECT_FALSE(h.tree.CheckIfRecentDocInTreeNode(LR"(C:\Docs\d5000.apd)"));
  EXPECT_EQ(h.tree.TreePaths().size(), 10000u);
}

}  // namespace
}  // namespace kalvora::tree
