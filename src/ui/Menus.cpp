#include "ui/Menus.h"

namespace kalvora::ui {

namespace {
using app::Command;
using app::MenuItemDef;

bool IsSeparator(const MenuItemDef& item) { return std::wstring_view(item.caption) == L"-"; }

void AppendItems(HMENU menu, const std::vector<MenuItemDef>& items, const window::MainWindowLayout& layout) {
  bool lastWasSeparator = true;  // no separator at the top
  for (const MenuItemDef& item : items) {
    if (!item.visible) continue;
    if (IsSeparator(item)) {
      if (!lastWasSeparator) ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      lastWasSeparator = true;
      continue;
    }
    const std::wstring caption = MenuCaption(item);
    if (!item.children.empty()) {
      HMENU submenu = BuildPopupMenu(item.children, layout);
      ::AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), caption.c_str());
    } else {
      MENUITEMINFOW info = {};
      info.cbSize = sizeof info;
      info.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
      info.fType = item.radioItem ? MFT_RADIOCHECK : MFT_STRING;
      info.fState = item.checkItem && IsChecked(item.command, layout) ? MFS_CHECKED : MFS_UNCHECKED;
      info.wID = static_cast<UINT>(item.command);
      info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
      ::InsertMenuItemW(menu, ::GetMenuItemCount(menu), TRUE, &info);
    }
    lastWasSeparator = false;
  }
  // No separator at the bottom either.
  const int count = ::GetMenuItemCount(menu);
  if (count > 0 && (::GetMenuState(menu, count - 1, MF_BYPOSITION) & MF_SEPARATOR))
    ::DeleteMenu(menu, count - 1, MF_BYPOSITION);
}
}  // namespace

std::wstring MenuCaption(const MenuItemDef& item) {
  std::wstring caption = item.caption;
  if (item.shortcut.IsSet()) caption += L"\t" + item.shortcut.Text();
  return caption;
}

bool IsChecked(Command command, const window::MainWindowLayout& layout) {
  switch (command) {
    case Command::MenuBar1: return layout.menuBarChecked[0];
    case Command::MenuBar2: return layout.menuBarChecked[1];
    case Command::MenuBar3: return layout.menuBarChecked[2];
    case Command::StatusBar1: return layout.statusBarChecked[0];
    case Command::StatusBar2: return layout.statusBarChecked[1];
    default: {
      const int size = app::TextSizeOf(command);
      return size != 0 && size == layout.checkedTextSize;
    }
  }
}

HMENU BuildMenuBar(const std::vector<MenuItemDef>& items, const window::MainWindowLayout& layout) {
  HMENU menu = ::CreateMenu();
  AppendItems(menu, items, layout);
  return menu;
}

HMENU BuildPopupMenu(const std::vector<MenuItemDef>& items, const window::MainWindowLayout& layout) {
  HMENU menu = ::CreatePopupMenu();
  AppendItems(menu, items, layout);
  return menu;
}

void UpdateChecks(HMENU menu, const std::vector<MenuItemDef>& items, const window::MainWindowLayout& layout) {
  for (const MenuItemDef& item : items) {
    if (item.checkItem) {
      const UINT state = IsChecked(item.command, layout) ? MF_CHECKED : MF_UNCHECKED;
      ::CheckMenuItem(menu, static_cast<UINT>(item.command), MF_BYCOMMAND | state);
    }
    UpdateChecks(menu, item.children, layout);
  }
}

Command CommandOfId(unsigned id) {
  if (id < static_cast<unsigned>(Command::AppSettings) || id > static_cast<unsigned>(Command::Debug))
    return Command::None;
  return static_cast<Command>(id);
}

}  // namespace kalvora::ui
