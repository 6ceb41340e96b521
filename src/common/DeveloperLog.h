#pragma once
#include <string>
#include <string_view>

namespace kalvora {

// Where swallowed failures go: never to the user, only to whoever develops
// or debugs the program. The platform installs the real one at start.
class DeveloperSink {
 public:
  virtual void Report(std::wstring_view site, std::wstring_view what) = 0;

 protected:
  ~DeveloperSink() = default;
};

// Makes the sink the one that receives reports and returns the one it
// replaces; nullptr drops every report. The caller keeps the sink alive
// while it is installed.
DeveloperSink* InstallDeveloperSink(DeveloperSink* sink) noexcept;

// Installs a sink for its own lifetime, then puts the previous one back.
class ScopedDeveloperSink {
 public:
  explicit ScopedDeveloperSink(DeveloperSink& sink) noexcept : previous_(InstallDeveloperSink(&sink)) {}
  ~ScopedDeveloperSink() { InstallDeveloperSink(previous_); }
  ScopedDeveloperSink(const ScopedDeveloperSink&) = delete;
  ScopedDeveloperSink& operator=(const ScopedDeveloperSink&) = delete;

 private:
  DeveloperSink* previous_;
};

// Tells the installed sink that the step named by site failed with what.
// Never throws: a report that cannot be made is lost.
void ReportToDeveloper(std::wstring_view site, std::wstring_view what) noexcept;

// Call only inside a catch block: reports the exception being handled, its
// what() for a std::exception, "unknown exception" for anything else.
void ReportCaughtException(std::wstring_view site) noexcept;

// One report as a line of a debug log: "Kalvora: <site>: <what>\n".
std::wstring DeveloperLine(std::wstring_view site, std::wstring_view what);

}  // namespace kalvora
