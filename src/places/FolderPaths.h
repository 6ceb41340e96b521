#pragma once
#include <string>

namespace kalvora::places {

// Trims the path, gives it exactly one trailing backslash and collapses
// doubled backslashes. Empty and UNC paths (beginning "\\") stay as they are.
void NormalizeFolderPath(std::wstring& path);

}  // namespace kalvora::places
