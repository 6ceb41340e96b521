#pragma once
#include <climits>
#include <span>
#include <string>

#include "settings/SettingsFile.h"
#include "settings/TrackBar.h"

namespace kalvora::settings {

// One key of a settings file bound to the dialog control that holds its
// value while the program runs. A dialog's keys are listed once, in the
// order they are written, and both reading and writing walk that list.
template <typename Dialog>
struct SettingsField {
  const wchar_t* key;
  bool Dialog::*flag = nullptr;     // a check box or radio button
  TrackBar Dialog::*bar = nullptr;  // a track bar's position
  int Dialog::*choice = nullptr;    // a radio group's index, 0 to choices - 1
  int fallback = 0;                 // for a track bar, TrackBarMax means its maximum
  int choices = 0;
  bool readBack = true;  // false: written for other programs, its truth lives elsewhere
};

inline constexpr int TrackBarMax = INT_MIN;

template <typename Dialog>
constexpr SettingsField<Dialog> FlagField(const wchar_t* key, bool Dialog::*flag, bool fallback) {
  return SettingsField<Dialog>{key, flag, nullptr, nullptr, fallback ? 1 : 0};
}
template <typename Dialog>
constexpr SettingsField<Dialog> WrittenFlagField(const wchar_t* key, bool Dialog::*flag) {
  return SettingsField<Dialog>{key, flag, nullptr, nullptr, 0, 0, false};
}
template <typename Dialog>
constexpr SettingsField<Dialog> TrackBarField(const wchar_t* key, TrackBar Dialog::*bar, int fallback) {
  return SettingsField<Dialog>{key, nullptr, bar, nullptr, fallback};
}
// A stored index outside 0 to choices - 1 reads as the fallback.
template <typename Dialog>
constexpr SettingsField<Dialog> ChoiceField(const wchar_t* key, int Dialog::*choice, int choices, int fallback) {
  return SettingsField<Dialog>{key, nullptr, nullptr, choice, fallback, choices};
}

template <typename Dialog>
void ReadFields(const SettingsFile& file, const std::wstring& section, std::span<const SettingsField<Dialog>> fields,
                Dialog& dialog) {
  for (const auto& f : fields) {
    if (!f.readBack) continue;
    if (f.flag) {
      dialog.*f.flag = file.ReadBool(section, f.key, f.fallback != 0);
    } else if (f.bar) {
      TrackBar& bar = dialog.*f.bar;
      bar.SetPosition(file.ReadInteger(section, f.key, f.fallback == TrackBarMax ? bar.Max() : f.fallback));
    } else if (f.choice) {
      const int value = file.ReadInteger(section, f.key, f.fallback);
      dialog.*f.choice = value >= 0 && value < f.choices ? value : f.fallback;
    }
  }
}

template <typename Dialog>
void WriteFields(SettingsFile& file, const std::wstring& section, std::span<const SettingsField<Dialog>> fields,
                 const Dialog& dialog) {
  for (const auto& f : fields) {
    if (f.flag) {
      file.WriteBool(section, f.key, dialog.*f.flag);
    } else if (f.bar) {
      file.WriteInteger(section, f.key, (dialog.*f.bar).Position());
    } else if (f.choice) {
      file.WriteInteger(section, f.key, dialog.*f.choice);
    }
  }
}

}  // namespace kalvora::settings
