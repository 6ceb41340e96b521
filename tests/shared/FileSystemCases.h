// Folder trees, listings and whole-file writes that the simulated and the
// real file system must treat alike. Each suite runs the same tables against
// its own service in a scratch folder of its own.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "common/WideText.h"
#include "platform/FileSystem.h"

namespace file_system_cases {

using kalvora::platform::DirectoryEntry;
using kalvora::platform::FileAttributeDirectory;
using kalvora::platform::FileAttributeHidden;
using kalvora::platform::FileAttributeNormal;
using kalvora::platform::FileAttributeReadOnly;
using kalvora::platform::FileAttributeSystem;
using kalvora::platform::FileSystem;

// Where a suite runs the cases and what it offers besides the interface.
struct Scratch {
  FileSystem& files;
  std::wstring folder;  // an existing empty folder ("C:\...\x", no trailing separator)
  // An existing empty folder reached as "\\server\share" or below one; ""
  // when the suite has none (the cases that need it are left out).
  std::wstring uncFolder;
  std::wstring missingDrive;  // "Q:", a drive letter that is not there
  std::function<void(const std::wstring& path, std::uint32_t attributes)> setAttributes;
  bool underWine = false;
};

// A case's path with the scratch places filled in: {f} the folder, {drive}
// its drive, {nodrive} the missing drive, {unc} the UNC folder, {unc-bare}
// the same without its leading "\\", {server} its "\\server".
inline std::wstring Expand(std::wstring text, const Scratch& scratch) {
  const std::wstring unc = scratch.uncFolder;
  const std::wstring server = unc.empty() ? L"" : unc.substr(0, unc.find(L'\\', 2));
  const std::pair<const wchar_t*, std::wstring> places[] = {
      {L"{f}", scratch.folder},          {L"{drive}", scratch.folder.substr(0, 2)},
      {L"{nodrive}", scratch.missingDrive}, {L"{unc-bare}", unc.size() > 2 ? unc.substr(2) : L""},
      {L"{unc}", unc},                   {L"{server}", server},
  };
  for (const auto& [name, value] : places)
    for (std::size_t at = text.find(name); at != std::wstring::npos; at = text.find(name, at + value.size()))
      text.replace(at, std::wcslen(name), value);
  return text;
}

inline bool NeedsUnc(const wchar_t* text) {
  const std::wstring t = text;
  return t.find(L"{unc") != std::wstring::npos || t.find(L"{server}") != std::wstring::npos;
}

// True (and says why) for a case left out in this suite.
inline bool LeftOut(const Scratch& scratch, const char* what, const char* wineSkip, bool needsUnc) {
  if (needsUnc && scratch.uncFolder.empty()) {
    std::printf("  left out here, no UNC folder: %s\n", what);
    return true;
  }
  if (wineSkip != nullptr && scratch.underWine) {
    std::printf("  left out under Wine: %s: %s\n", what, wineSkip);
    return true;
  }
  return false;
}

inline std::string Narrow(const std::wstring& text) { return kalvora::text::WideToUtf8(text); }

inline bool SameIgnoringAsciiCase(const std::wstring& a, const std::wstring& b) {
  auto lower = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

inline std::vector<std::wstring> Names(const std::vector<DirectoryEntry>& entries) {
  std::vector<std::wstring> names;
  for (const auto& e : entries) names.push_back(e.name);
  return names;
}

inline const DirectoryEntry* Named(const std::vector<DirectoryEntry>& entries, const std::wstring& name) {
  for (const auto& e : entries)
    if (e.name == name) return &e;
  return nullptr;
}

// ---- CreateDirectoryTree ----

struct TreeCase {
  const char* what;
  const wchar_t* path;
  bool made;                             // what CreateDirectoryTree answers
  std::vector<const wchar_t*> folders;   // folders there afterwards
  std::vector<const wchar_t*> absent;    // names that are neither file nor folder afterwards
  const char* wineSkip = nullptr;
};

// The scratch folder holds the file "plain.txt" and the folder "have\inner".
inline std::vector<TreeCase> TreeCases() {
  return {
      {"nested levels", L"{f}\\a\\b\\c", true, {L"{f}\\a", L"{f}\\a\\b", L"{f}\\a\\b\\c"}, {}},
      {"an existing folder", L"{f}\\have\\inner", true, {L"{f}\\have\\inner"}, {}},
      {"an existing folder in other letter case", L"{f}\\HAVE\\Inner", true, {L"{f}\\have\\inner"}, {}},
      {"below an existing folder", L"{f}\\have\\inner\\new", true, {L"{f}\\have\\inner\\new"}, {}},
      {"a trailing backslash", L"{f}\\t1\\", true, {L"{f}\\t1"}, {}},
      {"doubled backslashes", L"{f}\\d1\\\\d2\\\\", true, {L"{f}\\d1", L"{f}\\d1\\d2"}, {}},
      {"forward slashes", L"{f}/s1/s2", true, {L"{f}\\s1\\s2"}, {}},
      {"dot levels are resolved, not made", L"{f}\\x1\\..\\y1\\.\\z1", true, {L"{f}\\y1\\z1"}, {L"{f}\\x1"}},
      {"trailing dots and blanks are dropped", L"{f}\\dots. .", true, {L"{f}\\dots"}, {}},
      {"the long-path prefix", L"\\\\?\\{f}\\q1\\q2", true, {L"{f}\\q1\\q2"}, {}},
      {"the drive's root", L"{drive}\\", true, {L"{drive}\\"}, {}},
      {"a file at the path", L"{f}\\plain.txt", false, {}, {}},
      {"below a file", L"{f}\\plain.txt\\sub\\deeper", false, {}, {L"{f}\\plain.txt\\sub"}},
      {"a character no name may hold", L"{f}\\bad<name>\\sub", false, {}, {}},
      {"a missing drive", L"{nodrive}\\x\\y", false, {}, {L"{nodrive}\\x"}},
      {"a missing drive's root", L"{nodrive}\\", false, {}, {}},
      {"a relative path", L"kalvora-relative\\x", false, {}, {L"kalvora-relative"}},
      {"an empty path", L"", false, {}, {}},
      {"UNC: nested levels", L"{unc}\\u1\\u2", true, {L"{unc}\\u1", L"{unc}\\u1\\u2"}, {}},
      {"UNC: the folder itself", L"{unc}", true, {L"{unc}"}, {}},
      {"UNC: a trailing backslash", L"{unc}\\u3\\", true, {L"{unc}\\u3"}, {}},
      {"UNC: the long-path form", L"\\\\?\\UNC\\{unc-bare}\\u4\\u5", true, {L"{unc}\\u4\\u5"}, {}},
      {"UNC: a share the server does not have", L"{server}\\kalvora-no-such-share\\a", false, {}, {}},
      // Fails at once where no such server answers; a real network may
      // take its name lookup's time.
      {"UNC: a server that is not there", L"\\\\kalvora-no-such-server\\share\\a\\b", false, {}, {}},
      {"UNC: a server without a share", L"\\\\kalvora-no-such-server", false, {}, {}},
  };
}

inline void CheckCreateDirectoryTree(const Scratch& scratch) {
  FileSystem& files = scratch.files;
  ASSERT_TRUE(files.WriteFile(scratch.folder + L"\\plain.txt", "x"));
  ASSERT_TRUE(files.CreateDirectoryTree(scratch.folder + L"\\have\\inner"));
  for (const TreeCase& c : TreeCases()) {
    if (LeftOut(scratch, c.what, c.wineSkip, NeedsUnc(c.path))) continue;
    const std::wstring path = Expand(c.path, scratch);
    SCOPED_TRACE(std::string(c.what) + ": " + Narrow(path));
    EXPECT_EQ(files.CreateDirectoryTree(path), c.made);
    if (!path.empty()) {
      EXPECT_EQ(files.DirectoryExists(path), c.made);
    }
    for (const wchar_t* folder : c.folders) EXPECT_TRUE(files.DirectoryExists(Expand(folder, scratch))) << Narrow(folder);
    for (const wchar_t* name : c.absent) {
      EXPECT_FALSE(files.DirectoryExists(Expand(name, scratch))) << Narrow(name);
      EXPECT_FALSE(files.FileExists(Expand(name, scratch))) << Narrow(name);
    }
  }
  EXPECT_EQ(files.ReadFile(scratch.folder + L"\\plain.txt"), "x") << "the file in the way stays as it was";
}

// ---- FindFiles ----

struct FindCase {
  const char* what;
  const wchar_t* pattern;  // {l} is the listed folder
  std::vector<const wchar_t*> names;
};

// The listed folder holds the files b.TXT (5 bytes), _under.txt, A.exe,
// README, a.txt, ab.txt and the hidden hid.txt, and the folder Sub with
// deep.txt in it.
inline std::vector<FindCase> FindCases() {
  const std::vector<const wchar_t*> all = {L".",      L"..",      L"A.exe", L"a.txt",     L"ab.txt",
                                           L"b.TXT",  L"hid.txt", L"README", L"Sub",      L"_under.txt"};
  return {
      // Upper-case order puts "_" (0x5F) after the letters; lower-case order would not.
      {"every entry: the dots first, then by upper-case name", L"{l}\\*", all},
      {"*.* is every entry too", L"{l}\\*.*", all},
      {"an extension", L"{l}\\*.txt", {L"a.txt", L"ab.txt", L"b.TXT", L"hid.txt", L"_under.txt"}},
      {"? is one character", L"{l}\\?.txt", {L"a.txt", L"b.TXT"}},
      {"letter case does not matter", L"{l}\\?.EXE", {L"A.exe"}},
      {"name.* matches the name without a dot", L"{l}\\readme.*", {L"README"}},
      {"a name without wildcards is the entry itself", L"{l}\\sub", {L"Sub"}},
      {"a hidden file is listed", L"{l}\\hid.txt", {L"hid.txt"}},
      {"a subfolder has its dots", L"{l}\\Sub\\*", {L".", L"..", L"deep.txt"}},
      {"no match", L"{l}\\*.none", {}},
      {"no mask at all", L"{l}\\", {}},
      {"a missing folder", L"{l}\\missing\\*.*", {}},
      {"a file is no folder", L"{l}\\b.TXT\\*.*", {}},
  };
}

inline void MakeListedFolder(const Scratch& scratch, const std::wstring& listed) {
  FileSystem& files = scratch.files;
  ASSERT_TRUE(files.CreateDirectoryTree(listed + L"\\Sub"));
  for (const wchar_t* name : {L"_under.txt", L"A.exe", L"README", L"a.txt", L"ab.txt", L"hid.txt", L"Sub\\deep.txt"})
    ASSERT_TRUE(files.WriteFile(listed + L"\\" + name, ""));
  ASSERT_TRUE(files.WriteFile(listed + L"\\b.TXT", "12345"));
  scratch.setAttributes(listed + L"\\hid.txt", FileAttributeHidden);
}

inline void CheckFindFilesMasks(const Scratch& scratch) {
  const std::wstring listed = scratch.folder + L"\\list";
  MakeListedFolder(scratch, listed);
  for (const FindCase& c : FindCases()) {
    std::wstring pattern = c.pattern;
    pattern.replace(0, 3, listed);
    SCOPED_TRACE(std::string(c.what) + ": " + Narrow(pattern));
    const std::vector<std::wstring> expected(c.names.begin(), c.names.end());
    EXPECT_EQ(Names(scratch.files.FindFiles(pattern)), expected);
  }
}

inline void CheckFindFilesEntries(const Scratch& scratch) {
  const std::wstring listed = scratch.folder + L"\\list";
  MakeListedFolder(scratch, listed);
  const auto entries = scratch.files.FindFiles(listed + L"\\*");
  for (const wchar_t* folder : {L".", L"..", L"Sub"}) {
    ASSERT_NE(Named(entries, folder), nullptr) << Narrow(folder);
    EXPECT_NE(Named(entries, folder)->attributes & FileAttributeDirectory, 0u) << Narrow(folder);
  }
  ASSERT_NE(Named(entries, L"hid.txt"), nullptr);
  EXPECT_EQ(Named(entries, L"hid.txt")->attributes & (FileAttributeHidden | FileAttributeDirectory),
            FileAttributeHidden);
  ASSERT_NE(Named(entries, L"README"), nullptr);
  EXPECT_EQ(Named(entries, L"README")->attributes & (FileAttributeHidden | FileAttributeDirectory), 0u);
  ASSERT_NE(Named(entries, L"b.TXT"), nullptr);
  EXPECT_EQ(Named(entries, L"b.TXT")->size, 5u);

  // A drive's root has no "." and "..", and lists the scratch folder's first level.
  const std::wstring drive = scratch.folder.substr(0, 2);
  const std::wstring first = scratch.folder.substr(3, scratch.folder.find(L'\\', 3) - 3);
  const auto root = scratch.files.FindFiles(drive + L"\\*");
  EXPECT_EQ(Named(root, L"."), nullptr);
  EXPECT_EQ(Named(root, L".."), nullptr);
  bool firstLevelListed = false;
  for (const auto& e : root) firstLevelListed |= SameIgnoringAsciiCase(e.name, first);
  EXPECT_TRUE(firstLevelListed) << Narrow(first);
}

// A name that begins with a dot is a name like any other.
inline void CheckDotNamesAreNotHidden(const Scratch& scratch) {
  if (LeftOut(scratch, "a dot name carries no hidden bit", "Wine reports names beginning with a dot as hidden",
              false))
    return;
  ASSERT_TRUE(scratch.files.WriteFile(scratch.folder + L"\\.profile", "x"));
  const auto entries = scratch.files.FindFiles(scratch.folder + L"\\.profile");
  ASSERT_EQ(Names(entries), std::vector<std::wstring>{L".profile"});
  EXPECT_EQ(entries[0].attributes & FileAttributeHidden, 0u);
}

// ---- Whole-file writes and the one-step move ----

struct WriteCase {
  const char* what;
  std::uint32_t attributes;  // of the file written over
  bool written;              // what WriteFile answers; a refused write leaves the file as it was
  const char* wineSkip = nullptr;
};

inline std::vector<WriteCase> WriteCases() {
  const char* rootSkip = "Wine keeps read-only in the Unix write permission, which a test run as root passes";
  const char* hiddenSkip =
      "Wine lets CREATE_ALWAYS replace a hidden or system file; CreateFile's documentation says that fails "
      "with ERROR_ACCESS_DENIED";
  return {
      {"a plain file is replaced whole", FileAttributeNormal, true},
      {"a read-only file is kept", FileAttributeReadOnly, false, rootSkip},
      {"a hidden file is kept", FileAttributeHidden, false, hiddenSkip},
      {"a system file is kept", FileAttributeSystem, false, hiddenSkip},
  };
}

inline void CheckWholeFileWrites(const Scratch& scratch) {
  FileSystem& files = scratch.files;
  int n = 0;
  for (const WriteCase& c : WriteCases()) {
    if (LeftOut(scratch, c.what, c.wineSkip, false)) continue;
    SCOPED_TRACE(c.what);
    const std::wstring target = scratch.folder + L"\\written-" + std::to_wstring(++n) + L".txt";
    ASSERT_TRUE(files.WriteFile(target, "the old and longer content"));
    scratch.setAttributes(target, c.attributes);
    EXPECT_EQ(files.WriteFile(target, "new"), c.written);
    EXPECT_EQ(files.ReadFile(target), c.written ? "new" : "the old and longer content");
    const auto listed = files.FindFiles(target);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].attributes & c.attributes & ~FileAttributeNormal, c.attributes & ~FileAttributeNormal)
        << "the file keeps its attributes";
    scratch.setAttributes(target, FileAttributeNormal);
  }
}

struct MoveCase {
  const char* what;
  bool targetIsFolder;
  std::uint32_t targetAttributes;  // 0: no target yet
  bool moved;  // on success the source is gone and the target holds its bytes and attributes
  const char* wineSkip = nullptr;
};

inline std::vector<MoveCase> MoveCases() {
  return {
      {"to a new name", false, 0, true},
      {"over a plain file", false, FileAttributeNormal, true},
      {"over a hidden file", false, FileAttributeHidden, true},
      {"over a read-only file", false, FileAttributeReadOnly, false,
       "Wine replaces a read-only file, which the read-only attribute forbids (it may not be deleted)"},
      {"over a folder", true, 0, false},
  };
}

inline void CheckMoveFileOver(const Scratch& scratch) {
  FileSystem& files = scratch.files;
  int n = 0;
  for (const MoveCase& c : MoveCases()) {
    if (LeftOut(scratch, c.what, c.wineSkip, false)) continue;
    SCOPED_TRACE(c.what);
    const std::wstring source = scratch.folder + L"\\source-" + std::to_wstring(++n) + L".tmp";
    const std::wstring target = scratch.folder + L"\\target-" + std::to_wstring(n) + L".txt";
    ASSERT_TRUE(files.WriteFile(source, "from the source"));
    if (c.targetIsFolder) {
      ASSERT_TRUE(files.CreateDirectoryTree(target));
    }
    if (c.targetAttributes != 0) {
      ASSERT_TRUE(files.WriteFile(target, "the target"));
      scratch.setAttributes(target, c.targetAttributes);
    }
    EXPECT_EQ(files.MoveFileOver(source, target), c.moved);
    if (c.moved) {
      EXPECT_FALSE(files.FileExists(source));
      EXPECT_EQ(files.ReadFile(target), "from the source");
      const auto listed = files.FindFiles(target);
      ASSERT_EQ(listed.size(), 1u);
      EXPECT_EQ(listed[0].attributes & (FileAttributeHidden | FileAttributeReadOnly), 0u)
          << "the moved file keeps its own attributes";
    } else {
      EXPECT_EQ(files.ReadFile(source), "from the source");
      if (c.targetIsFolder) {
        EXPECT_TRUE(files.DirectoryExists(target));
      } else {
        EXPECT_EQ(files.ReadFile(target), "the target");
      }
    }
    if (c.targetAttributes != 0) scratch.setAttributes(target, FileAttributeNormal);
  }
  EXPECT_FALSE(files.MoveFileOver(scratch.folder + L"\\missing.tmp", scratch.folder + L"\\target-1.txt"));
  EXPECT_EQ(files.ReadFile(scratch.folder + L"\\target-1.txt"), "from the source");
}

// A read-only file cannot be removed; once the bit is gone it can.
inline void CheckReadOnlyFilesAreNotRemoved(const Scratch& scratch) {
  FileSystem& files = scratch.files;
  const std::wstring file = scratch.folder + L"\\kept.txt";
  ASSERT_TRUE(files.WriteFile(file, "kept"));
  scratch.setAttributes(file, FileAttributeReadOnly);
  EXPECT_FALSE(files.RemoveFile(file));
  EXPECT_EQ(files.ReadFile(file), "kept");
  scratch.setAttributes(file, FileAttributeNormal);
  EXPECT_TRUE(files.RemoveFile(file));
  EXPECT_FALSE(files.FileExists(file));
  EXPECT_FALSE(files.RemoveFile(file));
}

}  // namespace file_system_cases
