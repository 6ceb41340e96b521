#pragma once
#include <string>

namespace kalvora {

// Fixed at build time; other programs (the uninstaller, the installer, the
// start-with-Windows entry) rely on these exact names.
inline constexpr const wchar_t* ProductName = L"Kalvora";
inline constexpr const wchar_t* ProductExeName = L"kalvora.exe";
inline constexpr float ProductVersion = 2.1f;
inline constexpr const wchar_t* ProductFullVersion = L"2.1.12.156";
inline constexpr const wchar_t* ProductHomePage = L"https://www.kalvora.com/";
inline constexpr const wchar_t* ProductHelpPage = L"https://www.kalvora.com/help/";
inline constexpr const wchar_t* ElevationProgramName = L"revistoadmin.exe";
inline constexpr const wchar_t* MainWindowClassName = L"TRevistoWindow";

// "%s %1.1f" of the product name and version: "Kalvora 2.1".
std::wstring MainWindowCaption();

}  // namespace kalvora
