// The record file on the real platform: written and read back through MSXML
// and the real file system, and a record written by the native build read
// here the same way.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "../shared/RecordFileCases.h"
#include "../shared/XmlDomCases.h"
#include "platform/win32/Win32Platform.h"
#include "records/RecordFile.h"
#include "support/TempFolder.h"

namespace kalvora::records {
namespace {

class NoDialogs : public platform::DialogService {
 public:
  bool ShowModal(platform::WindowHandle, platform::DialogState&) override { return false; }
  int ShowMessageBox(platform::WindowHandle, const std::wstring&, const std::wstring&, unsigned) override {
    return platform::IdCancel;
  }
};

// A document tree on the real services, as the main window has one.
struct RealDocuments {
  platform::win32::Win32Platform real;
  NoDialogs dialogs;
  platform::Platform services = real.Services(dialogs);
  resolve::Wow64State wow64{services.system};
  record_file_cases::CountingHost host;
  tree::DocumentTree tree{services, wow64, L"C:\\users\\joe\\Documents", host,
                          std::vector<platform::PresetIcon>(78)};
  RecordFile records{services, tree, host, L"C:\\Program Files\\Kalvora\\kalvora.exe"};
};

std::string Narrow(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

TEST(RecordFileOnWindows, RoundTripThroughTheSystemDom) {
  TempFolder temp;
  const std::wstring record = temp / L"Mar 05,2012_001.revisto";
  RealDocuments writer;
  record_file_cases::BuildSampleTree(writer.tree);
  ASSERT_TRUE(writer.records.WriteRecordFile(record));

  RealDocuments reader;
  reader.records.LoadRecord(record);
  EXPECT_EQ(record_file_cases::Outline(reader.tree), record_file_cases::kSampleLoaded)
      << Narrow(record_file_cases::Outline(reader.tree));
  EXPECT_EQ(reader.records.ExtandFlags(), record_file_cases::kSampleExtand);
  EXPECT_EQ(reader.host.webPageTabShown, 2);
}

TEST(RecordFileOnWindows, ReadsARecordWrittenByTheNativeBuild) {
  TempFolder temp;
  const std::wstring record = temp / L"native.revisto";
  ASSERT_TRUE(TempFolder::WriteBytes(record, xml_dom_cases::FixtureBytes("record-file-sample.revisto")));
  RealDocuments reader;
  reader.records.LoadRecord(record);
  EXPECT_EQ(record_file_cases::Outline(reader.tree), record_file_cases::kSampleLoaded);
}

TEST(RecordFileOnWindows, RefusedDocumentsLoadAsAnEmptyTree) {
  TempFolder temp;
  const std::wstring record = temp / L"bad.revisto";
  const std::string cases[] = {
      "<revistotree><item text=\"a\"",
      "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
      "<r><item text=\"&b;\" path=\"C:\\a\" imageIndex=\"1\" docType=\"3\" extand=\"-1\"/></r>",
  };
  for (const std::string& bytes : cases) {
    ASSERT_TRUE(TempFolder::WriteBytes(record, bytes));
    RealDocuments reader;
    reader.records.LoadRecord(record);
    EXPECT_TRUE(reader.tree.TVDocs().Empty());
    EXPECT_TRUE(reader.tree.Docs().Empty());
  }
}

}  // namespace
}  // namespace kalvora::records
