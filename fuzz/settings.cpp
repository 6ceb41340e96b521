// The two settings files' bytes (user file, then after the separator the
// shared file), loaded as at start, then written key by key and read back.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "SettingsParts.h"
#include "platform/sim/SimMachine.h"
#include "platform/sim/SimProcess.h"
#include "settings/SettingsKeys.h"

namespace kalvora::fuzz {
namespace {

// Not likely in a settings file of either encoding.
constexpr std::string_view kSeparator{"\x00\xFF\x00", 3};

const std::wstring D = settings::SectionDefault;

// Keys that the writes below leave alone.
std::vector<std::wstring> UntouchedUserKeys() {
  std::vector<std::wstring> keys = {L"EdtRECPath", L"RECIndWhenStartup", L"curTextSize", L"tbRecordInterval",
                                    L"MenuBar1", L"StatusBar1"};
  for (const auto& field : settings::SettingsDialogFields) keys.push_back(field.key);
  for (const auto& field : settings::SmartFolderFields) keys.push_back(field.key);
  return keys;
}

std::vector<std::wstring> Snapshot(const settings::SettingsFile& file, const std::vector<std::wstring>& keys) {
  std::vector<std::wstring> values;
  for (const std::wstring& key : keys) values.push_back(file.ReadString(D, key, L"<missing>"));
  return values;
}

void CheckParsedIntegerRoundTrips(std::wstring_view text) {
  const std::optional<int> value = settings::ParseSettingsInteger(text);
  if (!value) return;
  Check(settings::ParseSettingsInteger(std::to_wstring(*value)) == value, "an integer does not read back as written",
        text);
}

}  // namespace
}  // namespace kalvora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kalvora;
  using namespace kalvora::fuzz;
  const std::string bytes = Bytes(data, size);
  const std::size_t cut = bytes.find(kSeparator);
  const std::string userBytes = bytes.substr(0, cut);
  const std::string sharedBytes = cut == std::string::npos ? std::string() : bytes.substr(cut + kSeparator.size());

  platform::sim::SimMachine machine;
  platform::sim::SimProcess process(machine);
  platform::Platform platform = process.Platform();
  SettingsParts parts(platform);
  machine.files().AddFile(parts.user.Path(), userBytes);
  machine.files().CreateDirectoryTree(SettingsParts::kSharedFolder);
  if (cut != std::string::npos) machine.files().AddFile(parts.shared.Path(), sharedBytes);
  settings::SettingsStore& store = parts.store;

  store.LoadSettings();
  store.LoadSmartFolderSettings(true, 0);
  CheckNothingSwallowed(machine.developerLog());
  Check(parts.window.TextSize >= 6 && parts.window.TextSize <= 72, "a text size outside the usable sizes");
  Check(parts.window.StartupRecordIndex >= -1, "a start-up record index below -1");
  Check(parts.dialog.RgRecordType == 0 || parts.dialog.RgRecordType == 1, "a record type outside its choices");
  const settings::WindowGeometry geometry = store.ReadWindowGeometry(1024);
  Check(geometry.width > 0 && geometry.height > 0, "a window size that is not positive");
  const std::wstring folder = store.RecordFolder();
  Check(folder.empty() || folder.back() == L'\\', "a record folder without its trailing backslash", folder);
  store.ReadWindowIsNormal();
  store.ReadMenuBar();
  store.ReadStatusBar();
  store.ReadAlwaysRunAsAdmin();

  // A key written reads back as written, and the other keys stay as they were.
  const std::vector<std::wstring> keys = UntouchedUserKeys();
  const std::vector<std::wstring> before = Snapshot(parts.user, keys);
  const bool adminBefore = store.ReadAlwaysRunAsAdmin();
  const settings::WindowGeometry written{-7, 31, 333, 444};
  store.SaveWindowState(true, written, 5);
  store.WriteOpenWindowRequest(3);
  const settings::WindowGeometry read = store.ReadWindowGeometry(1024);
  Check(read.left == written.left && read.top == written.top && read.width == written.width &&
            read.height == written.height,
        "a written window geometry reads back different");
  Check(store.ReadRecordListIndex() == 5, "a written record list index reads back different");
  Check(store.ReadWindowIsNormal(), "a written window state reads back different");
  Check(store.ReadOpenWindowRequest() == 3, "a written open-window request reads back different");
  Check(store.ReadAlwaysRunAsAdmin() == adminBefore, "writing the shared file changed another key");
  const std::vector<std::wstring> after = Snapshot(parts.user, keys);
  for (std::size_t i = 0; i < keys.size(); ++i)
    Check(after[i] == before[i], "writing the user file changed another key", keys[i] + L": " + before[i] + L" -> " + after[i]);
  CheckNothingSwallowed(machine.developerLog());

  // Every line's value, read as a number.
  for (const std::string& line : Split(userBytes, '\n')) {
    const std::wstring wide = platform.text.FromAnsi(line);
    const std::size_t eq = wide.find(L'=');
    CheckParsedIntegerRoundTrips(eq == std::wstring::npos ? std::wstring_view(wide) : std::wstring_view(wide).substr(eq + 1));
  }
  return 0;
}
