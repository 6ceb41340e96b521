#include "tree/StockImages.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

namespace kalvora::tree {
namespace {

using Source = platform::PresetIcon::Source;

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

TEST(StockImagePresets, OnePictureForEachStockIndexFrom0To77) {
  EXPECT_EQ(StockImagePresets().size(), 78u);
}

TEST(StockImagePresets, IndexZeroIsAFolder) {
  const auto& folder = StockImagePresets()[0];
  EXPECT_EQ(folder.source, Source::ShellStock);
  EXPECT_EQ(folder.shellStockId, stock::Folder);
}

TEST(StockImagePresets, IndexNineIsNotepadOrATextFile) {
  const auto& editor = StockImagePresets()[9];
  const bool notepad = editor.source == Source::SystemProgram && Lower(editor.text) == L"notepad.exe";
  const bool textFile = editor.source == Source::FileType && Lower(editor.text) == L".txt";
  EXPECT_TRUE(notepad || textFile);
}

TEST(StockImagePresets, WebPagesShowAGlobeAndMissingItemsNoProgram) {
  const auto& web = StockImagePresets()[1];
  EXPECT_EQ(web.source, Source::ShellStock);
  EXPECT_TRUE(web.shellStockId == stock::Internet || web.shellStockId == stock::World);
  const auto& missing = StockImagePresets()[12];
  EXPECT_NE(missing.source, Source::Application);
  EXPECT_NE(missing.source, Source::SystemProgram);
}

TEST(StockImagePresets, ZipArchivesLookLikeArchives) {
  const auto& zip = StockImagePresets()[77];
  EXPECT_TRUE((zip.source == Source::FileType && Lower(zip.text) == L".zip") ||
              (zip.source == Source::ShellStock && zip.shellStockId == stock::ZipFile));
}

TEST(StockImagePresets, EveryPictureHasAFallbackAndAWellFormedSource) {
  for (std::size_t index = 0; index < StockImagePresets().size(); ++index) {
    const auto& preset = StockImagePresets()[index];
    SCOPED_TRACE(index);
    EXPECT_GE(preset.fallbackStockId, 0);
    switch (preset.source) {
      case Source::ShellStock:
        EXPECT_GE(preset.shellStockId, 0);
        break;
      case Source::FileType:
        ASSERT_GE(preset.text.size(), 2u);
        EXPECT_EQ(preset.text[0], L'.');
        break;
      case Source::SystemProgram: {
        const std::wstring name = Lower(preset.text);
        ASSERT_GT(name.size(), 4u);
        EXPECT_EQ(name.substr(name.size() - 4), L".exe");
        EXPECT_EQ(name.find(L'\\'), std::wstring::npos);  // a bare file name
        break;
      }
      case Source::Application:
        break;
    }
  }
}

}  // namespace
}  // namespace kalvora::tree
