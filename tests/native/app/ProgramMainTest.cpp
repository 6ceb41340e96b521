#include "app/entry/ProgramMain.h"

#include <gtest/gtest.h>

#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"

namespace kalvora::app {
namespace {

using platform::sim::SimMachine;
using platform::sim::SimProcess;

const std::wstring kProgram = L"C:\\Tools\\kalvora.exe";
const std::wstring kSharedSettings = L"C:\\users\\Public\\Documents\\Kalvora\\defualt.ini";

// Stands in for the Win32 window: records that it ran and what it was given.
class RecordingHost : public MainWindowHost {
 public:
  int Run(MainWindowContext& context, InstanceSlot&) override {
    ++runs;
    startedElevated = context.flags.StartedElevated;
    userSettingsPath = context.userSettings.Path();
    return 0;
  }
  int runs = 0;
  bool startedElevated = false;
  std::wstring userSettingsPath;
};

class RecordingHandOff : public SecondStartHandOff {
 public:
  void SendToRunningInstance(const CommandLine& commandLine, const DataFolders&) override {
    handedOver.push_back(commandLine.Arguments());
  }
  std::vector<std::vector<std::wstring>> handedOver;
};

TEST(ProgramMain, ElevatedRestartDecision) {
  struct Case {
    bool alwaysRunAsAdmin;
    std::vector<std::wstring> args;
    bool restarts;
    std::wstring parameters;  // given to the elevation program
    bool startedElevated;
  };
  const Case cases[] = {
      {true, {L"/run", L"C:\\file.txt"}, true, L"/run", false},
      {true, {L"C:\\My Files\\a b.txt", L"/run"}, true, L"\"C:\\My Files\\a b.txt\"", false},
      {true, {}, true, L"", false},
      {true, {L"/run", L"/runasadmin"}, false, L"", true},
      {true, {L"C:\\a", L" /runasadmin "}, false, L"", true},
      {true, {L"/ctmenu"}, false, L"", false},
      {true, {L"/run_admin"}, false, L"", false},
      {true, {L"/runasadmin", L"C:\\a"}, true, L"/runasadmin", false},
      {false, {L"/run"}, false, L"", false},
  };
  for (const auto& c : cases) {
    SimMachine machine;
    SimProcess process(machine, c.args, kProgram);
    if (c.alwaysRunAsAdmin) machine.files().AddFile(kSharedSettings, "[default]\r\nAlwaysRunAsAdmin=1\r\n");
    auto platform = process.Platform();
    RecordingHost host;
    RecordingHandOff handOff;
    const auto result = ProgramMain(platform, host, handOff);

    SCOPED_TRACE(testing::Message() << "case with " << c.args.size() << " arguments, restarts=" << c.restarts);
    EXPECT_EQ(result.outcome, c.restarts ? StartOutcome::RestartedElevated : StartOutcome::RanMainWindow);
    EXPECT_EQ(host.runs, c.restarts ? 0 : 1) << "a restart shows no window";
    if (c.restarts) {
      ASSERT_EQ(machine.LaunchLog().size(), 1u);
      const auto& launch = machine.LaunchLog()[0];
      EXPECT_EQ(launch.verb, L"open");
      EXPECT_EQ(launch.file, L"C:\\Tools\\revistoadmin.exe");
      EXPECT_EQ(launch.parameters, c.parameters);
      EXPECT_EQ(launch.directory, L"");
      EXPECT_EQ(launch.show, platform::ShowCommand::ShowNormal);
    } else {
      EXPECT_TRUE(machine.LaunchLog().empty());
      EXPECT_EQ(host.startedElevated, c.startedElevated);
    }
  }
}

TEST(ProgramMain, SecondStartHandsOverAndShowsNothing) {
  SimMachine machine;
  SimProcess first(machine, {}, kProgram);
  SimProcess second(machine, {L"/run", L"C:\\x.txt"}, kProgram);
  auto p1 = first.Platform();
  auto p2 = second.Platform();

  // The first instance holds its slot while its window runs.
  struct NestedHost : MainWindowHost {
    platform::Platform* secondPlatform;
    RecordingHost secondHost;
    RecordingHandOff handOff;
    ProgramResult secondResult;
    int Run(MainWindowContext&, InstanceSlot&) override {
      secondResult = ProgramMain(*secondPlatform, secondHost, handOff);
      return 0;
    }
  } host;
  host.secondPlatform = &p2;
  RecordingHandOff firstHandOff;
  const auto firstResult = ProgramMain(p1, host, firstHandOff);

  EXPECT_EQ(firstResult.outcome, StartOutcome::RanMainWindow);
  EXPECT_EQ(host.secondResult.outcome, StartOutcome::HandedOver);
  EXPECT_EQ(host.secondHost.runs, 0);
  ASSERT_EQ(host.handOff.handedOver.size(), 1u);
  EXPECT_EQ(host.handOff.handedOver[0], (std::vector<std::wstring>{L"/run", L"C:\\x.txt"}));
  EXPECT_TRUE(firstHandOff.handedOver.empty());
  EXPECT_TRUE(machine.files().DirectoryExists(L"C:\\users\\joe\\Documents\\Kalvora"));
  EXPECT_TRUE(machine.files().DirectoryExists(L"C:\\users\\Public\\Documents\\Kalvora"));
}

}  // namespace
}  // namespace kalvora::app

namespace kalvora::app {
namespace {

TEST(ProgramMain, DataFolderThatCannotBeMadeDoesNotStopTheStart) {
  SimMachine machine;
  SimProcess process(machine, {}, kProgram);
  machine.files().DenyWrites(L"C:\\users\\joe\\Documents");
  auto platform = process.Platform();
  RecordingHost host;
  RecordingHandOff handOff;
  const auto result = ProgramMain(platform, host, handOff);
  EXPECT_EQ(result.outcome, StartOutcome::RanMainWindow);
  EXPECT_EQ(host.runs, 1);
  EXPECT_EQ(host.userSettingsPath, L"C:\\users\\joe\\Documents\\Kalvora\\defualt.ini");
}

}  // namespace
}  // namespace kalvora::app
