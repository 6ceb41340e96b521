// Shortcut and association resolution through the real shell, installer and
// registry: shortcuts written with the real writer, associations registered
// under HKEY_CLASSES_ROOT for the test.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "resolve/FileAssociations.h"
#include "resolve/ShortcutResolution.h"
#include "common/WideText.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Installer.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32ShellLinks.h"
#include "platform/win32/Win32SystemText.h"
#include "support/TempFolder.h"

namespace kalvora::capture {
namespace {

namespace win32 = platform::win32;

class RealResolution : public ::testing::Test {
 protected:
  win32::Win32FileSystem files;
  win32::Win32ShellLinks links;
  win32::Win32Installer installer;
  win32::Win32Registry registry;
  win32::Win32Environment environment;
  win32::Win32SystemText text;
  resolve::ResolutionServices services{files, links, installer, registry, environment, text, 0};
  TempFolder temp;

  // Makes a file (and its folder) for a shortcut or command to point at.
  std::wstring MakeFile(const std::wstring& folder, const std::wstring& name) {
    ::CreateDirectoryW((temp / folder).c_str(), nullptr);
    const std::wstring path = temp / (folder + L"\\" + name);
    EXPECT_TRUE(TempFolder::WriteBytes(path, "x"));
    return path;
  }
  // True when the text survives the ANSI code page.
  bool FitsCodePage(const std::wstring& s) { return text.FromAnsi(text.ToAnsi(s)) == s; }
};

TEST_F(RealResolution, WrittenShortcutsResolveToTheirTargets) {
  const std::wstring names[][2] = {
      {L"Plain", L"report.txt"},
      {L"With Blanks", L"my report.txt"},
      {L"Caf\u00e9 \u00c9t\u00e9", L"r\u00e9sum\u00e9.txt"},
      {L"\u0424\u043e\u043b\u0434\u0435\u0440", L"\u0444\u0430\u0439\u043b.txt"},
  };
  for (const auto& name : names) {
    const std::wstring target = MakeFile(name[0], name[1]);
    const std::wstring link = temp / (name[0] + L".lnk");
    ASSERT_EQ(links.Write(link, target, temp / name[0]), 0);
    SCOPED_TRACE(text.ToAnsi(link));
    if (!FitsCodePage(link) || !FitsCodePage(target)) {
      // Windows keeps the Unicode name in the shortcut; Wine keeps only the
      // code-page path, whose stand-in characters make it no path at all,
      // so the shortcut stands for itself there. Never a mangled path.
      const std::wstring resolved = resolve::ResolveShortcut(services, link);
      EXPECT_TRUE(resolved == target || resolved == link) << text::WideToUtf8(resolved);
      continue;  // nor can the 8-bit interface name it
    }
    EXPECT_EQ(resolve::ResolveShortcut(services, link), target);
    resolve::TLinkParams params;
    EXPECT_EQ(resolve::ReadLinkParams(services, text.ToAnsi(link), params), 0);
    // The short form where the volume has one.
    wchar_t shortPath[MAX_PATH] = {};
    ::GetShortPathNameW(target.c_str(), shortPath, MAX_PATH);
    const std::string got = params.target;
    EXPECT_TRUE(got == text.ToAnsi(target) || got == text.ToAnsi(shortPath)) << got;
    EXPECT_EQ(params.workingDirectory, text.ToAnsi(temp / name[0]));
    EXPECT_EQ(params.description, "");
    EXPECT_EQ(params.arguments, "");
  }
}

// Gives a written shortcut a description and arguments, which the writer
// leaves out.
HRESULT AddDescriptionAndArguments(const std::wstring& link, const wchar_t* description, const wchar_t* arguments) {
  IShellLinkW* shellLink = nullptr;
  HRESULT status =
      ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, reinterpret_cast<void**>(&shellLink));
  if (FAILED(status)) return status;
  IPersistFile* file = nullptr;
  status = shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(status)) status = file->Load(link.c_str(), STGM_READWRITE);
  if (SUCCEEDED(status)) status = shellLink->SetDescription(description);
  if (SUCCEEDED(status)) status = shellLink->SetArguments(arguments);
  if (SUCCEEDED(status)) status = file->Save(link.c_str(), TRUE);
  if (file != nullptr) file->Release();
  shellLink->Release();
  return status;
}

TEST_F(RealResolution, ReadLinkParamsReadsDescriptionAndArguments) {
  const std::wstring target = MakeFile(L"Tools", L"tool.exe");
  const std::wstring link = temp / L"Tool.lnk";
  ASSERT_EQ(links.Write(link, target, temp / L"Tools"), 0);  // also brings COM up on this thread
  ASSERT_EQ(AddDescriptionAndArguments(link, L"Starts the tool", L"/quiet \"C:\\some file.txt\""), S_OK);
  resolve::TLinkParams params;
  EXPECT_EQ(resolve::ReadLinkParams(services, text.ToAnsi(link), params), 0);
  EXPECT_EQ(params.description, "Starts the tool");
  EXPECT_EQ(params.arguments, "/quiet \"C:\\some file.txt\"");
  EXPECT_EQ(params.workingDirectory, text.ToAnsi(temp / L"Tools"));
  // The arguments are not part of the target.
  EXPECT_EQ(resolve::ResolveShortcut(services, link), target);
}

TEST_F(RealResolution, ExtensionInAnyCaseAndOtherPathsUnchanged) {
  const std::wstring target = MakeFile(L"t", L"a.txt");
  for (const wchar_t* name : {L"one.LNK", L"two.LnK"}) {
    ASSERT_EQ(links.Write(temp / name, target, L""), 0);
    EXPECT_EQ(resolve::ResolveShortcut(services, temp / name), target);
  }
  // A shortcut file under another name is not looked into.
  ASSERT_TRUE(::CopyFileW((temp / L"one.LNK").c_str(), (temp / L"one.bin").c_str(), FALSE));
  EXPECT_EQ(resolve::ResolveShortcut(services, temp / L"one.bin"), temp / L"one.bin");
}

TEST_F(RealResolution, UnreadableShortcutsStandForThemselves) {
  ASSERT_TRUE(TempFolder::WriteBytes(temp / L"garbage.lnk", "this is no shortcut at all"));
  ASSERT_TRUE(TempFolder::WriteBytes(temp / L"empty.lnk", ""));
  for (const wchar_t* name : {L"garbage.lnk", L"empty.lnk", L"missing.lnk"}) {
    EXPECT_EQ(resolve::ResolveShortcut(services, temp / name), temp / name);
    resolve::TLinkParams params;
    EXPECT_TRUE(platform::Failed(resolve::ReadLinkParams(services, text.ToAnsi(temp / name), params)));
    EXPECT_EQ(params.target, "");
  }
}

TEST_F(RealResolution, AMovedTargetComesBackAsStored) {
  const std::wstring target = MakeFile(L"old", L"a.txt");
  ASSERT_EQ(links.Write(temp / L"moved.lnk", target, L""), 0);
  ASSERT_TRUE(::MoveFileW((temp / L"old").c_str(), (temp / L"new").c_str()));
  EXPECT_EQ(resolve::ResolveShortcut(services, temp / L"moved.lnk"), target);
}

TEST_F(RealResolution, APlainShortcutIsNotAdvertised) {
  const std::wstring target = MakeFile(L"p", L"a.txt");
  ASSERT_EQ(links.Write(temp / L"plain.lnk", target, L""), 0);
  EXPECT_EQ(installer.ShortcutComponent(text.ToAnsi(temp / L"plain.lnk")), std::nullopt);
}

// Registers file types under HKEY_CLASSES_ROOT for one test and removes them.
class RealAssociations : public RealResolution {
 protected:
  static constexpr const wchar_t* kKeys[] = {L".kvquoted", L"kvquotedfile", L".kvplain",   L"kvplainfile",
                                             L".kvverb",   L"kvverbfile",   L".kvodd",     L".kvnone"};
  RealAssociations() { Clean(); }
  ~RealAssociations() override { Clean(); }
  static void Clean() {
    for (const wchar_t* key : kKeys) ::RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
  }
  void SetDefault(const std::wstring& key, const std::wstring& value) {
    ASSERT_TRUE(registry.WriteString(platform::RegistryKey{platform::RegistryRoot::ClassesRoot, key}, L"", value));
  }
};

TEST_F(RealAssociations, RegisteredTypesGiveTheirPrograms) {
  const std::wstring app = MakeFile(L"App Dir", L"app.exe");
  const std::wstring tool = MakeFile(L"Edit Tool", L"tool.exe");
  SetDefault(L".kvquoted", L"kvquotedfile");
  SetDefault(L"kvquotedfile\\Shell\\Open\\Command", L"\"" + app + L"\" \"%1\"");
  SetDefault(L".kvplain", L"kvplainfile");
  SetDefault(L"kvplainfile\\shell\\open\\command", L"%SystemRoot%\\notepad.exe %1");
  SetDefault(L".kvverb", L"kvverbfile");
  SetDefault(L"kvverbfile\\shell", L"edit");
  SetDefault(L"kvverbfile\\shell\\edit\\command", tool + L" /edit %1");  // unquoted, with a blank in the path

  wchar_t systemRoot[MAX_PATH] = {};
  ::GetEnvironmentVariableW(L"SystemRoot", systemRoot, MAX_PATH);

  EXPECT_EQ(resolve::GetAssociatedCommand(services, L"C:\\docs\\a.kvquoted"), L"\"" + app + L"\" \"%1\"");
  EXPECT_EQ(resolve::GetAssociatedApplication(services, L"C:\\docs\\a.kvquoted"), app);
  EXPECT_EQ(resolve::GetAssociatedApplication(services, L"C:\\docs\\A.KVPLAIN"), std::wstring(systemRoot) + L"\\notepad.exe");
  EXPECT_EQ(resolve::GetAssociationByVerb(services, L".kvverb"), tool);
  EXPECT_EQ(resolve::GetAssociatedApplication(services, L"C:\\docs\\a.kvverb"), tool);
  EXPECT_EQ(resolve::GetAssociatedApplication(services, L"C:\\docs\\a.kvnone"), L"");
}

TEST_F(RealAssociations, ANonTextTypeNameRaises) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CLASSES_ROOT, L".kvodd", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD number = 1;
  ::RegSetValueExW(key, L"", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  ::RegCloseKey(key);
  EXPECT_THROW(resolve::GetAssociatedApplication(services, L"C:\\a.kvodd"), platform::RegistryTypeError);
}

}  // namespace
}  // namespace kalvora::capture
