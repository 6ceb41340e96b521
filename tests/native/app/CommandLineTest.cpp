#include "app/entry/CommandLine.h"

#include <gtest/gtest.h>

namespace kalvora::app {
namespace {

const std::wstring kProgram = L"C:\\Tools\\kalvora.exe";

TEST(CommandLine, FirstAndLastFallBackAsTheSystemDoes) {
  const CommandLine none(kProgram, {});
  EXPECT_EQ(none.First(), L"");
  EXPECT_EQ(none.Last(), kProgram) << "with no arguments the last one is the program itself";

  const CommandLine two(kProgram, {L" /run ", L"C:\\x.txt "});
  EXPECT_EQ(two.First(), L" /run ");
  EXPECT_EQ(two.FirstTrimmed(), L"/run");
  EXPECT_EQ(two.LastTrimmed(), L"C:\\x.txt");
}

TEST(CommandLine, ReplayAtStartAndElevatedFlags) {
  struct Case {
    std::vector<std::wstring> args;
    bool replay;
    bool elevated;
  };
  const Case cases[] = {
      {{}, false, false},
      {{L"/run"}, true, false},
      {{L" /run "}, true, false},
      {{L"/run_admin"}, true, false},
      {{L"/RUN"}, false, false},  // switches are case-sensitive
      {{L"C:\\a", L"/run"}, false, false},
      {{L"/run", L"/runasadmin"}, true, true},
      {{L"/runasadmin "}, false, true},
      {{L"/runasadmin", L"C:\\a"}, false, false},
  };
  for (const auto& c : cases) {
    const CommandLine line(kProgram, c.args);
    EXPECT_EQ(IsReplayAtStart(line), c.replay) << (c.args.empty() ? L"" : c.args.front()).size();
    EXPECT_EQ(IsStartedElevated(line), c.elevated);
  }
}

TEST(CommandLine, StarListTakesTrimmedItemsBeforeEachStar) {
  EXPECT_EQ(StarListItems(L"C:\\a.txt*D:\\b*"), (std::vector<std::wstring>{L"C:\\a.txt", L"D:\\b"}));
  EXPECT_EQ(StarListItems(L"C:\\a.txt*C:\\b.txt"), (std::vector<std::wstring>{L"C:\\a.txt"}))
      << "text after the last star is not an item";
  EXPECT_EQ(StarListItems(L"  C:\\My Files\\a.txt  * *"),
            (std::vector<std::wstring>{L"C:\\My Files\\a.txt", L""}));
  EXPECT_TRUE(StarListItems(L"no star").empty());
  EXPECT_TRUE(IsStarList(L"a*"));
  EXPECT_FALSE(IsStarList(L"C:\\a"));
}

TEST(CommandLine, StarListStopsAtItsLimit) {
  std::wstring list;
  for (int i = 0; i < 5003; ++i) list += L"C:\\f" + std::to_wstring(i) + L"*";
  const auto items = StarListItems(list);
  ASSERT_EQ(items.size(), MaxStarListItems);
  EXPECT_EQ(items.back(), L"C:\\f4999");
}

TEST(CommandLine, SwitchesThatAreNeverItems) {
  struct Case {
    const wchar_t* arg;
    bool commandLineSkips;
    bool parameterFileSkips;
  };
  const Case cases[] = {
      {L"/run", true, true},          {L"/install", true, true},   {L"/runasadmin", true, true},
      {L"/run_admin", true, false},   {L"/ctmenu", false, false},  {L" /run", false, false},
      {L"C:\\run", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsCommandLineIntakeSwitch(c.arg), c.commandLineSkips) << c.arg;
    EXPECT_EQ(IsParameterFileSwitch(c.arg), c.parameterFileSkips) << c.arg;
  }
}

}  // namespace
}  // namespace kalvora::app

#include "app/entry/Elevation.h"

namespace kalvora::app {
namespace {

TEST(QuoteArgument, SurvivesTheSystemsSplitting) {
  struct Case {
    const wchar_t* argument;
    const wchar_t* written;
  };
  const Case cases[] = {
      {L"", L""},
      {L"/run", L"/run"},
      {L"C:\\a\\b.txt", L"C:\\a\\b.txt"},
      {L"C:\\My Files\\a b.txt", L"\"C:\\My Files\\a b.txt\""},
      {L"C:\\My Files\\", L"\"C:\\My Files\\\\\""},
      {L"say \"hi\"", L"\"say \\\"hi\\\"\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteArgument(c.argument), c.written) << c.argument;
}

}  // namespace
}  // namespace kalvora::app
