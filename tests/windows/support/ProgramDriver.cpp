#include "support/ProgramDriver.h"

#include <commctrl.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <iterator>

namespace kalvora::program_tests {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

// The profile API keeps a file it read in memory; the program writes the same
// files from another process, so every read must start from the disk.
void ForgetCachedProfile(const std::wstring& file) {
  ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, file.c_str());
}

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
  return ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, result) != 0;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (::GetTickCount64() >= deadline) return done();
    ::Sleep(pollMs);
  }
}

std::wstring WindowsPathOfBuildFile(const std::string& buildPath) {
  std::wstring path = Widen(buildPath);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  if (!path.empty() && path[0] == L'\\') path = L"Z:" + path;
  return path;
}

// ---- processes

StartedProgram::StartedProgram(const std::wstring& exe, const std::wstring& arguments,
                               const std::wstring& workingFolder) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup,
                        &info_)) {
    startError_ = ::GetLastError();
    info_ = {};
    return;
  }
  ::CloseHandle(info_.hThread);
  info_.hThread = nullptr;
}

StartedProgram::~StartedProgram() {
  if (!Started()) return;
  Stop();
  ::CloseHandle(info_.hProcess);
}

bool StartedProgram::IsRunning() const {
  return Started() && ::WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> StartedProgram::WaitForExit(DWORD timeoutMs) const {
  if (!Started() || ::WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  ::GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool StartedProgram::Stop(DWORD graceMs) {
  if (!IsRunning()) return true;
  const bool ended = WaitUntil(
      [&] {
        // A modal dialog goes first (WM_CLOSE cancels it); a disabled owner
        // behind it is asked on a later round, once it is enabled again.
        for (HWND window : TopLevelWindows(WindowQuery().Of(Pid()).Visible()))
          if (::IsWindowEnabled(window)) ::PostMessageW(window, WM_CLOSE, 0, 0);
        return ::WaitForSingleObject(info_.hProcess, 250) == WAIT_OBJECT_0;
      },
      graceMs, 0);
  if (!ended) {
    ::TerminateProcess(info_.hProcess, 1);
    ::WaitForSingleObject(info_.hProcess, 5000);
  }
  return ended;
}

void EndProgramsBelow(const std::wstring& folder) {
  const std::wstring prefix = Lower(folder) + L"\\";
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
    HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
                                   entry.th32ProcessID);
    if (!process) continue;
    wchar_t image[MAX_PATH * 4] = {};
    DWORD size = static_cast<DWORD>(std::size(image));
    if (::QueryFullProcessImageNameW(process, 0, image, &size) && Lower(image).starts_with(prefix)) {
      ::TerminateProcess(process, 1);
      ::WaitForSingleObject(process, 5000);
    }
    ::CloseHandle(process);
  }
  ::CloseHandle(snapshot);
}

// ---- windows

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

std::wstring TextOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  return pid;
}

std::vector<HWND> TopLevelWindows(const WindowQuery& query) {
  struct Search {
    const WindowQuery* query;
    std::vector<HWND> found;
  } search{&query, {}};
  ::EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        const WindowQuery& q = *s.query;
        if (q.pid != 0 && ProcessOf(window) != q.pid) return TRUE;
        if (!q.className.empty() && !SameIgnoringCase(ClassOf(window), q.className)) return TRUE;
        if (!q.title.empty() && TextOf(window) != q.title) return TRUE;
        if (q.visibleOnly && !::IsWindowVisible(window)) return TRUE;
        s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForTopLevelWindow(const WindowQuery& query, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        const auto windows = TopLevelWindows(query);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

std::vector<HWND> ChildWindows(HWND parent, const std::wstring& className) {
  struct Search {
    const std::wstring* className;
    std::vector<HWND> found;
  } search{&className, {}};
  ::EnumChildWindows(
      parent,
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        if (s.className->empty() || SameIgnoringCase(ClassOf(window), *s.className)) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& text) {
  for (HWND child : ChildWindows(parent, className))
    if (TextOf(child) == text) return child;
  return nullptr;
}

bool ClickButton(HWND button) {
  DWORD_PTR result = 0;
  return SendWithTimeout(button, BM_CLICK, 0, 0, &result);
}

bool PressDialogButton(HWND button) {
  HWND dialog = ::GetParent(button);
  if (!dialog) return false;
  return ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != 0;
}

bool IsChecked(HWND checkBox) {
  DWORD_PTR result = 0;
  return SendWithTimeout(checkBox, BM_GETCHECK, 0, 0, &result) && result == BST_CHECKED;
}

RECT WindowRect(HWND window) {
  RECT rect = {};
  ::GetWindowRect(window, &rect);
  return rect;
}

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

int TabCount(HWND tab) {
  DWORD_PTR result = 0;
  return SendWithTimeout(tab, TCM_GETITEMCOUNT, 0, 0, &result) ? static_cast<int>(result) : -1;
}

std::optional<std::wstring> TabText(HWND tab, int index) {
  HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(tab));
  if (!process) return std::nullopt;
  // The item and its text buffer in one block of the control's own memory:
  // the control writes through pointers that must be valid there.
  constexpr int kChars = 512;
  const SIZE_T blockSize = sizeof(TCITEMW) + kChars * sizeof(wchar_t);
  auto* remote = static_cast<char*>(::VirtualAllocEx(process, nullptr, blockSize, MEM_COMMIT | MEM_RESERVE,
                                                      PAGE_READWRITE));
  std::optional<std::wstring> text;
  if (remote) {
    auto* remoteText = reinterpret_cast<wchar_t*>(remote + sizeof(TCITEMW));
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = remoteText;
    item.cchTextMax = kChars;
    DWORD_PTR result = 0;
    const wchar_t empty = L'\0';
    if (::WriteProcessMemory(process, remote, &item, sizeof item, nullptr) &&
        ::WriteProcessMemory(process, remoteText, &empty, sizeof empty, nullptr) &&
        SendWithTimeout(tab, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote), &result) &&
        result != 0 && ::ReadProcessMemory(process, remote, &item, sizeof item, nullptr)) {
      std::wstring buffer(kChars, L'\0');
      // The control may answer with a pointer of its own instead of filling the buffer.
      if (item.pszText && ::ReadProcessMemory(process, item.pszText, buffer.data(), kChars * sizeof(wchar_t), nullptr)) {
        buffer.resize(std::min<size_t>(kChars - 1, buffer.find(L'\0')));
        text = buffer;
      }
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  ::CloseHandle(process);
  return text;
}

// ---- files

std::wstring SpecialFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return path;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolder(const std::wstring& path) {
  return ::SHCreateDirectoryExW(nullptr, path.c_str(), nullptr) == ERROR_SUCCESS || FolderExists(path);
}

bool RemovePath(const std::wstring& path) {
  const auto removeOnce = [](const std::wstring& target, auto& self) -> void {
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      ::DeleteFileW(target.c_str());
      return;
    }
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((target + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") self(target + L"\\" + name, self);
      } while (::FindNextFileW(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryW(target.c_str());
  };
  // A program that has just ended may still hold a file for a moment.
  return WaitUntil(
      [&] {
        removeOnce(path, removeOnce);
        return ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
      },
      5000, 100);
}

bool CopyFileTo(const std::wstring& from, const std::wstring& to) {
  return ::CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

std::optional<std::string> ReadBytes(const std::wstring& path) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (::ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  ::CloseHandle(file);
  return bytes;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  ::CloseHandle(file);
  return ok;
}

std::optional<std::wstring> ReadText(const std::wstring& path) {
  const auto bytes = ReadBytes(path);
  if (!bytes) return std::nullopt;
  if (bytes->size() >= 2 && static_cast<unsigned char>((*bytes)[0]) == 0xFF &&
      static_cast<unsigned char>((*bytes)[1]) == 0xFE) {
    std::wstring text((bytes->size() - 2) / 2, L'\0');
    std::memcpy(text.data(), bytes->data() + 2, text.size() * sizeof(wchar_t));
    return text;
  }
  if (bytes->starts_with("\xEF\xBB\xBF")) return Widen(bytes->substr(3));
  return Widen(*bytes);
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                        nullptr);
  return narrow;
}

std::optional<std::wstring> ReadIni(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  static const wchar_t kMissing[] = L"\x01missing\x01";
  ForgetCachedProfile(file);
  std::wstring value(4096, L'\0');
  const DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), kMissing, value.data(),
                                                  static_cast<DWORD>(value.size()), file.c_str());
  value.resize(length);
  if (value == kMissing) return std::nullopt;
  return value;
}

bool WriteIni(const std::wstring& file, const std::wstring& section, const std::wstring& key,
              const std::wstring& value) {
  const bool ok = ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
  ForgetCachedProfile(file);
  return ok;
}

// ---- scratch folders and saved files

std::wstring ScratchFolder::Root() { return L"C:\\kalvora-tests"; }

ScratchFolder::ScratchFolder(const std::wstring& name) {
  static unsigned counter = 0;
  std::wstring safe = name;
  for (auto& c : safe)
    if (!std::iswalnum(c) && c != L'-' && c != L'_') c = L'_';
  path_ = Root() + L"\\" + safe + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
  RemovePath(path_);
  MakeFolder(path_);
}

ScratchFolder::~ScratchFolder() {
  RemovePath(path_);
  // Only succeeds once the last test's folder is gone.
  ::RemoveDirectoryW(Root().c_str());
}

SavedFile::SavedFile(std::wstring path) : path_(std::move(path)), bytes_(ReadBytes(path_)) {}

void SavedFile::Restore() const {
  if (bytes_) {
    WriteBytes(path_, *bytes_);
  } else {
    ::DeleteFileW(path_.c_str());
  }
  ForgetCachedProfile(path_);
}

}  // namespace kalvora::program_tests
