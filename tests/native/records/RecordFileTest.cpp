#include "records/RecordFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../shared/RecordFileCases.h"
#include "../../shared/XmlDomCases.h"
#include "common/WideText.h"
#include "support/DocumentTreeHarness.h"

namespace kalvora::records {
namespace {

using platform::XmlElement;
using record_file_cases::AddAllNode;
using record_file_cases::Outline;

constexpr const wchar_t* kProgram = L"C:\\Program Files\\Kalvora\\kalvora.exe";
constexpr const wchar_t* kRecord = L"C:\\Records\\Mar 05,2012_001.revisto";

struct RecordFileTest : ::testing::Test {
  testing::DocumentTreeHarness h;
  RecordFile records{h.process.Platform(), h.tree, h.host, kProgram};

  RecordFileTest() { h.AddFolder(L"C:\\Records"); }
  void Store(const std::wstring& path, const std::string& bytes) { h.machine.files().AddFile(path, bytes); }
  XmlElement Written(const std::wstring& path) {
    const auto bytes = h.machine.files().ReadFile(path);
    EXPECT_TRUE(bytes.has_value());
    return h.process.xml().Parse(bytes.value_or("")).value_or(XmlElement{});
  }
};

XmlElement Item(std::wstring text, std::wstring path, std::wstring image, std::wstring docType, std::wstring extand,
                std::vector<XmlElement> children = {}) {
  return xml_dom_cases::Item(std::move(text), std::move(path), std::move(image), std::move(docType),
                             std::move(extand), std::move(children));
}

// A record's bytes: the root and its items, given as XML text.
std::string Record(const std::string& items, const std::string& root = "revistotree") {
  return "<?xml version=\"1.0\"?><" + root + " app=\"C:\\k.exe\">" + items + "</" + root + ">";
}
std::string ItemText(const std::string& text, const std::string& path, const std::string& docType,
                     const std::string& children = "", const std::string& extand = "-1") {
  return "<item text=\"" + text + "\" path=\"" + path + "\" imageIndex=\"4\" stateIndex=\"-1\" docType=\"" +
         docType + "\" extand=\"" + extand + "\">" + children + "</item>";
}

TEST_F(RecordFileTest, WritesTheAllTreeWithEveryAttributeInOrder) {
  record_file_cases::BuildSampleTree(h.tree);
  ASSERT_TRUE(records.WriteRecordFile(kRecord));

  const XmlElement expected{
      L"revistotree",
      {{L"app", kProgram}},
      {Item(L"D:\\Projects", L"D:\\Projects", L"0", L"3", L"1",
            {Item(L"Report \"Q1\" & <draft>.docx", L"D:\\Projects\\Report \"Q1\" & <draft>.docx", L"80", L"2", L"-1"),
             Item(L"Caf\u00e9 \u65e5\u672c", L"D:\\Projects\\Caf\u00e9 \u65e5\u672c", L"0", L"3", L"0",
                  {Item(L"deep.txt", L"D:\\Projects\\Caf\u00e9 \u65e5\u672c\\deep.txt", L"81", L"2", L"-1")})}),
       Item(L"example.com", L"http://example.com/", L"14", L"1", L"0",
            {Item(L"Example Page", L"http://example.com/a?b=1&c=2", L"14", L"1", L"-1")}),
       Item(L"Notepad", L"C:\\Windows\\notepad.exe", L"-3", L"2", L"-1"),
       Item(L"Odd", L"x:odd", L"2", L"0", L"-1")}};
  EXPECT_EQ(Written(kRecord), expected);
  // One pump per item written; the path is read through the accessor that
  // shows it in the hint panel.
  EXPECT_EQ(h.host.pumps, 8);
  EXPECT_EQ(h.host.hints.back(), L"x:odd");
  EXPECT_EQ(h.tree.CurrentTitle(), L"Odd");
  EXPECT_EQ(h.machine.files().ListFolder(L"C:\\Records"), std::vector<std::wstring>{L"Mar 05,2012_001.revisto"});
}

TEST_F(RecordFileTest, RoundTripRestoresTheTreeAndBuildsTheTypedViewsFromTwoLevels) {
  record_file_cases::BuildSampleTree(h.tree);
  ASSERT_TRUE(records.WriteRecordFile(kRecord));

  testing::DocumentTreeHarness other;
  RecordFile reader{other.process.Platform(), other.tree, other.host, kProgram};
  other.machine.files().AddFile(kRecord, *h.machine.files().ReadFile(kRecord));
  reader.LoadRecord(kRecord);
  EXPECT_EQ(Outline(other.tree), record_file_cases::kSampleLoaded);
  EXPECT_EQ(reader.ExtandFlags(), record_file_cases::kSampleExtand);
  EXPECT_EQ(other.host.webPageTabShown, 2);  // both web items asked for the tab
  // One pump per item read and one before each top-level node is copied.
  EXPECT_EQ(other.host.pumps, 8 + 4);
}

TEST_F(RecordFileTest, TheStoredNativeRecordReadsTheSame) {
  // The same sample, as this build wrote it; the Windows tests read it too.
  Store(kRecord, xml_dom_cases::FixtureBytes("record-file-sample.revisto"));
  records.LoadRecord(kRecord);
  EXPECT_EQ(Outline(h.tree), record_file_cases::kSampleLoaded);
}

TEST_F(RecordFileTest, EmptyTreeWritesOnlyTheRootAndReadsBackEmpty) {
  ASSERT_TRUE(records.WriteRecordFile(kRecord));
  EXPECT_EQ(Written(kRecord), (XmlElement{L"revistotree", {{L"app", kProgram}}, {}}));
  AddAllNode(h.tree, tree::NoNode, L"stale", L"C:\\stale", 3, 0);
  records.LoadRecord(kRecord);
  EXPECT_EQ(Outline(h.tree), L"All: \nApplication: \nFile Folder: \nWeb Page: \n");
}

TEST_F(RecordFileTest, FailedWriteAnswersFalseAndKeepsTheOldRecord) {
  Store(kRecord, "old");
  record_file_cases::BuildSampleTree(h.tree);
  h.machine.files().FailNextWrite();
  EXPECT_FALSE(records.WriteRecordFile(kRecord));
  EXPECT_EQ(h.machine.files().ReadFile(kRecord), "old");
}

TEST_F(RecordFileTest, ExtandFlagsAreTrueOnlyForOne) {
  Store(kRecord, Record(ItemText("a", "C:\\a", "3", ItemText("b", "C:\\a\\b", "3"), "1") +
                        ItemText("c", "C:\\c", "3", ItemText("d", "C:\\c\\d", "3"), " 0 ") +
                        ItemText("e", "C:\\e", "3", "", "-1") + ItemText("f", "C:\\f", "3", "", "+1")));
  records.LoadRecord(kRecord);
  EXPECT_EQ(records.ExtandFlags(), (std::vector<bool>{true, false, false, false, false, true}));
  // The flag is kept per entry only: the nodes come in collapsed.
  EXPECT_FALSE(h.tree.TVDocs().Node(h.tree.TVDocs().Roots()[0]).expanded);
}

TEST_F(RecordFileTest, ItemsAreReadUntilOneIsIncomplete) {
  const std::string good = ItemText("a", "C:\\a", "3", ItemText("a1", "C:\\a\\1", "2"));
  const std::string noState = "<item text=\"n\" path=\"C:\\n\" imageIndex=\"1\" docType=\"2\" extand=\"-1\"/>";
  struct Case {
    const char* name;
    std::string bytes;
    const wchar_t* all;  // the "All" tree with DocIndexes
    bool typedViews;     // the whole file was read, so the typed trees were built
  };
  const Case cases[] = {
      {"stateIndex missing is fine", Record(good + noState), L"a#0{a1#1}, n#2", true},
      {"extand missing on the first item", Record("<item text=\"x\" path=\"C:\\x\" imageIndex=\"1\" docType=\"3\"/>" + good),
       L"", false},
      {"extand missing after two items",
       Record(good + "<item text=\"x\" path=\"C:\\x\" imageIndex=\"1\" stateIndex=\"-1\" docType=\"3\"/>" + good),
       L"a#0{a1#1}", false},
      {"text missing in a child", Record(ItemText("a", "C:\\a", "3", "<item path=\"C:\\a\\1\" imageIndex=\"1\" "
                                                                    "docType=\"2\" extand=\"-1\"/>" +
                                                                        ItemText("a2", "C:\\a\\2", "2"))),
       L"a#0", false},
      {"path missing", Record(good + "<item text=\"x\" imageIndex=\"1\" docType=\"2\" extand=\"-1\"/>"),
       L"a#0{a1#1}", false},
      {"docType not a number", Record(good + ItemText("x", "C:\\x", "two")), L"a#0{a1#1}", false},
      {"imageIndex out of range",
       Record(good + "<item text=\"x\" path=\"C:\\x\" imageIndex=\"2147483648\" docType=\"2\" extand=\"-1\"/>"),
       L"a#0{a1#1}", false},
      {"another root name and element names", Record("<node text=\"a\" path=\"C:\\a\" imageIndex=\"4\" "
                                                     "docType=\"3\" extand=\"1\"><x text=\"a1\" path=\"C:\\a\\1\" "
                                                     "imageIndex=\"4\" docType=\"2\" extand=\"-1\"/></node>",
                                                     "records"),
       L"a#0{a1#1}", true},
      {"not well formed", Record(good).substr(0, 60), L"", false},
      {"nested entities",
       "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
       "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
       "<r><item text=\"&d;\" path=\"C:\\a\" imageIndex=\"1\" docType=\"3\" extand=\"-1\"/></r>",
       L"", false},
      {"external entity",
       "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY secret SYSTEM \"file:///C:/Records/secret.txt\">]>"
       "<r><item text=\"&secret;\" path=\"C:\\a\" imageIndex=\"1\" docType=\"3\" extand=\"-1\"/></r>",
       L"", false},
      {"empty file", "", L"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::DocumentTreeHarness fresh;
    RecordFile reader{fresh.process.Platform(), fresh.tree, fresh.host, kProgram};
    fresh.machine.files().AddFile(L"C:\\Records\\secret.txt", "top secret");
    fresh.machine.files().AddFile(kRecord, c.bytes);
    reader.LoadRecord(kRecord);
    EXPECT_EQ(testing::DocIndexes(fresh.tree.TVDocs()), c.all);
    // No node without its entry, no entry without its node.
    EXPECT_EQ(fresh.tree.Docs().Size(), static_cast<int>(fresh.tree.TVDocs().Count()));
    EXPECT_EQ(reader.ExtandFlags().size(), fresh.tree.TVDocs().Count());
    const bool typed = !fresh.tree.TVPath().Empty() || !fresh.tree.TVApp().Empty();
    EXPECT_EQ(typed, c.typedViews);
  }
}

TEST_F(RecordFileTest, DeclaredEncodingsAreRead) {
  const std::u16string utf16 =
      u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><revistotree app=\"k\"><item text=\"Caf\u00e9 \u65e5\" "
      u"path=\"D:\\Caf\u00e9 \u65e5\" imageIndex=\"0\" stateIndex=\"-1\" docType=\"3\" extand=\"-1\"/></revistotree>";
  struct Case {
    const char* name;
    std::string bytes;
    const wchar_t* entry;
  };
  const Case cases[] = {
      {"UTF-16 little-endian with BOM", xml_dom_cases::Utf16Document(utf16, false),
       L"D:\\Caf\u00e9 \u65e5|D:\\Caf\u00e9 \u65e5|Caf\u00e9 \u65e5|3"},
      {"UTF-16 big-endian with BOM", xml_dom_cases::Utf16Document(utf16, true),
       L"D:\\Caf\u00e9 \u65e5|D:\\Caf\u00e9 \u65e5|Caf\u00e9 \u65e5|3"},
      {"ISO-8859-1",
       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><revistotree><item text=\"Caf\xE9 \xC4\" path=\"D:\\Caf\xE9\" "
       "imageIndex=\"0\" docType=\"3\" extand=\"-1\"/></revistotree>",
       L"D:\\Caf\u00e9|D:\\Caf\u00e9|Caf\u00e9 \u00c4|3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Store(kRecord, c.bytes);
    records.LoadRecord(kRecord);
    EXPECT_EQ(h.Entries(), std::vector<std::wstring>{c.entry});
  }
}

TEST_F(RecordFileTest, WebPageItemShowsTheWebPageTab) {
  Store(kRecord, Record(ItemText("a", "C:\\a", "3")));
  records.LoadRecord(kRecord);
  EXPECT_EQ(h.host.webPageTabShown, 0);
  Store(kRecord, Record(ItemText("a", "C:\\a", "3") + ItemText("host", "http://host/", "1")));
  records.LoadRecord(kRecord);
  EXPECT_EQ(h.host.webPageTabShown, 1);
}

TEST_F(RecordFileTest, MissingRecordLeavesTheOpenOneAlone) {
  AddAllNode(h.tree, tree::NoNode, L"kept", L"C:\\kept", 3, 0);
  records.LoadRecord(L"C:\\Records\\none.revisto");
  EXPECT_EQ(testing::DocIndexes(h.tree.TVDocs()), L"kept#0");
}

TEST_F(RecordFileTest, NumbersAcceptBlanksAndASignWithinThirtyTwoBits) {
  struct Case {
    const wchar_t* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {L"0", 0},           {L"-1", -1},          {L"+1", 1},        {L" 12 ", 12},
      {L"\t7", 7},         {L"2147483647", 2147483647}, {L"-2147483648", INT32_MIN},
      {L"2147483648", std::nullopt}, {L"-2147483649", std::nullopt}, {L"99999999999999999999", std::nullopt},
      {L"", std::nullopt}, {L"-", std::nullopt}, {L"+-1", std::nullopt}, {L"1 2", std::nullopt},
      {L"0x10", std::nullopt}, {L"1.0", std::nullopt}, {L"\u0661", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseRecordNumber(c.text), c.value) << "case " << (&c - cases);
  }
}

TEST_F(RecordFileTest, TopLevelStopsAtFiveThousandChildrenDoNot) {
  for (int i = 0; i < 5001; ++i) AddAllNode(h.tree, tree::NoNode, std::to_wstring(i), L"C:\\" + std::to_wstring(i), 3, 0);
  const tree::NodeId last = h.tree.TVDocs().Roots()[4999];
  for (int i = 0; i < 6000; ++i) AddAllNode(h.tree, last, L"c" + std::to_wstring(i), L"C:\\4999\\c" + std::to_wstring(i), 3, 0);
  ASSERT_TRUE(records.WriteRecordFile(kRecord));
  const XmlElement written = Written(kRecord);
  ASSERT_EQ(written.children.size(), 5000u);
  EXPECT_EQ(*written.children.back().Attribute(L"text"), L"4999");
  EXPECT_EQ(written.children.back().children.size(), 6000u);

  // A file with more than the program writes: the rest is left, what was
  // read is complete and the typed trees are built.
  XmlElement more = written;
  more.children.push_back(Item(L"5000", L"C:\\5000", L"0", L"3", L"-1"));
  Store(kRecord, *h.process.xml().Serialize(more));
  records.LoadRecord(kRecord);
  EXPECT_EQ(h.tree.TVDocs().Roots().size(), 5000u);
  EXPECT_EQ(h.tree.TVDocs().Count(), 11000u);
  EXPECT_EQ(h.tree.TVPath().Count(), 11000u);
}

// A message handled between two items empties the "All" tree (another record
// is opened, a capture begins): the reading ends instead of hanging children
// on a node that is gone.
TEST_F(RecordFileTest, TreeEmptiedWhileMessagesRunEndsTheReading) {
  struct ClearingHost : record_file_cases::CountingHost {
    tree::DocumentTree* documents = nullptr;
    void PumpMessages() override {
      if (++pumps == 2) documents->TVDocs().Clear();
    }
  } clearing;
  clearing.documents = &h.tree;
  RecordFile reader{h.process.Platform(), h.tree, clearing, kProgram};
  Store(kRecord, xml_dom_cases::FixtureBytes("record-file-sample.revisto"));
  reader.LoadRecord(kRecord);
  EXPECT_TRUE(h.tree.TVDocs().Empty());
  EXPECT_TRUE(h.tree.TVPath().Empty());
  EXPECT_EQ(clearing.pumps, 2);
}

TEST_F(RecordFileTest, SearchAddsEachMatchingPathOnceFromAnyDepth) {
  h.tree.ToggleDebugTrace();
  const std::wstring second = L"C:\\Records\\second.revisto";
  Store(kRecord, Record(ItemText("Group", "D:\\Work", "3",
                                 ItemText("Level two", "D:\\Work\\x", "3",
                                          ItemText("Notes", "C:\\My%20Docs\\Deep\\notes.txt", "3"))) +
                        ItemText("Other", "D:\\Elsewhere", "3") + ItemText("MY DOCS title", "D:\\Titled", "3")));
  Store(second, Record(ItemText("Again", "C:\\My%20Docs\\Deep\\notes.txt", "3")));

  records.SearchRecordFile(kRecord, L"my DOCS");
  EXPECT_EQ(h.tree.TraceLines().size() >= 4, true);
  const std::vector<std::wstring>& trace = h.tree.TraceLines();
  EXPECT_EQ(trace[0], L"c:\\my docs\\deep\\notes.txt");
  EXPECT_EQ(trace[1], L"Notes");
  const int entries = h.EntryCount();
  EXPECT_TRUE(h.tree.ItemInTree(L"C:\\My Docs\\Deep\\notes.txt", L""));
  EXPECT_TRUE(h.tree.ItemInTree(L"D:\\Titled", L""));
  EXPECT_FALSE(h.tree.ItemInTree(L"D:\\Elsewhere", L""));
  EXPECT_FALSE(h.tree.ItemInTree(L"D:\\Work\\x", L""));

  records.SearchRecordFile(second, L"my docs");
  EXPECT_EQ(h.EntryCount(), entries);  // already in the tree: nothing added
  EXPECT_EQ(trace[trace.size() - 2], L"c:\\my docs\\deep\\notes.txt");
  EXPECT_EQ(trace.back(), L"Again");
}

TEST_F(RecordFileTest, SearchOfAnUnreadableRecordAddsNothing) {
  for (const std::string& bytes : {std::string("<revistotree><item"), Record("<item text=\"my docs\"/>")}) {
    Store(kRecord, bytes);
    records.SearchRecordFile(kRecord, L"my docs");
    EXPECT_TRUE(h.tree.Docs().Empty());
  }
}

// The reading is interrupted by a message that opens the record again: the
// outer reading stops instead of going on under the nodes of the inner one,
// so the tree holds the record once, and the load says it was not whole.
TEST_F(RecordFileTest, RecordReopenedWhileItLoadsIsNotWovenIntoItself) {
  Store(kRecord, xml_dom_cases::FixtureBytes("record-file-sample.revisto"));
  testing::DocumentTreeHarness once;
  RecordFile single{once.process.Platform(), once.tree, once.host, kProgram};
  once.machine.files().AddFile(kRecord, xml_dom_cases::FixtureBytes("record-file-sample.revisto"));
  ASSERT_TRUE(single.LoadRecord(kRecord));

  struct ReopeningHost : record_file_cases::CountingHost {
    RecordFile* reader = nullptr;
    void PumpMessages() override {
      if (++pumps == 3) {
        EXPECT_TRUE(reader->LoadRecord(kRecord));
      }
    }
  } reopening;
  RecordFile reader{h.process.Platform(), h.tree, reopening, kProgram};
  reopening.reader = &reader;
  EXPECT_FALSE(reader.LoadRecord(kRecord));
  EXPECT_EQ(Outline(h.tree), Outline(once.tree));
}

// The tree loses nodes while the writer lets messages run: what it would
// write is half the old tree or a mix, so the old record stays.
TEST_F(RecordFileTest, TreeChangedUnderTheWriterKeepsTheOldRecord) {
  record_file_cases::BuildSampleTree(h.tree);
  Store(kRecord, "old");
  struct ChangingHost : record_file_cases::CountingHost {
    tree::DocumentTree* documents = nullptr;
    void PumpMessages() override {
      if (++pumps == 2) {
        documents->TVDocs().Clear();
        AddAllNode(*documents, tree::NoNode, L"other", L"C:\\other", 0, 3);
        AddAllNode(*documents, tree::NoNode, L"more", L"C:\\more", 0, 3);
      }
    }
  } changing;
  changing.documents = &h.tree;
  RecordFile writer{h.process.Platform(), h.tree, changing, kProgram};
  EXPECT_FALSE(writer.WriteRecordFile(kRecord));
  EXPECT_EQ(h.machine.files().ReadFile(kRecord), "old");
}

// Items added after a record was written and reopened join the same groups
// as they would have in the tree it was written from.
TEST_F(RecordFileTest, ReopenedRecordGroupsAsTheTreeItWasWrittenFrom) {
  h.AddFolder(L"D:\\Work\\a");
  h.AddFolder(L"D:\\Work\\b");
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"https://example.com/", L"https://example.com/page"},
      {L"http://example.com", L"https://example.com/other"},
      {L"D:\\Work\\a", L"D:\\Work\\b"},
  };
  auto allTree = [](const std::wstring& outline) { return outline.substr(0, outline.find(L'\n')); };
  for (const auto& [first, second] : cases) {
    SCOPED_TRACE(text::WideToUtf8(first));
    h.tree.Clear();
    h.tree.AddItem(first, L"");
    h.tree.AddItem(second, L"");
    const std::wstring expected = allTree(Outline(h.tree));

    h.tree.Clear();
    h.tree.AddItem(first, L"");
    ASSERT_TRUE(records.WriteRecordFile(kRecord));
    ASSERT_TRUE(records.LoadRecord(kRecord));
    h.tree.AddItem(second, L"");
    EXPECT_EQ(allTree(Outline(h.tree)), expected);
  }
}

// Images past the stock ones belong to the image list of the run that wrote
// the record: they are worked out again from the path, never from a file on
// another machine. Stock images stay as stored.
TEST_F(RecordFileTest, ImagesPastTheStockOnesAreWorkedOutAgainFromThePath) {
  const struct {
    const char* path;
    const char* image;
    int loaded;
  } cases[] = {
      {"C:\\Notes\\notes.txt", "90", 9},
      {"C:\\Notes\\notes.txt", "5", 5},
      {"\\\\host\\share\\x.lnk", "90", 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    Store(kRecord, Record("<item text=\"n\" path=\"" + std::string(c.path) + "\" imageIndex=\"" + c.image +
                          "\" stateIndex=\"-1\" docType=\"2\" extand=\"-1\"/>"));
    ASSERT_TRUE(records.LoadRecord(kRecord));
    ASSERT_EQ(h.tree.TVDocs().Roots().size(), 1u);
    EXPECT_EQ(h.tree.TVDocs().Node(h.tree.TVDocs().Roots()[0]).imageIndex, c.loaded);
    EXPECT_EQ(h.tree.Docs()[0].imageIndex, c.loaded);
  }
}

// Searching a record that came from elsewhere: an item on another machine
// is shown in the trace but never handed on to be opened or resolved.
TEST_F(RecordFileTest, SearchOpensOnlyPathsOnThisMachine) {
  h.tree.ToggleDebugTrace();
  h.machine.drives().SetDriveType(L'N', platform::DriveRemote);
  h.AddFile(L"C:\\Local\\match.txt");
  const char* remote[] = {"\\\\host\\share\\match.lnk", "//host/share/match.lnk", "file://host/share/match.lnk",
                          "file:////host/share/match.lnk", "N:\\match.lnk"};
  std::string items = ItemText("match", "C:\\Local\\match.txt", "2");
  for (const char* path : remote) items += ItemText("match", path, "2");
  Store(kRecord, Record(items));
  records.SearchRecordFile(kRecord, L"match");
  EXPECT_TRUE(h.tree.ItemInTree(L"C:\\Local\\match.txt", L""));
  for (const std::wstring& entry : h.Entries()) {
    SCOPED_TRACE(text::WideToUtf8(entry));
    EXPECT_EQ(entry.find(L"host"), std::wstring::npos);
    EXPECT_EQ(entry.find(L"N:"), std::wstring::npos);
  }
}

}  // namespace
}  // namespace kalvora::records
