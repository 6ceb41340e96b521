#include "common/PathText.h"

#include <gtest/gtest.h>

#include "common/WideText.h"

namespace kalvora::text {
namespace {

TEST(PathText, ExtensionRules) {
  struct Case {
    std::wstring path, extension, withoutExtension;
  };
  const Case cases[] = {
      {L"C:\\a\\b.txt", L".txt", L"C:\\a\\b"},
      {L"C:\\a.d\\b", L"", L"C:\\a.d\\b"},  // the dot belongs to a folder
      {L"C:\\a\\b.tar.gz", L".gz", L"C:\\a\\b.tar"},
      {L"C:.lnk", L".lnk", L"C:"},
      {L"C:x.y:z", L"", L"C:x.y:z"},
      {L"name.", L".", L"name"},
      {L"", L"", L""},
      {L"notepad.exe %1", L".exe %1", L"notepad"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(text::WideToUtf8(c.path));
    EXPECT_EQ(FileExtension(c.path), c.extension);
    EXPECT_EQ(PathWithoutExtension(c.path), c.withoutExtension);
  }
}

TEST(PathText, UnquotePathTakesThePartBetweenTheFirstTwoQuotes) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"\"C:\\Program Files\\App\\app.exe\" \"%1\"", L"C:\\Program Files\\App\\app.exe"},
      {L"\"C:\\no end", L""},
      {L"\"\"", L""},
      {L"C:\\plain \"quoted\"", L"C:\\plain \"quoted\""},  // only a leading quote counts
      {L" \"x\"", L" \"x\""},
      {L"", L""},
      {L"\"C:\\Пути\\ä.exe\"", L"C:\\Пути\\ä.exe"},  // letters outside the code page survive
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(UnquotePath(in), out) << text::WideToUtf8(in);
}

TEST(PathText, NameBeforeLastDotAndTrailingBackslash) {
  EXPECT_EQ(NameBeforeLastDot(L"a.b.revisto"), L"a.b");
  EXPECT_EQ(NameBeforeLastDot(L"Recent Folders"), L"");
  EXPECT_EQ(NameBeforeLastDot(L".hidden"), L"");
  EXPECT_EQ(NameBeforeLastDot(L"C:\\x.y\\name"), L"C:\\x");  // any dot, not only the extension's

  EXPECT_EQ(StripTrailingBackslash(L"C:\\a\\"), L"C:\\a");
  EXPECT_EQ(StripTrailingBackslash(L"C:\\a\\\\"), L"C:\\a\\");  // one only
  EXPECT_EQ(StripTrailingBackslash(L"C:\\a"), L"C:\\a");
  EXPECT_EQ(StripTrailingBackslash(L""), L"");
}

TEST(PathText, InvalidPathCharacters) {
  for (const wchar_t* bad : {L"a?b", L"*", L"C:\\\"x\"", L"a>b", L"a<b", L"a|b"}) EXPECT_TRUE(HasInvalidPathChars(bad));
  for (const wchar_t* good : {L"C:\\Program Files (x86)\\a.exe", L"", L"\\\\server\\share", L"C:/a:b"})
    EXPECT_FALSE(HasInvalidPathChars(good));
}

}  // namespace
}  // namespace kalvora::text
