#include "tree/PathTests.h"

#include <map>
#include <utility>

#include "common/PathText.h"
#include "common/WideText.h"
#include "places/FolderPaths.h"
#include "places/PhotoViewer.h"

namespace kalvora::tree {

namespace {

bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

std::wstring ReplaceAll(std::wstring text, const std::wstring& from, const std::wstring& to) {
  for (std::size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// URL and mixed separators become backslashes, longest runs first.
std::wstring Backslashed(std::wstring text) {
  text = ReplaceAll(std::move(text), L"///", L"\\");
  text = ReplaceAll(std::move(text), L"//", L"\\");
  return ReplaceAll(std::move(text), L"/", L"\\");
}

std::wstring BeforeFirst(const std::wstring& text, wchar_t c) { return text.substr(0, text.find(c)); }

std::wstring From(const std::wstring& text, std::size_t index) {
  return index < text.size() ? text.substr(index) : std::wstring();
}

// "C:" for a drive path, "\\server\share" for a UNC path, else "".
std::wstring DrivePart(const std::wstring& path) {
  if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2);
  if (!path.starts_with(L"\\\\")) return L"";
  const std::size_t serverEnd = path.find(L'\\', 2);
  if (serverEnd == std::wstring::npos) return path;
  return path.substr(0, path.find(L'\\', serverEnd + 1));
}

const std::map<std::wstring, int>& ProgramIcons() {
  static const std::map<std::wstring, int> icons = {
      {L"notepad.exe", 9},          {L"mspaint.exe", 55},        {L"firefox.exe", 13},
      {L"safari.exe", 14},          {L"bdslauncher.exe", 15},    {L"winrar.exe", 16},
      {L"msnmsgr.exe", 17},         {L"chrome.exe", 18},         {L"opera.exe", 19},
      {L"revisto.exe", 20},         {L"revistosetup.exe", 20},   {L"7zfm.exe", 21},
      {L"7zg.exe", 21},             {L"acrord32.exe", 22},       {L"calc.exe", 23},
      {L"bckgzm.exe", 24},          {L"bdeadmin.exe", 25},       {L"chess.exe", 26},
      {L"chkrzm.exe", 27},          {L"cmd.exe", 28},            {L"control.exe", 29},
      {L"datapump.exe", 30},        {L"dbd32.exe", 31},          {L"dbexplor.exe", 32},
      {L"delphi32.exe", 33},        {L"displayswitch.exe", 34},  {L"dvdmaker.exe", 35},
      {L"ehshell.exe", 36},         {L"excel.exe", 37},          {L"explorer.exe", 38},
      {L"freecell.exe", 39},        {L"hearts.exe", 40},         {L"helppane.exe", 41},
      {L"wmplayer.exe", 42},        {L"iscsicpl.exe", 44},       {L"mahjong.exe", 45},
      {L"mblctr.exe", 46},          {L"winword.exe", 47},        {L"regedit.exe", 51},
      {L"moviemaker.exe", 52},      {L"mobsync.exe", 53},        {L"msconfig.exe", 54},
      {L"msoxmled.exe", 56},        {L"snippingtool.exe", 57},   {L"soundrecorder.exe", 58},
      {L"sidebar.exe", 59},         {L"wlstartup.exe", 60},      {L"wlmail.exe", 61},
      {L"windowslivewriter.exe", 62}, {L"wlxphotogallery.exe", 63}, {L"wscript.exe", 64},
      {L"notepad++.exe", 66},       {L"minesweeper.exe", 67},    {L"wordpad.exe", 68},
      {L"ytd.exe", 69},             {L"rundll32.exe", 70},       {L"stikynot.exe", 71},
      {L"solitaire.exe", 72},       {L"spidersolitaire.exe", 73}, {L"hh.exe", 74},
      {L"icofx.exe", 75},
  };
  return icons;
}

const std::map<std::wstring, int>& ExtensionIcons() {
  static const std::map<std::wstring, int> icons = {
      {L".zip", 77}, {L".dll", 50}, {L".xls", 49}, {L".doc", 48}, {L".wav", 43}, {L".js", 65},
      {L".jpg", 8},  {L".jpeg", 8}, {L".gif", 8},  {L".txt", 9},  {L".bmp", 10}, {L".ini", 11},
  };
  return icons;
}

bool OneOf(const std::wstring& value, std::initializer_list<const wchar_t*> options) {
  for (const wchar_t* option : options)
    if (value == option) return true;
  return false;
}

}  // namespace

PathTests::PathTests(const platform::Platform& platform, resolve::Wow64State& wow64, std::wstring myDocumentsPath)
    : platform_(platform),
      wow64_(wow64),
      documents_(std::move(myDocumentsPath)),
      documentsLower_(platform.text.Lower(text::Trim(documents_))) {}

bool PathTests::WideIfValidFileFormat(const std::wstring& path) {
  if (path.size() < 2 || path[1] != L':' || path[0] == L'A' || path[0] == L'a') return false;
  return platform_.drives.DriveType(std::wstring{path[0], L':', L'\\'}) > platform::DriveNoRootDir;
}

bool PathTests::WideDirectoryExists(const std::wstring& path) {
  if (!WideIfValidFileFormat(path)) return false;
  resolve::FsRedirectionOff redirectionOff(wow64_);
  return platform_.files.DirectoryExists(path);
}

bool PathTests::WideFileExists(const std::wstring& path) {
  if (!WideIfValidFileFormat(path)) return false;
  resolve::FsRedirectionOff redirectionOff(wow64_);
  return platform_.files.FileExists(path);
}

bool PathTests::IsWebAddress(const std::wstring& path) {
  const std::wstring lower = platform_.text.Lower(text::Trim(path));
  return Contains(lower, L"http://") || Contains(lower, L"https://");
}

std::wstring PathTests::CanonicalPath(const std::wstring& raw) {
  std::wstring path = text::Trim(raw);
  // A web address keeps its form, but for the blank its "%20" has long stood for.
  if (IsWebAddress(path)) return ReplaceAll(std::move(path), L"%20", L" ");
  if (IsExcludedPath(path)) return path;
  const bool fromUrl = text::IsFileUrl(path);
  if (fromUrl) path = text::Trim(text::FileUrlToPath(path));
  const bool unc = path.starts_with(L"\\\\") || path.starts_with(L"//");
  const bool drive = path.size() >= 2 && path[1] == L':';
  if (unc || drive) {
    for (wchar_t& c : path)
      if (c == L'/') c = L'\\';
    std::wstring single;
    single.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i)
      if (path[i] != L'\\' || i < (unc ? 2u : 1u) || single.back() != L'\\') single += path[i];
    path = std::move(single);
  }
  // A URL's escapes are decoded already; on disk a name may hold "%20" itself.
  if (!fromUrl && Contains(path, L"%20") && !WideFileExists(path) && !WideDirectoryExists(path))
    path = ReplaceAll(std::move(path), L"%20", L" ");
  return path;
}

bool PathTests::IsExcludedPath(const std::wstring& path) {
  return Contains(platform_.text.Lower(text::Trim(path)), L"res://");
}

bool PathTests::IsFolderLikePath(const std::wstring& path) {
  if (WideFileExists(path) || IsWebAddress(path)) return false;
  if (platform_.text.Lower(path).starts_with(L"file:///") || path.starts_with(L"\\\\")) return true;
  const std::wstring upper = platform_.text.Upper(text::Trim(path));
  return upper.size() >= 2 && upper[0] >= L'A' && upper[0] <= L'Z' && upper[1] == L':';
}

std::wstring PathTests::GetGroupKey(const std::wstring& rawPath) {
  const std::wstring path = text::Trim(text::IsFileUrl(text::Trim(rawPath)) ? CanonicalPath(rawPath) : rawPath);
  const std::wstring lower = platform_.text.Lower(path);
  // Without a known documents folder nothing is grouped under it; an empty
  // prefix would otherwise take in every path.
  const bool haveDocuments = !documentsLower_.empty();

  if (Contains(lower, L"file:///")) {
    if (haveDocuments && lower.starts_with(L"file:///") && text::IsPathInFolder(lower.substr(8), documentsLower_))
      return documents_;
    const std::wstring rest = Backslashed(From(path, 11));
    return DrivePart(From(path, 8)) + L"\\" + BeforeFirst(rest, L'\\');
  }
  if (path.starts_with(L"\\\\")) return path;
  if (haveDocuments && text::IsPathInFolder(lower, documentsLower_)) return documents_;
  if (const std::size_t scheme = path.find(L"://"); scheme != std::wstring::npos)
    return BeforeFirst(path.substr(scheme + 3), L'/');
  if (!Contains(path, L"\\") && !Contains(path, L"/")) return path;
  const std::wstring drive = DrivePart(path);
  if (drive.empty()) return path;
  return drive + L"\\" + BeforeFirst(Backslashed(From(path, 3)), L'\\');
}

std::wstring PathTests::GetDisplayName(const std::wstring& path) {
  const std::wstring name = text::Trim(text::FileName(path));
  if (!name.empty()) {
    const std::size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
  }
  std::wstring folder = path;
  folder = CanonicalPath(folder);
  if (!platform_.files.DirectoryExists(folder)) return folder;
  places::NormalizeFolderPath(folder);
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  const std::size_t cut = folder.rfind(L'\\');
  return cut == std::wstring::npos ? folder : folder.substr(cut + 1);
}

int PathTests::GetPathIconIndex(const std::wstring& path) {
  if (WideDirectoryExists(path)) return 0;
  const std::wstring lower = platform_.text.Lower(text::Trim(path));
  const std::wstring ext = text::FileExtension(lower);
  if (Contains(lower, L"http://")) return 2;
  if (Contains(lower, L"winrar.exe") || OneOf(ext, {L".rar", L".zip", L".tar"})) return 9;
  if (OneOf(ext, {L".html", L".htm", L".jsp", L".aspx", L".asp", L".php"})) return 2;
  if (OneOf(ext, {L".bmp", L".jpg", L".png", L".jpeg", L".gif", L".ico", L".wmf", L".emf"})) return 3;
  return 12;
}

int PathTests::GetFileIconIndex(const std::wstring& rawPath, const std::wstring& title,
                                const FileIconSource& iconFromFile) {
  const std::wstring path = platform_.text.Lower(CanonicalPath(rawPath));
  const std::wstring name = text::FileName(path);
  const std::wstring ext = text::FileExtension(path);

  if (places::IsPhotoViewerCommand(platform_, path)) return 7;
  if (Contains(path, L"http:") || Contains(path, L"https:") || name == L"iexplore.exe" ||
      OneOf(ext, {L".html", L".htm"}))
    return 1;
  if (auto it = ProgramIcons().find(name); it != ProgramIcons().end()) return it->second;
  if (auto it = ExtensionIcons().find(ext); it != ExtensionIcons().end()) return it->second;
  if (WideDirectoryExists(path)) return 0;
  return iconFromFile(path, ext == L".lnk" ? path : title);
}

}  // namespace kalvora::tree
