#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/SimProcess.h"

namespace kalvora::platform::sim {
namespace {

class NameState final : public DialogState {
 public:
  explicit NameState(std::wstring name) : name_(std::move(name)) {}
  std::wstring DialogName() const override { return name_; }
  int level = 3;

 private:
  std::wstring name_;
};

TEST(SimDialogService, CancelsByDefaultAndRecordsEveryDialogInOrder) {
  SimMachine machine;
  SimProcess process(machine);
  NameState settings(L"TFrmSetting");
  NameState smart(L"TFrmSmartFolderSetting");
  DialogService& dialogs = process.Platform().dialogs;
  EXPECT_FALSE(dialogs.ShowModal(0x10040, settings));
  EXPECT_FALSE(dialogs.ShowModal(0, smart));
  EXPECT_FALSE(dialogs.ShowModal(0x10040, settings));
  EXPECT_EQ(settings.level, 3);
  EXPECT_EQ(process.dialogs().ShownDialogs(),
            (std::vector<std::wstring>{L"TFrmSetting", L"TFrmSmartFolderSetting", L"TFrmSetting"}));
  EXPECT_EQ(process.dialogs().DialogOwners(), (std::vector<WindowHandle>{0x10040, 0, 0x10040}));
}

TEST(SimDialogService, ScriptedAnswerEditsTheStateAndConfirms) {
  SimMachine machine;
  SimProcess process(machine);
  process.dialogs().AnswerDialogs([](DialogState& state) {
    auto* s = dynamic_cast<NameState*>(&state);
    if (!s || s->DialogName() != L"TFrmSetting") return false;
    s->level = 9;
    return true;
  });
  NameState settings(L"TFrmSetting");
  NameState other(L"TFrmOther");
  EXPECT_TRUE(process.Platform().dialogs.ShowModal(0, settings));
  EXPECT_EQ(settings.level, 9);
  EXPECT_FALSE(process.Platform().dialogs.ShowModal(0, other));
  EXPECT_EQ(other.level, 3);
}

TEST(SimDialogService, MessageBoxesAreRecordedAndAnswered) {
  SimMachine machine;
  SimProcess process(machine);
  DialogService& dialogs = process.Platform().dialogs;
  EXPECT_EQ(dialogs.ShowMessageBox(7, L"Saved.", L"Kalvora", MbOk | MbIconInformation), IdOk);
  process.dialogs().SetMessageBoxAnswer(IdNo);
  EXPECT_EQ(dialogs.ShowMessageBox(7, L"Delete?", L"Kalvora", MbYesNo | MbIconQuestion), IdNo);
  process.dialogs().AnswerMessageBoxes(
      [](const MessageBoxRecord& box) { return box.text == L"Really?" ? IdYes : IdCancel; });
  EXPECT_EQ(dialogs.ShowMessageBox(0, L"Really?", L"", MbYesNo), IdYes);

  const auto& boxes = process.dialogs().MessageBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[1].owner, 7u);
  EXPECT_EQ(boxes[1].text, L"Delete?");
  EXPECT_EQ(boxes[1].caption, L"Kalvora");
  EXPECT_EQ(boxes[1].flags, static_cast<unsigned>(MbYesNo | MbIconQuestion));
}

TEST(SimShell, EveryStartLandsInTheMachinesLaunchLog) {
  SimMachine machine;
  SimProcess first(machine);
  SimProcess second(machine);
  machine.launches().FailLaunch(L"C:\\missing.exe", 2);

  EXPECT_EQ(first.Platform().shell.Execute(0, L"open", L"C:\\Program Files\\Kalvora\\revistoadmin.exe", L"/run", L"",
                                           ShowCommand::ShowNormal),
            42);
  EXPECT_EQ(second.Platform().shell.Execute(5, L"", L"c:\\MISSING.exe", L"", L"C:\\", ShowCommand::Hide), 2);

  const auto& log = machine.LaunchLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].process, first.id());
  EXPECT_EQ(log[0].verb, L"open");
  EXPECT_EQ(log[0].file, L"C:\\Program Files\\Kalvora\\revistoadmin.exe");
  EXPECT_EQ(log[0].parameters, L"/run");
  EXPECT_EQ(log[0].directory, L"");
  EXPECT_EQ(log[0].show, ShowCommand::ShowNormal);
  EXPECT_EQ(log[0].result, 42);
  EXPECT_EQ(log[1].process, second.id());
  EXPECT_EQ(log[1].owner, 5u);
  EXPECT_EQ(log[1].directory, L"C:\\");
  EXPECT_EQ(log[1].show, ShowCommand::Hide);
  EXPECT_EQ(log[1].result, 2);
}

TEST(SimMessagePump, RunsTheHookInTheMiddleOfALongOperation) {
  SimMachine machine;
  SimProcess process(machine);
  std::vector<int> order;
  int item = 0;
  process.pump().SetHook([&] {
    if (item == 2) order.push_back(-1);  // the "timer" fires after the second item
  });
  MessagePump& pump = process.Platform().pump;
  for (item = 1; item <= 3; ++item) {
    order.push_back(item);
    pump.ProcessMessages();
  }
  EXPECT_EQ(order, (std::vector<int>{1, 2, -1, 3}));
  EXPECT_EQ(process.pump().Calls(), 3);
}

TEST(SimMessagePump, HookThatPumpsAgainDoesNotRecurse) {
  SimMachine machine;
  SimProcess process(machine);
  int runs = 0;
  process.pump().SetHook([&] {
    ++runs;
    process.Platform().pump.ProcessMessages();
  });
  process.Platform().pump.ProcessMessages();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(process.pump().Calls(), 2);
}

TEST(SimSystemInfo, AnswersFromTheProcessAndTheMachine) {
  SimMachine machine;
  SimProcess process(machine, {L"/run", L"C:\\a b\\c.txt"}, L"C:\\Tools\\kalvora.exe");
  SystemInfo& system = process.Platform().system;
  EXPECT_EQ(system.CommandLineArguments(), (std::vector<std::wstring>{L"/run", L"C:\\a b\\c.txt"}));
  EXPECT_EQ(system.ProgramFilePath(), L"C:\\Tools\\kalvora.exe");
  OsVersion os = system.GetOsVersion();
  EXPECT_EQ(os.platformId, 2u);
  EXPECT_EQ(os.major, 6u);
  EXPECT_EQ(os.minor, 1u);
  machine.SetOsVersion({2, 6, 2});
  EXPECT_EQ(system.GetOsVersion().minor, 2u);
  EXPECT_EQ(system.IsWow64Process(), false);
  EXPECT_FALSE(system.TokenHasAdministratorsGroup());
  process.system().SetAdministrator(true);
  EXPECT_TRUE(system.TokenHasAdministratorsGroup());
  system.Sleep(100);
  system.Sleep(250);
  EXPECT_EQ(process.system().TotalSlept(), 350u);
}

TEST(SimSystemInfo, RedirectionBracketsAreCountedAndChecked) {
  SimMachine machine;
  SimProcess process(machine);
  SystemInfo& system = process.Platform().system;
  RedirectionToken outer = nullptr, inner = nullptr;
  EXPECT_EQ(system.DisableWow64FsRedirection(outer), true);
  EXPECT_EQ(system.DisableWow64FsRedirection(inner), true);
  EXPECT_NE(outer, nullptr);
  EXPECT_NE(outer, inner);
  EXPECT_EQ(process.system().RedirectionDepth(), 2);
  EXPECT_EQ(system.RevertWow64FsRedirection(inner), true);
  EXPECT_EQ(system.RevertWow64FsRedirection(inner), false) << "reverted twice";
  EXPECT_EQ(system.RevertWow64FsRedirection(outer), true);
  EXPECT_EQ(process.system().RedirectionDepth(), 0);
  EXPECT_EQ(process.system().RedirectionDisables(), 2);
}

TEST(SimSystemInfo, MissingFunctionsAnswerNothing) {
  SimMachine machine;
  SimProcess process(machine);
  process.system().SetWow64(std::nullopt);
  process.system().SetRedirectionAvailable(false);
  process.system().SetProcessImageNameAvailable(false);
  SystemInfo& system = process.Platform().system;
  RedirectionToken token = nullptr;
  EXPECT_EQ(system.IsWow64Process(), std::nullopt);
  EXPECT_EQ(system.DisableWow64FsRedirection(token), std::nullopt);
  EXPECT_EQ(token, nullptr);
  EXPECT_EQ(system.RevertWow64FsRedirection(token), std::nullopt);
  EXPECT_EQ(process.system().RedirectionDepth(), 0);
  EXPECT_EQ(system.ProcessImageFileName(reinterpret_cast<void*>(1)), std::nullopt);
}

TEST(SimSystemInfo, ProcessImageNamesByHandle) {
  SimMachine machine;
  SimProcess process(machine);
  void* explorer = reinterpret_cast<void*>(0x44);
  process.system().SetProcessImageName(explorer, "\\Device\\HarddiskVolume2\\Windows\\explorer.exe");
  SystemInfo& system = process.Platform().system;
  EXPECT_EQ(system.ProcessImageFileName(explorer), "\\Device\\HarddiskVolume2\\Windows\\explorer.exe");
  EXPECT_EQ(system.ProcessImageFileName(reinterpret_cast<void*>(0x48)), "");
}

TEST(SimShellFolders, DefaultFoldersExistAndCanBeMovedOrRemoved) {
  SimMachine machine;
  SimProcess process(machine);
  ShellFolders& folders = process.Platform().folders;
  EXPECT_EQ(folders.SpecialFolderPath(SpecialFolder::Personal), L"C:\\users\\joe\\Documents");
  EXPECT_EQ(folders.SpecialFolderPath(SpecialFolder::CommonDocuments), L"C:\\users\\Public\\Documents");
  for (const auto& [folder, path] : machine.folders().All()) {
    EXPECT_FALSE(path.empty());
    EXPECT_NE(path.back(), L'\\');
    EXPECT_TRUE(machine.files().DirectoryExists(path)) << std::string(path.begin(), path.end());
  }
  machine.SetSpecialFolder(SpecialFolder::Personal, L"D:\\docs\\");
  EXPECT_EQ(folders.SpecialFolderPath(SpecialFolder::Personal), L"D:\\docs");
  machine.SetSpecialFolder(SpecialFolder::Recent, L"");
  EXPECT_EQ(folders.SpecialFolderPath(SpecialFolder::Recent), L"");
}

TEST(SimProcess, PlatformWiresMachineAndProcessServices) {
  SimMachine machine;
  SimProcess first(machine);
  SimProcess second(machine, {L"x"}, L"C:\\other\\kalvora.exe");
  Platform a = first.Platform();
  Platform b = second.Platform();
  EXPECT_EQ(&a.files, &b.files);
  EXPECT_EQ(&a.profiles, &b.profiles);
  EXPECT_EQ(&a.folders, &b.folders);
  EXPECT_EQ(&a.sharedMemory, &b.sharedMemory);
  EXPECT_EQ(&a.windows, &b.windows);
  EXPECT_NE(&a.system, &b.system);
  EXPECT_NE(&a.dialogs, &b.dialogs);
  EXPECT_NE(&a.pump, &b.pump);
  EXPECT_NE(&a.shell, &b.shell);
  EXPECT_NE(first.id(), second.id());
  EXPECT_EQ(a.system.ProgramFilePath(), SimProcess::kDefaultProgramFile);
  EXPECT_TRUE(a.system.CommandLineArguments().empty());
}

}  // namespace
}  // namespace kalvora::platform::sim
