#include "resolve/ShortcutResolution.h"

#include <gtest/gtest.h>

#include "common/WideText.h"
#include "support/ResolutionHarness.h"

namespace kalvora::resolve {
namespace {

using platform::LinkStep;
using platform::sim::SimShortcut;

const std::wstring kRecent = L"C:\\users\\joe\\AppData\\Roaming\\Microsoft\\Windows\\Recent\\";

class ShortcutResolutionTest : public ::testing::Test {
 protected:
  testing::ResolutionHarness h;
  std::wstring Resolve(const std::wstring& path) { return ResolveShortcut(h.services, path); }
};

TEST_F(ShortcutResolutionTest, OtherPathsComeBackWithoutTheFileBeingRead) {
  // A file that looks like a shortcut inside but has another extension.
  h.links().AddShortcut(L"C:\\a\\b.txt", SimShortcut{L"C:\\elsewhere.txt"});
  for (const wchar_t* path : {L"C:\\a\\b.txt", L"C:\\a.lnk\\b", L"C:\\x\\name.lnkx", L"", L"C:\\missing.doc"})
    EXPECT_EQ(Resolve(path), path);
}

TEST_F(ShortcutResolutionTest, ShortcutsInAnyLetterCaseGiveTheirStoredTarget) {
  h.machine.files().AddFile(L"C:\\docs\\report.doc", "x");
  for (const wchar_t* name : {L"a.lnk", L"b.LNK", L"c.LnK"}) {
    h.links().AddShortcut(kRecent + name, SimShortcut{L"C:\\docs\\report.doc"});
    EXPECT_EQ(Resolve(kRecent + name), L"C:\\docs\\report.doc") << name;
  }
}

TEST_F(ShortcutResolutionTest, AShortcutThatCannotStandForAPathStandsForItself) {
  h.links().AddShortcut(kRecent + L"query.lnk", SimShortcut{L"C:\\find?x"});
  h.links().AddShortcut(kRecent + L"pipe.lnk", SimShortcut{L"C:\\a|b"});
  h.links().AddShortcut(kRecent + L"quote.lnk", SimShortcut{L"\"C:\\a\""});
  h.links().AddShortcut(kRecent + L"empty.lnk", SimShortcut{L""});
  h.machine.files().AddFile(kRecent + L"garbage.lnk", std::string("L\0\0\0\x01\x14\x02", 7));
  for (const wchar_t* name : {L"query.lnk", L"pipe.lnk", L"quote.lnk", L"empty.lnk", L"garbage.lnk", L"missing.lnk"})
    EXPECT_EQ(Resolve(kRecent + name), kRecent + name) << text::WideToUtf8(name);
}

TEST_F(ShortcutResolutionTest, AMovedTargetIsNotSearchedFor) {
  h.links().AddShortcut(kRecent + L"old.lnk", SimShortcut{L"C:\\old\\file.txt"});
  h.machine.files().AddFile(L"C:\\new\\file.txt", "x");
  h.links().MoveTarget(L"C:\\old\\file.txt", L"C:\\new\\file.txt");
  EXPECT_EQ(Resolve(kRecent + L"old.lnk"), L"C:\\old\\file.txt");
  EXPECT_EQ(h.links().Shortcut(kRecent + L"old.lnk")->target, L"C:\\old\\file.txt") << "the file is left alone";
}

TEST_F(ShortcutResolutionTest, AdvertisedShortcutsGiveTheInstalledComponent) {
  const std::wstring icon = L"C:\\Windows\\Installer\\{90120000-0030-0000-0000-0000000FF1CE}\\wordicon.exe";
  h.links().AddShortcut(kRecent + L"Word.lnk", SimShortcut{icon, L"", L"", L"", L"{0638C49D-BB8B-4CD1-B191-051E8F325736}"});
  h.machine.installer().SetComponentPath(L"{0638C49D-BB8B-4CD1-B191-051E8F325736}",
                                         L"C:\\Program Files\\Office\\WINWORD.EXE");
  EXPECT_EQ(Resolve(kRecent + L"Word.lnk"), L"C:\\Program Files\\Office\\WINWORD.EXE");

  // When the 8-bit read fails, the shortcut stands for itself.
  h.links().FailStep(LinkStep::Resolve, platform::kStatusFail);
  EXPECT_EQ(Resolve(kRecent + L"Word.lnk"), kRecent + L"Word.lnk");
}

TEST_F(ShortcutResolutionTest, ReadLinkParamsReadsEveryFieldInAnsi) {
  h.machine.files().AddFile(L"C:\\Caf\u00e9\\menu.txt", "x");
  h.links().AddShortcut(kRecent + L"menu.lnk",
                        SimShortcut{L"C:\\Caf\u00e9\\menu.txt", L"C:\\Caf\u00e9", L"Today's menu", L"/print"});
  TLinkParams params;
  EXPECT_EQ(ReadLinkParams(h.services, "C:\\users\\joe\\AppData\\Roaming\\Microsoft\\Windows\\Recent\\menu.lnk", params),
            0);
  EXPECT_EQ(params.target, "C:\\Caf\xe9\\menu.txt");
  EXPECT_EQ(params.workingDirectory, "C:\\Caf\xe9");
  EXPECT_EQ(params.description, "Today's menu");
  EXPECT_EQ(params.arguments, "/print");
  EXPECT_EQ(h.links().LastResolveOwner(), testing::ResolutionHarness::kOwner);
}

TEST_F(ShortcutResolutionTest, ReadLinkParamsFollowsAMovedTargetAndUpdatesTheShortcut) {
  h.links().AddShortcut(kRecent + L"old.lnk", SimShortcut{L"C:\\old\\file.txt"});
  h.machine.files().AddFile(L"C:\\new\\file.txt", "x");
  h.links().MoveTarget(L"C:\\old\\file.txt", L"C:\\new\\file.txt");
  TLinkParams params;
  EXPECT_EQ(ReadLinkParams(h.services, h.machine.text().ToAnsi(kRecent + L"old.lnk"), params), 0);
  EXPECT_EQ(params.target, "C:\\new\\file.txt");
  EXPECT_EQ(h.links().Shortcut(kRecent + L"old.lnk")->target, L"C:\\new\\file.txt");
}

TEST_F(ShortcutResolutionTest, ReadLinkParamsStopsAtTheFirstFailingCall) {
  struct Case {
    LinkStep step;
    bool target, description, arguments, workingDirectory;
  };
  const Case cases[] = {
      {LinkStep::Create, false, false, false, false},      {LinkStep::PersistFile, false, false, false, false},
      {LinkStep::Load, false, false, false, false},        {LinkStep::Resolve, false, false, false, false},
      {LinkStep::GetPath, false, false, false, false},     {LinkStep::Description, true, false, false, false},
      {LinkStep::Arguments, true, true, false, false},     {LinkStep::WorkingDirectory, true, true, true, false},
  };
  for (const auto& c : cases) {
    testing::ResolutionHarness fresh;
    fresh.links().AddShortcut(kRecent + L"s.lnk", SimShortcut{L"C:\\t.txt", L"C:\\w", L"d", L"a"});
    const platform::StatusCode code = static_cast<platform::StatusCode>(0x80070005u + static_cast<int>(c.step));
    fresh.links().FailStep(c.step, code);
    TLinkParams params;
    SCOPED_TRACE(static_cast<int>(c.step));
    EXPECT_EQ(ReadLinkParams(fresh.services, fresh.machine.text().ToAnsi(kRecent + L"s.lnk"), params), code);
    EXPECT_EQ(params.target, c.target ? "C:\\t.txt" : "");
    EXPECT_EQ(params.description, c.description ? "d" : "");
    EXPECT_EQ(params.arguments, c.arguments ? "a" : "");
    EXPECT_EQ(params.workingDirectory, c.workingDirectory ? "C:\\w" : "");
  }
}

TEST_F(ShortcutResolutionTest, ReadLinkParamsReportsMissingAndBrokenFiles) {
  h.machine.files().AddFile(kRecent + L"garbage.lnk", "not a shortcut");
  TLinkParams params;
  EXPECT_EQ(ReadLinkParams(h.services, "C:\\nowhere\\x.lnk", params), platform::kStatusFileNotFound);
  EXPECT_TRUE(platform::Failed(ReadLinkParams(h.services, h.machine.text().ToAnsi(kRecent + L"garbage.lnk"), params)));
  EXPECT_EQ(params.target, "");
}

TEST_F(ShortcutResolutionTest, AdvertisedTargetNeedsTheDataListAndTheInstaller) {
  const std::wstring icon = L"C:\\Windows\\Installer\\{P}\\icon.exe";
  struct Case {
    bool dataList, installer, componentKnown;
    std::string target;
  };
  const Case cases[] = {
      {true, true, true, "C:\\App\\app.exe"},
      {false, true, true, "C:\\Windows\\Installer\\{P}\\icon.exe"},
      {true, false, true, "C:\\Windows\\Installer\\{P}\\icon.exe"},
      {true, true, false, "C:\\Windows\\Installer\\{P}\\icon.exe"},  // the buffer keeps the icon path
  };
  for (const auto& c : cases) {
    testing::ResolutionHarness fresh;
    fresh.links().AddShortcut(kRecent + L"app.lnk", SimShortcut{icon, L"", L"", L"", L"{C}"});
    fresh.links().SetDataListOffered(c.dataList);
    fresh.machine.installer().SetAvailable(c.installer);
    if (c.componentKnown) fresh.machine.installer().SetComponentPath(L"{C}", L"C:\\App\\app.exe");
    TLinkParams params;
    EXPECT_EQ(ReadLinkParams(fresh.services, fresh.machine.text().ToAnsi(kRecent + L"app.lnk"), params), 0);
    EXPECT_EQ(params.target, c.target);
  }
}

TEST_F(ShortcutResolutionTest, WrittenShortcutsReadBack) {
  auto& links = h.platform.links;
  h.machine.files().AddFile(L"C:\\My Data\\notes.txt", "x");
  EXPECT_EQ(links.Write(kRecent + L"My Data.lnk", L"C:\\My Data", L"C:\\My Data"), 0);
  EXPECT_EQ(Resolve(kRecent + L"My Data.lnk"), L"C:\\My Data");
  TLinkParams params;
  EXPECT_EQ(ReadLinkParams(h.services, h.machine.text().ToAnsi(kRecent + L"My Data.lnk"), params), 0);
  EXPECT_EQ(params.target, "C:\\My Data");
  EXPECT_EQ(params.workingDirectory, "C:\\My Data");
  // A folder that is not there cannot take the file.
  EXPECT_TRUE(platform::Failed(links.Write(L"C:\\no such folder\\x.lnk", L"C:\\My Data", L"")));
}

}  // namespace
}  // namespace kalvora::resolve
