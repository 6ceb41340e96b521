// Swallowed failures reach the debug output. No debugger is attached here,
// so the line is read where the system raises it: OutputDebugString passes
// its text in an exception that a vectored handler sees first.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "common/Guarded.h"
#include "platform/win32/Win32DeveloperSink.h"

namespace {

constexpr DWORD kPrintNarrow = 0x40010006;  // DBG_PRINTEXCEPTION_C
constexpr DWORD kPrintWide = 0x4001000A;    // DBG_PRINTEXCEPTION_WIDE_C

std::vector<std::wstring>* seen = nullptr;

LONG CALLBACK SeeDebugOutput(EXCEPTION_POINTERS* pointers) {
  const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
  if (!seen || record.NumberParameters < 2) return EXCEPTION_CONTINUE_SEARCH;
  const auto length = static_cast<std::size_t>(record.ExceptionInformation[0]);
  if (record.ExceptionCode == kPrintWide) {
    const auto* text = reinterpret_cast<const wchar_t*>(record.ExceptionInformation[1]);
    seen->emplace_back(text, length > 0 ? length - 1 : 0);
  } else if (record.ExceptionCode == kPrintNarrow) {
    const auto* text = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
    seen->emplace_back(text, text + (length > 0 ? length - 1 : 0));  // the test's text is ASCII
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

TEST(Win32DeveloperSink, AFailedStepBecomesOneDebugOutputLine) {
  std::vector<std::wstring> lines;
  seen = &lines;
  void* const handler = ::AddVectoredExceptionHandler(1, SeeDebugOutput);
  ASSERT_NE(handler, nullptr);
  {
    kalvora::platform::win32::Win32DeveloperSink sink;
    kalvora::ScopedDeveloperSink installed{sink};
    kalvora::Guarded(L"Test.Step", [] { throw std::runtime_error("step failed"); });
  }
  ::RemoveVectoredExceptionHandler(handler);
  seen = nullptr;
  // Windows may pass the wide text and then the narrow one.
  ASSERT_FALSE(lines.empty());
  for (const std::wstring& line : lines) EXPECT_EQ(line, L"Kalvora: Test.Step: step failed\n");
}

}  // namespace
