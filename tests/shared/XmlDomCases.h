// Documents and trees that the XML DOM of both builds must treat alike. The
// native and the Windows tests run the same cases against their own DOM.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/XmlDom.h"

namespace xml_dom_cases {

using kalvora::platform::XmlDom;
using kalvora::platform::XmlElement;

inline XmlElement Item(std::wstring text, std::wstring path, std::wstring imageIndex, std::wstring docType,
                       std::wstring extand, std::vector<XmlElement> children = {}) {
  return XmlElement{L"item",
                    {{L"text", std::move(text)},
                     {L"path", std::move(path)},
                     {L"imageIndex", std::move(imageIndex)},
                     {L"stateIndex", L"-1"},
                     {L"docType", std::move(docType)},
                     {L"extand", std::move(extand)}},
                    std::move(children)};
}

// A record of two levels whose values carry what escaping and encoding can
// get wrong: quotes of both kinds, '&', '<', '>', tabs and line breaks,
// accented, Asian and supplementary-plane letters, an empty value.
inline XmlElement TwoLevelRecord() {
  return XmlElement{
      L"revistotree",
      {{L"app", L"C:\\Program Files\\Kalvora\\kalvora.exe"}},
      {Item(L"D:\\Projekte \u00dcbersicht", L"D:\\Projekte \u00dcbersicht", L"3", L"3", L"1",
            {Item(L"Plan \"A\" & 'B' <draft>", L"D:\\Projekte \u00dcbersicht\\a&b.txt", L"12", L"2", L"-1"),
             Item(L"line one\nline two\r\n\tindented", L"D:\\Projekte \u00dcbersicht\\\u65e5\u672c\u8a9e.doc",
                  L"-5", L"2", L"-1")}),
       Item(L"example.com \U0001F600", L"http://example.com/a?b=1&c=%20d", L"7", L"1", L"0",
            {Item(L"", L"http://example.com/x", L"7", L"1", L"-1")})}};
}

// The same record as the two DOMs wrote it: the native build's form and the
// Windows build's form, stored side by side so each build proves it reads
// the other's.
inline const char* const kTwoLevelRecordFiles[] = {"record-two-level.xml", "record-two-level-windows.xml"};

inline std::string FixtureBytes(const std::string& name) {
  std::string here = __FILE__;
  const auto slash = here.find_last_of("/\\");
  std::ifstream in(here.substr(0, slash + 1) + "../fixtures/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// UTF-16 bytes with a byte-order mark, from text in the basic plane.
inline std::string Utf16Document(const std::u16string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

// A document in some encoding and the value its root's "text" attribute holds.
struct EncodedCase {
  const char* what;
  std::string bytes;
  std::wstring text;
};

inline std::vector<EncodedCase> EncodedCases() {
  return {
      {"UTF-16LE with BOM",
       Utf16Document(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><r text=\"Gr\u00fc\u00dfe \u65e5\"/>", false),
       L"Gr\u00fc\u00dfe \u65e5"},
      {"UTF-16BE with BOM",
       Utf16Document(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><r text=\"Gr\u00fc\u00dfe \u65e5\"/>", true),
       L"Gr\u00fc\u00dfe \u65e5"},
      {"ISO-8859-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r text=\"caf\xE9 \xC4\"/>", L"caf\u00e9 \u00c4"},
      {"windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r text=\"\x80 caf\xE9\"/>",
       L"\u20ac caf\u00e9"},
      {"UTF-8 without declaration", "<r text=\"caf\xC3\xA9\"/>", L"caf\u00e9"},
      {"UTF-8 with BOM", "\xEF\xBB\xBF<?xml version=\"1.0\"?><r text=\"caf\xC3\xA9\"/>", L"caf\u00e9"},
      {"character references", "<r text=\"a&#9;b&#10;c&#xD;&amp;&lt;&quot;&apos;\"/>", L"a\tb\nc\r&<\"'"},
  };
}

struct RefusedCase {
  const char* what;
  std::string bytes;
};

// Documents that must give no tree. `secretFileUrl` names a file the test
// wrote; no case may read it.
inline std::vector<RefusedCase> RefusedCases(const std::string& secretFileUrl) {
  return {
      {"empty input", ""},
      {"no element", "<?xml version=\"1.0\"?>"},
      {"plain text", "just some text"},
      {"mismatched tags", "<revistotree><item></revistotree>"},
      {"cut short", "<revistotree><item text=\"a\" path=\"b"},
      {"two roots", "<a/><b/>"},
      {"unescaped ampersand", "<r text=\"a & b\"/>"},
      {"repeated attribute", "<r a=\"1\" a=\"2\"/>"},
      {"undeclared entity", "<r text=\"&nbsp;\"/>"},
      {"bytes invalid in the declared encoding", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r text=\"\xFF\xFE\"/>"},
      {"document type declaration after a comment and an instruction",
       "<?xml version=\"1.0\"?>\n<!-- <!DOCTYPE --><?pi <!DOCTYPE?><!DOCTYPE r [<!ENTITY e \"x\">]><r t=\"&e;\"/>"},
      {"four-byte encoding", std::string("\0\0\0<\0\0\0r\0\0\0/\0\0\0>", 16)},
      {"harmless internal DTD", "<!DOCTYPE r [<!ELEMENT r EMPTY>]><r/>"},
      {"billion laughs",
       "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">"
       "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">"
       "<!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">"
       "<!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">"
       "<!ENTITY lol4 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">"
       "<!ENTITY lol5 \"&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;&lol4;\">"
       "<!ENTITY lol6 \"&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;&lol5;\">"
       "<!ENTITY lol7 \"&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;&lol6;\">"
       "<!ENTITY lol8 \"&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;&lol7;\">"
       "<!ENTITY lol9 \"&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;&lol8;\">]>"
       "<revistotree><item text=\"&lol9;\"/></revistotree>"},
      {"external entity", "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY secret SYSTEM \"" + secretFileUrl +
                              "\">]><revistotree><item text=\"&secret;\"/></revistotree>"},
      {"external DTD", "<?xml version=\"1.0\"?><!DOCTYPE r SYSTEM \"" + secretFileUrl + "\"><r/>"},
      {"UTF-16 document type declaration",
       Utf16Document(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><!DOCTYPE r [<!ENTITY e \"x\">]><r t=\"&e;\"/>",
                     false)},
  };
}

// Documents that read fine, with the tree each gives.
struct ReadCase {
  const char* what;
  std::string bytes;
  XmlElement tree;
};

inline std::vector<ReadCase> ReadCases() {
  return {
      {"another root name", "<records><item text=\"a\"/></records>",
       XmlElement{L"records", {}, {XmlElement{L"item", {{L"text", L"a"}}, {}}}}},
      {"empty root", "<revistotree/>", XmlElement{L"revistotree", {}, {}}},
      {"root with only an attribute", "<revistotree app=\"C:\\k.exe\"></revistotree>",
       XmlElement{L"revistotree", {{L"app", L"C:\\k.exe"}}, {}}},
      {"text, comments and processing instructions left out",
       "<?xml version=\"1.0\"?>\n<!-- saved --><r>\n  text<!-- c --><?pi data?><z b=\"1\" a=\"2\">inner</z>"
       "<![CDATA[<x/>]]>\n</r>\n",
       XmlElement{L"r", {}, {XmlElement{L"z", {{L"b", L"1"}, {L"a", L"2"}}, {}}}}},
      {"line breaks in a literal value become blanks", "<r a=\"x\ny\tz\"/>",
       XmlElement{L"r", {{L"a", L"x y z"}}, {}}},
  };
}

// Trees that cannot be written.
inline std::vector<std::pair<const char*, XmlElement>> UnwritableTrees() {
  return {
      {"empty element name", XmlElement{L"", {}, {}}},
      {"blank in a name", XmlElement{L"r", {}, {XmlElement{L"an item", {}, {}}}}},
      {"markup in an attribute name", XmlElement{L"r", {{L"a\"b", L"1"}}, {}}},
      {"repeated attribute", XmlElement{L"r", {{L"a", L"1"}, {L"a", L"2"}}, {}}},
  };
}

// Groups of items as many as a large record holds.
inline XmlElement LargeRecord(int groups, int itemsPerGroup) {
  XmlElement root{L"revistotree", {{L"app", L"k.exe"}}, {}};
  for (int g = 0; g < groups; ++g) {
    std::vector<XmlElement> items;
    for (int i = 0; i < itemsPerGroup; ++i) {
      items.push_back(Item(L"doc " + std::to_wstring(i), L"C:\\group " + std::to_wstring(g) + L"\\doc " +
                                                             std::to_wstring(i) + L".txt",
                           L"12", L"2", L"-1"));
    }
    root.children.push_back(Item(L"group " + std::to_wstring(g), L"C:\\group " + std::to_wstring(g), L"3", L"3",
                                 L"1", std::move(items)));
  }
  return root;
}

// Elements "e" nested depth deep, the root counted, as a tree and as text.
inline XmlElement Nested(int depth) {
  XmlElement element{L"e", {}, {}};
  for (int i = 1; i < depth; ++i) {
    XmlElement parent{L"e", {}, {}};
    parent.children.push_back(std::move(element));
    element = std::move(parent);
  }
  return element;
}
inline std::string NestedText(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<e>";
  for (int i = 0; i < depth; ++i) text += "</e>";
  return text;
}

// The checks, run by each build against its own DOM.

inline void CheckTwoLevelRecordSurvivesWriteAndRead(XmlDom& dom) {
  const XmlElement record = TwoLevelRecord();
  const auto bytes = dom.Serialize(record);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u) << *bytes;
  // Not indented, and tabs and line breaks in values are character references.
  const std::size_t begin = bytes->find("<revistotree");
  const std::string body = bytes->substr(begin, bytes->rfind('>') + 1 - begin);
  EXPECT_EQ(body.find_first_of("\t\r\n"), std::string::npos) << body;
  // Non-ASCII text is written as UTF-8, not as references.
  EXPECT_NE(bytes->find("\xC3\x9C" "bersicht"), std::string::npos);
  EXPECT_NE(bytes->find("\xF0\x9F\x98\x80"), std::string::npos);

  const auto read = dom.Parse(*bytes);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(*read, record);
  ASSERT_NE(read->children[0].children[0].Attribute(L"text"), nullptr);
  EXPECT_EQ(*read->children[0].children[0].Attribute(L"text"), L"Plan \"A\" & 'B' <draft>");
  EXPECT_EQ(read->Attribute(L"missing"), nullptr);
}

inline void CheckReadsTheRecordFilesOfBothBuilds(XmlDom& dom) {
  for (const char* name : kTwoLevelRecordFiles) {
    const std::string bytes = FixtureBytes(name);
    ASSERT_FALSE(bytes.empty()) << name;
    EXPECT_EQ(dom.Parse(bytes), TwoLevelRecord()) << name;
  }
}

inline void CheckReadsTheEncodingTheDocumentDeclares(XmlDom& dom) {
  for (const auto& c : EncodedCases()) {
    const auto read = dom.Parse(c.bytes);
    ASSERT_TRUE(read.has_value()) << c.what;
    ASSERT_NE(read->Attribute(L"text"), nullptr) << c.what;
    EXPECT_EQ(*read->Attribute(L"text"), c.text) << c.what;
  }
}

inline void CheckReadsElementsOnlyWithAttributesInDocumentOrder(XmlDom& dom) {
  for (const auto& c : ReadCases()) {
    EXPECT_EQ(dom.Parse(c.bytes), c.tree) << c.what;
  }
}

inline void CheckRefusesMalformedDocumentsAndDocumentTypes(XmlDom& dom, const std::string& secretFileUrl) {
  for (const auto& c : RefusedCases(secretFileUrl)) {
    EXPECT_EQ(dom.Parse(c.bytes), std::nullopt) << c.what;
  }
}

inline void CheckRefusesUnusableNamesAndKeepsUnwritableCharactersReadable(XmlDom& dom) {
  for (const auto& [what, tree] : UnwritableTrees()) {
    EXPECT_EQ(dom.Serialize(tree), std::nullopt) << what;
  }
  // A control character that XML cannot carry comes back as U+FFFD instead
  // of making the whole document unreadable.
  const auto bytes = dom.Serialize(XmlElement{L"r", {{L"t", std::wstring(L"a\x01" L"b\x1F")}}, {}});
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(dom.Parse(*bytes), (XmlElement{L"r", {{L"t", L"a\uFFFDb\uFFFD"}}, {}}));
}

inline void CheckLargeRecordSurvivesWriteAndRead(XmlDom& dom) {
  const XmlElement record = LargeRecord(5000, 5);
  const auto bytes = dom.Serialize(record);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(dom.Parse(*bytes), record);
}

// Reading stops at the depth writing stops at, so that whatever is read can
// be saved again.
inline void CheckNestingStopsAtTheSameDepthForReadingAndWriting(XmlDom& dom) {
  const int limit = XmlDom::kMaxDepth;
  EXPECT_EQ(dom.Parse(NestedText(limit)), Nested(limit));
  EXPECT_TRUE(dom.Serialize(Nested(limit)).has_value());
  EXPECT_EQ(dom.Parse(NestedText(limit + 1)), std::nullopt);
  EXPECT_EQ(dom.Serialize(Nested(limit + 1)), std::nullopt);
  EXPECT_EQ(dom.Parse(NestedText(100000)), std::nullopt);
}

}  // namespace xml_dom_cases
