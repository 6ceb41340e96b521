#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/sim/SimMachine.h"

// The expected results below are what Wine 8's profile functions give for
// the same files and calls.

namespace kalvora::platform::sim {
namespace {

const std::wstring kIni = L"C:\\data\\t.ini";

// Bytes of a literal that holds NULs (UTF-16 text).
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

struct ReadCase {
  const char* name;
  std::string file;
  std::wstring section;
  std::wstring key;
  std::wstring expected;
};

const std::string kSample =
    "[A]\r\n"
    "k1 = \t v1 \t\r\n"
    "\r\n"
    "; c=1\r\n"
    "noeq\r\n"
    "K2=\"q v\"\r\n"
    "k3='x'\r\n"
    "k4=\"mis'\r\n"
    "k5=\"\"\r\n"
    "k6=\"\r\n"
    "k1=dup\r\n"
    "  k7  =  \" sp \" \r\n"
    "k8=a\"b\"\r\n"
    "k9=\"x\"y\"\r\n"
    "k10=val ; not a comment\r\n"
    "[ B ]\r\n"
    "x=1\r\n"
    "\r\n"
    "[b]\r\n"
    "x=2\r\n"
    "y=3\r\n";

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class SimProfileRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SimProfileRead, FollowsTheProfileRules) {
  SimMachine machine;
  const ReadCase& c = GetParam();
  machine.files().AddFile(kIni, c.file);
  EXPECT_EQ(machine.profiles().ReadString(kIni, c.section, c.key, L"<def>"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimProfileRead,
    ::testing::Values(
        ReadCase{"SectionAndKeyIgnoreCase_ValueTrimmed", kSample, L"a", L"K1", L"v1"},
        ReadCase{"FirstOfDuplicateKeysWins", kSample, L"A", L"k1", L"v1"},
        ReadCase{"KeyWithoutEqualsGivesDefault", kSample, L"A", L"noeq", L"<def>"},
        ReadCase{"DoubleQuotesRemoved", kSample, L"A", L"k2", L"q v"},
        ReadCase{"SingleQuotesRemoved", kSample, L"A", L"k3", L"x"},
        ReadCase{"MismatchedQuotesKept", kSample, L"A", L"k4", L"\"mis'"},
        ReadCase{"EmptyQuotedValue", kSample, L"A", L"k5", L""},
        ReadCase{"LoneQuoteKept", kSample, L"A", L"k6", L"\""},
        ReadCase{"BlanksInsideQuotesKept", kSample, L"A", L"k7", L" sp "},
        ReadCase{"QuoteNotAtStartKept", kSample, L"A", L"k8", L"a\"b\""},
        ReadCase{"OnlyOuterQuotesRemoved", kSample, L"A", L"k9", L"x\"y"},
        ReadCase{"SemicolonInValueKept", kSample, L"A", L"k10", L"val ; not a comment"},
        ReadCase{"CommentLineIsNoKey", kSample, L"A", L"c", L"<def>"},
        ReadCase{"BlanksAroundSectionNameIgnored", kSample, L"B", L"x", L"1"},
        ReadCase{"FirstOfDuplicateSectionsWins", kSample, L"b", L"y", L"<def>"},
        ReadCase{"MissingKey", kSample, L"A", L"missing", L"<def>"},
        ReadCase{"MissingSection", kSample, L"Z", L"x", L"<def>"},
        ReadCase{"KeyOfAnotherSectionNotSeen", kSample, L"A", L"x", L"<def>"},
        ReadCase{"LfLineEnds", "[S]\na=1\nb=2\n", L"S", L"b", L"2"},
        ReadCase{"CrLineEnds", "[S]\ra=1\rb=2\r", L"S", L"b", L"2"},
        ReadCase{"NoTrailingNewline", "[S]\r\na=last", L"S", L"a", L"last"},
        ReadCase{"UnclosedHeaderIsNoSection", "[S\r\na=1\r\n", L"S", L"a", L"<def>"},
        ReadCase{"HeaderEndsAtLastBracket", "[S]x\r\na=1\r\n", L"S", L"a", L"1"},
        ReadCase{"TabsAroundEquals", "[S]\r\na\t=\tb\r\n", L"S", L"a", L"b"},
        ReadCase{"QuotesAfterTrimming", "[S]\r\na=\"x\" \r\n", L"S", L"a", L"x"},
        ReadCase{"IndentedLines", "  [S]  \r\n  a=1\r\n", L"S", L"a", L"1"},
        ReadCase{"AnsiBytesWidenOneToOne", "[S]\r\na=caf\xe9\r\n", L"S", L"a", L"caf\u00e9"},
        ReadCase{"Utf16FileWithMark", Bytes("\xff\xfe[\0S\0]\0\r\0\n\0a\0=\0x\0\r\0\n\0"), L"S", L"a",
                 L"x"},
        ReadCase{"EmptyFile", "", L"S", L"a", L"<def>"}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(SimProfileFiles, MissingFileOrFolderGivesTheDefault) {
  SimMachine machine;
  EXPECT_EQ(machine.profiles().ReadString(L"C:\\data\\none.ini", L"S", L"k", L"d"), L"d");
  EXPECT_EQ(machine.profiles().ReadString(L"C:\\nofolder\\x\\none.ini", L"S", L"k", L""), L"");
  EXPECT_EQ(machine.profiles().ReadString(L"Q:\\none.ini", L"S", L"k", L"7"), L"7");
}

TEST(SimProfileFiles, DefaultLosesTrailingBlanksAndQuotes) {
  SimMachine machine;
  auto& p = machine.profiles();
  EXPECT_EQ(p.ReadString(kIni, L"S", L"k", L"  def  "), L"  def");
  EXPECT_EQ(p.ReadString(kIni, L"S", L"k", L"d\t"), L"d\t");
  EXPECT_EQ(p.ReadString(kIni, L"S", L"k", L"\"def\""), L"def");
}

TEST(SimProfileFiles, FileNameIgnoresCase) {
  SimMachine machine;
  machine.files().AddFile(kIni, "[S]\r\na=1\r\n");
  EXPECT_EQ(machine.profiles().ReadString(L"c:\\DATA\\T.INI", L"s", L"A", L""), L"1");
}

struct WriteCase {
  const char* name;
  std::string before;
  std::wstring section, key, value;
  std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class SimProfileWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(SimProfileWrite, ChangesOnlyWhatItMust) {
  SimMachine machine;
  const WriteCase& c = GetParam();
  machine.files().AddFile(kIni, c.before);
  ASSERT_TRUE(machine.profiles().WriteString(kIni, c.section, c.key, c.value));
  EXPECT_EQ(machine.files().ReadFile(kIni), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimProfileWrite,
    ::testing::Values(
        WriteCase{"ReplacesInPlaceKeepingOtherLines",
                  "; top\r\n[A]\r\n  x = 1 \r\n\r\n  k1 = old\r\n; note\r\n[B]\r\nk1=b\r\n", L"a", L"K1", L"new",
                  "; top\r\n[A]\r\n  x = 1 \r\n\r\nk1=new\r\n; note\r\n[B]\r\nk1=b\r\n"},
        WriteCase{"AppendsKeyAtEndOfItsSection", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", L"A", L"z", L"3",
                  "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        WriteCase{"AppendsKeyToLastSection", "[A]\r\nx=1\r\n", L"A", L"z", L"3", "[A]\r\nx=1\r\nz=3\r\n"},
        WriteCase{"AppendsMissingSectionAtEnd", "[A]\r\nx=1\r\n", L"New", L"n", L"v",
                  "[A]\r\nx=1\r\n[New]\r\nn=v\r\n"},
        WriteCase{"NoTrailingNewline", "[S]\r\na=1", L"T", L"b", L"2", "[S]\r\na=1\r\n[T]\r\nb=2\r\n"},
        WriteCase{"FirstDuplicateKeyReplaced", "[S]\r\na=1\r\na=2\r\n", L"S", L"a", L"9", "[S]\r\na=9\r\na=2\r\n"},
        WriteCase{"FirstDuplicateSectionUsed", "[S]\r\na=1\r\n[S]\r\nb=3\r\n", L"S", L"b", L"4",
                  "[S]\r\na=1\r\nb=4\r\n[S]\r\nb=3\r\n"},
        WriteCase{"KeyWithoutEqualsGetsValue", "[S]\r\nnoeq\r\n", L"S", L"noeq", L"now", "[S]\r\nnoeq=now\r\n"},
        WriteCase{"CommentedKeyStays", "[S]\r\n;a=1\r\n", L"S", L"a", L"2", "[S]\r\n;a=1\r\na=2\r\n"},
        WriteCase{"KeyTrimmedValueLosesLeadingBlanks", "[S]\r\na=1\r\n", L"S", L"  a  ", L"  v  ",
                  "[S]\r\na=v  \r\n"},
        WriteCase{"LineEndsBecomeCrLf", "[S]\na=1\nb=2\n", L"S", L"a", L"3", "[S]\r\na=3\r\nb=2\r\n"},
        WriteCase{"LossyAnsi", "[S]\r\n", L"S", L"a", L"caf\u00e9 \u4e2d", "[S]\r\na=caf\xe9 ?\r\n"},
        WriteCase{"Utf16FileStaysUtf16", Bytes("\xff\xfe[\0S\0]\0\r\0\n\0"), L"S", L"b", L"\u4e2d",
                  Bytes("\xff\xfe[\0S\0]\0\r\0\n\0b\0=\0\x2d\x4e\r\0\n\0")}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(SimProfileFiles, FirstWriteCreatesTheFile) {
  SimMachine machine;
  machine.files().CreateDirectoryTree(L"C:\\data");
  ASSERT_FALSE(machine.files().FileExists(kIni));
  ASSERT_TRUE(machine.profiles().WriteString(kIni, L"default", L"openwindow", L"1"));
  EXPECT_EQ(machine.files().ReadFile(kIni), "[default]\r\nopenwindow=1\r\n");
  EXPECT_EQ(machine.profiles().ReadString(kIni, L"DEFAULT", L"OpenWindow", L"0"), L"1");
}

TEST(SimProfileFiles, WriteIntoMissingOrDeniedFolderFailsAndCreatesNothing) {
  SimMachine machine;
  EXPECT_FALSE(machine.profiles().WriteString(L"C:\\nofolder\\t.ini", L"S", L"k", L"v"));
  EXPECT_FALSE(machine.files().DirectoryExists(L"C:\\nofolder"));
  EXPECT_FALSE(machine.files().FileExists(L"C:\\nofolder\\t.ini"));

  machine.files().AddFile(L"C:\\locked\\t.ini", "[S]\r\nk=old\r\n");
  machine.files().DenyWrites(L"C:\\locked");
  EXPECT_FALSE(machine.profiles().WriteString(L"C:\\locked\\t.ini", L"S", L"k", L"v"));
  EXPECT_EQ(machine.files().ReadFile(L"C:\\locked\\t.ini"), "[S]\r\nk=old\r\n");
}

TEST(SimProfileFiles, DiskFailingMidWriteReportsFailure) {
  SimMachine machine;
  machine.files().AddFile(kIni, "[S]\r\nk=old\r\n");
  machine.files().FailWritesAfter(4);
  EXPECT_FALSE(machine.profiles().WriteString(kIni, L"S", L"k", L"new"));
  EXPECT_EQ(machine.files().ReadFile(kIni), "[S]\r");
}

}  // namespace
}  // namespace kalvora::platform::sim
