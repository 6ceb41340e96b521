#include "places/FolderPaths.h"

#include "common/WideText.h"

namespace kalvora::places {

void NormalizeFolderPath(std::wstring& path) {
  path = text::Trim(path);
  // A UNC path keeps its leading pair of backslashes, so it is left alone.
  if (path.empty() || path.starts_with(L"\\\\")) return;
  std::wstring result = text::Trim(path) + L"\\";
  result = text::ReplaceAll(result, L"\\\\\\", L"\\");
  result = text::ReplaceAll(result, L"\\\\", L"\\");
  path = result;
}

}  // namespace kalvora::places
