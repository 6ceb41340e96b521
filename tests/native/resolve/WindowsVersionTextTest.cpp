#include <gtest/gtest.h>

#include "resolve/SystemQueries.h"
#include "common/WideText.h"

namespace kalvora::resolve {
namespace {

TEST(WindowsVersionText, NamesEachKnownVersion) {
  struct Case {
    unsigned long platform, major, minor;
    const wchar_t* text;
  };
  const Case cases[] = {
      {0, 3, 11, L"Windows 32"},     {1, 4, 0, L"Windows 95"},      {1, 4, 10, L"Windows 98"},
      {1, 4, 90, L"Windows Me"},     {1, 4, 3, L"Windows 9x"},      {2, 3, 51, L"Windows NT 3.51"},
      {2, 4, 0, L"Windows NT 4.0"},  {2, 5, 0, L"Windows 2000"},    {2, 5, 1, L"Windows XP"},
      {2, 5, 2, L"Windows 2003"},    {2, 6, 0, L"Windows Vista"},   {2, 6, 1, L"Windows 7"},
      {2, 6, 2, L"Windows "},        {2, 10, 0, L"Windows "},       {3, 6, 1, L"Windows unknow"},
      {2, 6, 10, L"Windows 7"},  // compared as the decimal 6.1
  };
  for (const auto& c : cases)
    EXPECT_EQ(WindowsVersionText({c.platform, c.major, c.minor}), c.text) << c.major << "." << c.minor;
}

TEST(WindowsVersionText, LaterWindowsReadsAsPlainWindowsWhenTrimmed) {
  EXPECT_EQ(text::LowerAscii(text::Trim(WindowsVersionText({2, 10, 0}))), L"windows");
  EXPECT_EQ(text::LowerAscii(text::Trim(WindowsVersionText({2, 6, 1}))), L"windows 7");
}

}  // namespace
}  // namespace kalvora::resolve
