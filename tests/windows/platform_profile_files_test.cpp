// Profile files through the system's profile API.
#include <gtest/gtest.h>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileFiles.h"
#include "support/TempFolder.h"

using kalvora::platform::win32::Win32FileSystem;
using kalvora::platform::win32::Win32ProfileFiles;

TEST(Win32ProfileFilesTest, FirstWriteCreatesTheFileAndValuesReadBack) {
  TempFolder temp;
  Win32ProfileFiles profiles;
  Win32FileSystem files;
  const std::wstring file = temp / L"settings.ini";
  ASSERT_FALSE(files.FileExists(file));

  EXPECT_TRUE(profiles.WriteString(file, L"Main", L"Left", L"120"));
  EXPECT_TRUE(files.FileExists(file));
  EXPECT_TRUE(profiles.WriteString(file, L"Main", L"Top", L"80"));
  EXPECT_TRUE(profiles.WriteString(file, L"Other", L"Left", L"7"));
  EXPECT_TRUE(profiles.WriteString(file, L"Main", L"Left", L"121"));  // replaces, keeps the others

  EXPECT_EQ(profiles.ReadString(file, L"Main", L"Left", L"?"), L"121");
  EXPECT_EQ(profiles.ReadString(file, L"Main", L"Top", L"?"), L"80");
  EXPECT_EQ(profiles.ReadString(file, L"Other", L"Left", L"?"), L"7");
  EXPECT_EQ(profiles.ReadString(file, L"Main", L"Missing", L"fallback"), L"fallback");
  EXPECT_EQ(profiles.ReadString(file, L"NoSection", L"Left", L"fallback"), L"fallback");
  EXPECT_EQ(profiles.ReadString(temp / L"nofile.ini", L"Main", L"Left", L"fallback"), L"fallback");
  EXPECT_EQ(profiles.ReadString(file, L"Main", L"Missing", L""), L"");
  // A file that is only read is not made.
  EXPECT_FALSE(files.FileExists(temp / L"nofile.ini"));
}

TEST(Win32ProfileFilesTest, ReadsFollowTheSystemsProfileRules) {
  TempFolder temp;
  Win32ProfileFiles profiles;
  const std::wstring file = temp / L"hand.ini";
  ASSERT_TRUE(TempFolder::WriteBytes(file,
                                     "[Main]\r\n"
                                     "Plain=value\r\n"
                                     "  Padded  =   spaced out   \r\n"
                                     "Quoted=\"in quotes\"\r\n"
                                     "Single='single'\r\n"
                                     "Inner=a \"b\" c\r\n"
                                     "Empty=\r\n"
                                     "[ Spaced ]\n"
                                     "Key=from spaced section\n"));
  struct Case {
    std::wstring section, key, expected;
  };
  const Case cases[] = {
      {L"Main", L"Plain", L"value"},
      {L"MAIN", L"PLAIN", L"value"},  // sections and keys ignore case
      {L"main", L"plain", L"value"},
      {L"Main", L"Padded", L"spaced out"},  // key and value trimmed
      {L"Main", L"Quoted", L"in quotes"},   // one pair of quotes goes
      {L"Main", L"Single", L"single"},
      {L"Main", L"Inner", L"a \"b\" c"},    // quotes inside stay
      {L"Main", L"Empty", L""},             // present but empty: not the default
      {L"Spaced", L"Key", L"from spaced section"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key.begin(), c.key.end()));
    EXPECT_EQ(profiles.ReadString(file, c.section, c.key, L"<default>"), c.expected);
  }
}

TEST(Win32ProfileFilesTest, WrittenQuotesAreStrippedOnRead) {
  TempFolder temp;
  Win32ProfileFiles profiles;
  const std::wstring file = temp / L"q.ini";
  ASSERT_TRUE(profiles.WriteString(file, L"S", L"Path", L"\"C:\\Program Files\\x.exe\""));
  EXPECT_EQ(profiles.ReadString(file, L"S", L"Path", L""), L"C:\\Program Files\\x.exe");
}

TEST(Win32ProfileFilesTest, LongValuesAreReadWhole) {
  TempFolder temp;
  Win32ProfileFiles profiles;
  const std::wstring file = temp / L"long.ini";
  // Longer than the first read buffer, so the read has to grow it.
  std::wstring value;
  for (int i = 0; i < 3000; ++i) value += static_cast<wchar_t>(L'a' + i % 26);
  ASSERT_TRUE(profiles.WriteString(file, L"S", L"Long", value));
  EXPECT_EQ(profiles.ReadString(file, L"S", L"Long", L""), value);
  // Exactly at the edge of the first buffer.
  const std::wstring edge(1023, L'e');
  ASSERT_TRUE(profiles.WriteString(file, L"S", L"Edge", edge));
  EXPECT_EQ(profiles.ReadString(file, L"S", L"Edge", L""), edge);
}

TEST(Win32ProfileFilesTest, WriteIntoMissingFolderFailsAndCreatesNothing) {
  TempFolder temp;
  Win32ProfileFiles profiles;
  Win32FileSystem files;
  EXPECT_FALSE(profiles.WriteString(temp / L"missing\\settings.ini", L"S", L"K", L"v"));
  EXPECT_FALSE(files.DirectoryExists(temp / L"missing"));
}
