#include "places/PhotoViewer.h"

#include <vector>

#include "resolve/EnvironmentTokens.h"

namespace kalvora::places {

namespace {

bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

std::vector<std::wstring> SplitAtBlanks(const std::wstring& text) {
  std::vector<std::wstring> words;
  std::wstring word;
  for (wchar_t c : text) {
    if (c == L' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

}  // namespace

bool IsPhotoViewerCommand(const platform::Platform& platform, const std::wstring& text) {
  const std::wstring lowered = platform.text.Lower(text);
  if (Contains(lowered, L"rundll32.exe") && (Contains(lowered, L"photoviewer.dll") || Contains(lowered, L"shimgvw.dll")))
    return true;
  return lowered.starts_with(L"windows photo viewer") || lowered.starts_with(L"photo viewer") ||
         lowered.starts_with(L"windows picture and fax viewer") || lowered.starts_with(L"picture and fax viewer");
}

void OpenInPhotoViewer(const platform::Platform& platform, const std::wstring& file, platform::WindowHandle owner) {
  const std::wstring command = resolve::ExpandEnvToken(resolve::ResolutionServices::From(platform, owner),
                                                       L"rundll32.exe %SystemRoot%\\system32\\shimgvw.dll,ImageView_Fullscreen %1");
  const std::vector<std::wstring> words = SplitAtBlanks(command);
  if (words.size() < 2) return;
  // rundll32 hands the rest of its command line to the entry whole, so the
  // file goes unquoted even when it holds blanks.
  platform.shell.Execute(owner, L"open", words[0], words[1] + L" " + file, L"", platform::ShowCommand::ShowNormal);
}

}  // namespace kalvora::places
