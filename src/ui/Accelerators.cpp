#include "ui/Accelerators.h"

#include <algorithm>

#include "app/main/MenuDefinitions.h"

namespace kalvora::ui {

namespace {
using app::MenuItemDef;

void Collect(const std::vector<MenuItemDef>& items, std::vector<ACCEL>& table) {
  for (const MenuItemDef& item : items) {
    if (item.shortcut.IsSet() && item.command != app::Command::None) {
      ACCEL entry = {};
      entry.fVirt = static_cast<BYTE>(FVIRTKEY | (item.shortcut.ctrl ? FCONTROL : 0));
      entry.key = static_cast<WORD>(item.shortcut.key);
      entry.cmd = static_cast<WORD>(item.command);
      const bool taken = std::any_of(table.begin(), table.end(), [&](const ACCEL& other) {
        return other.key == entry.key && other.fVirt == entry.fVirt;
      });
      if (!taken) table.push_back(entry);
    }
    Collect(item.children, table);
  }
}

bool IsEditBox(HWND window) {
  wchar_t className[16] = {};
  return window && ::GetClassNameW(window, className, 16) > 0 && ::lstrcmpiW(className, L"Edit") == 0;
}

// Copy, cut, paste and select-all belong to an edit box that has the focus.
bool IsEditingKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0) return false;
  switch (message.wParam) {
    case 'A': case 'C': case 'V': case 'X': case 'Z': return true;
    default: return false;
  }
}
}  // namespace

std::vector<ACCEL> ShortcutTable() {
  std::vector<ACCEL> table;
  Collect(app::PmDocTree(), table);
  Collect(app::MainMenu1(), table);
  Collect(app::PmApp(), table);
  Collect(app::WindowShortcuts(), table);
  return table;
}

Accelerators::Accelerators() {
  std::vector<ACCEL> table = ShortcutTable();
  table_.Attach(::CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

bool Accelerators::Translate(HWND window, MSG& message) const {
  if (!table_ || !window) return false;
  if (message.hwnd != window && !::IsChild(window, message.hwnd)) return false;
  if (IsEditBox(::GetFocus()) && IsEditingKey(message)) return false;
  return ::TranslateAcceleratorW(window, table_.Get(), &message) != 0;
}

}  // namespace kalvora::ui
