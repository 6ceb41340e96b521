// The Smart Folder Settings dialog that greets a first start: it comes before
// the main window, and only "Don't show again" with "&Confirm" stops it.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/ProgramFixture.h"

namespace kalvora::program_tests {
namespace {

const std::wstring kDontShowAgain = L"Don't show again";

// ---- when the dialog comes

struct FirstStartCase {
  const char* name;
  bool settingsFile;
  std::vector<std::pair<std::wstring, std::wstring>> userValues;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FirstStartCase& c, std::ostream* out) { *out << c.name; }

class FirstStartDialogTest : public ProgramTest, public ::testing::WithParamInterface<FirstStartCase> {};

TEST_P(FirstStartDialogTest, ComesBeforeTheMainWindowIsShown) {
  if (GetParam().settingsFile) {
    ASSERT_TRUE(MakeFolder(Paths().userFolder));
    for (const auto& [key, value] : GetParam().userValues)
      ASSERT_TRUE(WriteIni(Paths().userFile, kSection, key, value));
  }
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& program = Start(exe);

  HWND shown = WaitForDialogOrMainWindow(program);
  ASSERT_NE(shown, nullptr) << "neither the dialog nor the main window appeared";
  ASSERT_EQ(ClassOf(shown), kDialogClass) << "the main window was shown before the dialog";
  const auto mainWindows = TopLevelWindows(WindowQuery::OfClass(kMainWindowClass).Of(program.Pid()));
  ASSERT_EQ(mainWindows.size(), 1u) << "the main window should exist, hidden, while the dialog is up";
  EXPECT_FALSE(::IsWindowVisible(mainWindows.front()));

  struct Control {
    std::wstring className;
    std::wstring text;
    bool checkBox;
  };
  for (const Control& control : {Control{L"Button", L"Real-time recording Running Folders", true},
                                 Control{L"Button", L"&Adding Recently Open Folders to Tree View", true},
                                 Control{L"Button", kDontShowAgain, true}, Control{L"Button", L"&Confirm", false},
                                 Control{L"Button", L"Ca&ncel", false}}) {
    HWND child = FindChild(shown, control.className, control.text);
    ASSERT_NE(child, nullptr) << "no control \"" << Utf8(control.text) << "\"";
    const LONG type = ::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
    const bool isCheckBox = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
    EXPECT_EQ(isCheckBox, control.checkBox) << Utf8(control.text);
  }
  EXPECT_EQ(ChildWindows(shown, L"msctls_trackbar32").size(), 1u) << "the dialog has no track bar";
}

INSTANTIATE_TEST_SUITE_P(
    Program, FirstStartDialogTest,
    ::testing::Values(FirstStartCase{"NoSettingsFile", false, {}},
                      FirstStartCase{"KeyMissing", true, {{L"Width", L"420"}}},
                      FirstStartCase{"KeyOff", true, {{L"CbNotShowAgain", L"0"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- what the answer does, now and at the next start

struct AnswerCase {
  const char* name;
  bool tickDontShowAgain;
  std::wstring button;
  std::optional<std::wstring> storedNotShowAgain;  // nothing: not written
  bool dialogAtNextStart;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const AnswerCase& c, std::ostream* out) { *out << c.name; }

class FirstStartAnswerTest : public ProgramTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(FirstStartAnswerTest, ShowsTheWindowAndDecidesTheNextStart) {
  const AnswerCase& answer = GetParam();
  const std::wstring exe = InstallProgram();
  ASSERT_FALSE(exe.empty());
  auto& first = Start(exe);
  HWND dialog = WaitForSmartFolderDialog(first);
  ASSERT_NE(dialog, nullptr);
  if (answer.tickDontShowAgain) {
    HWND tick = FindChild(dialog, L"Button", kDontShowAgain);
    ASSERT_NE(tick, nullptr);
    ASSERT_TRUE(ClickButton(tick));
    ASSERT_TRUE(IsChecked(tick));
  }
  HWND button = FindChild(dialog, L"Button", answer.button);
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(PressDialogButton(button));

  HWND window = WaitForMainWindow(first);
  ASSERT_NE(window, nullptr) << "no main window after the dialog was answered";
  EXPECT_FALSE(::IsWindow(dialog) && ::IsWindowVisible(dialog)) << "the dialog is still up";
  EXPECT_EQ(ReadIni(Paths().userFile, kSection, L"CbNotShowAgain"), answer.storedNotShowAgain);
  CloseMainWindow(first, window);

  auto& second = Start(exe);
  HWND shown = WaitForDialogOrMainWindow(second);
  ASSERT_NE(shown, nullptr) << "the next start showed nothing";
  if (answer.dialogAtNextStart) {
    EXPECT_EQ(ClassOf(shown), kDialogClass) << "the next start went straight to the main window";
  } else {
    EXPECT_EQ(ClassOf(shown), kMainWindowClass) << "the dialog came again";
    EXPECT_TRUE(TopLevelWindows(
                    WindowQuery::OfClass(kDialogClass).Titled(kSmartFolderCaption).Of(second.Pid()).Visible())
                    .empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Program, FirstStartAnswerTest,
    ::testing::Values(AnswerCase{"ConfirmedWithDontShowAgain", true, L"&Confirm", L"1", false},
                      AnswerCase{"ConfirmedWithoutDontShowAgain", false, L"&Confirm", L"0", true},
                      AnswerCase{"Cancelled", true, L"Ca&ncel", std::nullopt, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kalvora::program_tests
