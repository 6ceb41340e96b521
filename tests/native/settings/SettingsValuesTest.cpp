#include <gtest/gtest.h>

#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "settings/SmartFolderSettingsDialog.h"

namespace kalvora::settings {
namespace {

TEST(SettingsInteger, ReadsDecimalAndHexAndRefusesTheRest) {
  struct Case {
    const wchar_t* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {L"7", 7},          {L"-1", -1},         {L"+12", 12},        {L"0x1F", 31},     {L"$10", 16},
      {L"0xFFFFFFFF", -1}, {L"2147483647", 2147483647},              {L"-2147483648", INT_MIN},
      {L"2147483648", std::nullopt},           {L"", std::nullopt}, {L"abc", std::nullopt},
      {L"12abc", std::nullopt},                {L"1.5", std::nullopt},                  {L"0x", std::nullopt},
      {L"99999999999999999999", std::nullopt}, {L"  8", 8},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseSettingsInteger(c.text), c.value) << c.text;
}

TEST(RecordFolder, NormalisesToOneTrailingBackslash) {
  struct Case {
    const wchar_t* typed;
    const wchar_t* folder;
  };
  const Case cases[] = {
      {L"C:\\Records", L"C:\\Records\\"},
      {L"  C:\\Records\\  ", L"C:\\Records\\"},
      {L"C:\\Records\\\\", L"C:\\Records\\"},
      {L"C:\\a\\\\b", L"C:\\a\\b\\"},
      {L"", L""},
      {L"   ", L""},
      {L"\\\\server\\share\\records\\", L"\\\\server\\share\\records\\"},
      // A network folder gets its separator too, or record names would run into it.
      {L"\\\\server\\share", L"\\\\server\\share\\"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeRecordFolder(c.typed), c.folder) << c.typed;
}

TEST(SmartFolderSettingsDialog, DesignValuesAndLabel) {
  TFrmSmartFolderSetting dialog;
  EXPECT_TRUE(dialog.CbRealTimeRecFolder);
  EXPECT_TRUE(dialog.CbRefreshRecentFolder);
  EXPECT_FALSE(dialog.CbNotShowAgain);
  EXPECT_EQ(dialog.Label1Text(), L"Refresh every 7 seconds");
  dialog.TrackBarRefreshRecentFolder.SetPosition(90);
  EXPECT_EQ(dialog.Label1Text(), L"Refresh every 60 seconds") << "the track bar stops at its maximum";
}

}  // namespace
}  // namespace kalvora::settings
