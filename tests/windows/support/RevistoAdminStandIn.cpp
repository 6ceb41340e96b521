// Takes the place of the elevation companion in program tests: records the
// arguments it was started with, one a line in UTF-8, in
// "revistoadmin-called.txt" beside itself, and ends at once.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int length = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return {};
  std::string narrow(static_cast<size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text, -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(static_cast<size_t>(length) - 1);
  return narrow;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH * 4] = {};
  ::GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
  std::wstring folder = self;
  folder.resize(folder.find_last_of(L'\\') + 1);

  int count = 0;
  wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::string recorded;
  for (int i = 1; arguments && i < count; ++i) recorded += Utf8(arguments[i]) + "\n";
  ::LocalFree(arguments);

  // Written aside and then renamed, so a waiting test never reads half a file.
  const std::wstring partial = folder + L"revistoadmin-called.tmp";
  const std::wstring finished = folder + L"revistoadmin-called.txt";
  HANDLE file = ::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const bool ok = ::WriteFile(file, recorded.data(), static_cast<DWORD>(recorded.size()), &written, nullptr) &&
                  written == recorded.size();
  ::CloseHandle(file);
  if (!ok || !::MoveFileExW(partial.c_str(), finished.c_str(), MOVEFILE_REPLACE_EXISTING)) return 1;
  return 0;
}
