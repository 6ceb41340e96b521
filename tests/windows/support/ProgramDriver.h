#pragma once
// Drives a real Windows program from outside: starts it, finds its windows and
// controls, presses buttons, reads tab texts across processes, and prepares
// the files it reads. Every wait polls, so a fast program makes a fast test.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kalvora::program_tests {

// Wine is slow at a program's first start in a fresh prefix.
inline constexpr DWORD kWindowTimeoutMs = 20000;
inline constexpr DWORD kExitTimeoutMs = 20000;

// Polls done() until it holds or the time is up; returns its last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs = 25);

// A path on the build machine as the program sees it under Wine ("/a/b" is
// "Z:\a\b"); a path that already has a drive letter only gets backslashes.
std::wstring WindowsPathOfBuildFile(const std::string& buildPath);

// ---- processes

// A program started with CreateProcessW. The destructor closes its windows
// and, when that does not end it, ends it by force.
class StartedProgram {
 public:
  // An empty workingFolder starts it in this process's current folder.
  StartedProgram(const std::wstring& exe, const std::wstring& arguments, const std::wstring& workingFolder = L"");
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD StartError() const { return startError_; }
  DWORD Pid() const { return info_.dwProcessId; }
  bool IsRunning() const;
  // The exit code, or nothing when it is still running after timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs) const;
  // Asks every top-level window of the process to close, then ends it by
  // force after graceMs. Returns whether it ended on its own.
  bool Stop(DWORD graceMs = 10000);

 private:
  PROCESS_INFORMATION info_ = {};
  DWORD startError_ = 0;
};

// Ends every running process whose program file lies below folder: what an
// earlier, aborted test left behind.
void EndProgramsBelow(const std::wstring& folder);

// ---- windows

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
DWORD ProcessOf(HWND window);

struct WindowQuery {
  std::wstring className;  // compared ignoring case; empty: any class
  std::wstring title;      // empty: any title
  DWORD pid = 0;           // 0: any process
  bool visibleOnly = false;

  static WindowQuery OfClass(std::wstring name) {
    WindowQuery query;
    query.className = std::move(name);
    return query;
  }
  WindowQuery Titled(std::wstring text) const {
    WindowQuery query = *this;
    query.title = std::move(text);
    return query;
  }
  WindowQuery Of(DWORD processId) const {
    WindowQuery query = *this;
    query.pid = processId;
    return query;
  }
  WindowQuery Visible() const {
    WindowQuery query = *this;
    query.visibleOnly = true;
    return query;
  }
};

std::vector<HWND> TopLevelWindows(const WindowQuery& query);
// The first window that matches within timeoutMs, or nullptr.
HWND WaitForTopLevelWindow(const WindowQuery& query, DWORD timeoutMs = kWindowTimeoutMs);

// Every descendant of parent of the class (any class when empty).
std::vector<HWND> ChildWindows(HWND parent, const std::wstring& className = L"");
// The descendant of that class with exactly that text, or nullptr.
HWND FindChild(HWND parent, const std::wstring& className, const std::wstring& text);

// Clicks a button as the mouse would (BM_CLICK); check boxes toggle and tell
// their dialog.
bool ClickButton(HWND button);
// Sends the dialog the notification its push button sends when clicked,
// which works even when the dialog is not the active window.
bool PressDialogButton(HWND button);
bool IsChecked(HWND checkBox);

RECT WindowRect(HWND window);
int Width(const RECT& rect);
int Height(const RECT& rect);

// Tab control items, read through memory in the control's own process.
int TabCount(HWND tab);
std::optional<std::wstring> TabText(HWND tab, int index);

// ---- files

std::wstring SpecialFolder(int csidl);
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
bool MakeFolder(const std::wstring& path);
// Removes a file or a folder with everything in it; true when it is gone.
bool RemovePath(const std::wstring& path);
bool CopyFileTo(const std::wstring& from, const std::wstring& to);
std::optional<std::string> ReadBytes(const std::wstring& path);
bool WriteBytes(const std::wstring& path, const std::string& bytes);
// A text file in UTF-16LE (with its byte-order mark) or UTF-8.
std::optional<std::wstring> ReadText(const std::wstring& path);
std::string Utf8(const std::wstring& text);

// INI values through the profile API, as the program reads them. A missing
// key (or file) reads as nothing.
std::optional<std::wstring> ReadIni(const std::wstring& file, const std::wstring& section, const std::wstring& key);
bool WriteIni(const std::wstring& file, const std::wstring& section, const std::wstring& key,
              const std::wstring& value);

// A folder of its own for one test below a fixed root on C:, removed with
// everything in it at the end.
class ScratchFolder {
 public:
  static std::wstring Root();
  explicit ScratchFolder(const std::wstring& name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

// A file's bytes as they were (or its absence), put back by Restore.
class SavedFile {
 public:
  explicit SavedFile(std::wstring path);
  void Restore() const;

 private:
  std::wstring path_;
  std::optional<std::string> bytes_;
};

}  // namespace kalvora::program_tests
