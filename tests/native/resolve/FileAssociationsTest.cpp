#include "resolve/FileAssociations.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/WideText.h"
#include "support/ResolutionHarness.h"

namespace kalvora::resolve {
namespace {

using platform::RegistryRoot;
using platform::RegistryTypeError;
using platform::sim::RegistryType;
using platform::sim::SimShortcut;

class FileAssociationsTest : public ::testing::Test {
 protected:
  FileAssociationsTest() {
    h.machine.files().AddFile(L"C:\\Windows\\notepad.exe", "MZ");
    h.machine.files().AddFile(L"C:\\Program Files\\Photo Tool\\photo.exe", "MZ");
    h.machine.files().AddFile(L"C:\\Program Files\\Viewer\\view.exe", "MZ");
  }
  testing::ResolutionHarness h;
};

TEST_F(FileAssociationsTest, OpenCommandOfTheFileType) {
  h.SetClass(L".txt", L"txtfile");
  h.SetClass(L"txtfile\\shell\\open\\command", L"%SystemRoot%\\notepad.exe %1");
  h.SetClass(L".jpg", L"jpgfile");
  h.SetClass(L"jpgfile\\Shell\\Open\\Command", L"\"C:\\Program Files\\Photo Tool\\photo.exe\" \"%1\"");

  EXPECT_EQ(GetAssociatedCommand(h.services, L"C:\\a\\b.txt"), L"%SystemRoot%\\notepad.exe %1");
  EXPECT_EQ(GetAssociatedApplication(h.services, L"C:\\a\\b.txt"), L"C:\\Windows\\notepad.exe");
  EXPECT_EQ(GetAssociatedCommand(h.services, L"D:\\pics\\x.jpg"),
            L"\"C:\\Program Files\\Photo Tool\\photo.exe\" \"%1\"");
  EXPECT_EQ(GetAssociatedApplication(h.services, L"D:\\pics\\x.jpg"), L"C:\\Program Files\\Photo Tool\\photo.exe");
  // The extension key is found whatever the letter case of the file name.
  EXPECT_EQ(GetAssociatedApplication(h.services, L"D:\\pics\\X.JPG"), L"C:\\Program Files\\Photo Tool\\photo.exe");
}

TEST_F(FileAssociationsTest, ProgramsBatchFilesAndPackagesStandForThemselves) {
  for (const wchar_t* file : {L"C:\\x\\setup.MSI", L"C:\\x\\tool.exe", L"C:\\x\\run.Bat"})
    EXPECT_EQ(GetAssociatedApplication(h.services, file), file);
  EXPECT_EQ(GetAssociatedApplication(h.services, L"%SystemRoot%\\regedit.exe"), L"C:\\Windows\\regedit.exe");
}

TEST_F(FileAssociationsTest, UnregisteredTypesGiveNothing) {
  h.SetClass(L".half", L"halffile");  // a type name with no commands at all
  for (const wchar_t* file : {L"C:\\a\\b.unknown", L"C:\\a\\noextension", L"C:\\a\\b.half"}) {
    EXPECT_EQ(GetAssociatedCommand(h.services, file), L"") << text::WideToUtf8(file);
    EXPECT_EQ(GetAssociatedApplication(h.services, file), L"") << text::WideToUtf8(file);
  }
}

TEST_F(FileAssociationsTest, DefaultVerbGivesAProgramPath) {
  struct Case {
    const char* name;
    std::function<void(testing::ResolutionHarness&)> setup;
    std::wstring program;
  };
  const Case cases[] = {
      {"default verb named by the type",
       [](auto& h) {
         h.SetClass(L".pic", L"picfile");
         h.SetClass(L"picfile\\shell", L"edit");
         h.SetClass(L"picfile\\shell\\edit\\command", L"\"C:\\Program Files\\Photo Tool\\photo.exe\" /e \"%1\"");
       },
       L"C:\\Program Files\\Photo Tool\\photo.exe"},
      {"open when the type names no verb",
       [](auto& h) {
         h.SetClass(L".pic", L"picfile");
         h.SetClass(L"picfile\\shell\\open\\command", L"C:\\Windows\\notepad.exe %1");
       },
       L"C:\\Windows\\notepad.exe"},
      {"subkey of the extension named like its type",
       [](auto& h) {
         h.SetClass(L".pic", L"picfile");
         h.SetClass(L".pic\\picfile", L"Real.Type");
         h.SetClass(L"Real.Type\\shell\\open\\command", L"C:\\Windows\\notepad.exe %1");
       },
       L"C:\\Windows\\notepad.exe"},
      {"subkey with an empty default value",
       [](auto& h) {
         h.SetClass(L".pic", L"picfile");
         h.registry().CreateKey({RegistryRoot::ClassesRoot, L".pic\\picfile"});
         h.SetClass(L"picfile\\shell\\open\\command", L"C:\\Windows\\notepad.exe %1");
       },
       L""},
      {"rundll32 gets its extension",
       [](auto& h) {
         h.SetClass(L".pic", L"picfile");
         h.SetClass(L"picfile\\shell\\open\\command", L"rundll32 shimgvw.dll,ImageView_Fullscreen %1");
       },
       L"rundll32.EXE"},
      {"unquoted path with blanks ends at .exe",
       [](auto& h) {
         h.SetClass(L".pic", L"picfile");
         h.SetClass(L"picfile\\shell\\open\\command", L"C:\\Program Files\\Viewer\\view.exe /v %1");
       },
       L"C:\\Program Files\\Viewer\\view.exe"},
      {"unquoted path with blanks to a missing program",
       [](auto& h) {
         h.SetClass(L".pic", L"picfile");
         h.SetClass(L"picfile\\shell\\open\\command", L"C:\\Program Files\\Gone\\gone.exe %1");
       },
       L"C:\\Program"},
      {"unquoted program without arguments",
       [](auto& h) {
         h.SetClass(L".pic", L"picfile");
         h.SetClass(L"picfile\\shell\\open\\command", L"C:\\Windows\\notepad.exe");
       },
       L""},
      {"quoted program without closing quote",
       [](auto& h) {
         h.SetClass(L".pic", L"picfile");
         h.SetClass(L"picfile\\shell\\open\\command", L"\"C:\\Windows\\notepad.exe %1");
       },
       L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::ResolutionHarness fresh;
    fresh.machine.files().AddFile(L"C:\\Windows\\notepad.exe", "MZ");
    fresh.machine.files().AddFile(L"C:\\Program Files\\Photo Tool\\photo.exe", "MZ");
    fresh.machine.files().AddFile(L"C:\\Program Files\\Viewer\\view.exe", "MZ");
    c.setup(fresh);
    EXPECT_EQ(GetAssociationByVerb(fresh.services, L".pic"), c.program);
  }
}

TEST_F(FileAssociationsTest, WithoutAnOpenCommandTheVerbsProgramIsTheAssociation) {
  h.SetClass(L".pic", L"picfile");
  h.SetClass(L"picfile\\shell", L"edit");
  h.SetClass(L"picfile\\shell\\edit\\command", L"C:\\Program Files\\Viewer\\view.exe /e %1");
  EXPECT_EQ(GetAssociatedCommand(h.services, L"C:\\a\\x.pic"), L"C:\\Program Files\\Viewer\\view.exe");
  EXPECT_EQ(GetAssociatedApplication(h.services, L"C:\\a\\x.pic"), L"C:\\Program Files\\Viewer\\view.exe");

  // An open command wins over the default verb.
  h.SetClass(L"picfile\\shell\\open\\command", L"C:\\Windows\\notepad.exe %1");
  EXPECT_EQ(GetAssociatedCommand(h.services, L"C:\\a\\x.pic"), L"C:\\Windows\\notepad.exe %1");
}

TEST_F(FileAssociationsTest, ANonTextDefaultValueRaises) {
  h.registry().SetValue({RegistryRoot::ClassesRoot, L".odd"}, L"", RegistryType::Dword, L"1");
  EXPECT_THROW(GetAssociatedCommand(h.services, L"C:\\a.odd"), RegistryTypeError);
  EXPECT_THROW(GetAssociatedApplication(h.services, L"C:\\a.odd"), RegistryTypeError);
  EXPECT_THROW(GetTargetApplication(h.services, L"C:\\a.odd"), RegistryTypeError);

  h.SetClass(L".bin", L"binfile");
  h.registry().SetValue({RegistryRoot::ClassesRoot, L"binfile\\shell\\open\\command"}, L"", RegistryType::Binary,
                        L"xx");
  EXPECT_THROW(GetAssociatedCommand(h.services, L"C:\\a.bin"), RegistryTypeError);

  // Expandable strings are text.
  h.registry().SetValue({RegistryRoot::ClassesRoot, L".exp"}, L"", RegistryType::ExpandString, L"expfile");
  h.registry().SetValue({RegistryRoot::ClassesRoot, L"expfile\\shell\\open\\command"}, L"", RegistryType::ExpandString,
                        L"%windir%\\notepad.exe \"%1\"");
  EXPECT_EQ(GetAssociatedApplication(h.services, L"C:\\a.exp"), L"C:\\Windows\\notepad.exe");
}

TEST_F(FileAssociationsTest, TheUsersOwnClassesWin) {
  h.SetClass(L".txt", L"txtfile");
  h.SetClass(L"txtfile\\shell\\open\\command", L"C:\\Windows\\notepad.exe %1");
  h.registry().SetValue({RegistryRoot::CurrentUser, L"Software\\Classes\\.txt"}, L"", RegistryType::String,
                        L"viewfile");
  h.registry().SetValue({RegistryRoot::CurrentUser, L"Software\\Classes\\viewfile\\shell\\open\\command"}, L"",
                        RegistryType::String, L"\"C:\\Program Files\\Viewer\\view.exe\" %1");
  EXPECT_EQ(GetAssociatedApplication(h.services, L"C:\\a.txt"), L"C:\\Program Files\\Viewer\\view.exe");
}

TEST_F(FileAssociationsTest, TargetApplicationOfStartupEntries) {
  h.SetClass(L".txt", L"txtfile");
  h.SetClass(L"txtfile\\shell\\open\\command", L"%SystemRoot%\\notepad.exe %1");
  const std::wstring startup = L"C:\\users\\joe\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup\\";
  h.links().AddShortcut(startup + L"Notes.lnk", SimShortcut{L"C:\\docs\\notes.txt"});
  h.links().AddShortcut(startup + L"Viewer.LNK", SimShortcut{L"C:\\Program Files\\Viewer\\view.exe"});

  const std::pair<std::wstring, std::wstring> cases[] = {
      {startup + L"Notes.lnk", L"C:\\Windows\\notepad.exe"},
      {startup + L"Viewer.LNK", L"C:\\Program Files\\Viewer\\view.exe"},
      {L"\"C:\\Program Files\\Viewer\\view.exe\" /tray", L"C:\\Program Files\\Viewer\\view.exe"},
      {L"%SystemRoot%\\notepad.exe C:\\a.txt", L"C:\\Windows\\notepad.exe"},
      {L"C:\\docs\\todo.txt", L"C:\\Windows\\notepad.exe"},
      {L"C:\\tools\\agent.unknown -x", L"C:\\tools\\agent.unknown"},  // no association: the program path itself
  };
  for (const auto& [entry, program] : cases)
    EXPECT_EQ(GetTargetApplication(h.services, entry), program) << text::WideToUtf8(entry);
}

}  // namespace
}  // namespace kalvora::resolve
