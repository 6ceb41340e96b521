// Private-profile (INI) files as the profile functions of both builds must
// read and write them. The native suite runs the cases on the simulated
// profile files, the Windows suite on the system's own profile API; each
// case uses a file of its own, so no profile cache can carry one case's
// file into the next.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "common/WideText.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFiles.h"

namespace profile_file_cases {

using kalvora::platform::FileSystem;
using kalvora::platform::ProfileFiles;

struct Scratch {
  ProfileFiles& profiles;
  FileSystem& files;  // puts a case's bytes in place and reads the result back
  std::wstring folder;  // an existing empty folder, no trailing separator
  std::wstring missingDrive;  // "Q:", a drive letter that is not there
  bool underWine = false;
};

// Bytes of a literal that holds NULs (UTF-16 text).
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

inline std::string Narrow(const std::wstring& text) { return kalvora::text::WideToUtf8(text); }

// Quotes, blanks, comments, duplicates and odd lines.
inline const std::string kSample =
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

// A file as a person writes one by hand, a section with line feeds only.
inline const std::string kHandWritten =
    "[Main]\r\n"
    "Plain=value\r\n"
    "  Padded  =   spaced out   \r\n"
    "Quoted=\"in quotes\"\r\n"
    "Single='single'\r\n"
    "Inner=a \"b\" c\r\n"
    "Empty=\r\n"
    "[ Spaced ]\n"
    "Key=from spaced section\n";

struct ReadCase {
  const char* what;
  std::string file;
  std::wstring section;
  std::wstring key;
  std::wstring expected;  // with "<def>" as the default
};

inline std::vector<ReadCase> ReadCases() {
  return {
      {"section and key ignore case, the value is trimmed", kSample, L"a", L"K1", L"v1"},
      {"the first of duplicate keys wins", kSample, L"A", L"k1", L"v1"},
      {"a key without '=' gives the default", kSample, L"A", L"noeq", L"<def>"},
      {"double quotes removed", kSample, L"A", L"k2", L"q v"},
      {"single quotes removed", kSample, L"A", L"k3", L"x"},
      {"mismatched quotes kept", kSample, L"A", L"k4", L"\"mis'"},
      {"an empty quoted value", kSample, L"A", L"k5", L""},
      {"a lone quote kept", kSample, L"A", L"k6", L"\""},
      {"blanks inside quotes kept", kSample, L"A", L"k7", L" sp "},
      {"a quote not at the start kept", kSample, L"A", L"k8", L"a\"b\""},
      {"only the outer quotes removed", kSample, L"A", L"k9", L"x\"y"},
      {"a semicolon in a value kept", kSample, L"A", L"k10", L"val ; not a comment"},
      {"a comment line is no key", kSample, L"A", L"c", L"<def>"},
      {"blanks around a section name ignored", kSample, L"B", L"x", L"1"},
      {"the first of duplicate sections wins", kSample, L"b", L"y", L"<def>"},
      {"a missing key", kSample, L"A", L"missing", L"<def>"},
      {"a missing section", kSample, L"Z", L"x", L"<def>"},
      {"a key of another section is not seen", kSample, L"A", L"x", L"<def>"},
      {"line feeds end lines", "[S]\na=1\nb=2\n", L"S", L"b", L"2"},
      {"carriage returns end lines", "[S]\ra=1\rb=2\r", L"S", L"b", L"2"},
      {"no newline at the end", "[S]\r\na=last", L"S", L"a", L"last"},
      {"an unclosed header is no section", "[S\r\na=1\r\n", L"S", L"a", L"<def>"},
      {"a header ends at its last bracket", "[S]x\r\na=1\r\n", L"S", L"a", L"1"},
      {"tabs around '='", "[S]\r\na\t=\tb\r\n", L"S", L"a", L"b"},
      {"quotes removed after trimming", "[S]\r\na=\"x\" \r\n", L"S", L"a", L"x"},
      {"indented lines", "  [S]  \r\n  a=1\r\n", L"S", L"a", L"1"},
      {"ANSI bytes widen one to one", "[S]\r\na=caf\xe9\r\n", L"S", L"a", L"caf\u00e9"},
      {"a UTF-16 file with its mark", Bytes("\xff\xfe[\0S\0]\0\r\0\n\0a\0=\0x\0\r\0\n\0"), L"S", L"a", L"x"},
      {"an empty file", "", L"S", L"a", L"<def>"},
      {"a plain value", kHandWritten, L"Main", L"Plain", L"value"},
      {"upper-case names", kHandWritten, L"MAIN", L"PLAIN", L"value"},
      {"lower-case names", kHandWritten, L"main", L"plain", L"value"},
      {"key and value trimmed", kHandWritten, L"Main", L"Padded", L"spaced out"},
      {"one pair of double quotes goes", kHandWritten, L"Main", L"Quoted", L"in quotes"},
      {"one pair of single quotes goes", kHandWritten, L"Main", L"Single", L"single"},
      {"quotes inside stay", kHandWritten, L"Main", L"Inner", L"a \"b\" c"},
      {"present but empty is not the default", kHandWritten, L"Main", L"Empty", L""},
      {"a section with blanks and line feeds", kHandWritten, L"Spaced", L"Key", L"from spaced section"},
  };
}

inline void CheckReadsFollowTheProfileRules(const Scratch& scratch) {
  int n = 0;
  for (const ReadCase& c : ReadCases()) {
    SCOPED_TRACE(c.what);
    const std::wstring file = scratch.folder + L"\\read-" + std::to_wstring(++n) + L".ini";
    ASSERT_TRUE(scratch.files.WriteFile(file, c.file));
    EXPECT_EQ(scratch.profiles.ReadString(file, c.section, c.key, L"<def>"), c.expected);
  }
}

struct WriteCase {
  const char* what;
  std::string before;
  std::wstring section, key, value;
  std::string after;
  const char* wineSkip = nullptr;
};

// Windows edits the file in place and leaves the lines it does not change
// as they were.
inline const char* const kWineRewritesTheFile =
    "Wine writes the whole file anew from what it parsed, without blank lines or blanks around '=' (its own "
    "profile tests mark keeping the untouched bytes as not done)";

inline std::vector<WriteCase> WriteCases() {
  return {
      {"replaces in place, keeping the other lines",
       "; top\r\n[A]\r\n  x = 1 \r\n\r\n  k1 = old\r\n; note\r\n[B]\r\nk1=b\r\n", L"a", L"K1", L"new",
       "; top\r\n[A]\r\n  x = 1 \r\n\r\nk1=new\r\n; note\r\n[B]\r\nk1=b\r\n", kWineRewritesTheFile},
      {"appends a key at the end of its section", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", L"A", L"z", L"3",
       "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n", kWineRewritesTheFile},
      {"appends a key to the last section", "[A]\r\nx=1\r\n", L"A", L"z", L"3", "[A]\r\nx=1\r\nz=3\r\n"},
      {"appends a missing section at the end", "[A]\r\nx=1\r\n", L"New", L"n", L"v",
       "[A]\r\nx=1\r\n[New]\r\nn=v\r\n"},
      {"no newline at the end", "[S]\r\na=1", L"T", L"b", L"2", "[S]\r\na=1\r\n[T]\r\nb=2\r\n"},
      {"the first of duplicate keys is replaced", "[S]\r\na=1\r\na=2\r\n", L"S", L"a", L"9", "[S]\r\na=9\r\na=2\r\n"},
      {"the first of duplicate sections is used", "[S]\r\na=1\r\n[S]\r\nb=3\r\n", L"S", L"b", L"4",
       "[S]\r\na=1\r\nb=4\r\n[S]\r\nb=3\r\n"},
      {"a key without '=' gets the value", "[S]\r\nnoeq\r\n", L"S", L"noeq", L"now", "[S]\r\nnoeq=now\r\n"},
      {"a commented key stays", "[S]\r\n;a=1\r\n", L"S", L"a", L"2", "[S]\r\n;a=1\r\na=2\r\n"},
      {"the key is trimmed, the value loses its leading blanks", "[S]\r\na=1\r\n", L"S", L"  a  ", L"  v  ",
       "[S]\r\na=v  \r\n"},
      {"line ends become CR LF", "[S]\na=1\nb=2\n", L"S", L"a", L"3", "[S]\r\na=3\r\nb=2\r\n"},
      {"text goes through the ANSI code page", "[S]\r\n", L"S", L"a", L"caf\u00e9 \u4e2d", "[S]\r\na=caf\xe9 ?\r\n"},
      {"a UTF-16 file stays UTF-16", Bytes("\xff\xfe[\0S\0]\0\r\0\n\0"), L"S", L"b", L"\u4e2d",
       Bytes("\xff\xfe[\0S\0]\0\r\0\n\0b\0=\0\x2d\x4e\r\0\n\0")},
  };
}

inline void CheckWritesChangeOnlyWhatTheyMust(const Scratch& scratch) {
  int n = 0;
  for (const WriteCase& c : WriteCases()) {
    if (c.wineSkip != nullptr && scratch.underWine) {
      std::printf("  left out under Wine: %s: %s\n", c.what, c.wineSkip);
      continue;
    }
    SCOPED_TRACE(c.what);
    const std::wstring file = scratch.folder + L"\\write-" + std::to_wstring(++n) + L".ini";
    ASSERT_TRUE(scratch.files.WriteFile(file, c.before));
    ASSERT_TRUE(scratch.profiles.WriteString(file, c.section, c.key, c.value));
    EXPECT_EQ(scratch.files.ReadFile(file), c.after);
  }
}

inline void CheckFirstWriteCreatesTheFileAndValuesReadBack(const Scratch& scratch) {
  ProfileFiles& profiles = scratch.profiles;
  FileSystem& files = scratch.files;
  const std::wstring file = scratch.folder + L"\\settings.ini";
  ASSERT_FALSE(files.FileExists(file));
  ASSERT_TRUE(profiles.WriteString(file, L"default", L"openwindow", L"1"));
  EXPECT_EQ(files.ReadFile(file), "[default]\r\nopenwindow=1\r\n");
  EXPECT_EQ(profiles.ReadString(file, L"DEFAULT", L"OpenWindow", L"0"), L"1");

  EXPECT_TRUE(profiles.WriteString(file, L"Main", L"Left", L"120"));
  EXPECT_TRUE(profiles.WriteString(file, L"Main", L"Top", L"80"));
  EXPECT_TRUE(profiles.WriteString(file, L"Other", L"Left", L"7"));
  EXPECT_TRUE(profiles.WriteString(file, L"Main", L"Left", L"121"));  // replaces, keeps the others
  EXPECT_EQ(profiles.ReadString(file, L"Main", L"Left", L"?"), L"121");
  EXPECT_EQ(profiles.ReadString(file, L"Main", L"Top", L"?"), L"80");
  EXPECT_EQ(profiles.ReadString(file, L"Other", L"Left", L"?"), L"7");
  EXPECT_EQ(profiles.ReadString(file, L"Main", L"Missing", L"fallback"), L"fallback");
  EXPECT_EQ(profiles.ReadString(file, L"NoSection", L"Left", L"fallback"), L"fallback");
  EXPECT_EQ(profiles.ReadString(file, L"Main", L"Missing", L""), L"");
}

inline void CheckMissingFileOrFolderGivesTheDefault(const Scratch& scratch) {
  ProfileFiles& profiles = scratch.profiles;
  EXPECT_EQ(profiles.ReadString(scratch.folder + L"\\none.ini", L"S", L"k", L"d"), L"d");
  EXPECT_EQ(profiles.ReadString(scratch.folder + L"\\nofolder\\x\\none.ini", L"S", L"k", L""), L"");
  EXPECT_EQ(profiles.ReadString(scratch.folder + L"\\nofile.ini", L"Main", L"Left", L"fallback"), L"fallback");
  EXPECT_EQ(profiles.ReadString(scratch.missingDrive + L"\\none.ini", L"S", L"k", L"7"), L"7");
  // A file that is only read is not made.
  EXPECT_FALSE(scratch.files.FileExists(scratch.folder + L"\\none.ini"));
  EXPECT_FALSE(scratch.files.FileExists(scratch.folder + L"\\nofile.ini"));
}

inline void CheckDefaultLosesTrailingBlanksAndQuotes(const Scratch& scratch) {
  ProfileFiles& profiles = scratch.profiles;
  const std::wstring file = scratch.folder + L"\\defaults.ini";
  EXPECT_EQ(profiles.ReadString(file, L"S", L"k", L"  def  "), L"  def");
  EXPECT_EQ(profiles.ReadString(file, L"S", L"k", L"d\t"), L"d\t");
  EXPECT_EQ(profiles.ReadString(file, L"S", L"k", L"\"def\""), L"def");
}

inline void CheckFileNameIgnoresCase(const Scratch& scratch) {
  const std::wstring file = scratch.folder + L"\\t.ini";
  ASSERT_TRUE(scratch.files.WriteFile(file, "[S]\r\na=1\r\n"));
  std::wstring shouted = scratch.folder + L"\\T.INI";
  for (wchar_t& c : shouted)
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
  EXPECT_EQ(scratch.profiles.ReadString(shouted, L"s", L"A", L""), L"1");
}

inline void CheckWrittenQuotesAreStrippedOnRead(const Scratch& scratch) {
  const std::wstring file = scratch.folder + L"\\q.ini";
  ASSERT_TRUE(scratch.profiles.WriteString(file, L"S", L"Path", L"\"C:\\Program Files\\x.exe\""));
  EXPECT_EQ(scratch.profiles.ReadString(file, L"S", L"Path", L""), L"C:\\Program Files\\x.exe");
}

inline void CheckLongValuesAreReadWhole(const Scratch& scratch) {
  ProfileFiles& profiles = scratch.profiles;
  const std::wstring file = scratch.folder + L"\\long.ini";
  // Longer than a first read buffer, so a read has to grow it.
  std::wstring value;
  for (int i = 0; i < 3000; ++i) value += static_cast<wchar_t>(L'a' + i % 26);
  ASSERT_TRUE(profiles.WriteString(file, L"S", L"Long", value));
  EXPECT_EQ(profiles.ReadString(file, L"S", L"Long", L""), value);
  // Exactly at the edge of a first buffer.
  const std::wstring edge(1023, L'e');
  ASSERT_TRUE(profiles.WriteString(file, L"S", L"Edge", edge));
  EXPECT_EQ(profiles.ReadString(file, L"S", L"Edge", L""), edge);
}

inline void CheckWriteIntoMissingFolderFailsAndCreatesNothing(const Scratch& scratch) {
  const std::wstring folder = scratch.folder + L"\\missing";
  EXPECT_FALSE(scratch.profiles.WriteString(folder + L"\\settings.ini", L"S", L"K", L"v"));
  EXPECT_FALSE(scratch.files.DirectoryExists(folder));
  EXPECT_FALSE(scratch.files.FileExists(folder + L"\\settings.ini"));
}

}  // namespace profile_file_cases
