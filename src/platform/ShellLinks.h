#pragma once
#include <cstdint>
#include <string>

#include "platform/WindowHandle.h"

namespace kalvora::platform {

// A COM status code (HRESULT): negative means failure, 0 is S_OK.
using StatusCode = std::int32_t;
inline bool Failed(StatusCode status) { return status < 0; }

constexpr StatusCode kStatusOk = 0;
constexpr StatusCode kStatusFail = static_cast<StatusCode>(0x80004005u);          // E_FAIL
constexpr StatusCode kStatusFileNotFound = static_cast<StatusCode>(0x80070002u);  // from ERROR_FILE_NOT_FOUND
constexpr StatusCode kStatusPathTooLong = static_cast<StatusCode>(0x800700CEu);   // from ERROR_FILENAME_EXCED_RANGE

// The calls of a read through the 8-bit shell-link interface, in the order
// they are made.
enum class LinkStep { Create, PersistFile, Load, Resolve, GetPath, Description, Arguments, WorkingDirectory, Done };

// What a read through the 8-bit interface gave. The read stops at the first
// call that fails; `failedStep` names it (Done when none failed) and the
// fields of that call and of the calls after it stay empty. Text is in the
// ANSI code page, each field at most 259 characters (a MAX_PATH buffer).
struct AnsiLinkRead {
  LinkStep failedStep = LinkStep::Done;
  StatusCode status = kStatusOk;  // of the last call made
  std::string target;             // GetPath with SLGP_SHORTPATH, after Resolve
  bool offersDataList = false;    // the object offers IShellLinkDataList
  std::string description;
  std::string arguments;
  std::string workingDirectory;
};

// Shortcut (.lnk) files through the shell's link object.
class ShellLinks {
 public:
  virtual ~ShellLinks() = default;
  // The stored target through the wide interface with SLGP_UNCPRIORITY,
  // without Resolve: a moved target comes back as stored. "" when the
  // object cannot be made or the file does not load.
  virtual std::wstring ReadTarget(const std::wstring& linkPath) = 0;
  // Loads, Resolves with SLR_UPDATE (the owner window parents any shell
  // search dialog, and the file is updated when the target moved), then
  // reads the short path, description, arguments and working directory.
  virtual AnsiLinkRead ReadAnsi(const std::wstring& linkPath, WindowHandle owner) = 0;
  // Writes a shortcut to the target with the working folder, replacing any
  // file of that name. Returns the status of the first failing call, or 0.
  virtual StatusCode Write(const std::wstring& linkPath, const std::wstring& target,
                           const std::wstring& workingFolder) = 0;
};

}  // namespace kalvora::platform
