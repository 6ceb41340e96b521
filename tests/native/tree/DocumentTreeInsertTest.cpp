// Classifying one item and placing it in the four trees.
#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

#include "common/WideText.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::tree {
namespace {

using testing::DocIndexes;
using testing::Shape;
using Entries = std::vector<std::wstring>;

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

// The folders and programs the cases below insert.
struct InsertMachine : testing::DocumentTreeHarness {
  InsertMachine() {
    AddFolder(LR"(C:\Users\joe\Music)");
    AddFolder(LR"(C:\Users\joe\Documents\Projects)");
    AddFolder(LR"(C:\My Music)");
    AddFolder(LR"(D:\Data)");
    AddFile(LR"(C:\Tools\tool.exe)");
    AddFile(LR"(C:\Windows\notepad.exe)");
    AddFile(LR"(C:\Windows\explorer.exe)");
  }
  void Add(const std::wstring& path, const std::wstring& title = L"") { tree.AddNewFileNameToDocTree(path, title); }
};

class DocumentTreeInsertTest : public ::testing::Test {
 protected:
  void Add(const std::wstring& path, const std::wstring& title = L"") { h.Add(path, title); }

  InsertMachine h;
};

// One item into an empty tree: which trees get which nodes, and the entries.
struct SingleItemCase {
  const wchar_t* path;
  const wchar_t* title;
  const wchar_t* all;
  const wchar_t* app;
  const wchar_t* folders;
  const wchar_t* web;
  Entries entries;
};

TEST_F(DocumentTreeInsertTest, OneItemGoesToTheTreesOfItsKind) {
  const std::vector<SingleItemCase> cases = {
      // A top folder is its own group and needs no child.
      {LR"(C:\Users)", L"", LR"(C:\Users[0])", L"", LR"(C:\Users[0])", L"", {LR"(C:\Users|C:\Users|Users|3)"}},
      // The first folder of a group splits: the root's entry names the group,
      // a second entry holds the folder.
      {LR"(C:\Users\joe\Documents\Projects)",
       L"",
       LR"(C:\Users\joe\Documents[0]{Projects[0]})",
       L"",
       LR"(C:\Users\joe\Documents[0]{Projects[0]})",
       L"",
       {LR"(C:\Users\joe\Documents|C:\Users\joe\Documents|Projects|3)",
        LR"(C:\Users\joe\Documents|C:\Users\joe\Documents\Projects|Projects|3)"}},
      // A group key shorter than 4 characters: the root shows the title.
      {LR"(D:\)", L"", L"D:[0]", L"", L"D:[0]", L"", {LR"(D:\|D:\|D:|3)"}},
      {LR"(\\server\share\dir)", L"", LR"(\\server\share\dir[0])", L"", LR"(\\server\share\dir[0])", L"",
       {LR"(\\server\share\dir|\\server\share\dir|dir|3)"}},
      // A file URL is a folder in its backslash form.
      {L"file:///C:/Users/joe/Music",
       L"Music",
       LR"(C:\Users[0]{joe\Music[0]})",
       L"",
       LR"(C:\Users[0]{joe\Music[0]})",
       L"",
       {LR"(C:\Users|C:\Users|Music|3)", LR"(C:\Users|C:\Users\joe\Music|Music|3)"}},
      {LR"(C:\My%20Music)", L"", LR"(C:\My Music[0])", L"", LR"(C:\My Music[0])", L"",
       {LR"(C:\My Music|C:\My Music|My Music|3)"}},
      // A bare site is its host's root; the entry keeps the full address.
      {L"http://example.com/", L"Example", L"example.com[1]", L"", L"", L"example.com[1]",
       {L"example.com|http://example.com/|Example|1"}},
      {L"http://example.com/page.html",
       L"Page One",
       L"example.com[1]{Page One[1]}",
       L"",
       L"",
       L"example.com[1]{Page One[1]}",
       {L"example.com|example.com|Page One|1", L"example.com|http://example.com/page.html|Page One|1"}},
      // Secure pages are web pages too, grouped the same way.
      {L"https://example.com/", L"Example", L"example.com[1]", L"", L"", L"example.com[1]",
       {L"example.com|https://example.com/|Example|1"}},
      {L"https://example.com/page.html",
       L"Page One",
       L"example.com[1]{Page One[1]}",
       L"",
       L"",
       L"example.com[1]{Page One[1]}",
       {L"example.com|example.com|Page One|1", L"example.com|https://example.com/page.html|Page One|1"}},
      {L"http://example.com/a%20b.html",
       L"AB",
       L"example.com[1]{AB[1]}",
       L"",
       L"",
       L"example.com[1]{AB[1]}",
       {L"example.com|example.com|AB|1", L"example.com|http://example.com/a b.html|AB|1"}},
      // Programs: a stock icon by name, else the file's own icon appended
      // after the 78 stock images.
      {LR"(C:\Windows\notepad.exe)", L"Notepad", L"Notepad[9]", L"Notepad[9]", L"", L"",
       {LR"(C:\Windows|C:\Windows\notepad.exe|Notepad|2)"}},
      {LR"(C:\Tools\tool.exe)", L"Tool", L"Tool[78]", L"Tool[78]", L"", L"",
       {LR"(C:\Tools|C:\Tools\tool.exe|Tool|2)"}},
      {L"Windows Photo Viewer", L"Windows Photo Viewer", L"Windows Photo Viewer[7]", L"Windows Photo Viewer[7]", L"",
       L"", {L"Windows Photo Viewer|Windows Photo Viewer|Windows Photo Viewer|2"}},
      // A program file that is not there is a drive path, so a folder.
      {LR"(C:\Program Files\Gone\gone.exe)", L"Gone", L"Gone[0]", L"", L"Gone[0]", L"",
       {LR"(C:\Program Files|C:\Program Files\Gone\gone.exe|Gone|3)"}},
  };
  for (const SingleItemCase& c : cases) {
    SCOPED_TRACE(text::WideToUtf8(c.path));
    InsertMachine fresh;
    fresh.Add(c.path, c.title);
    tree::DocumentTree& t = fresh.tree;
    EXPECT_EQ(Shape(t.TVDocs()), c.all);
    EXPECT_EQ(Shape(t.TVApp()), c.app);
    EXPECT_EQ(Shape(t.TVPath()), c.folders);
    EXPECT_EQ(Shape(t.TVDoc()), c.web);
    EXPECT_EQ(fresh.Entries(), c.entries);
  }
}

TEST_F(DocumentTreeInsertTest, FoldersJoinTheGroupOfTheirTopFolder) {
  Add(LR"(C:\Users)");
  Add(LR"(C:\Users\joe\Music)");
  EXPECT_EQ(Shape(h.tree.TVDocs()), LR"(C:\Users[0]{joe\Music[0]})");
  EXPECT_EQ(Shape(h.tree.TVPath()), LR"(C:\Users[0]{joe\Music[0]})");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"");
  // The root stands for C:\Users itself; the child has its own entry.
  EXPECT_EQ(DocIndexes(h.tree.TVDocs()), LR"(C:\Users#0{joe\Music#1})");
  EXPECT_EQ(DocIndexes(h.tree.TVPath()), LR"(C:\Users#0{joe\Music#1})");
  EXPECT_EQ(h.Entries(), (Entries{LR"(C:\Users|C:\Users|Users|3)", LR"(C:\Users|C:\Users\joe\Music|Music|3)"}));
  // A file URL joins the group in its backslash form.
  Add(L"file:///C:/Users/joe/Videos/", L"Videos");
  EXPECT_EQ(Shape(h.tree.TVDocs()), LR"(C:\Users[0]{joe\Music[0], joe\Videos[0]})");
  EXPECT_EQ(Shape(h.tree.TVPath()), LR"(C:\Users[0]{joe\Music[0], joe\Videos[0]})");
  EXPECT_EQ(h.Entries().back(), LR"(C:\Users|C:\Users\joe\Videos\|Videos|3)");
}

TEST_F(DocumentTreeInsertTest, PagesOfOneHostShareItsRoot) {
  Add(L"http://example.com/page.html", L"Page One");
  Add(L"http://example.com/second.html", L"Page Two");
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"example.com[1]{Page One[1], Page Two[1]}");
  EXPECT_EQ(Shape(h.tree.TVDoc()), L"example.com[1]{Page One[1], Page Two[1]}");
  EXPECT_EQ(DocIndexes(h.tree.TVDocs()), L"example.com#0{Page One#1, Page Two#2}");
  EXPECT_EQ(DocIndexes(h.tree.TVDoc()), L"example.com#0{Page One#1, Page Two#2}");
  EXPECT_EQ(h.Entries(), (Entries{L"example.com|example.com|Page One|1",
                                  L"example.com|http://example.com/page.html|Page One|1",
                                  L"example.com|http://example.com/second.html|Page Two|1"}));
}

TEST_F(DocumentTreeInsertTest, PagesOfEitherSchemeShareTheirHostsRoot) {
  Add(L"https://example.com/secure.html", L"Secure");
  Add(L"http://example.com/plain.html", L"Plain");
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"example.com[1]{Secure[1], Plain[1]}");
  EXPECT_EQ(Shape(h.tree.TVDoc()), L"example.com[1]{Plain[1], Secure[1]}");  // sorted at every level
  EXPECT_EQ(Shape(h.tree.TVApp()), L"");
}

TEST_F(DocumentTreeInsertTest, NewGroupsGoOnTopExceptWebHostsWhichAreSorted) {
  Add(LR"(C:\Users)");
  Add(L"http://zeta.org/a.html", L"Zeta");
  Add(LR"(C:\Tools\tool.exe)", L"Tool");
  Add(L"http://alpha.org/b.html", L"Alpha");
  Add(LR"(D:\Data)");
  Add(L"http://alpha.org/c.html", L"Aardvark");
  EXPECT_EQ(Shape(h.tree.TVDocs()),
            LR"(D:\Data[0], alpha.org[1]{Alpha[1], Aardvark[1]}, Tool[78], zeta.org[1]{Zeta[1]}, C:\Users[0])");
  EXPECT_EQ(Shape(h.tree.TVPath()), LR"(D:\Data[0], C:\Users[0])");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"Tool[78]");
  EXPECT_EQ(Shape(h.tree.TVDoc()), L"alpha.org[1]{Aardvark[1], Alpha[1]}, zeta.org[1]{Zeta[1]}");
}

TEST_F(DocumentTreeInsertTest, ProgramTakesItsRecentDocumentsUpToItsOwnEntry) {
  const std::wstring program = LR"(C:\Program Files\App\app.exe)";
  h.AssociateProgram(L".apd", program);
  h.AssociateProgram(L".txt", LR"(C:\Windows\notepad.exe)");
  h.AddFile(LR"(C:\Docs\a.apd)");  // b.apd is gone: it shows the program's icon
  for (const wchar_t* recent : {LR"(C:\Docs\b.apd)", LR"(C:\Docs\a.apd)", LR"(C:\Docs\notes.txt)",
                                LR"(C:\Program Files\App\app.exe)", LR"(C:\Zed\late.apd)"})
    h.tree.RecentDocs().Add(recent);

  Add(program, L"App");

  // In recent-list order (alphabetical); the list stops at the program itself.
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"App[78]{a.apd[79], b.apd[80]}");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"App[78]{a.apd[79], b.apd[80]}");
  EXPECT_EQ(DocIndexes(h.tree.TVDocs()), L"App#0{a.apd#1, b.apd#2}");
  EXPECT_EQ(DocIndexes(h.tree.TVApp()), L"App#0{a.apd#1, b.apd#2}");
  EXPECT_EQ(h.Entries(), (Entries{LR"(C:\Program Files|C:\Program Files\App\app.exe|App|2)",
                                  LR"(|C:\Docs\a.apd|a.apd|2)", LR"(|C:\Docs\b.apd|b.apd|2)"}));
  // Attached documents carry no date.
  EXPECT_EQ(h.tree.Docs()[1].date, L"");
  // Each icon taken from a file is appended anew, the program's twice.
  const std::vector<std::wstring> images = h.Images();
  ASSERT_EQ(images.size(), 81u);
  EXPECT_EQ(images[77], L"preset:77");
  EXPECT_EQ(Lower(images[78]), Lower(program));
  EXPECT_EQ(Lower(images[79]), LR"(c:\docs\a.apd)");
  EXPECT_EQ(Lower(images[80]), Lower(program));
  // The list is read, not changed.
  EXPECT_EQ(h.tree.RecentDocs().Size(), 5u);
}

TEST_F(DocumentTreeInsertTest, PhotoViewerTakesEveryPictureItOpens) {
  h.AssociatePhotoViewer(L".jpg");
  h.AssociatePhotoViewer(L".png");
  h.AssociateProgram(L".txt", LR"(C:\Windows\notepad.exe)");
  h.AddFile(LR"(C:\Pics\a.jpg)");
  h.AddFile(LR"(C:\Pics\b.png)");
  for (const wchar_t* recent : {LR"(C:\Pics\a.jpg)", LR"(C:\Pics\b.png)", LR"(C:\Pics\list.txt)"})
    h.tree.RecentDocs().Add(recent);

  Add(L"Windows Photo Viewer", L"Windows Photo Viewer");

  // a.jpg has a stock picture icon; b.png's own icon is appended.
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"Windows Photo Viewer[7]{a.jpg[8], b.png[78]}");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"Windows Photo Viewer[7]{a.jpg[8], b.png[78]}");
}

TEST_F(DocumentTreeInsertTest, DocumentsOfAMissingProgramHaveNoApplicationRootToGoUnder) {
  h.Associate(L".gdoc", LR"("C:\Program Files\Gone\gone.exe" "%1")");
  h.AddFile(LR"(C:\Work\plan.gdoc)");
  h.tree.RecentDocs().Add(LR"(C:\Work\plan.gdoc)");

  Add(LR"(C:\Program Files\Gone\gone.exe)", L"Gone");

  EXPECT_EQ(Shape(h.tree.TVDocs()), L"Gone[0]{plan.gdoc[78]}");
  EXPECT_EQ(Shape(h.tree.TVPath()), L"Gone[0]");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"plan.gdoc[78]");
  EXPECT_EQ(h.tree.Docs()[0].docType, DocTypeFolder);
}

TEST_F(DocumentTreeInsertTest, FolderWhoseGroupAProgramUsesBecomesALastRoot) {
  h.AddFolder(LR"(C:\Tools\Plugins)");
  Add(LR"(D:\Data)");
  Add(LR"(C:\Tools\tool.exe)", L"Tool");
  Add(LR"(C:\Tools\Plugins)");
  // No node bears the group's text C:\Tools, so the folder is placed after
  // the existing roots, named below its top folder.
  EXPECT_EQ(Shape(h.tree.TVDocs()), LR"(Tool[78], D:\Data[0], Plugins[0])");
  EXPECT_EQ(Shape(h.tree.TVPath()), LR"(D:\Data[0], Plugins[0])");
  EXPECT_EQ(DocIndexes(h.tree.TVDocs()), LR"(Tool#1, D:\Data#0, Plugins#2)");
  EXPECT_EQ(h.Entries().back(), LR"(C:\Tools|C:\Tools\Plugins|Plugins|3)");
}

// The top folder itself, when only a program's entry uses its group, has no
// group node to stand for it: it becomes the group's root instead of being
// dropped (and then refused as a duplicate for good).
TEST_F(DocumentTreeInsertTest, TopFolderOfAGroupOnlyAProgramUsesBecomesItsRoot) {
  h.AddFolder(LR"(C:\Tools\Plugins)");
  Add(LR"(C:\Tools\tool.exe)", L"Tool");
  Add(LR"(C:\Tools)");
  Add(LR"(C:\Tools\Plugins)");
  EXPECT_EQ(Shape(h.tree.TVDocs()), LR"(C:\Tools[0]{Plugins[0]}, Tool[78])");
  EXPECT_EQ(Shape(h.tree.TVPath()), LR"(C:\Tools[0]{Plugins[0]})");
  EXPECT_EQ(DocIndexes(h.tree.TVDocs()), LR"(C:\Tools#1{Plugins#2}, Tool#0)");
  EXPECT_EQ(h.Entries(), (Entries{LR"(C:\Tools|C:\Tools\tool.exe|Tool|2)", LR"(C:\Tools|C:\Tools|Tools|3)",
                                  LR"(C:\Tools|C:\Tools\Plugins|Plugins|3)"}));
}

TEST_F(DocumentTreeInsertTest, DuplicatesAreRefusedIgnoringCaseBlanksAndFileUrls) {
  Add(LR"(C:\Users\joe\Music)");
  Add(L"http://example.com/page.html", L"Page");
  const std::wstring all = Shape(h.tree.TVDocs());
  const std::wstring folders = Shape(h.tree.TVPath());
  const std::wstring web = Shape(h.tree.TVDoc());
  const int entries = h.EntryCount();
  for (const wchar_t* again : {LR"(C:\USERS\JOE\MUSIC)", LR"(  c:\users\joe\music  )", L"file:///C:/Users/joe/Music",
                               L"FILE:///c:/users/joe/music",
                               // The group's entry, after the split, names the group.
                               LR"(C:\Users)", L"HTTP://EXAMPLE.COM/PAGE.HTML", L"http://example.com/page.html "}) {
    SCOPED_TRACE(text::WideToUtf8(again));
    Add(again, L"Again");
    EXPECT_EQ(h.EntryCount(), entries);
    EXPECT_EQ(Shape(h.tree.TVDocs()), all);
    EXPECT_EQ(Shape(h.tree.TVPath()), folders);
    EXPECT_EQ(Shape(h.tree.TVDoc()), web);
  }
}

// A folder is stored with backslashes only, so every spelling of it with
// forward or doubled slashes is the stored item again.
TEST(DocumentTreeDuplicates, FolderSpelledWithOtherSlashesIsTheStoredFolder) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {LR"(C:\Users\joe\Music)", L"C:/Users/joe/Music"},
      {LR"(C:\Users\joe\Music)", L"file:///C:/Users/joe//Music"},
      {LR"(D:\Data\Sub)", LR"(D:\Data//Sub)"},  // not there: a folder item all the same
      {LR"(D:\Data//Sub)", LR"(D:\Data//Sub)"},
      {LR"(D:\Data\Sub)", L"D:/Data/Sub"},
  };
  for (const auto& [first, again] : cases) {
    SCOPED_TRACE(text::WideToUtf8(std::wstring(first) + L" then " + again));
    InsertMachine h;
    h.Add(first, L"First");
    const Entries entries = h.Entries();
    const std::wstring all = Shape(h.tree.TVDocs());
    const std::wstring folders = Shape(h.tree.TVPath());
    h.Add(again, L"Again");
    EXPECT_EQ(h.Entries(), entries);
    EXPECT_EQ(Shape(h.tree.TVDocs()), all);
    EXPECT_EQ(Shape(h.tree.TVPath()), folders);
  }
}

TEST_F(DocumentTreeInsertTest, ShellPlacesAreInsertedEveryTime) {
  Add(LR"(C:\Windows\explorer.exe)", L"My Computer");
  Add(LR"(C:\Windows\explorer.exe)", L"My Computer");
  Add(LR"(C:\Windows\explorer.exe)", L"Control Panel");
  EXPECT_EQ(Shape(h.tree.TVDocs()), L"Control Panel[38], My Computer[38], My Computer[38]");
  EXPECT_EQ(Shape(h.tree.TVApp()), L"Control Panel[38], My Computer[38], My Computer[38]");
  EXPECT_EQ(h.EntryCount(), 3);
  // An ordinary Explorer item is refused the second time.
  Add(LR"(C:\Windows\explorer.exe)", L"Downloads");
  EXPECT_EQ(h.EntryCount(), 3);
}

TEST_F(DocumentTreeInsertTest, EmptyAndExcludedPathsInsertNothing) {
  for (const wchar_t* path : {L"", L"   ", L"res://ieframe.dll/navcancl.htm", L"RES://shdoclc.dll/dnserror.htm",
                              LR"(C:\x res://y)"}) {
    SCOPED_TRACE(text::WideToUtf8(path));
    Add(path, L"Title");
    EXPECT_EQ(h.EntryCount(), 0);
    for (TreeModel* t : {&h.tree.TVDocs(), &h.tree.TVApp(), &h.tree.TVPath(), &h.tree.TVDoc()})
      EXPECT_TRUE(t->Empty());
  }
  EXPECT_EQ(h.host.webPageTabShown, 0);
}

TEST_F(DocumentTreeInsertTest, WebPageTabIsShownWhenTheFirstPageArrives) {
  Add(LR"(C:\Users)");
  Add(LR"(C:\Tools\tool.exe)", L"Tool");
  EXPECT_EQ(h.host.webPageTabShown, 0);
  Add(L"http://example.com/", L"Example");
  EXPECT_GE(h.host.webPageTabShown, 1);
}

// A host first met through an address of another scheme already has a
// group, so the page gets no group node of its own in "Web Page"; the tab
// must still show it.
TEST_F(DocumentTreeInsertTest, WebPageTabIsShownForAPageOfAHostAlreadyGrouped) {
  Add(L"ftp://example.com/file.zip", L"File");
  EXPECT_EQ(h.host.webPageTabShown, 0);
  Add(L"http://example.com/page.html", L"Page");
  EXPECT_EQ(Shape(h.tree.TVDoc()), L"Page[1]");
  EXPECT_GE(h.host.webPageTabShown, 1);
}

TEST_F(DocumentTreeInsertTest, EntriesAreDatedByTheMachineClock) {
  h.machine.SetNow({2027, 3, 5, 23, 59, 0, 0});
  Add(LR"(C:\Users\joe\Music)");
  Add(L"http://example.com/", L"Example");
  ASSERT_EQ(h.EntryCount(), 3);
  for (const TMyDoc& doc : h.tree.Docs().Entries()) {
    EXPECT_EQ(doc.date, L"2027-03-05");
    EXPECT_TRUE(doc.expanded);
  }
}

TEST_F(DocumentTreeInsertTest, TraceRecordsHowEachItemWasClassifiedWhileItIsOn) {
  Add(LR"(C:\Users)", L"Users");
  EXPECT_TRUE(h.tree.TraceLines().empty());
  EXPECT_FALSE(h.tree.Tracing());

  h.tree.ToggleDebugTrace();
  EXPECT_TRUE(h.tree.Tracing());
  Add(LR"(D:\Data)", L"Data");
  Add(LR"(C:\Tools\tool.exe)", L"Tool");
  Add(L"http://example.com/", L"Example");
  EXPECT_EQ(h.tree.TraceLines(), (std::vector<std::wstring>{
                                     LR"(AddNewFileNameToDocTree ,D:\Data,Data)",
                                     LR"(WideDirectoryExistsD:\Data)",
                                     LR"(AddNewFileNameToDocTree ,C:\Tools\tool.exe,Tool)",
                                     LR"(WideIfValidFileFormatC:\Tools\tool.exe)",
                                     L"AddNewFileNameToDocTree ,http://example.com/,Example",
                                     L"else=http://example.com/",
                                 }));

  const int changes = h.host.traceChanges;
  h.tree.ToggleDebugTrace();
  EXPECT_FALSE(h.tree.Tracing());
  EXPECT_TRUE(h.tree.TraceLines().empty());
  EXPECT_GT(h.host.traceChanges, changes);
  Add(LR"(C:\Users\joe\Music)");
  EXPECT_TRUE(h.tree.TraceLines().empty());
}

}  // namespace
}  // namespace kalvora::tree
