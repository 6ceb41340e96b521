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

// A file URL's escapes are decoded whole and once: "%2523" is a name with
// "%23" in it, not "#".
TEST(PathText, FileUrlsNameTheirPathDecodedOnce) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"file:///D:/C%23%20code", L"D:\\C# code"},
      {L"FILE:///c:/a%2520b/x%25.txt", L"c:\\a%20b\\x%.txt"},
      {L"file:///C:/na%C3%AFve%2bplus", L"C:\\na\u00EFve+plus"},
      {L"file://server/share/My%20Dir", L"\\\\server\\share\\My Dir"},
      {L"file:///C:/100%", L"C:\\100%"},         // no escape: kept as written
      {L"file:///C:/a%zzb", L"C:\\a%zzb"},
      {L"file:///C:/a%00b%0A", L"C:\\a%00b%0A"},  // no path holds a control character
      {L"C:\\a%23b", L"C:\\a%23b"},               // not a URL: left alone
  };
  for (const auto& [url, path] : cases) {
    SCOPED_TRACE(text::WideToUtf8(url));
    EXPECT_EQ(FileUrlToPath(url), path);
  }
}

TEST(PathText, AFolderHoldsAPathOnlyAtAPathBoundary) {
  struct Case {
    const wchar_t* path;
    const wchar_t* folder;
    bool inside;
  };
  const Case cases[] = {
      {L"c:\\users\\joe\\documents\\2019", L"c:\\users\\joe\\documents", true},
      {L"c:\\users\\joe\\documents", L"c:\\users\\joe\\documents", true},
      {L"c:\\users\\joe\\documents\\", L"c:\\users\\joe\\documents", true},
      {L"c:\\users\\joe\\documents\\x", L"c:\\users\\joe\\documents\\", true},
      {L"c:/users/joe/documents/x", L"c:/users/joe/documents", true},
      {L"c:\\users\\joe\\documentsold\\2019", L"c:\\users\\joe\\documents", false},
      {L"c:\\users\\joe\\documentsold", L"c:\\users\\joe\\documents\\", false},
      {L"c:\\users\\joe", L"c:\\users\\joe\\documents", false},
      {L"c:\\anything", L"", false},
      {L"c:\\anything", L"\\", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(text::WideToUtf8(std::wstring(c.path) + L" in " + c.folder));
    EXPECT_EQ(IsPathInFolder(c.path, c.folder), c.inside);
  }
}

}  // namespace
}  // namespace kalvora::text
