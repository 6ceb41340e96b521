#include "records/SafeFileWrite.h"

namespace kalvora::records {

bool WriteFileSafely(platform::FileSystem& files, const std::wstring& path, std::string_view bytes) {
  const std::wstring temporary = path + L".saving";
  if (files.WriteFile(temporary, bytes) && files.MoveFileOver(temporary, path)) return true;
  files.RemoveFile(temporary);  // a cut-short copy must not linger
  return false;
}

}  // namespace kalvora::records
